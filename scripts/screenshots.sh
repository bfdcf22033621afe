#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's pictures of both programs, docs/zedoconf.png and
# docs/zedo.png, during the end-to-end test of the typical run (which prints
# too, so the PDF printer is set up first). Run as root; needs no display.
# Usage: scripts/screenshots.sh [BUILD_DIR]
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build}

"$top/scripts/setup.sh"
cmake -S "$top" -B "$build" -G Ninja >/dev/null
cmake --build "$build" -j "$(nproc)" --target zedo zedoconf designpoints
"$top/scripts/cups-pdf.sh"
mkdir -p "$top/docs"
KRUMELO_SCREENSHOTS="$top/docs" KRUMELO_DESIGNPOINTS="$build/tests/designpoints" \
  bash "$top/tests/e2e/typical_run.sh" "$build/zedoconf/zedoconf" "$build/zedo/zedo"
echo "screenshots: $top/docs/zedoconf.png and $top/docs/zedo.png"
