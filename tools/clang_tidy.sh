#!/usr/bin/env bash
# Runs clang-tidy with the checks in .clang-tidy over every source file of the
# project in a build folder's compile database (default build/, which must be
# built: the moc output is part of some sources), one file per core, and fails
# on any finding. Headers are checked through the sources that include them.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
if [ ! -f "$build/compile_commands.json" ]; then
  echo "no compile_commands.json in $build: build it first (scripts/build.sh)" >&2
  exit 2
fi
# The compiler's own warnings are the build's business; -Wno-error keeps a
# clang-only warning from failing this run as if it were a finding.
run-clang-tidy -p "$build" -j "$(nproc)" -quiet -extra-arg=-Wno-error \
  "^$root/(app|bc16|bench|codepage|core|framework|main_window|resources|tests|tools|widgets)/" \
  > "$build/clang-tidy.log" 2>&1 && status=0 || status=$?
# Only the findings: run-clang-tidy also echoes each command it runs.
grep -E '(warning|error): ' "$build/clang-tidy.log" | sort -u || true
echo "clang-tidy: $(grep -c '^clang-tidy' "$build/clang-tidy.log" || true) files, exit $status"
exit "$status"
