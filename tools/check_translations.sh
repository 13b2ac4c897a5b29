#!/usr/bin/env bash
# Checks the window's catalogues in translations/: each must be what an lupdate
# run over the code makes of it (no string added, changed or dropped since) and
# hold no unfinished entry. With --update, runs that lupdate on them in place,
# which is how a new string reaches them; its translation is then to be filled.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
lupdate="$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)"
catalogues=("$root/translations/bitcalc_en.ts" "$root/translations/bitcalc_pl.ts")

# No source locations, so moving a line of code does not touch the catalogues.
# lupdate's notes on namespaces it cannot follow say nothing about them either.
update() {
  local log status=0
  log="$(mktemp)"
  "$lupdate" -silent -locations none -no-obsolete -extensions cpp,h \
    "$root/app" "$root/main_window" "$root/widgets" "$root/framework" -ts "$@" 2>"$log" || status=$?
  grep -v -e 'Ignoring definition of undeclared qualified class' \
    -e 'Qualifying with unknown namespace' "$log" >&2 || true
  rm -f "$log"
  return "$status"
}

if [ "${1:-}" = "--update" ]; then
  update "${catalogues[@]}"
  exit 0
fi

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
status=0
copies=()
for ts in "${catalogues[@]}"; do
  cp "$ts" "$scratch/"
  copies+=("$scratch/$(basename "$ts")")
done
update "${copies[@]}"
for ts in "${catalogues[@]}"; do
  name="$(basename "$ts")"
  if ! cmp -s "$ts" "$scratch/$name"; then
    echo "translations/$name is out of date with the code; run: bash tools/check_translations.sh --update" >&2
    diff -u "$ts" "$scratch/$name" >&2 || true
    status=1
  fi
  unfinished="$(grep -c 'type="unfinished"' "$scratch/$name" || true)"
  if [ "$unfinished" -gt 0 ]; then
    echo "translations/$name holds $unfinished unfinished entries" >&2
    status=1
  fi
done
[ "$status" -eq 0 ] && echo "translations up to date: ${#catalogues[@]} catalogues"
exit "$status"
