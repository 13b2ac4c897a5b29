#!/usr/bin/env bash
# The calculator in a real X11 window: a synthetic X click on the switch of
# bit 0 of A makes A = 1, so with NOT A selected the LED of result bit 0 goes
# out while the LED of bit 1 stays lit. Both are read from screenshots.
set -euo pipefail
[ -n "${BITCALC_UNDER_XVFB:-}" ] ||
  exec env BITCALC_UNDER_XVFB=1 xvfb-run -a -s "-screen 0 800x600x24" "$0" "$@"
program="$1"
shot="$(mktemp -d)/window.png"
unset QT_QPA_PLATFORM

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
window="$(timeout 20 xdotool search --sync --onlyvisible --name '^BitCalc$' | head -n 1)"

lit="srgb(0,255,0)"
# The lamps of BitLED1 (result bit 0) and BitLED2 (bit 1), in window pixels.
lamps() {
  import -window "$window" "$shot"
  convert "$shot" -format '%[pixel:p{564,176}] %[pixel:p{540,176}]' info:
}
# Waits up to 5 s until the lamps read as the test expects.
wait_until() {
  for _ in $(seq 50); do
    read -r first second <<<"$(lamps)"
    "$@" && return 0
    sleep 0.1
  done
  echo "lamps read $first $second"
  return 1
}
both_lit() { [ "$first" = "$lit" ] && [ "$second" = "$lit" ]; }
first_out() { [ "$first" != "$lit" ] && [ "$second" = "$lit" ]; }

wait_until both_lit
xdotool mousemove --window "$window" 296 16 click 1
wait_until first_out
echo "after the click: bit 0 lamp $first, bit 1 lamp $second"
