#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what Krumelo needs to build and test on a fresh Debian 12 machine.
# Run as root. Packages already present are skipped, so a second run is quick.
# With --bench it also installs OpenCV, the yardstick that bench_raster puts
# beside the border fill (see docs/PERFORMANCE.md); nothing else needs it.
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)

bench=false
case "${1:-}" in
  --bench) bench=true ;;
  "") ;;
  *) echo "usage: $0 [--bench]" >&2; exit 2 ;;
esac

# What building needs is listed once, as the Debian package's build
# dependencies (debian/control); here are the tools that only the tests and
# the developers use, beside it.
packages=(
  ninja-build g++ clang libclang-rt-14-dev clang-format
  qt6-translations-l10n qt6-image-formats-plugins
  libbenchmark-dev libx11-dev
  xvfb xauth xdotool x11-utils x11-xserver-utils imagemagick
  cups printer-driver-cups-pdf poppler-utils
  fonts-liberation2 fonts-dejavu-core
  dpkg-dev fakeroot lintian appstream desktop-file-utils man-db
  openbox tint2 xfwm4 xfce4-panel mutter wmctrl dbus-daemon at-spi2-core python3-pyatspi
  weston xwayland qt6-wayland xserver-xorg-core xserver-xorg-video-dummy xcvt
)
if "$bench"; then
  packages+=(libopencv-dev)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
build_deps_met=false
if command -v dpkg-checkbuilddeps >/dev/null && dpkg-checkbuilddeps "$top/debian/control" 2>/dev/null; then
  build_deps_met=true
fi

if [ "${#missing[@]}" -gt 0 ] || ! "$build_deps_met"; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "setup: missing packages (${missing[*]:-none}; build dependencies met: $build_deps_met);" \
      "run this script as root" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get -o DPkg::Lock::Timeout=900 install -y --no-install-recommends "${missing[@]}"
  apt-get -o DPkg::Lock::Timeout=900 build-dep -y --no-install-recommends "$top"
fi
