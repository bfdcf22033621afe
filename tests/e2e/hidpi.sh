#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck disable=SC2046 # design points are passed on as two words
# A screen with two device pixels to the window's pixel (QT_SCALE_FACTOR=2):
# both windows keep their layout at twice the size, and the canvas and the
# palette show exactly what they show at one device pixel to the pixel, each
# pixel as a sharp 2 x 2 block: the same picks, dots and fills on the same
# canvas pixels, with no smoothing.
# Usage: hidpi.sh ZEDOCONF ZEDO
set -euo pipefail
source "$(dirname "$0")/lib.sh"
zedoconf=$(readlink -f "$1") zedo=$(readlink -f "$2")

cp "$E2E_DIR"/../../examples/*.bmp "$WORK/"

# paint SCALE SCREEN: runs zedo at that device pixel ratio, paints, and leaves
# the canvas and the palette as canvasSCALE.png and paletteSCALE.png. Qt's X11
# backend rounds the pointer to whole window pixels, so every point is given
# on the first device pixel of its window pixel.
paint() {
  SCALE=$1
  start_xvfb "$2"
  write_ini '"blomma.bmp"' 5 12 9 2 14 10 15 0 -1 -1 -1 # the pen, 15 wide
  start_program "zedo-$SCALE" QT_SCALE_FACTOR="$SCALE" "$zedo"
  wait_window Krumelo $((ZEDO_SIZE[0] * SCALE))
  [ "$WH" = $((ZEDO_SIZE[1] * SCALE)) ] || fail "the window is $WH high at scale $SCALE"
  expect_pixel "${FACE[@]}" FFFF80 "the window's face below the buttons"
  click $(swatch 5 1) # light blue
  canvas_click 30 200
  canvas_click 300 390
  expect_canvas_pixel 300 390 "${QB[9]}" "the second dot"
  click "${TOOL[@]}"
  click $(swatch 5 3) # yellow
  canvas_click 135 360
  click $(swatch 5 0) # light red
  canvas_click 170 50
  expect_canvas_pixel 170 50 "${QB[12]}" "the filled petal"
  screenshot "$WORK/shot$SCALE.png"
  crop_canvas "$WORK/shot$SCALE.png" "$WORK/canvas$SCALE.png"
  crop "$WORK/shot$SCALE.png" "${PALETTE[@]}" "$WORK/palette$SCALE.png"
  kill "$APP_PID"
  wait_exit "$APP_PID"
}

# same_at_double NAME: NAME2.png is NAME1.png with every pixel doubled.
same_at_double() {
  local differ
  /usr/bin/convert "$WORK/${1}1.png" -sample 200% "$WORK/${1}1x2.png"
  expect_same_image "$WORK/${1}1x2.png" "$WORK/${1}2.png" "the $1 at scale 2 differs from scale 1"
}

note "zedo at scale 1 and 2"
paint 1 1280x1024
paint 2 1600x1200
same_at_double canvas
same_at_double palette

note "zedoconf at scale 2"
rm -f "$WORK/zedo.ini"
start_program zedoconf-2 QT_SCALE_FACTOR=2 "$zedoconf"
wait_window Hämta $((ZEDOCONF_SIZE[0] * 2))
[ "$WH" = $((ZEDOCONF_SIZE[1] * 2)) ] || fail "the settings window is $WH high at scale 2"
click "${COUNT_UP[@]}"
click "${COUNT_UP[@]}"
click $(cell_centre 0)
expect_pixel $(cell_corner 0) "${QB[13]}" "cell 1 after a click"
expect_pixel $(cell_corner 4) "${QB[10]}" "cell 5 shown"
expect_pixel $(cell_corner 5) "$GREY" "cell 6 hidden"
click "${BRED[@]}"
expect_pixel "${PEN_SAMPLE_EDGE[@]}" FF0000 "the pen sample 15 wide"
press_ok "at scale 2"
note "both windows work the same at scale 2"
