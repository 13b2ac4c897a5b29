#!/usr/bin/env bash
# Formats every manual page in the tree with `man --warnings` and fails when
# any of them prints to standard error (groff's warnings about the markup), or
# when there is no page at all.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

mapfile -t pages < <(find . -path './build*' -prune -o -path './.git' -prune -o \
  -type f -name '*.[1-9]' -print | sort)
[ ${#pages[@]} -gt 0 ] || { echo "no manual pages found"; exit 1; }

failed=0
for page in "${pages[@]}"; do
  warnings="$(MANWIDTH=80 LC_ALL=C.UTF-8 man --warnings -l "$page" 2>&1 >/dev/null)" || {
    echo "$page: man failed"; failed=1; continue; }
  if [ -n "$warnings" ]; then
    echo "$page:"
    echo "$warnings"
    failed=1
  fi
done
[ "$failed" -eq 0 ] && echo "${#pages[@]} manual pages format without warnings"
exit "$failed"
