#!/usr/bin/env bash
# shellcheck disable=SC2046 # design points are passed on as two words
# `cmake --install` into a fresh prefix: the programs, the command of the menu
# entries, valid menu entries with their icons, and the example pages. Then
# what the menu entries run: each program opens in the user's Krumelo folder,
# which gets the example pages, and the settings the adult saves there are
# the ones the child's program reads.
# Usage: installed_tree.sh BUILD_DIR
set -euo pipefail
source "$(dirname "$0")/../e2e/lib.sh"
build=$1
source_dir=$(cd "$E2E_DIR/../.." && pwd)
prefix=$WORK/prefix

cmake --install "$build" --prefix "$prefix" >"$WORK/install.log"

for program in zedo zedoconf zedoimport krumelo; do
  [ -x "$prefix/bin/$program" ] || fail "bin/$program is not installed"
done
apps=$prefix/share/applications
declare -A command=([zedo]=zedo [zedoconf]=zedoconf [zedoimport]=import)
for program in zedo zedoconf zedoimport; do
  entry=$apps/krumelo-$program.desktop
  [ -f "$entry" ] || fail "no menu entry for $program"
  report=$(desktop-file-validate "$entry" 2>&1) || fail "invalid menu entry: $report"
  ! grep -E 'error|warning' <<<"$report" || fail "menu entry $entry: $report"
  grep -qx "Exec=krumelo ${command[$program]}" "$entry" || fail "$entry does not start $program"
  for size in 64 128; do
    icon=$prefix/share/icons/hicolor/${size}x$size/apps/krumelo-$program.png
    [ "$(/usr/bin/identify -format '%wx%h' "$icon")" = "${size}x$size" ] ||
      fail "no $size px icon for $program"
  done
  grep -qx "Icon=krumelo-$program" "$entry" || fail "$entry names another icon"
done
grep -qx 'Name=Krumelo' "$apps/krumelo-zedo.desktop" || fail "the colouring program's name"
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
close_window "$WID"
wait_exit "$APP_PID"
[ "$EXIT_STATUS" = 0 ] || fail "zedo from the menu ended with status $EXIT_STATUS"

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
close_window "$WID"
wait_exit "$APP_PID"

# The importer opens in the Krumelo folder, its file chooser in front.
start_program menu-import krumelo import
wait_window "$IMPORT_TITLE" "${IMPORT_SIZE[0]}"
[ "$(readlink "/proc/$APP_PID/cwd")" = "$HOME/Krumelo" ] || fail "the importer works elsewhere"
wait_for "the importer's file chooser" chooser_open
xdotool key Escape
close_window "$WID"
wait_exit "$APP_PID"
[ "$EXIT_STATUS" = 0 ] || fail "zedoimport from the menu ended with status $EXIT_STATUS"
note "the installed tree is complete"
