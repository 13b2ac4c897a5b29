#!/usr/bin/env bash
# Starts the program in a real X11 window under Xvfb, takes a screenshot of
# the screen and checks that a window with the program's button face colour
# is on it.
set -euo pipefail
program="$1"
shot="$(mktemp -d)/screen.png"
xvfb-run -a -s "-screen 0 800x600x24" bash -c '
  unset QT_QPA_PLATFORM
  "$0" & pid=$!
  sleep 3
  import -window root "$1"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
' "$program" "$shot"
# clBtnFace (240, 240, 240) covers most of the window; a black screen has none.
face="$(convert "$shot" -fill black +opaque "rgb(240,240,240)" -format '%[fx:mean*w*h]' info:)"
echo "button-face pixels: $face"
awk -v n="$face" 'BEGIN { exit !(n > 1000) }'
