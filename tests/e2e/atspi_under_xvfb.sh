#!/usr/bin/env bash
# The calculator as a screen reader meets it, through the real accessibility
# bus: a private Xvfb, a private session bus, the AT-SPI bus launcher and its
# registry, and a gi.repository.Atspi client (atspi_client.py) that reads the
# tree, acts on the controls, listens for their events and checks the
# window's pixels. Links open through a stand-in xdg-open that writes down
# what it was given, so no browser starts.
set -euo pipefail
if [ -z "${BITCALC_UNDER_XVFB:-}" ]; then
  exec env BITCALC_UNDER_XVFB=1 timeout 90 xvfb-run -a -s "-screen 0 800x600x24" \
    dbus-run-session -- "$0" "$@"
fi
program="$1"
here="$(cd "$(dirname "$0")" && pwd)"
launcher=/usr/libexec/at-spi-bus-launcher
for tool in "$launcher" gdbus /usr/bin/python3 xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "missing: $tool" >&2; exit 1; }
done
work="$(mktemp -d)"
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; rm -rf "$work"' EXIT

mkdir "$work/bin"
printf '#!/bin/sh\necho "$1" >> "%s/opened"\n' "$work" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"

"$launcher" --launch-immediately &
pids+=($!)
# Turn accessibility on the way a screen reader does, through the bus's
# status, once the launcher owns its name.
for _ in $(seq 100); do
  gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
    --method org.freedesktop.DBus.Properties.Set org.a11y.Status ScreenReaderEnabled '<true>' \
    >/dev/null 2>&1 && break
  sleep 0.1
done

unset QT_QPA_PLATFORM QT_LINUX_ACCESSIBILITY_ALWAYS_ON
PATH="$work/bin:$PATH" "$program" &
pids+=($!)
OPENED="$work/opened" SHOT="$work/window.png" /usr/bin/python3 "$here/atspi_client.py"
