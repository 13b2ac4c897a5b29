#!/usr/bin/env bash
# Runs the monkey test (tests/main_window/monkey_test.cpp) in the sanitizer
# build, which it builds first when needed.
#   tools/monkey.sh [events] [seed]      default: 2000000 events, seed from the
#                                        clock (or BITCALC_MONKEY_SEED)
# The seed is printed with the command that replays the run. A failure prints
# the last events before it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/tools/sanitizers.sh"
events="${1:-2000000}"
seed="${2:-${BITCALC_MONKEY_SEED:-$(date -u +%Y%m%d%H%M)}}"

# ASan holds freed memory in a quarantine, 256 MB by default; once it has
# filled, over the first hundred thousand inputs, ASan's own bookkeeping makes
# picks and paints several times slower. A smaller one keeps the time each
# input takes about the program.
export ASAN_OPTIONS="$ASAN_OPTIONS:quarantine_size_mb=16"
asan_build main_window_tests >/dev/null
echo "monkey: seed $seed; tools/monkey.sh $events $seed replays this run"
start=$SECONDS
# The headless platform says so each time a hint window asks to be raised or
# shaped; those lines are left out.
QT_QPA_PLATFORM=offscreen BITCALC_MONKEY_EVENTS="$events" BITCALC_MONKEY_SEED="$seed" \
  "$asan/tests/main_window_tests" --gtest_filter='Monkey.*' 2>&1 |
  { grep --line-buffered -v '^This plugin does not support' || true; }
echo "monkey: $events events in $((SECONDS - start)) s"
