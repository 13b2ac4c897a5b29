#!/bin/sh
# Builds the benchmarks in Release in build-bench and prints their medians
# over nine repetitions. Extra arguments go to the benchmark binary.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-bench"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBITCALC_TESTS=OFF >/dev/null
cmake --build "$build" --target bitcalc_bench >/dev/null

"$build/bench/bitcalc_bench" --benchmark_repetitions=9 \
  --benchmark_report_aggregates_only=true "$@" 2>&1 |
  awk '/^-+$/ || /^Benchmark/ || /_median/ || tolower($0) ~ /error/'
