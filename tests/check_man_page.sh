#!/usr/bin/env bash
# A manual page formats with nothing on standard error.
set -euo pipefail
errors="$(MANWIDTH=80 man --warnings -l "$1" 2>&1 >/dev/null)"
[ -z "$errors" ] || { echo "$errors"; exit 1; }
echo "$1 formats cleanly"
