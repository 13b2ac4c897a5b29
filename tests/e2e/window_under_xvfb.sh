#!/usr/bin/env bash
# Starts the program in a real X11 window under Xvfb, waits until the window
# is mapped and painted, and checks that a window with the program's button
# face colour is on the screen.
set -euo pipefail
# The rest runs inside the X server.
[ -n "${BITCALC_UNDER_XVFB:-}" ] ||
  exec env BITCALC_UNDER_XVFB=1 xvfb-run -a -s "-screen 0 800x600x24" "$0" "$@"
program="$1"
shot="$(mktemp -d)/screen.png"
unset QT_QPA_PLATFORM

# Without a window manager the program's windows are children of the root.
window_mapped() {
  local id
  for id in $(xwininfo -root -children | awk '/^ +0x/ { print $1 }'); do
    xwininfo -id "$id" | grep -q 'Map State: IsViewable' && return 0
  done
  return 1
}

# clBtnFace (240, 240, 240) covers most of the window; a black screen has none.
face_pixels() {
  import -window root "$shot"
  convert "$shot" -fill black +opaque "rgb(240,240,240)" -format '%[fx:mean*w*h]' info:
}
enough() { awk -v n="$1" 'BEGIN { exit !(n > 1000) }'; }

"$program" &
pid=$!
# Up to 20 s for the window to map, then up to 2 s for its first paint.
for _ in $(seq 200); do
  window_mapped && break
  sleep 0.1
done
for _ in $(seq 20); do
  face="$(face_pixels)"
  enough "$face" && break
  sleep 0.1
done
kill "$pid"
wait "$pid" 2>/dev/null || true
echo "button-face pixels: $face"
enough "$face"
