#!/usr/bin/env bash
# Takes the README's screenshot: the calculator in a real X11 window under
# Xvfb, set to A = 4660, B = 7 and A ADD B with the keyboard, captured with
# ImageMagick's import.   tools/screenshot.sh [program] [out.png]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
program="${1:-$root/build/app/bitcalc}"
out="${2:-$root/docs/screenshot.png}"
[ -n "${BITCALC_UNDER_XVFB:-}" ] ||
  exec env BITCALC_UNDER_XVFB=1 xvfb-run -a -s "-screen 0 800x600x24" "$0" "$program" "$out"
unset QT_QPA_PLATFORM

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
window="$(timeout 20 xdotool search --sync --onlyvisible --name '^BitCalc$' | head -n 1)"
sleep 0.5
# The decimal field of A has the focus: select its text and type over it,
# then Tab to B's decimal field and on to the track bar.
xdotool key --window "$window" Home shift+End
xdotool type --window "$window" --delay 20 4660
xdotool key --window "$window" Tab Tab Home shift+End
xdotool type --window "$window" --delay 20 7
xdotool key --window "$window" Tab Tab Page_Down Page_Down Page_Down Page_Down
sleep 0.5
import -window "$window" "$out"
echo "$out"
