#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck disable=SC2046 # design points are passed on as two words
# Both programs as native Wayland clients under weston, as a user who sets
# QT_QPA_PLATFORM=wayland gets them (by themselves they choose XWayland, see
# desktop.sh): there the compositor places the windows, unscaled, and its
# panel stays in sight, but both programs work. The adult's choices are
# saved, the child's colours land on the canvas, the window stays in front
# after a click on the backdrop, and "Sluta" ends the program.
# Usage: wayland_native.sh ZEDOCONF ZEDO
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$E2E_DIR/sessions.sh"
zedoconf=$(readlink -f "$1") zedo=$(readlink -f "$2")

start_session weston
cp "$E2E_DIR"/../../examples/*.bmp "$WORK/"
# Weston's panel along the top, which native windows stay below.
PANEL=40

# native_window WIDTH HEIGHT: WX and WY of the client area of the window,
# the only thing besides the panel that is not black. No X server knows
# where it is; the screen shows it, framed by the title bar and borders Qt
# draws, as wide left, right and below. What is left of the pointer where
# it passed, a few pixels, is opened away.
native_window() {
  local width=$1 height=$2 box w h x y border
  pointer_to "${REST_POINT[@]}"
  screenshot "$WORK/native.png"
  box=$(/usr/bin/convert "$WORK/native.png" -crop "${SCREEN_SIZE[0]}x$((SCREEN_SIZE[1] - PANEL))+0+$PANEL" \
    +repage -fill white +opaque black -morphology Open Rectangle:25x1 -morphology Open Rectangle:1x25 \
    -format '%@' info:)
  IFS='x+' read -r w h x y <<<"$box"
  border=$(((w - width) / 2))
  [ "$w" -ge "$width" ] && [ $((h - height - border)) -ge 0 ] || return 1
  WX=$((x + border)) WY=$((PANEL + y + h - height - border))
  MINIMIZE=($((x + w - 70)) $((PANEL + y + 15))) # the third button from the right
  [ "$(pixel "$WORK/native.png" $(at 4 4))" != 000000 ]
}

# open_native NAME SIZE...: waits for the program's window.
open_native() {
  E2E_TIMEOUT=30 wait_for_quietly native_window "$2" "$3" ||
    fail "$1: no window of ${2}x$3 on the screen"
  note "$1's window at $WX,$WY"
  keep_shot "$WORK/native.png" "native-$1"
}

# click_backdrop_corner: the bottom-right corner, clear of weston's panel.
click_backdrop_corner() {
  pointer_to $((SCREEN_SIZE[0] - 3)) $((SCREEN_SIZE[1] - 3))
  pointer click 1
}

# The programs as a user starts them natively.
NATIVE=(QT_QPA_PLATFORM=wayland)

read -ra SCREEN_SIZE <<<"$(DISPLAY=$SCREEN_DISPLAY xdotool getdisplaygeometry)"
# The pointer rests on the middle of the panel, out of the screenshots and
# away from the panel's launcher, which would show its name.
REST_POINT=($((SCREEN_SIZE[0] / 2)) 4)

note "zedoconf, natively"
start_program zedoconf "${NATIVE[@]}" "$zedoconf"
open_native zedoconf "${ZEDOCONF_SIZE[@]}"
expect_pixel $(cell_corner 0) "${QB[12]}" "cell 1 at the start"
change_drawing_choices
press_ok "natively"

note "zedo, natively"
write_flower_ini
start_program zedo "${NATIVE[@]}" "$zedo"
open_native zedo "${ZEDO_SIZE[@]}"
fill_pot
click_backdrop_corner
click $(swatch 5 3) # yellow
canvas_click 170 50
expect_canvas_pixel 170 50 "${QB[14]}" "a petal filled after a click on the backdrop"
# Qt's title bar offers to minimize; a click on the backdrop brings the
# window back as it was.
pointer_to "${MINIMIZE[@]}"
pointer click 1
expect_pixel "${FACE[@]}" 000000 "the window minimized"
click_backdrop_corner
expect_pixel "${FACE[@]}" FFFF80 "the window back after a click on the backdrop"
expect_canvas_pixel 135 360 "${QB[9]}" "the pot still filled"
click "${SLUTA[@]}"
wait_exit "$APP_PID"
[ "$EXIT_STATUS" = 0 ] || fail "zedo ended with status $EXIT_STATUS after Sluta"
note "both programs work natively on Wayland"
