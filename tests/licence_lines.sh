#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source, build and script file says its licence in its first lines, so
# that a file copied out of the tree still carries it.
# Usage: licence_lines.sh SOURCE_ROOT   (skipped outside a git checkout)
set -euo pipefail
cd "$1"
git rev-parse --git-dir >/dev/null 2>&1 || exit 77
missing=$(git ls-files '*.cpp' '*.h' '*.sh' '*.py' '*.in' '*.desktop' '*.scd' \
  '*CMakeLists.txt' .ci/run debian/rules |
  while IFS= read -r file; do
    head -n 3 "$file" | grep -q 'SPDX-License-Identifier:' || echo "$file"
  done)
[ -z "$missing" ] || { echo "no SPDX-License-Identifier line in:" >&2; echo "$missing" >&2; exit 1; }
