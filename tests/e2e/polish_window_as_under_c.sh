#!/usr/bin/env bash
# Under a Polish session the window shows exactly what it shows untranslated,
# pixel for pixel, while an English session changes it. snapshot renders the
# window in one state (A = 0x8234, B = 7, A ADD B) with the program's own
# choice of language.
set -euo pipefail
snapshot="$1"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT

render() {  # LOCALE-VARIABLE=VALUE NAME
  env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG "$1" QT_QPA_PLATFORM=offscreen \
    "$snapshot" "$out/$2.png" 0x8234 7 3 >/dev/null
}
render LC_ALL=C c
render LANG=pl_PL.UTF-8 pl
render LANG=en_US.UTF-8 en

# Identical pixels encode to identical files; any differing byte fails.
cmp "$out/c.png" "$out/pl.png" || { echo "the Polish window differs from the C one" >&2; exit 1; }
if cmp -s "$out/c.png" "$out/en.png"; then
  echo "the English window is the untranslated one: no catalogue was loaded" >&2
  exit 1
fi
echo "Polish window equals the C window; the English one differs"
