#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck disable=SC2046 # design points are passed on as two words
# Printing through the real CUPS daemon to its default queue, the PDF printer
# of scripts/cups-pdf.sh: the page shows the painting, pixel for pixel, as
# large as the sheet allows and in its middle, twice over when printed twice.
# And with no printer to be found: a message, after which zedo goes on with
# the painting as it was.
# Usage: printing.sh ZEDO
set -euo pipefail
source "$(dirname "$0")/lib.sh"
zedo=$(readlink -f "$1")

declare -A SWATCH=([12]=0 [9]=1 [2]=2 [14]=3 [10]=4)
# fill COLOUR X Y: picks the colour and fills the canvas area at (X, Y).
fill() {
  click $(swatch 5 "${SWATCH[$1]}")
  canvas_click "$2" "$3"
  expect_canvas_pixel "$2" "$3" "${QB[$1]}" "the area at $2,$3 filled"
}

start_xvfb
cp "$E2E_DIR/../../examples/hus.bmp" "$WORK/"
write_ini '"hus.bmp"' 5 12 9 2 14 10 10 -1 -1 -1 -1 # the fill tool at start

note "printing to the default printer"
start_program zedo "$zedo"
wait_window Krumelo "${ZEDO_SIZE[0]}"
fill 12 80 180   # the roof
fill 14 60 280   # the wall
fill 10 260 220  # the tree's crown
screenshot "$WORK/painted.png"
crop_canvas "$WORK/painted.png" "$WORK/canvas.png"
for copy in 1 2; do
  touch "$WORK/before-print"
  click "${SKRIV_UT[@]}"
  newest_pdf "$WORK/before-print"
  printed_canvas "$PDF" "$WORK/printed$copy.png"
done
expect_printed_like "$WORK/canvas.png" "$WORK/printed1.png" "${QB[12]}" "${QB[14]}" "${QB[10]}"
expect_fills_the_sheet
expect_same_image "$WORK/printed1.png" "$WORK/printed2.png" "the second print differs from the first"
kill "$APP_PID"
wait_exit "$APP_PID"

note "printing with no printer"
# libcups asks this server for the printers; there is none there.
start_program zedo-noprinter CUPS_SERVER=/nonexistent/cups.sock "$zedo"
wait_window Krumelo "${ZEDO_SIZE[0]}"
fill 14 60 280
screenshot "$WORK/before.png"
crop_canvas "$WORK/before.png" "$WORK/canvas-before.png"
touch "$WORK/before-print"
click "${SKRIV_UT[@]}"
wait_for "the message that there is no printer" message_box Krumelo >/dev/null
box=$(message_box Krumelo)
screenshot "$WORK/message.png"
eval "$(xdotool getwindowgeometry --shell "$box")"
note "message box $box: ${WIDTH}x$HEIGHT at $X,$Y"
xdotool key Return
wait_for "the message to close" not message_box Krumelo
process_gone "$APP_PID" && fail "zedo ended after the failed print"
screenshot "$WORK/after.png"
crop_canvas "$WORK/after.png" "$WORK/canvas-after.png"
expect_same_image "$WORK/canvas-before.png" "$WORK/canvas-after.png" \
  "the painting changed while the print failed"
[ -z "$(find "$PDF_DIR" -name '*.pdf' -newer "$WORK/before-print")" ] || fail "a page was printed"
fill 12 80 180   # zedo goes on
close_and_expect_end zedo
note "printing went as it should"
