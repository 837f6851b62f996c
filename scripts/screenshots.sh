#!/usr/bin/env bash
# Builds, then saves pictures of the reader in the states a user sees most
# into build/screenshots/: a lookup, a search with its results shown, the
# reading window, the font dialog and the colour palette. (The test command
# refreshes them too; this runs only the tests that take them.)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(dirname "$here")"
export LUMENPATH_BUILD="${LUMENPATH_BUILD:-$root/build}"
build="$LUMENPATH_BUILD"

"$here/build.sh"
. "$here/wine-env.sh"
"$here/wine-run.sh" "$build/$LUMENPATH_TEST_ARCH/tests/reader/reader_gui_tests.exe" --gtest_filter='Screenshots.*'
ls -1 "$build/screenshots/"*.png
