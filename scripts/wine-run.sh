#!/usr/bin/env bash
# Runs a Windows program under the project's Wine environment and passes its
# exit code on. Used by ctest as the cross-compiling emulator.
# Wine's helper processes keep stdout open for a while after the program ends;
# collecting the output in a file and printing it afterwards keeps ctest fast.
set -uo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="${LUMENPATH_BUILD:-$(dirname "$here")/build}"
"$here/wine-prefix.sh" "$build" || exit 125
. "$here/wine-env.sh"
out="$(mktemp)"
if [ -z "${DISPLAY:-}" ]; then
  xvfb-run -a -s "-screen 0 1024x768x24" "$LUMENPATH_WINE" "$@" >"$out" 2>&1 </dev/null
else
  "$LUMENPATH_WINE" "$@" >"$out" 2>&1 </dev/null
fi
rc=$?
cat "$out"
rm -f "$out"
exit $rc
