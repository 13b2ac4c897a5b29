#!/usr/bin/env bash
# The command line and start-up without a usable display, from outside: exit
# status, whole standard output and error, and no file left in the folder.
set -euo pipefail
program="$(realpath "$1")"
version="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir "$work/run" && cd "$work/run"
free=1789  # a display number no X server here listens on
while [ -e "/tmp/.X11-unix/X$free" ]; do free=$((free + 1)); done
hint="Try 'bitcalc --help'"$'\n'
failures=0

# Whether FILE's whole content matches the pattern; an empty one wants nothing.
matches() { if [ -z "$1" ]; then [ ! -s "$2" ]; else grep -Eqz "^$1\$" "$2"; fi; }

# check NAME STATUS STDOUT-PATTERN STDERR-PATTERN -- ENV... PROGRAM ARGS...
check() {
  local name="$1" status="$2" out="$3" err="$4" got=0 problem=""
  shift 5
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" >../out 2>../err || got=$?
  [ "$got" = "$status" ] || problem+=" status $got, expected $status;"
  matches "$out" ../out || problem+=" stdout '$(cat ../out)';"
  matches "$err" ../err || problem+=" stderr '$(cat ../err)';"
  [ -z "$(ls -A)" ] || problem+=" left files: $(ls -A);"
  if [ -z "$problem" ]; then echo "ok   $name"; else echo "FAIL $name:$problem"; failures=$((failures + 1)); fi
}

check help 0 'Usage: bitcalc .*--snapshot FILE.*--help.*--version.*' '' -- "$program" --help
check version 0 "bitcalc ${version//./\\.}"$'\n' '' -- "$program" --version
check "help beside a display" 0 'Usage: bitcalc .*' '' -- DISPLAY=":$free" "$program" --help
check "unknown option" 2 '' "bitcalc: unknown option '--colour'"$'\n'"$hint" -- "$program" --colour
check argument 2 '' "bitcalc: unexpected argument 'x'"$'\n'"$hint" -- "$program" x
check "snapshot without file" 2 '' "bitcalc: option '--snapshot' needs a file name"$'\n'"$hint" \
  -- "$program" --snapshot
check "no display" 1 '' 'bitcalc: cannot open a display[^\n]*'$'\n' -- "$program"
check "absent X server" 1 '' "bitcalc: cannot open display ':$free'"$'\n' -- DISPLAY=":$free" "$program"
check "absent X server and Wayland compositor" 1 '' \
  "bitcalc: cannot open display ':$free', nor Wayland display 'none'"$'\n' \
  -- DISPLAY=":$free" WAYLAND_DISPLAY=none XDG_RUNTIME_DIR="$work" "$program"
# Off screen with no runtime folder, Qt's two harmless warnings are quieted;
# any other warning still shows.
check "quiet start" 0 '' '' \
  -- -u XDG_RUNTIME_DIR QT_QPA_PLATFORM=offscreen BITCALC_EXIT_AFTER_FIRST_FRAME=1 "$program"
check "other warnings" 0 '' 'Unknown scale factor rounding policy: odd\..*' \
  -- -u XDG_RUNTIME_DIR QT_QPA_PLATFORM=offscreen BITCALC_EXIT_AFTER_FIRST_FRAME=1 \
  QT_SCALE_FACTOR_ROUNDING_POLICY=odd "$program"
exit $((failures > 0))
