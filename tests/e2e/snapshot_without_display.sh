#!/usr/bin/env bash
# With no display the program must render its window to a PNG and say where.
set -euo pipefail
program="$1"
out="$(mktemp -d)/window.png"
printed="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --snapshot "$out")"
[ "$printed" = "$out" ] || { echo "printed '$printed', expected '$out'"; exit 1; }
[ -s "$out" ] || { echo "no PNG written"; exit 1; }
size="$(identify -format '%w %h' "$out")"
[ "$size" != "0 0" ] || { echo "empty image"; exit 1; }
echo "snapshot $out ($size)"
