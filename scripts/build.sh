#!/usr/bin/env bash
# Builds everything: the host tools with the native compiler (build/host), the
# 32-bit product with MinGW-w64 i686 (build/win32), and, on machines that
# cannot run 32-bit code, the same sources for x86-64 (build/win64) to test
# under 64-bit Wine. The build that matches this machine carries the tests.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(dirname "$here")"
export LUMENPATH_BUILD="${LUMENPATH_BUILD:-$root/build}"
build="$LUMENPATH_BUILD"
jobs="$(nproc)"
arch="$("$here/platform.sh")"

"$here/setup.sh"

cmake -S "$root" -B "$build/host" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build/host" -j"$jobs"

windows_build() {  # folder, toolchain cpu, with tests
  cmake -S "$root" -B "$build/$1" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$2.cmake" \
    -DLIBJPEG_ROOT="${LUMENPATH_DEPS:-$build/deps}/libjpeg-$2" \
    -DLUMENPATH_HOST_TOOLS="$build/host/tools" \
    -DLUMENPATH_TESTS="$3" \
    -DLUMENPATH_PRODUCT_EXE="$build/win32/app/lumenpath.exe" >/dev/null
  cmake --build "$build/$1" -j"$jobs"
}
if [ "$arch" = win32 ]; then
  windows_build win32 i686 ON
else
  windows_build win32 i686 OFF
  windows_build win64 x86_64 ON
fi
