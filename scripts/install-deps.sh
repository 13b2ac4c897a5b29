#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need.
# Does nothing when they are all present, so it is cheap to run every time.
set -euo pipefail

packages=(
  cmake g++ ninja-build pkg-config python3 ccache
  qt6-base-dev libfontconfig-dev qt6-tools-dev qt6-l10n-tools
  libgtest-dev libgmock-dev libbenchmark-dev
  fontconfig fonts-liberation fonts-wine fonts-dejavu-core
  xvfb xauth x11-utils imagemagick xdotool xclip
  weston qt6-wayland dbus dbus-daemon dbus-x11
  at-spi2-core python3-gi gir1.2-atspi-2.0 libglib2.0-bin
  desktop-file-utils appstream man-db groff-base lintian
  libxcb1-dev libxcb-damage0-dev libxcb-xtest0-dev
  clang libclang-rt-14-dev valgrind
  clang-tidy clang-format gcovr
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
