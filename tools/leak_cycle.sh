#!/usr/bin/env bash
# One whole session of the program under a leak checker: it starts in a real
# X11 window on a private Xvfb, is used (switches, buttons, typing into the
# fields, a pick in a character grid, the wheel and a drag on the operation
# slider, two hints, a tick of the status rotation), then its window is closed
# as a window manager's close button does and it exits by itself.
#   tools/leak_cycle.sh asan       the sanitizer build (build-asan): leaks,
#                                  memory errors and undefined behaviour
#   tools/leak_cycle.sh valgrind   the Release build (build) under valgrind
#                                  memcheck; .ci/valgrind.supp holds the toolkit's
# Fails when the checker reports anything, when the program does not exit by
# itself, or when the grid or a hint never came up.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
mode="${1:-asan}"
source "$root/tools/sanitizers.sh"

case "$mode" in
  asan)
    program=("$asan/app/bitcalc")
    pace=1
    ;;
  valgrind)
    program=(valgrind --leak-check=full --show-leak-kinds=definite --errors-for-leak-kinds=definite
      --error-exitcode=99 --num-callers=40 --child-silent-after-fork=yes --suppressions="$root/.ci/valgrind.supp"
      "${BITCALC_BUILD_DIR:-$root/build}/app/bitcalc")
    pace=8
    ;;
  *)
    echo "usage: $0 [asan|valgrind]" >&2
    exit 2
    ;;
esac

if [ -z "${BITCALC_UNDER_XVFB:-}" ]; then
  if [ "$mode" = asan ]; then asan_build bitcalc >/dev/null; else bash "$root/scripts/build.sh" bitcalc >/dev/null; fi
  exec env BITCALC_UNDER_XVFB=1 xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
unset QT_QPA_PLATFORM

log="$(mktemp /tmp/leak-cycle.XXXXXX)"
start=$SECONDS
"${program[@]}" >"$log" 2>&1 &
pid=$!
fail() {
  echo "leak cycle ($mode): $*"
  kill "$pid" 2>/dev/null || true
  tail -n 60 "$log"
  exit 1
}

pause() { sleep "$(awk -v p="$pace" -v s="$1" 'BEGIN { print p * s }')"; }
windows() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null || true; }
# At window coordinates of the calculator's window.
move() { xdotool mousemove --window "$window" "$1" "$2"; }
click() {
  move "$1" "$2"
  xdotool click "${3:-1}"
  pause 0.2
}

window="$(timeout $((30 * pace)) xdotool search --sync --onlyvisible --pid "$pid" | head -n 1)" ||
  fail "no window"
pause 0.5

# A's switches for bits 15 and 14, both halves of each, and the buttons.
for x in 45 60; do click "$x" 12 && click "$x" 30; done
click 323 15 && click 323 33 && click 348 15 && click 348 33
# Typing into A's decimal field, then into its hexadecimal twin.
click 395 20
xdotool key ctrl+a && xdotool type --delay 30 "12345"
xdotool key Tab && xdotool key ctrl+a && xdotool type --delay 30 "ff"
xdotool key Up Up Down
pause 0.2
# The character grid of A's low byte: open it and pick a cell.
before="$(windows | wc -l)"
click 628 20
grid="$(windows | { grep -v "^$window\$" || true; } | head -n 1)"
if [ -z "$grid" ] || [ "$(windows | wc -l)" -le "$before" ]; then fail "the character grid did not open"; fi
xdotool mousemove --window "$grid" 40 40 click 1
pause 0.2
# The operation slider: the wheel, then a drag of the thumb.
move 22 200
xdotool click 4 click 4 click 5
xdotool mousemove --window "$window" 20 168 mousedown 1 mousemove --window "$window" 20 250 mouseup 1
pause 0.2
# The hints of the two status panels that have one, each left up a while.
hints=0
for x in 490 570; do
  move "$x" 313
  move $((x + 1)) 314
  pause 1.5
  [ "$(windows | wc -l)" -gt 1 ] && hints=$((hints + 1))
done
[ "$hints" -gt 0 ] || fail "no hint came up"
# Long enough for the status rotation's five-second timer to tick.
move 300 200
sleep 6

python3 "$root/tools/close_window.py" "$window"
for _ in $(seq $((60 * pace))); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 1
done
kill -0 "$pid" 2>/dev/null && fail "still running after its window was closed"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status"
grep -Eq 'ERROR: (LeakSanitizer|AddressSanitizer)|runtime error' "$log" && fail "sanitizer report"
[ "$mode" = valgrind ] && grep -E 'definitely lost|ERROR SUMMARY' "$log"
echo "leak cycle ($mode): clean, $hints hints, $((SECONDS - start)) s"
rm -f "$log"
