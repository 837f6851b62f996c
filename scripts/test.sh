#!/usr/bin/env bash
# Builds everything and runs every test: the host tests natively and the
# Windows tests under Wine, on a private Xvfb display with one Wine server for
# the whole run. Exits non-zero when anything fails.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(dirname "$here")"
export LUMENPATH_BUILD="${LUMENPATH_BUILD:-$root/build}"
build="$LUMENPATH_BUILD"

"$here/build.sh"

status=0
# The host tests run with the machine's own environment, before the Wine one
# (its MDBICONV and locale are for the driver under Wine).
echo "== host tests (native)"
(cd "$build/host" && ctest --output-on-failure -j"$(nproc)" "$@") || status=1

. "$here/wine-env.sh"
. "$here/wine-display.sh"

echo "== Windows tests (under Wine, $LUMENPATH_TEST_ARCH)"
# A GUI test under Wine on a loaded machine can miss a window that was slow to
# appear; such a test gets one more run, and ctest reports every retry.
(cd "$build/$LUMENPATH_TEST_ARCH" && ctest --output-on-failure -j"$(nproc)" --repeat until-pass:2 "$@") || status=1
exit $status
