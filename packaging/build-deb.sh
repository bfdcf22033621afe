#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package as the README tells, in a copy of this source
# tree, so that the build leaves nothing in the tree or beside it. The source
# package is built too, for lintian to look at both. OUT receives
# krumelo_VERSION.dsc and .tar.xz, krumelo_VERSION_ARCH.deb, its debug symbols
# (krumelo-dbgsym_VERSION_ARCH.deb), .buildinfo and .changes, and the log.
# Usage: packaging/build-deb.sh OUT
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
out=$1

rm -rf "$out"
mkdir -p "$out/krumelo"
out=$(cd "$out" && pwd)
# The files of the source as they are now, with edits not yet committed, and
# without the builds and other files that git ignores.
(
  cd "$source_dir"
  git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' file; do
      [ ! -e "$file" ] || printf '%s\0' "$file"
    done |
    tar --null -T - -cf -
) | tar -C "$out/krumelo" -xf -

cd "$out/krumelo"
if ! dpkg-buildpackage -us -uc -jauto >"$out/build.log" 2>&1; then
  tail -n 40 "$out/build.log" >&2
  echo "build-deb: dpkg-buildpackage failed; the whole log is $out/build.log" >&2
  exit 1
fi
cd "$out"
rm -rf "$out/krumelo"
ls "$out"
