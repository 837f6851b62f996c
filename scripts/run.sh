#!/usr/bin/env bash
# Builds LumenPath and starts it under Wine: in a window when there is a
# display, otherwise on a private Xvfb display, leaving a screenshot in
# build/screenshot.png and ending by itself.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(dirname "$here")"
export LUMENPATH_BUILD="${LUMENPATH_BUILD:-$root/build}"
build="$LUMENPATH_BUILD"

"$here/build.sh"
. "$here/wine-env.sh"
exe="$build/$LUMENPATH_TEST_ARCH/app/lumenpath.exe"
if [ "$LUMENPATH_TEST_ARCH" = win64 ]; then
  echo "run: this machine cannot run 32-bit code; starting the 64-bit build of the same sources."
fi

if [ -n "${DISPLAY:-}" ]; then
  exec "$LUMENPATH_WINE" "$exe"
fi

seconds="${LUMENPATH_SHOW_SECONDS:-8}"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  "$LUMENPATH_WINE" "$1" >/dev/null 2>&1 &
  sleep "$2"
  import -window root "$3"
  wineserver -k >/dev/null 2>&1 || true
' _ "$exe" "$seconds" "$build/screenshot.png"
echo "run: no display; the reader ran under Xvfb for ${seconds} s. Screenshot: $build/screenshot.png"
