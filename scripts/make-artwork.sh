#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws Krumelo's own artwork into this checkout and checks it:
#   resources/page.bmp palette.bmp printer.bmp pencil.ico stop.ico, resources/icons/hicolor/ (the
#   desktop icons at eight sizes and scalable), examples/ (colouring pages and zedo.ini).
# Builds scripts/artwork/ in the build folder given as $1 (default /tmp/build-artwork), runs
# drawartwork to (re)write the files, then runs its check again on what is on disk.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-/tmp/build-artwork}"

generator=()
if [ ! -f "$build/CMakeCache.txt" ] && command -v ninja >/dev/null 2>&1; then
  generator=(-G Ninja)
fi
cmake -S "$root/scripts/artwork" -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --parallel

"$build/drawartwork" "$root"
echo "make-artwork: checking the files on disk"
if ! report="$("$build/drawartwork" --check "$root")"; then
  echo "$report"
  echo "make-artwork: the check of the written files failed" >&2
  exit 1
fi
echo "make-artwork: all artwork written and checked"
