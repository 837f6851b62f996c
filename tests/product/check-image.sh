#!/usr/bin/env bash
# Checks the product image: a 32-bit Windows GUI program with its resources
# that imports only system DLLs (the C++ runtime and libgcc are linked in),
# and none of those it binds on first call to keep them out of start-up.
set -euo pipefail
exe="$1"
# The C locale: the test may run with a Chinese one, and binutils translates.
dump="$(LC_ALL=C LANGUAGE=C i686-w64-mingw32-objdump -p "$exe")"
grep -q "file format pei-i386" <<<"$dump" || { echo "not a 32-bit Windows image: $exe"; exit 1; }
grep -qE "^Subsystem[[:space:]]+00000002" <<<"$dump" || { echo "not a GUI program"; exit 1; }
# The icon and cursors (their contents are checked on the test build).
grep -q "Resource Directory \[.rsrc\]" <<<"$dump" || { echo "carries no resources: no icon"; exit 1; }
allowed="kernel32.dll user32.dll gdi32.dll comctl32.dll ole32.dll odbc32.dll advapi32.dll msvcrt.dll shlwapi.dll"
deferred="comdlg32.dll shell32.dll oleaut32.dll winmm.dll"
status=0
while read -r dll; do
  lower="$(tr 'A-Z' 'a-z' <<<"$dll")"
  if grep -qw "$lower" <<<"$deferred"; then
    echo "imports $dll, which is bound on first call (runtime/core/deferred_system_calls.h)"; status=1
  elif ! grep -qw "$lower" <<<"$allowed"; then
    echo "imports a DLL that is not part of Windows: $dll"; status=1
  fi
done < <(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$dump")
[ $status = 0 ] && echo "ok: 32-bit GUI image with resources, importing only system DLLs"
exit $status
