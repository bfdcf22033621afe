#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the reference pictures of the looks tests (tests/data/looks/*.png)
# afresh from what the controls and windows show now, then runs those tests
# against them. Open every picture that changed and look at it as a person
# checking the looks would before committing it: a reference that shows a
# fault is worse than none.
# Usage: scripts/update-looks.sh   (after a build with: cmake --preset default)
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
cmake --build build -j 2
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
KRUMELO_UPDATE_LOOKS=1 ctest --test-dir build -L looks --output-on-failure
ctest --test-dir build -L looks --output-on-failure
git status --short tests/data/looks
