#!/usr/bin/env bash
# Checks the Debian package end to end: its Depends covers every library the
# binary needs, it installs into a freshly bootstrapped Debian 12 root without
# recommended packages, and the program starts there, off screen and (when
# Xvfb is present) on an X server. Needs root and the bookworm mirror this
# machine's apt uses (override with MIRROR=...). With SCREENSHOT=FILE.png the
# window the installed program shows on X is saved there (needs xwininfo and
# ImageMagick's import on this machine).
#
#   tools/check_deb_install.sh [PACKAGE.deb] [ROOT]
#   defaults: build/bitcalc_*.deb and /tmp/deb12root (wiped and rebuilt)
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
debs=("$repo"/build/bitcalc_*.deb)
deb=$(realpath "${1:-${debs[-1]}}")
root=${2:-/tmp/deb12root}
mirror=${MIRROR:-$(apt-get indextargets --format '$(REPO_URI)' 'Codename: bookworm' | head -n 1)}
[ -n "$mirror" ] || { echo "no bookworm mirror in the apt configuration; set MIRROR" >&2; exit 1; }

missing=()
for tool in debootstrap dpkg-shlibdeps; do command -v "$tool" >/dev/null || missing+=("$tool"); done
if [ ${#missing[@]} -gt 0 ]; then
  apt-get update -q
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends debootstrap dpkg-dev
fi

# Every package dpkg-shlibdeps derives from the binaries must be declared, with
# at least the version their symbols need.
unpacked=$(mktemp -d)
xserver=
cleanup() {
  [ -z "$xserver" ] || kill "$xserver"
  for m in "$root/tmp/.X11-unix" "$root/proc"; do mountpoint -q "$m" && umount "$m"; done
  rm -rf "$unpacked"
}
trap cleanup EXIT
dpkg-deb -x "$deb" "$unpacked/pkg"
mkdir -p "$unpacked/debian"
printf 'Source: bitcalc\n\nPackage: bitcalc\nArchitecture: any\n' >"$unpacked/debian/control"
derived=$(cd "$unpacked" && dpkg-shlibdeps -O pkg/usr/bin/bitcalc pkg/usr/bin/bc16 2>/dev/null |
  sed 's/^shlibs:Depends=//')
declared=$(dpkg-deb -f "$deb" Depends)
names() { tr ',' '\n' | sed 's/(.*//; s/ //g' | grep -v '^$' | sort -u; }
undeclared=$(comm -23 <(names <<<"$derived") <(names <<<"$declared"))
if [ -n "$undeclared" ]; then
  echo "libraries the binary needs but the package does not depend on: $undeclared" >&2
  exit 1
fi
minimum() { tr ',' '\n' | sed -n "s/^ *$1 *(>= *\([^)]*\)).*/\1/p"; }
for package in $(names <<<"$derived"); do
  needed=$(minimum "$package" <<<"$derived")
  given=$(minimum "$package" <<<"$declared")
  [ -z "$needed" ] || dpkg --compare-versions "${given:-0}" ge "$needed" || {
    echo "$package: the binary needs >= $needed, the package asks for ${given:-any}" >&2
    exit 1
  }
done
echo "Depends covers the binary's libraries: $derived"

rm -rf "$root"
debootstrap --variant=minbase bookworm "$root" "$mirror"
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$deb" "$root/tmp/bitcalc.deb"
mount -t proc proc "$root/proc"

# Without recommended packages, so only what Depends names gets installed.
chroot "$root" apt-get update -q
chroot "$root" env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y -q --no-install-recommends /tmp/bitcalc.deb
chroot "$root" dpkg-query -W -f='${Package} ${Version}\n' bitcalc
chroot "$root" env QT_QPA_PLATFORM=offscreen HOME=/root bitcalc --snapshot /tmp/x.png
snapshot=$(dirname "$deb")/deb12-snapshot.png
cp "$root/tmp/x.png" "$snapshot"
echo "window rendered inside Debian 12: $snapshot"

# On an X server the xcb plugin, which libqt6gui6 ships, has to load; the
# program then keeps running until the timeout ends it (exit status 124).
if command -v Xvfb >/dev/null; then
  Xvfb -displayfd 3 -screen 0 800x600x24 3>"$unpacked/display" >/dev/null 2>&1 &
  xserver=$!
  for _ in $(seq 50); do [ -s "$unpacked/display" ] && break; sleep 0.1; done
  mkdir -p "$root/tmp/.X11-unix"
  mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
  display=":$(cat "$unpacked/display")"
  # A first start in the new root builds the font cache, so the screenshot
  # waits longer for the window than the start-up check alone needs.
  seconds=5
  [ -z "${SCREENSHOT:-}" ] || seconds=30
  chroot "$root" env DISPLAY="$display" HOME=/root timeout "$seconds" bitcalc &
  program=$!
  if [ -n "${SCREENSHOT:-}" ]; then
    # Without a window manager the window is exactly its client area; it is
    # taken once the server shows it and it has had a moment to paint.
    window=
    for _ in $(seq 200); do
      info=$(xwininfo -display "$display" -name BitCalc 2>/dev/null || true)
      if grep -q IsViewable <<<"$info"; then
        window=$(sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p' <<<"$info")
        break
      fi
      sleep 0.1
    done
    [ -n "$window" ] || { echo "the installed program showed no window" >&2; exit 1; }
    sleep 1
    import -display "$display" -window "$window" "$SCREENSHOT"
    echo "the installed program's window: $SCREENSHOT"
  fi
  status=0
  wait "$program" || status=$?
  [ "$status" -eq 124 ] || { echo "bitcalc on X stopped early with status $status" >&2; exit 1; }
  echo "window shown on X inside Debian 12"
fi
