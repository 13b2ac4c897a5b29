#!/usr/bin/env bash
# The copy menu in a real X11 session: a click on the switch of bit 0 of A
# makes the result (NOT A) 0xFFFE; a real right click on the result's
# hexadecimal readout opens the menu, the keyboard picks its second entry, and
# the X clipboard, read by another client, holds the bare hexadecimal text.
set -euo pipefail
[ -n "${BITCALC_UNDER_XVFB:-}" ] ||
  exec env BITCALC_UNDER_XVFB=1 xvfb-run -a -s "-screen 0 800x600x24" "$0" "$@"
program="$1"
unset QT_QPA_PLATFORM
command -v xclip >/dev/null || { echo "xclip is missing (scripts/install-deps.sh installs it)"; exit 1; }

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
window="$(timeout 20 xdotool search --sync --onlyvisible --name '^BitCalc$' | head -n 1)"

clipboard() { timeout 5 xclip -o -selection clipboard 2>/dev/null || true; }
# Waits up to 5 s for the clipboard to hold the expected text.
wait_for_clipboard() {
  for _ in $(seq 50); do
    [ "$(clipboard)" = "$1" ] && return 0
    sleep 0.1
  done
  echo "clipboard holds '$(clipboard)', expected '$1'"
  return 1
}

echo -n "before" | xclip -selection clipboard
xdotool mousemove --window "$window" 296 16 click 1   # A bit 0: A = 1
sleep 0.3
# Shape2, the result's hexadecimal frame, away from the glyphs.
xdotool mousemove --window "$window" 300 286 click 3
# The menu is the program's second visible window.
for _ in $(seq 50); do
  [ "$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l)" -ge 2 ] && break
  sleep 0.1
done
xdotool key Down Down Return   # "Copy 0xFFFE"
wait_for_clipboard 0xFFFE
echo "clipboard: $(clipboard)"
kill -0 "$pid"  # the program is still running
