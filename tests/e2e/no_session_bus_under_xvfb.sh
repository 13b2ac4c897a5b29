#!/usr/bin/env bash
# Without a session bus address the program starts no bus of its own: it
# writes nothing under a scratch HOME or runtime folder, leaves no process
# behind, and starts within 1.2 times the time it takes when it has a bus.
set -euo pipefail
[ -n "${BITCALC_UNDER_XVFB:-}" ] ||
  exec env BITCALC_UNDER_XVFB=1 xvfb-run -a -s "-screen 0 800x600x24" "$0" "$@"
program="$1"
unset QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS
command -v dbus-launch >/dev/null || { echo "dbus-launch is missing: nothing here could autolaunch a bus" >&2; exit 1; }

scratch="$(mktemp -d)"
home="$scratch/home"
runtime="$scratch/run"
mkdir -p "$home" "$scratch/bus-home"
mkdir -m 700 "$runtime"

# Every process whose environment carries a HOME under the scratch folder was
# started by this test, directly or by a bus it started; nobody else's is.
started_here() {
  local p
  for p in /proc/[0-9]*; do
    grep -qzE "^HOME=$scratch/" "$p/environ" 2>/dev/null && echo "${p#/proc/}"
  done
  return 0
}
cleanup() {
  local left
  left="$(started_here)"
  [ -z "$left" ] || kill $left 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

session=(HOME="$home" XDG_RUNTIME_DIR="$runtime")

# A session with the program in it: shown, clicked, closed.
env "${session[@]}" "$program" &
pid=$!
timeout 20 xdotool search --sync --onlyvisible --name '^BitCalc$' >/dev/null
xdotool mousemove 296 16 click 1
sleep 1
kill "$pid"
wait "$pid" 2>/dev/null || true
sleep 0.5

written="$(find "$home" "$runtime" -mindepth 1)"
left="$(started_here)"
for p in $left; do echo "left running: $(tr '\0' ' ' <"/proc/$p/cmdline")"; done
[ -z "$written" ] || { echo "written without a bus:"; echo "$written"; }
[ -z "$written" ] && [ -z "$left" ] || exit 1

# Start-up to the first frame, median of five alternating runs each, with a
# private bus and without one.
address="$(env HOME="$scratch/bus-home" dbus-daemon --session --fork --print-address)"
first_frame_ms() {
  local start
  start=$(date +%s%N)
  env BITCALC_EXIT_AFTER_FIRST_FRAME=1 "$@" "$program"
  echo $((($(date +%s%N) - start) / 1000000))
}
median() { sort -n | sed -n 3p; }
with=()
without=()
for _ in 1 2 3 4 5; do
  with+=("$(first_frame_ms "${session[@]}" DBUS_SESSION_BUS_ADDRESS="$address")")
  without+=("$(first_frame_ms "${session[@]}")")
done
with_ms="$(printf '%s\n' "${with[@]}" | median)"
without_ms="$(printf '%s\n' "${without[@]}" | median)"
echo "first frame: ${without_ms} ms without a bus, ${with_ms} ms with one"
[ "$((without_ms * 10))" -le "$((with_ms * 12))" ]
