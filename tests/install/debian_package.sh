#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package as a distribution and a software centre look at it:
# lintian finds no error and no warning in it or in its source, the
# software-centre description and the menu entries validate, every manual
# page renders without a warning, and it holds what the programs need.
# Usage: debian_package.sh PACKAGE_DIR   (where packaging/build-deb.sh built it)
set -euo pipefail
source "$(dirname "$0")/../e2e/lib.sh"
packages=$1
deb=$(ls "$packages"/krumelo_*.deb)
changes=$(ls "$packages"/krumelo_*.changes)

note "lintian"
# Informational tags are listed, not failed on.
lintian --info --display-info --fail-on error,warning "$changes" >"$WORK/lintian.log" 2>&1 ||
  fail "lintian: $(cat "$WORK/lintian.log")"
cat "$WORK/lintian.log"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Section)" = education ] || fail "section $(field Section)"
for package in libqt6widgets6 libqt6printsupport6 libpoppler-qt6 libqt6svg6 liblept5 qt6-image-formats-plugins qt6-base-abi; do
  grep -q "$package" <<<"$(field Depends)" || fail "no dependency on $package: $(field Depends)"
done

root=$WORK/root
dpkg-deb -x "$deb" "$root"
share=$root/usr/share
for program in zedo zedoconf zedoimport krumelo; do
  [ -x "$root/usr/bin/$program" ] || fail "the package lacks usr/bin/$program"
  for man in man/man1 man/sv/man1; do
    page=$share/$man/$program.1.gz
    [ -f "$page" ] || fail "the package lacks $page"
    warnings=$(LC_ALL=C.UTF-8 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$man/$program.1: $warnings"
  done
done
note "every manual page renders without a warning"

for entry in "$share"/applications/*.desktop; do
  report=$(desktop-file-validate "$entry" 2>&1) || fail "invalid menu entry: $report"
  # A hint stays: the colouring program is listed under Education and Games both.
  ! grep -E 'error|warning' <<<"$report" || fail "menu entry $entry: $report"
done
# The description with the menu entry and the icons it names, as a software
# centre reads them; --strict fails on notes too.
appstreamcli validate-tree --no-net --strict "$root" >"$WORK/appstream.log" 2>&1 ||
  fail "appstreamcli: $(cat "$WORK/appstream.log")"
note "the menu entries and the software-centre description validate"
