#!/usr/bin/env bash
# Fails when the committed artwork differs from what tools/make_artwork.py writes,
# or when a generated file is missing from the tree.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

python3 "$root/tools/make_artwork.py" "$out"
status=0
while IFS= read -r -d '' file; do
  name=${file#"$out"/}
  if ! cmp -s "$file" "$root/$name"; then
    echo "differs from the generator: $name" >&2
    status=1
  fi
done < <(find "$out" -type f -print0 | sort -z)
[ "$status" -eq 0 ] && echo "artwork up to date"
exit "$status"
