#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck disable=SC2046 # design points are passed on as two words
# The Debian package installed: its dependencies are met on this machine, it
# installs with dpkg into a root of its own, with the programs, the command
# of the menu entries, the menu entries with their icons at every size and
# the example pages. Then what the menu entries run: each program opens in
# the user's Krumelo folder, which gets the example pages, and the settings
# the adult saves there are the ones the child's program reads.
# Usage: installed_package.sh PACKAGE_DIR   (where packaging/build-deb.sh built it)
set -euo pipefail
source "$(dirname "$0")/../e2e/lib.sh"
source_dir=$(cd "$E2E_DIR/../.." && pwd)
deb=$(ls "$1"/krumelo_*.deb)

# apt only works out what it would install: the machine is left as it is.
apt-get install --simulate "$deb" >"$WORK/apt.log" 2>&1 ||
  fail "its dependencies cannot be met: $(cat "$WORK/apt.log")"
# dpkg installs it into a root of its own, whose empty database knows none
# of the dependencies that apt has just found.
root=$WORK/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
dpkg --root="$root" --force-depends --install "$deb" >"$WORK/dpkg.log" 2>&1 ||
  fail "dpkg: $(cat "$WORK/dpkg.log")"
prefix=$root/usr

# One version throughout: the package's, the importer's, the software centre's.
version=$(dpkg-deb -f "$deb" Version)
[ "$("$prefix/bin/zedoimport" --version)" = "zedoimport (Krumelo) $version" ] ||
  fail "zedoimport --version says $("$prefix/bin/zedoimport" --version), the package $version"
grep -q "<release version=\"$version\"" "$prefix"/share/metainfo/*.metainfo.xml ||
  fail "the software-centre description does not name release $version"

apps=$prefix/share/applications
declare -A entry=([zedo]=io.github.krumelo.krumelo [zedoconf]=krumelo-zedoconf
  [zedoimport]=krumelo-zedoimport)
declare -A command=([zedo]=zedo [zedoconf]=zedoconf [zedoimport]=import)
for program in zedo zedoconf zedoimport; do
  desktop=$apps/${entry[$program]}.desktop
  [ -f "$desktop" ] || fail "no menu entry for $program"
  grep -qx "Exec=krumelo ${command[$program]}" "$desktop" || fail "$desktop does not start $program"
  grep -qx "Icon=krumelo-$program" "$desktop" || fail "$desktop names another icon"
  for size in 16 22 24 32 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x$size/apps/krumelo-$program.png
    [ "$(/usr/bin/identify -format '%wx%h' "$icon")" = "${size}x$size" ] ||
      fail "no $size px icon for $program"
  done
  [ -f "$prefix/share/icons/hicolor/scalable/apps/krumelo-$program.svg" ] ||
    fail "no scalable icon for $program"
done
grep -qx 'Name=Krumelo' "$apps/io.github.krumelo.krumelo.desktop" ||
  fail "the colouring program's name"
grep -qx 'Name=Krumelo – inställningar' "$apps/krumelo-zedoconf.desktop" ||
  fail "the settings editor's name"
grep -qx 'Name=Krumelo – ny målarbild' "$apps/krumelo-zedoimport.desktop" ||
  fail "the page importer's name"

examples=$prefix/share/krumelo/examples
diff <(cd "$source_dir/examples" && ls -- *.bmp zedo.ini) <(cd "$examples" && ls) ||
  fail "the installed examples are not the shipped ones"
for file in "$source_dir"/examples/*.bmp "$source_dir/examples/zedo.ini"; do
  cmp "$file" "$examples/$(basename "$file")"
done

note "the menu entries, run as the desktop runs them"
start_xvfb
export HOME=$WORK/home PATH=$prefix/bin:$PATH
mkdir -p "$HOME"
start_program menu-zedo krumelo zedo
wait_window Krumelo "${ZEDO_SIZE[0]}"
cmp "$examples/zedo.ini" "$HOME/Krumelo/zedo.ini" || fail "no example settings in ~/Krumelo"
[ -f "$HOME/Krumelo/blomma.bmp" ] || fail "no example pages in ~/Krumelo"
close_and_expect_end "zedo from the menu"

start_program menu-zedoconf krumelo zedoconf
wait_window Hämta "${ZEDOCONF_SIZE[0]}"
click "${OK[@]}" # the first picture and the defaults
wait_exit "$APP_PID"
[ "$EXIT_STATUS" = 0 ] || fail "zedoconf from the menu ended with status $EXIT_STATUS"
cmp <(ini_lines '"ballonger.bmp"' 3 12 9 2 10 -1 -1 0 0) "$HOME/Krumelo/zedo.ini" ||
  fail "zedoconf from the menu did not save in ~/Krumelo"

start_program menu-zedo-again krumelo zedo
wait_window Krumelo "${ZEDO_SIZE[0]}"
# Three colours now, in one column: the third one's centre, green.
expect_pixel $(swatch 3 2) "${QB[2]}" "the saved third colour"
close_and_expect_end "zedo from the menu, the second time"

# The importer opens in the Krumelo folder, its file chooser in front.
start_program menu-import krumelo import
wait_window "$IMPORT_TITLE" "${IMPORT_SIZE[0]}"
[ "$(readlink "/proc/$APP_PID/cwd")" = "$HOME/Krumelo" ] || fail "the importer works elsewhere"
wait_for "the importer's file chooser" chooser_open
xdotool key Escape
wait_for "the file chooser to close" not chooser_open
close_and_expect_end "zedoimport from the menu"
note "the installed package works from its menu entries"
