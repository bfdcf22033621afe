#!/usr/bin/env bash
# CPack's Debian package: its fields, the libraries it depends on, and the
# files it holds.
# Usage: debian_package.sh BUILD_DIR
set -euo pipefail
source "$(dirname "$0")/../e2e/lib.sh"
build=$1

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$WORK" >"$WORK/cpack.log" ||
  fail "cpack: $(cat "$WORK/cpack.log")"
deb=$(ls "$WORK"/krumelo_*.deb)
note "built $(basename "$deb")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = krumelo ] || fail "package name $(field Package)"
[ "$(field Section)" = education ] || fail "section $(field Section)"
[ -n "$(field Maintainer)" ] || fail "no maintainer"
grep -q 'libqt6widgets6' <<<"$(field Depends)" || fail "no dependency on Qt: $(field Depends)"
grep -q 'libqt6printsupport6' <<<"$(field Depends)" || fail "no dependency on Qt's printing"
for package in libpoppler-qt6 libqt6svg6 liblept5 qt6-image-formats-plugins; do
  grep -q "$package" <<<"$(field Depends)" || fail "no dependency on $package: $(field Depends)"
done

dpkg-deb -c "$deb" | awk '{ print $NF }' >"$WORK/files"
for file in ./usr/bin/zedo ./usr/bin/zedoconf ./usr/bin/zedoimport ./usr/bin/krumelo \
  ./usr/share/applications/krumelo-zedo.desktop ./usr/share/applications/krumelo-zedoconf.desktop \
  ./usr/share/applications/krumelo-zedoimport.desktop \
  ./usr/share/icons/hicolor/64x64/apps/krumelo-zedoimport.png \
  ./usr/share/icons/hicolor/128x128/apps/krumelo-zedo.png ./usr/share/krumelo/examples/zedo.ini; do
  grep -qx -- "$file" "$WORK/files" || fail "the package lacks $file"
done
# The command finds the examples where the package puts them.
dpkg-deb -x "$deb" "$WORK/root"
grep -qF '"$bin/../share/krumelo/examples"' "$WORK/root/usr/bin/krumelo" ||
  fail "bin/krumelo looks for the examples elsewhere"
note "the package holds the programs and their menu entries"
