# Sourced by the scripts that run Wine: the project's own Wine environment.
# Expects $build (the build folder) to be set.
: "${build:?}"
# The tests run as the architecture this machine can execute (platform.sh).
LUMENPATH_TEST_ARCH="${LUMENPATH_TEST_ARCH:-$("$(dirname "${BASH_SOURCE[0]}")/platform.sh")}"
export LUMENPATH_TEST_ARCH
export WINEARCH="$LUMENPATH_TEST_ARCH"
# LUMENPATH_DEPS lets several work trees share one prefix and libjpeg.
export WINEPREFIX="${LUMENPATH_DEPS:-$build}/wine-$WINEARCH"
if [ "$WINEARCH" = win64 ]; then LUMENPATH_WINE=/usr/lib/wine/wine64; else LUMENPATH_WINE=/usr/lib/wine/wine; fi
export LUMENPATH_WINE
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# Code page 936 for the program, byte-wise collation for the ODBC driver's text
# comparisons (a zh_CN collation makes '=' match wrong rows). LC_ALL would
# override LC_COLLATE, so it must stay unset.
unset LC_ALL
export LOCPATH="${LUMENPATH_DEPS:-$build}/locale"
export LANG=zh_CN.UTF-8
export LC_COLLATE=C
# The Access driver: our own odbcinst.ini, and GBK text in and out.
export ODBCSYSINI="${LUMENPATH_DEPS:-$build}/odbc"
export MDBICONV=GBK
