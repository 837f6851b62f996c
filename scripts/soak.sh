#!/usr/bin/env bash
# Runs the reader's soak test on its own: random user actions against the
# reader with its full database, on a private Xvfb display.
#   scripts/soak.sh [actions (20000)] [seed (new each run)] [watch from action]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(dirname "$here")"
export LUMENPATH_BUILD="${LUMENPATH_BUILD:-$root/build}"
build="$LUMENPATH_BUILD"

mkdir -p "$build"
"$here/build.sh" >"$build/soak-build.log" 2>&1 || { cat "$build/soak-build.log"; exit 1; }
. "$here/wine-env.sh"
. "$here/wine-display.sh"
"$LUMENPATH_WINE" "$build/$LUMENPATH_TEST_ARCH/tests/soak/reader_soak.exe" "${1:-20000}" ${2:+"$2"} ${3:+"$3"} 2>/dev/null
