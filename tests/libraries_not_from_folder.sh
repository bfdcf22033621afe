#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The programs run in a folder of pictures from anywhere, and must take their
# libraries from the system, never from that folder. Broken copies of the
# libraries every program needs lie in the folder; the importer's command,
# which needs no display and is linked as the other programs are, must still
# start and answer, here that the file it is given is missing.
# Usage: libraries_not_from_folder.sh ZEDOIMPORT
set -euo pipefail
importer=$1
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder"
for library in libc.so.6 libstdc++.so.6 libQt6Core.so.6 libQt6Gui.so.6; do
  echo "not a library" >"$library"
done
status=0
QT_QPA_PLATFORM=offscreen "$importer" missing.png >said.txt 2>&1 || status=$?
if ! grep -q "missing.png" said.txt; then
  echo "the importer did not start in a folder with libraries in it (status $status):" >&2
  cat said.txt >&2
  exit 1
fi
