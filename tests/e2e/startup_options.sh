#!/usr/bin/env bash
# The program's command line and start-up without a usable display, from the
# outside: exit status, standard output and standard error of each case, and
# no file left behind in the folder it ran in.
set -euo pipefail
program="$(realpath "$1")"
version="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
failures=0

# A display number that no X server here listens on.
free=1789
while [ -e "/tmp/.X11-unix/X$free" ]; do free=$((free + 1)); done

# Whether FILE's whole content matches the pattern; an empty pattern wants
# an empty file.
matches() {
  if [ -z "$1" ]; then [ ! -s "$2" ]; else grep -Eqz "^$1\$" "$2"; fi
}

# check NAME STATUS STDOUT-PATTERN STDERR-PATTERN -- ENV... PROGRAM ARGS...
# The patterns are whole-output extended regular expressions.
check() {
  local name="$1" status="$2" out="$3" err="$4"
  shift 5
  local got=0
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" >out.txt 2>err.txt || got=$?
  local problem=""
  [ "$got" = "$status" ] || problem+=" status $got, expected $status;"
  matches "$out" out.txt || problem+=" stdout '$(cat out.txt)';"
  matches "$err" err.txt || problem+=" stderr '$(cat err.txt)';"
  rm -f out.txt err.txt
  local left
  left="$(ls -A)"
  [ -z "$left" ] || problem+=" left files: $left;"
  rm -rf ./* ./.[!.]* 2>/dev/null || true
  if [ -n "$problem" ]; then
    echo "FAIL $name:$problem"
    failures=$((failures + 1))
  else
    echo "ok   $name"
  fi
}

hint="Try 'bitcalc --help'"$'\n'
check help 0 'Usage: bitcalc .*--snapshot FILE.*--help.*--version.*' '' -- "$program" --help
check version 0 "bitcalc ${version//./\\.}"$'\n' '' -- "$program" --version
check "help beside a display" 0 'Usage: bitcalc .*' '' -- DISPLAY=":$free" "$program" --help
check "unknown option" 2 '' "bitcalc: unknown option '--colour'"$'\n'"$hint" -- "$program" --colour
check "argument" 2 '' "bitcalc: unexpected argument 'x'"$'\n'"$hint" -- "$program" x
check "snapshot without file" 2 '' "bitcalc: option '--snapshot' needs a file name"$'\n'"$hint" \
  -- "$program" --snapshot
check "no display" 1 '' 'bitcalc: cannot open a display[^\n]*'$'\n' -- "$program"
check "absent X server" 1 '' "bitcalc: cannot open display ':$free'"$'\n' \
  -- DISPLAY=":$free" "$program"
check "absent X server and Wayland compositor" 1 '' \
  "bitcalc: cannot open display ':$free', nor Wayland display 'no-such-wayland'"$'\n' \
  -- DISPLAY=":$free" WAYLAND_DISPLAY=no-such-wayland XDG_RUNTIME_DIR="$work" "$program"
# Off screen with no runtime folder Qt warns twice about nothing wrong; those
# two are quieted, any other warning still shows.
check "quiet start" 0 '' '' \
  -- -u XDG_RUNTIME_DIR QT_QPA_PLATFORM=offscreen BITCALC_EXIT_AFTER_FIRST_FRAME=1 "$program"
check "other warnings" 0 '' 'Unknown scale factor rounding policy: odd\..*' \
  -- -u XDG_RUNTIME_DIR QT_QPA_PLATFORM=offscreen BITCALC_EXIT_AFTER_FIRST_FRAME=1 \
  QT_SCALE_FACTOR_ROUNDING_POLICY=odd "$program"
exit $((failures > 0))
