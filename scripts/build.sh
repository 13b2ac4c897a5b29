#!/usr/bin/env bash
# Configures (once) and builds the given targets in build/ (Release).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BITCALC_BUILD_DIR:-$root/build}"
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
fi
cmake --build "$build" --parallel "$(nproc)" ${1:+--target "$@"}
