#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up the machine, builds Krumelo and starts the colouring program on the
# example folder. Needs a display: see the message below for a machine without.
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$top/build}

"$top/scripts/setup.sh"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)" --target zedo

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat >&2 <<MESSAGE
run-example: this machine has no display to show the window on.
  - Run it from a desktop session, or log in with "ssh -X" from a machine that
    has one, and run $0 again.
  - To see that it starts anyway, run it on an invisible virtual screen:
        sudo xvfb-run -a $0
    It runs until you press Ctrl+C. docs/zedo.png shows what it looks like.
MESSAGE
  exit 1
fi
cd "$top/examples"
exec "$build/zedo/zedo"
