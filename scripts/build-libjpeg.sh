#!/usr/bin/env bash
# Cross-builds libjpeg (Debian's libjpeg-turbo source package) as a static
# Windows library under BUILD/deps/libjpeg-ARCH (ARCH i686 or x86_64).
# Does nothing when it is there.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(dirname "$here")"
build="$1"
cpu="$2"
deps="${LUMENPATH_DEPS:-$build/deps}"
prefix="$deps/libjpeg-$cpu"
[ -f "$prefix/lib/libjpeg.a" ] && exit 0

SUDO=""
[ "$(id -u)" != 0 ] && SUDO="sudo"
src_list=/etc/apt/sources.list.d/lumenpath-deb-src.sources
if [ ! -f "$src_list" ]; then
  # Same suites as the binary packages, source only.
  $SUDO tee "$src_list" >/dev/null <<'SRC'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
  $SUDO apt-get update -qq
fi

work="$deps/libjpeg-src"
mkdir -p "$work"
if ! ls -d "$work"/libjpeg-turbo-*/ >/dev/null 2>&1; then
  (cd "$work" && apt-get source -qq libjpeg-turbo >/dev/null 2>&1 || \
     { apt-get source --download-only -qq libjpeg-turbo && dpkg-source -x libjpeg-turbo_*.dsc; })
fi
srcdir="$(ls -d "$work"/libjpeg-turbo-*/ | head -1)"
echo "setup: cross-building libjpeg ($cpu) from $srcdir"
cmake -S "$srcdir" -B "$work/build-$cpu" -G "Unix Makefiles" \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$cpu.cmake" \
  -DCMAKE_CROSSCOMPILING_EMULATOR= \
  -DCMAKE_BUILD_TYPE=Release -DENABLE_SHARED=OFF -DENABLE_STATIC=ON \
  -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF -DWITH_JPEG8=OFF \
  -DCMAKE_INSTALL_PREFIX="$prefix" >"$work/configure-$cpu.log" 2>&1
cmake --build "$work/build-$cpu" -j"$(nproc)" --target jpeg-static >"$work/build-$cpu.log" 2>&1
mkdir -p "$prefix/lib" "$prefix/include"
cp "$work/build-$cpu/libjpeg.a" "$prefix/lib/"
cp "$srcdir/jpeglib.h" "$srcdir/jmorecfg.h" "$srcdir/jerror.h" "$work/build-$cpu/jconfig.h" "$prefix/include/"
echo "setup: libjpeg ready in $prefix"
