#!/usr/bin/env bash
# Builds the fuzzers and runs each named one (default: all) for SECONDS
# (default 600) on its corpus in fuzz/corpus/<name>, then merges the corpus
# back to its smallest form. A finding (crash, hang, sanitizer report) is left
# in build/fuzz as crash-*, timeout-* or leak-*; the run goes on with the next
# fuzzer and ends with a failing status.
#   fuzz/run.sh [SECONDS [NAME...]]
# The hang limit is generous: at the lowest priority on a busy machine a unit
# of a fraction of a millisecond has been seen to wait over 10 s.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(dirname "$here")"
seconds="${1:-600}"
shift || true
names=("$@")
[ ${#names[@]} -gt 0 ] || names=(template_data property_blocks list_items report_records des_sealed
                                 split_text find_text to_number)
out="$root/build/fuzz"
cmake -S "$here" -B "$out" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$out" -j"$(nproc)"
failed=()
for name in "${names[@]}"; do
  corpus="$here/corpus/$name"
  fresh="$out/corpus-$name"
  mkdir -p "$corpus" "$fresh"
  echo "== $name: $seconds s"
  (cd "$out" && "./fuzz_$name" -max_total_time="$seconds" -timeout=30 "$fresh" "$corpus") || failed+=("$name")
  rm -rf "$fresh.min" && mkdir -p "$fresh.min"
  (cd "$out" && "./fuzz_$name" -merge=1 "$fresh.min" "$corpus" "$fresh" >/dev/null 2>&1)
  rm -rf "$corpus" && mv "$fresh.min" "$corpus"
done
[ ${#failed[@]} -eq 0 ] || { echo "findings: ${failed[*]}"; exit 1; }
