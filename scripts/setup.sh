#!/usr/bin/env bash
# Installs what Krumelo needs to build and test on a fresh Debian 12 machine.
# Run as root. Packages already present are skipped, so a second run is quick.
# With --bench it also installs OpenCV, the yardstick that bench_raster puts
# beside the border fill (see docs/PERFORMANCE.md); nothing else needs it.
set -euo pipefail

bench=false
case "${1:-}" in
  --bench) bench=true ;;
  "") ;;
  *) echo "usage: $0 [--bench]" >&2; exit 2 ;;
esac

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev clang-format
  qt6-base-dev qt6-base-private-dev qt6-translations-l10n
  qt6-svg-dev libpoppler-qt6-dev pkg-config qt6-image-formats-plugins
  libbenchmark-dev libx11-dev libxcb1-dev libxcb-shape0-dev
  xvfb xauth xdotool x11-utils x11-xserver-utils imagemagick
  cups libcups2-dev printer-driver-cups-pdf poppler-utils
  fonts-liberation2 fonts-dejavu-core
  desktop-file-utils dpkg-dev
  openbox tint2 xfwm4 xfce4-panel mutter wmctrl dbus-daemon
  weston xwayland qt6-wayland xserver-xorg-core xserver-xorg-video-dummy xcvt
)
if "$bench"; then
  packages+=(libopencv-dev)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "setup: missing packages (${missing[*]}); run this script as root" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get -o DPkg::Lock::Timeout=900 install -y --no-install-recommends "${missing[@]}"
fi
