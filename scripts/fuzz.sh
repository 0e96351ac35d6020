#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (build-fuzz) and runs each one for a
# fixed number of runs, 20000 unless given: scripts/fuzz.sh [runs]
# New inputs a run finds go to build-fuzz/corpus/<target>; the committed seeds
# in tests/fuzz/corpus/<target> are only read. A failing input is written to
# build-fuzz/findings/ and the script stops with an error.
set -euo pipefail
cd "$(dirname "$0")/.."

runs="${1:-20000}"
if ! [[ "$runs" =~ ^[0-9]+$ ]]; then
  echo "usage: $0 [runs]" >&2
  exit 2
fi

cmake -S tests/fuzz -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-fuzz -j 2

targets=(fuzz_ini_file fuzz_favorites_file fuzz_favorites_reader fuzz_gbk fuzz_cli_arguments
  fuzz_cli_commands fuzz_flat_json fuzz_calendar fuzz_site_pages)
mkdir -p build-fuzz/findings
for target in "${targets[@]}"; do
  mkdir -p "build-fuzz/corpus/$target"
  start=$(date +%s)
  echo "== $target: $runs runs"
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "build-fuzz/$target" -runs="$runs" -max_len=4096 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="build-fuzz/findings/$target-" \
    "build-fuzz/corpus/$target" "tests/fuzz/corpus/$target" 2>"build-fuzz/$target.log" ||
    { tail -n 40 "build-fuzz/$target.log" >&2; exit 1; }
  grep -E '^(Done|stat::number_of_executed_units)' "build-fuzz/$target.log" || true
  echo "   $(( $(date +%s) - start )) s"
done
