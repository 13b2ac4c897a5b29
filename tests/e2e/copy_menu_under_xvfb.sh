#!/usr/bin/env bash
# The copy menu in a real X11 session: a click on the switch of bit 0 of A
# makes the result (NOT A) 0xFFFE; a real right click on the result's
# hexadecimal frame opens the menu, the keyboard picks its second entry, and
# another X client reads the bare text back from the CLIPBOARD selection.
set -euo pipefail
[ -n "${BITCALC_UNDER_XVFB:-}" ] ||
  exec env BITCALC_UNDER_XVFB=1 xvfb-run -a -s "-screen 0 800x600x24" "$0" "$@"
command -v xclip >/dev/null || { echo "xclip is missing (scripts/install-deps.sh installs it)"; exit 1; }
unset QT_QPA_PLATFORM
"$1" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
window="$(timeout 20 xdotool search --sync --onlyvisible --name '^BitCalc$' | head -n 1)"
# Polls up to 5 s for a condition.
eventually() { for _ in $(seq 50); do "$@" && return 0; sleep 0.1; done; return 1; }
clipboard() { timeout 5 xclip -o -selection clipboard 2>/dev/null || true; }
menu_open() { [ "$(xdotool search --onlyvisible --pid "$pid" | wc -l)" -ge 2 ]; }  # a second window
copied() { [ "$(clipboard)" = 0xFFFE ]; }

echo -n before | xclip -selection clipboard
xdotool mousemove --window "$window" 296 16 click 1   # A = 1
sleep 0.3
xdotool mousemove --window "$window" 300 286 click 3  # Shape2, off the glyphs
eventually menu_open || { echo "no menu opened"; exit 1; }
xdotool key Down Down Return                          # "Copy 0xFFFE"
eventually copied || { echo "clipboard holds '$(clipboard)'"; exit 1; }
echo "clipboard: $(clipboard)"
