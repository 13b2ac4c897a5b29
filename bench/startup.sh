#!/usr/bin/env bash
# Times a program's start-up against a bare Qt window of the calculator's size
# on a private Xvfb, then its key-to-screen latency, and prints the medians.
#
#   bash bench/startup.sh [PROGRAM [ARGS...]]     default: build/app/bitcalc
#
# PAIRS=11 alternating bare/program start-ups, SAMPLES=21 key presses (0 skips
# them), CLICK=X,Y clicks there in the window before the first key.
# scripts/install-deps.sh installs what this needs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-bench"
pairs=${PAIRS:-11}
samples=${SAMPLES:-21}
[ $# -gt 0 ] || set -- "$root/build/app/bitcalc"

die() {
  echo "startup.sh: $*" >&2
  exit 1
}
command -v "$1" >/dev/null || die "cannot run $1 (build it first: bash scripts/build.sh bitcalc)"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBITCALC_TESTS=OFF >/dev/null
cmake --build "$build" --parallel 2 --target bare_window x11_probe >/dev/null
probe="$build/bench/x11/x11_probe"
bare="$build/bench/x11/bare_window"

tmp=$(mktemp -d)
xvfb=
cleanup() {
  # Waits for the server to go, so that a next run cannot meet its leftovers.
  [ -z "$xvfb" ] || { kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null; } || true
  rm -rf "$tmp"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number once it accepts
# connections. Without -noreset it would reset each time the last client
# leaves, refusing or delaying whoever connects next.
mkfifo "$tmp/display"
Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$tmp/display" \
  2>"$tmp/xvfb.log" &
xvfb=$!
read -r -t 10 display <"$tmp/display" || die "Xvfb did not start: $(cat "$tmp/xvfb.log")"

# Both programs get the same small environment, and nothing else uses this
# server: no window manager, no other client.
mkdir -m 700 "$tmp/runtime"
probe=(env -i PATH="$PATH" HOME="$HOME" LANG=C.UTF-8 DISPLAY=":$display"
  QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$tmp/runtime" "$probe")

# One untimed start of each first, so that neither pays for a cold disk cache.
"${probe[@]}" startup -- "$bare" >/dev/null
"${probe[@]}" startup -- "$@" >/dev/null
for ((i = 0; i < pairs; i++)); do
  "${probe[@]}" startup -- "$bare" >>"$tmp/bare"
  "${probe[@]}" startup -- "$@" >>"$tmp/program"
done
if [ "$samples" -gt 0 ]; then
  "${probe[@]}" latency -n "$samples" ${CLICK:+--click "$CLICK"} -- "$@" >"$tmp/latency"
fi

median() {
  sort -g | awk '{ v[NR] = $1 } END { printf "%.2f", NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
# The median of the figure after KEY on each line of FILE.
figure() {
  awk -v key="$2" '{ for (i = 1; i < NF; i++) if ($i == key) print $(i + 1) }' "$1" | median
}

# row LABEL FILE: the median start-up figures in FILE as one line of the table.
row() {
  printf '  %-14s %8s %12s %14s\n' "$1" "$(figure "$2" map_ms)" "$(figure "$2" frame_ms)" \
    "$(figure "$2" hwm_kib | awk '{ printf "%.1f", $1 / 1024 }')"
}

name=$(basename "$1")
echo "Start-up on Xvfb, medians of $pairs runs each, ms from exec:"
printf '  %-14s %8s %12s %14s\n' "" map "first frame" "peak RSS MiB"
row "bare window" "$tmp/bare"
row "$name" "$tmp/program"
awk -v n="$name" -v pf="$(figure "$tmp/program" frame_ms)" -v bf="$(figure "$tmp/bare" frame_ms)" \
  -v pr="$(figure "$tmp/program" hwm_kib)" -v br="$(figure "$tmp/bare" hwm_kib)" 'BEGIN {
    printf "  first frame, %s / bare: %.2f\n", n, pf / bf
    d = (pr - br) / 102.4
    printf "  peak RSS, %s - bare: %+.1f MiB\n", n, int(d < 0 ? d - 0.5 : d + 0.5) / 10 + 0
  }'
if [ "$samples" -gt 0 ]; then
  printf 'Key press to changed pixels, median of %d: %s ms\n' "$samples" \
    "$(tr ' ' '\n' <"$tmp/latency" | tail -n +2 | median)"
fi
