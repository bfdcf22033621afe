#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck disable=SC2046 # design points are passed on as two words
# A page from the web into the colouring book: the adult turns an A4 JPEG of
# poor quality into a page with zedoimport's window, the settings editor
# lists it and saves it, and the child's fill stays inside each of its areas,
# also in a shape whose line has a small gap.
# Usage: import_page.sh ZEDOIMPORT ZEDOCONF ZEDO
# With KRUMELO_SCREENSHOTS=DIR it also leaves zedoimport.png there.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
zedoimport=$(readlink -f "$1") zedoconf=$(readlink -f "$2") zedo=$(readlink -f "$3")
shots=${KRUMELO_SCREENSHOTS:-}

start_xvfb
page="Sida från nätet"
note "an A4 page at 300 dpi, anti-aliased, JPEG quality 30"
/usr/bin/convert -size 2480x3508 xc:white -fill none -stroke black \
  -strokewidth 8 -draw "circle 700,900 1150,900" \
  -strokewidth 6 -draw "rectangle 1400,400 2200,1400" \
  -strokewidth 4 -draw "polygon 400,2000 1200,2000 800,2900" \
  -strokewidth 10 -draw "polyline 1820,2000 2200,2000 2200,2900 1400,2900 1400,2000 1800,2000" \
  -quality 30 "$WORK/$page.jpg"

note "zedoimport: the adult chooses the file and saves the page"
start_program zedoimport "$zedoimport"
wait_window "$IMPORT_TITLE" "${IMPORT_SIZE[0]}"
import_pid=$APP_PID import_wid=$WID
wait_for "the file chooser" chooser_open
choose_file "$WORK/$page.jpg"
wait_for "the file chooser to close" not chooser_open
# The prepared page shows in the right-hand box, black lines on white only.
page_drawn() {
  screenshot "$WORK/import.png"
  crop "$WORK/import.png" "${IMPORT_PREPARED[@]}" "$WORK/prepared.png"
  [ "$(/usr/bin/convert "$WORK/prepared.png" -format %k info:)" = 2 ] &&
    [ "$(count_colour "$WORK/prepared.png" FFFFFF)" -lt $((IMPORT_PREPARED[2] * IMPORT_PREPARED[3] - 1000)) ]
}
wait_for "the prepared page in the window" page_drawn
[ -z "$shots" ] || window_shot "$WORK/import.png" "$shots/zedoimport.png"
click "${IMPORT_SPARA[@]}"
wait_for "the saved page" test -f "$WORK/$page.bmp"
[ "$(/usr/bin/identify -format '%wx%h %[type]' "$WORK/$page.bmp")" = "353x409 Bilevel" ] ||
  fail "the saved page is $(/usr/bin/identify -format '%wx%h %[type]' "$WORK/$page.bmp")"
close_and_expect_end zedoimport "$import_wid" "$import_pid"

note "the command line makes the same page"
mkdir "$WORK/cli"
(cd "$WORK/cli" && "$zedoimport" "$WORK/$page.jpg" >"$WORK/cli.out" 2>&1) ||
  fail "zedoimport on the command line: $(cat "$WORK/cli.out")"
expect_same_image "$WORK/$page.bmp" "$WORK/cli/$page.bmp" "the window and the command line differ"

note "zedoconf lists the page; OK saves it"
start_program zedoconf "$zedoconf"
wait_window Hämta "${ZEDOCONF_SIZE[0]}"
click "${OK[@]}"
wait_exit "$APP_PID"
[ "$EXIT_STATUS" = 0 ] || fail "zedoconf ended with status $EXIT_STATUS"
first=$(head -1 "$WORK/zedo.ini" | iconv -f CP1252 -t UTF-8 | tr -d '\r')
[ "$first" = "\"$page.bmp\"" ] || fail "zedo.ini names $first"

note "zedo: each area filled, and the fill stays inside"
start_program zedo "$zedo"
wait_window Krumelo "${ZEDO_SIZE[0]}"
# fill SWATCH COLOUR X Y LEFT TOP RIGHT BOTTOM: a click at (X, Y) of the
# canvas paints the area, and that colour stays within the box (canvas
# pixels) and fills most of it.
fill() {
  local colour=$2 x=$3 y=$4 left=$5 top=$6 right=$7 bottom=$8 box
  click $(swatch 3 "$1")
  canvas_click "$x" "$y"
  expect_canvas_pixel "$x" "$y" "$colour" "the area at $x,$y filled"
  screenshot "$WORK/zedo.png"
  crop_canvas "$WORK/zedo.png" "$WORK/canvas.png"
  box=$(/usr/bin/convert "$WORK/canvas.png" -fill black +opaque "#$colour" -trim \
    -format '%w %h %X %Y' info: | tr -d '+')
  read -r w h bx by <<<"$box"
  [ "$bx" -ge "$left" ] && [ "$by" -ge "$top" ] && [ $((bx + w - 1)) -le "$right" ] &&
    [ $((by + h - 1)) -le "$bottom" ] ||
    fail "the fill at $x,$y reaches ${w}x$h+$bx+$by, beyond $left,$top-$right,$bottom"
  [ $((w * 10)) -ge $(((right - left) * 6)) ] && [ $((h * 10)) -ge $(((bottom - top) * 6)) ] ||
    fail "the fill at $x,$y covers only ${w}x$h+$bx+$by"
}
# The drawing lands at 36,6 in 280 x 397 page pixels.
fill 0 "${QB[12]}" 115 108 62 55 168 161   # the circle
fill 1 "${QB[9]}" 239 108 192 49 286 166   # the rectangle
fill 2 "${QB[2]}" 126 266 79 230 173 336   # the triangle of thin lines
fill 0 "${QB[12]}" 239 283 62 55 286 336   # the square with the gap, red like the circle
close_window "$WID"
wait_exit "$APP_PID"
note "the imported page is filled cleanly"
