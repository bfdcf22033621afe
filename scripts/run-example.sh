#!/usr/bin/env bash
# Sets up the machine, builds Krumelo and starts the colouring program on the
# example folder. Needs a display; without one, run it under xvfb-run.
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$top/build}

"$top/scripts/setup.sh"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)" --target zedo

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run-example: no display; try: xvfb-run -a $0" >&2
  exit 1
fi
cd "$top/examples"
exec "$build/zedo/zedo"
