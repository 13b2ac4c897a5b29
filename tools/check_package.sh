#!/usr/bin/env bash
# Builds the Debian package from build/ (Release, as scripts/build.sh makes it)
# and has lintian check it: any error or warning fails. Informational tags are
# printed but pass.
#
#   tools/check_package.sh
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BITCALC_BUILD_DIR:-$root/build}"
command -v lintian >/dev/null || { echo "lintian is missing (scripts/install-deps.sh installs it)" >&2; exit 1; }

"$root/scripts/build.sh" bitcalc
rm -f "$build"/bitcalc_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
debs=("$build"/bitcalc_*.deb)
[ -f "${debs[0]}" ] || { echo "cpack made no package" >&2; exit 1; }
# lintian warns about running as root; in a container CI that is the norm.
lintian --info --fail-on error,warning "${debs[0]}" 2>&1 | grep -v '^running with root privileges'
echo "lintian passes ${debs[0]##*/}"
