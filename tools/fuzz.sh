#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz and runs them.
#   tools/fuzz.sh [name|all] [seconds]      default: all, 60 seconds each
# Names are the folders under tests/fuzz/corpus. New inputs go to a scratch
# corpus; a crash or hang stops the run with a non-zero exit and leaves the
# input that caused it next to the scratch corpus, whose path is printed.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BITCALC_FUZZ_BUILD_DIR:-$root/build-fuzz}"
which="${1:-all}"
seconds="${2:-60}"

if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DBITCALC_FUZZ=ON >/dev/null
fi
cmake --build "$build" --parallel "$(nproc)" >/dev/null

names=()
if [ "$which" = all ]; then
  for d in "$root"/tests/fuzz/corpus/*/; do names+=("$(basename "$d")"); done
else
  names=("$which")
fi

export QT_QPA_PLATFORM=offscreen
source "$root/tools/sanitizers.sh"
for name in "${names[@]}"; do
  work="$(mktemp -d "/tmp/fuzz-$name.XXXXXX")"
  echo "== $name: ${seconds}s, scratch corpus $work"
  status=0
  "$build/tests/fuzz/fuzzer_$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$work/" "$work" "$root/tests/fuzz/corpus/$name" \
    >"$work.log" 2>&1 || status=$?
  grep -E '^#[0-9]+[[:space:]]+DONE|^stat::number_of_executed_units|ERROR|SUMMARY|Test unit written' \
    "$work.log" || true
  if [ "$status" -ne 0 ]; then
    echo "fuzzer $name failed (exit $status); log $work.log, inputs in $work"
    exit 1
  fi
  rm -rf "$work" "$work.log"
done
