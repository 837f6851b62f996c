#!/usr/bin/env bash
# Prepares the project's Wine prefix, locale and ODBC registration in the build
# folder. Safe to run from parallel tests: creation is serialised with flock.
set -euo pipefail
build="$1"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
mkdir -p "$build"
mkdir -p "${LUMENPATH_DEPS:-$build}"
exec 9>"${LUMENPATH_DEPS:-$build}/.wine-prefix.lock"
flock 9
# shellcheck source=wine-env.sh
. "$here/wine-env.sh"

if [ ! -d "$LOCPATH/zh_CN.UTF-8" ]; then
  mkdir -p "$LOCPATH"
  localedef -i zh_CN -f UTF-8 "$LOCPATH/zh_CN.UTF-8" 2>/dev/null || [ -d "$LOCPATH/zh_CN.UTF-8" ]
fi

mkdir -p "$ODBCSYSINI"
if [ "$WINEARCH" = win64 ]; then libdir=/usr/lib/x86_64-linux-gnu; else libdir=/usr/lib/i386-linux-gnu; fi
driver="$libdir/odbc/libmdbodbc.so"
cat >"$ODBCSYSINI/odbcinst.ini" <<INI
[Microsoft Access Driver (*.mdb)]
Description=mdbtools ODBC driver (ANSI build)
Driver=$driver
Setup=$driver
FileUsage=1
INI
[ -f "$ODBCSYSINI/odbc.ini" ] || : >"$ODBCSYSINI/odbc.ini"

[ -f "$WINEPREFIX/.lumenpath-ready" ] && exit 0
echo "setup: creating the Wine prefix in $WINEPREFIX"
rm -rf "$WINEPREFIX"
"$LUMENPATH_WINE" wineboot -i >/dev/null 2>&1
reg() { "$LUMENPATH_WINE" reg add "$@" /f >/dev/null 2>&1; }
for face in 宋体 SimSun 新宋体 NSimSun 黑体 SimHei 微软雅黑 "Microsoft YaHei"; do
  reg 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ /d "WenQuanYi Micro Hei"
done
# A virtual desktop draws captions itself and avoids the stall on closing
# windows that Wine shows without a window manager.
reg 'HKCU\Software\Wine\Explorer' /v Desktop /t REG_SZ /d Default
reg 'HKCU\Software\Wine\Explorer\Desktops' /v Default /t REG_SZ /d 1024x768
fonts="$WINEPREFIX/drive_c/windows/Fonts"
mkdir -p "$fonts"
for f in marlett tahoma tahomabd; do
  [ -f "/usr/share/wine/fonts/$f.ttf" ] && ln -sf "/usr/share/wine/fonts/$f.ttf" "$fonts/$f.ttf"
done
wineserver -w
touch "$WINEPREFIX/.lumenpath-ready"
