#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck disable=SC2046 # design points are passed on as two words
# The keyboard as a person meets it, in a real X server. zedo: a child's key
# storm, wherever the mouse left the focus, ends nothing, prints nothing,
# paints nothing and leaves the tool as it was; only a button tabbed to clicks
# on Space. zedoconf: the count is set with its keys and with every mouse
# button, no menu of the toolkit's opens, a chosen option's caption shows,
# and "OK" is reached and pressed from the keyboard.
# Usage: keys.sh ZEDOCONF ZEDO
set -euo pipefail
source "$(dirname "$0")/lib.sh"
zedoconf=$(readlink -f "$1")
zedo=$(readlink -f "$2")

start_xvfb
cp "$E2E_DIR"/../../examples/*.bmp "$WORK/"

# Every key a small hand finds, but Tab, which moves to the buttons by design.
storm() {
  local round
  for round in 1 2 3; do
    xdotool key space Return KP_Enter Escape BackSpace Delete Insert Up Down Left Right \
      Home End Prior Next Menu F1 F5 F10 a s d f j k l q w e 1 2 3 aring adiaeresis odiaeresis
  done
}

visible_windows() { xdotool search --onlyvisible --name '' 2>/dev/null | wc -l; }

# storm_changes_nothing WHAT: a key storm leaves the window as it was.
storm_changes_nothing() {
  local what=$1
  screenshot "$WORK/$what-before.png"
  window_shot "$WORK/$what-before.png" "$WORK/$what-before-window.png"
  storm
  expect_nothing_for 0.3
  process_gone "$APP_PID" && fail "the key storm $what ended zedo"
  screenshot "$WORK/$what-after.png"
  window_shot "$WORK/$what-after.png" "$WORK/$what-after-window.png"
  expect_same_image "$WORK/$what-before-window.png" "$WORK/$what-after-window.png" \
    "the key storm $what changed what zedo shows"
}

note "zedo: a key storm at start, and after the tool button and a dot on the canvas"
write_ini '"ballonger.bmp"' 5 12 9 2 14 10 15 -1 -1 -1 -1
start_program zedo "$zedo"
wait_window Krumelo "${ZEDO_SIZE[0]}"
storm_changes_nothing at-start
click "${TOOL[@]}" # to the pen: "Rita"
canvas_click 300 380
expect_canvas_pixel 300 380 "${QB[12]}" "the dot"
storm_changes_nothing after-the-canvas

note "zedo: Tab from the canvas reaches \"Sluta\", and Space there ends zedo"
xdotool key Tab space
E2E_TIMEOUT=5 wait_exit "$APP_PID"
[ "$EXIT_STATUS" = 0 ] || fail "\"Sluta\" by keyboard ended zedo with status $EXIT_STATUS"

note "zedoconf: the count by keys and by the other mouse buttons, no menu"
rm -f "$WORK/zedo.ini"
start_program zedoconf "$zedoconf"
wait_window Hämta "${ZEDOCONF_SIZE[0]}"
windows=$(visible_windows)
xdotool key Tab Up Up Up Down # from the file list to the count: 3 + 2
xdotool mousemove $(at "${COUNT_UP[@]}") click 3   # 6
xdotool mousemove $(at "${COUNT_DOWN[@]}") click 2 # 5
xdotool mousemove $(at "${NAME_BOX[0]}" "${NAME_BOX[1]}") click 3
xdotool mousemove $(at "${FILE_LIST[0]}" $((FILE_LIST[1] + FILE_LIST[3] - 4))) click 3
expect_nothing_for 0.5
[ "$(visible_windows)" = "$windows" ] || fail "a menu or another window opened"
expect_pixel $(cell_corner 4) "${QB[10]}" "cell 5 shown"
expect_pixel $(cell_corner 5) "$GREY" "cell 6 hidden"

note "zedoconf: \"Rita\" chosen with the mouse shows its caption"
click "${RITA[@]}"
screenshot "$WORK/rita.png"
crop "$WORK/rita.png" $((RITA[0] + 10)) $((RITA[1] - 10)) 40 20 "$WORK/rita-caption.png"
black=$(count_colour "$WORK/rita-caption.png" 000000 30)
# The bold word covers about a third of its box; the bar it once became, all.
[ "$black" -lt 400 ] || fail "the caption of \"Rita\" is hidden: $black of 800 pixels black"

note "zedoconf: Tab to \"OK\" and Space saves"
# From "Rita": "Mellan", the file list, the count, the five cells shown, the
# three boxes, "OK".
xdotool key Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab space
E2E_TIMEOUT=10 wait_exit "$APP_PID"
[ "$EXIT_STATUS" = 0 ] || fail "\"OK\" by keyboard ended zedoconf with status $EXIT_STATUS"
[ -s "$WORK/zedo.ini" ] || fail "\"OK\" by keyboard wrote no zedo.ini"
note "the keyboard does what it should"
