#!/usr/bin/env bash
# Installs the pre-commit hook (tools/pre-commit: clang-format on staged files
# and the include check) into this clone or worktree. Run once per clone.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
hooks="$(git -C "$root" rev-parse --git-path hooks)"
case "$hooks" in /*) ;; *) hooks="$root/$hooks" ;; esac
mkdir -p "$hooks"
# A wrapper rather than a link, so that each worktree sharing the hooks runs
# its own checked-out version of the hook.
cat >"$hooks/pre-commit" <<'HOOK'
#!/bin/sh
exec "$(git rev-parse --show-toplevel)/tools/pre-commit" "$@"
HOOK
chmod +x "$hooks/pre-commit"
echo "pre-commit hook installed in $hooks"
