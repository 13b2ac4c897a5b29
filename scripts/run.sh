#!/usr/bin/env bash
# Installs what is missing, builds, and starts the calculator. Without a
# display it renders the window to a PNG instead and prints the file's path.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" bitcalc
build="${BITCALC_BUILD_DIR:-$root/build}"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$build/app/bitcalc"
fi
mkdir -p "$root/out"
exec "$build/app/bitcalc" --snapshot "$root/out/bitcalc.png"
