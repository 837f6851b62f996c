#!/usr/bin/env bash
# Machine set-up for building and testing LumenPath on Debian 12: packages,
# libjpeg cross-built from Debian's source, the project's Wine prefix, locale
# and ODBC registration. Idempotent: each step checks for its result first.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(dirname "$here")"
build="${LUMENPATH_BUILD:-$root/build}"
mkdir -p "$build"

SUDO=""
[ "$(id -u)" != 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive

arch="$("$here/platform.sh")"
packages=(cmake g++ binutils googletest g++-mingw-w64-i686 mingw-w64-tools
  xvfb xauth locales fonts-wqy-microhei imagemagick
  unixodbc odbc-mdbtools mdbtools dpkg-dev clang libclang-rt-14-dev wine)
if [ "$arch" = win32 ]; then
  packages+=(wine32:i386 libodbc2:i386 odbcinst:i386 odbc-mdbtools:i386)
else
  # No 32-bit x86 here: the tests use the 64-bit build under 64-bit Wine.
  # (The i386 ODBC packages would even fail to install: their scripts run
  # 32-bit programs.)
  packages+=(wine64 g++-mingw-w64-x86-64)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  if [ "$arch" = win32 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
  fi
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
fi

"$here/build-libjpeg.sh" "$build" i686
[ "$arch" = win64 ] && "$here/build-libjpeg.sh" "$build" x86_64
"$here/wine-prefix.sh" "$build"
