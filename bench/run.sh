#!/usr/bin/env bash
# Builds what the benchmarks need, runs them under Wine on a private Xvfb
# display and prints one table (see bench/README.md).
#   bench/run.sh [repetitions (5)] [mixed lookups and searches (200)]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export LUMENPATH_BUILD="${LUMENPATH_BUILD:-$root/build}"
build="$LUMENPATH_BUILD"

mkdir -p "$build"
"$root/scripts/build.sh" >"$build/bench-build.log" 2>&1 || { cat "$build/bench-build.log"; exit 1; }
. "$root/scripts/wine-env.sh"
. "$root/scripts/wine-display.sh"

echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(wine --version), $(date -u +%F)"
"$LUMENPATH_WINE" "$build/$LUMENPATH_TEST_ARCH/bench/bench_driver.exe" "$@" 2>/dev/null
