#!/usr/bin/env bash
# Checks the desktop entry and the AppStream metainfo with the freedesktop
# validators. desktop-file-validate exits 0 on mere warnings, so any message
# it prints counts as a failure; appstreamcli in strict mode fails on every
# issue above pedantic level.
set -euo pipefail
dir=$(cd "$(dirname "$0")/../packaging" && pwd)
status=0

for f in "$dir"/*.desktop; do
  messages=$(desktop-file-validate "$f" 2>&1) || status=1
  if [ -n "$messages" ]; then
    echo "$messages" >&2
    status=1
  fi
done
for f in "$dir"/*.metainfo.xml; do
  appstreamcli validate --no-net --strict "$f" || status=1
done

[ "$status" -eq 0 ] && echo "desktop files valid"
exit "$status"
