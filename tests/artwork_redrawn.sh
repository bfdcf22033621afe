#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws the artwork again into a temporary folder and compares every file with
# the one committed, so the drawing code and the pictures cannot drift apart.
# Usage: artwork_redrawn.sh DRAWARTWORK SOURCE_ROOT
set -euo pipefail
draw=$1 root=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$draw" "$out" >/dev/null
status=0
count=0
while IFS= read -r -d '' file; do
  relative=${file#"$out"/}
  count=$((count + 1))
  if ! cmp -s "$file" "$root/$relative"; then
    echo "drawn again, $relative differs from the committed file" >&2
    status=1
  fi
done < <(find "$out" -type f -print0)
[ "$count" -gt 0 ] || { echo "nothing was drawn" >&2; exit 1; }
echo "$count files drawn again, identical: $([ $status = 0 ] && echo yes || echo no)"
exit $status
