#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck disable=SC2046 # design points are passed on as two words
# How the programs end. A start they cannot make (a settings file zedo cannot
# use, a folder without a picture zedoconf can show) stops them with their
# message, on standard error and in a message box, before their window ever
# shows: closing the box ends them with status 1, and their folder is as it
# was. What each message says is the unit tests' to check
# (tst_zedo_badsettings, tst_zedoconf_badfolders); this is the one test of the
# real programs ending so. "Sluta" ends zedo at once; closing its window ends
# either program, and zedoconf then writes nothing.
# Usage: endings.sh ZEDOCONF ZEDO
set -euo pipefail
source "$(dirname "$0")/lib.sh"
zedoconf=$(readlink -f "$1") zedo=$(readlink -f "$2")

start_xvfb
cp "$E2E_DIR/../../examples/hus.bmp" "$WORK/"
good=('"hus.bmp"' 5 12 9 2 14 10 10 -1 -1 -1 -1)
FOLDER=$WORK/folder
mkdir "$FOLDER"

folder_listing() { ls -lA --time-style=full-iso "$FOLDER"; }

# message_up TITLE WIDTH BOX: the message box BOX is up and has the
# keyboard; fails at once if the main window TITLE of that width shows.
message_up() {
  ! visible_window "$1" "$2" >/dev/null || fail "$name: the window \"$1\" was shown"
  local box
  box=$(message_box "$3") && [ "$(xdotool getwindowfocus 2>/dev/null)" = "$box" ]
}

# refused NAME PROGRAM TITLE WIDTH BOX WORD: the program, started in FOLDER
# as it is, shows its message in a box titled BOX, never its window TITLE,
# and ends with status 1 once the box is closed; the message names the folder
# and WORD, and the folder has not changed.
refused() {
  local name=$1 program=$2 title=$3 width=$4 box=$5 word=$6 before
  note "$name"
  before=$(folder_listing)
  unset WID
  APP_DIR=$FOLDER start_program "$name" "$program"
  wait_for "$name: the message" message_up "$title" "$width" "$box"
  xdotool key Return
  wait_exit "$APP_PID"
  [ "$EXIT_STATUS" = 1 ] || fail "$name: ended with status $EXIT_STATUS"
  grep -qF "$FOLDER" "$WORK/$name.out" || fail "$name: the message does not name the folder"
  grep -qF "$word" "$WORK/$name.out" || fail "$name: the message does not name $word"
  [ "$(folder_listing)" = "$before" ] || fail "$name: the folder changed"
}

refused zedo-no-settings-file "$zedo" Krumelo "${ZEDO_SIZE[0]}" Krumelo zedo.ini
cp "$WORK/hus.bmp" "$FOLDER/"
write_ini "${good[@]:0:2}" 12 9 16 14 10 10 -1 -1 -1 -1
mv "$WORK/zedo.ini" "$FOLDER/"
refused zedo-colour-16 "$zedo" Krumelo "${ZEDO_SIZE[0]}" Krumelo "Colors(2)"
rm "$FOLDER"/*
refused zedoconf-no-bitmap "$zedoconf" Hämta "${ZEDOCONF_SIZE[0]}" zedoconf "$FOLDER"
printf 'BM trasig' >"$FOLDER/a.bmp"
cp "$WORK/hus.bmp" "$FOLDER/b.bmp"
refused zedoconf-first-bitmap-damaged "$zedoconf" Hämta "${ZEDOCONF_SIZE[0]}" zedoconf a.bmp

write_ini "${good[@]}"
note "Sluta"
start_program sluta "$zedo"
wait_window Krumelo "${ZEDO_SIZE[0]}"
click "${SLUTA[@]}"
E2E_TIMEOUT=5 wait_exit "$APP_PID"
[ "$EXIT_STATUS" = 0 ] || fail "\"Sluta\" ended zedo with status $EXIT_STATUS"

# closes NAME PROGRAM TITLE WIDTH: closing its window ends the program with
# status 0 and leaves no window.
closes() {
  local name=$1 program=$2 title=$3 width=$4
  note "closing $name's window"
  start_program "close-$name" "$program"
  wait_window "$title" "$width"
  [ "$name" != zedoconf ] || click "${COUNT_UP[@]}"
  close_window "$WID"
  E2E_TIMEOUT=5 wait_exit "$APP_PID"
  [ "$EXIT_STATUS" = 0 ] || fail "closing the window ended $name with status $EXIT_STATUS"
  [ -z "$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null)" ] || fail "a window stayed"
}

closes zedo "$zedo" Krumelo "${ZEDO_SIZE[0]}"
# The settings editor writes nothing when its window closes, after a change.
cp "$WORK/zedo.ini" "$WORK/kept.ini"
touch -d '2001-02-03 04:05:06' "$WORK/zedo.ini"
closes zedoconf "$zedoconf" Hämta "${ZEDOCONF_SIZE[0]}"
cmp "$WORK/kept.ini" "$WORK/zedo.ini" || fail "closing zedoconf changed zedo.ini"
[ "$(stat -c %Y "$WORK/zedo.ini")" = "$(date -d '2001-02-03 04:05:06' +%s)" ] ||
  fail "closing zedoconf touched zedo.ini"
note "both programs end as they should"
