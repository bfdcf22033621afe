#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck disable=SC2046 # design points are passed on as two words
# The typical run from end to end: the adult sets up the colouring book with
# zedoconf, the child colours a page with zedo in the same folder and prints it
# on the default printer (the PDF printer of scripts/cups-pdf.sh).
# Usage: typical_run.sh ZEDOCONF ZEDO
# With KRUMELO_SCREENSHOTS=DIR it also leaves zedoconf.png and zedo.png there.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
zedoconf=$(readlink -f "$1") zedo=$(readlink -f "$2")
shots=${KRUMELO_SCREENSHOTS:-}

start_xvfb
cp "$E2E_DIR"/../../examples/*.bmp "$WORK/"

note "zedoconf: the adult's choices"
start_program zedoconf "$zedoconf"
wait_window Hämta "${ZEDOCONF_SIZE[0]}"
expect_pixel $(file_entry_end 0) 308CC6 "the first picture selected at start"
click $(file_entry 2) # ballonger, bil, blomma
expect_pixel $(file_entry_end 0) FFFFFF "the first picture no longer selected"
expect_not_pixel $(file_entry_end 2) FFFFFF "the third picture selected"

click "${COUNT_UP[@]}"
click "${COUNT_UP[@]}"
expect_pixel $(cell_corner 4) "${QB[10]}" "cell 5 shown in its default colour"
expect_pixel $(cell_corner 5) "$GREY" "cell 6 still hidden"

click $(cell_centre 0) # 12 -> 13
expect_pixel $(cell_corner 0) "${QB[13]}" "cell 1 after one click"
for _ in 1 2; do
  click $(cell_centre 2) # 2 -> 3 -> 4
done
expect_pixel $(cell_corner 2) "${QB[4]}" "cell 3 after two clicks"

click "${BRED[@]}"
expect_pixel "${PEN_SAMPLE_EDGE[@]}" FF0000 "the pen sample 15 wide"
click "${RITA[@]}"
expect_pixel "${RITA[@]}" 000000 "the mark of \"Rita\""
click "${CHECK_PRINT[@]}"
click "${CHECK_TOOL[@]}"
if [ -n "$shots" ]; then
  screenshot "$WORK/conf1.png"
  window_shot "$WORK/conf1.png" "$shots/zedoconf.png"
fi
click "${OK[@]}"
wait_exit "$APP_PID"
[ "$EXIT_STATUS" = 0 ] || fail "zedoconf ended with status $EXIT_STATUS"
ini_lines '"blomma.bmp"' 5 13 9 4 14 10 15 0 -1 -1 -1 >"$WORK/expected.ini"
cmp "$WORK/expected.ini" "$WORK/zedo.ini" || {
  od -c "$WORK/zedo.ini" >&2
  fail "zedo.ini is not what the choices make"
}

note "zedo: the child colours the page"
start_program zedo "$zedo"
wait_window Krumelo "${ZEDO_SIZE[0]}"
i=0
for colour in 13 9 4 14 10; do
  expect_pixel $(swatch 5 $i) "${QB[$colour]}" "swatch $((i + 1)) in one column"
  i=$((i + 1))
done
# Beside the first swatch, where the design's second column would be.
read -r second_x _ < <(swatch 10 1)
read -r _ first_y < <(swatch 5 0)
expect_pixel "$second_x" "$first_y" "$GREY" "no second column"

click $(swatch 5 1) # light blue
pen=15 from=(25 300) to=(75 300)
canvas_drag "${from[@]}" "${to[@]}"
expect_canvas_pixel "${to[@]}" "${QB[9]}" "the last dot"

click "${TOOL[@]}" # to "Måla"
# Closed areas of the page: the pot, the two leaves and two petals.
declare -A swatch=([13]=0 [9]=1 [4]=2 [14]=3 [10]=4) # colour index -> swatch
fills=("14 135,360" "10 240,220" "10 120,250" "13 170,50" "13 100,120")
draw=()
for fill in "${fills[@]}"; do
  read -r colour point <<<"$fill"
  click $(swatch 5 "${swatch[$colour]}")
  canvas_click "${point%,*}" "${point#*,}"
  expect_canvas_pixel "${point%,*}" "${point#*,}" "${QB[$colour]}" \
    "the area at $point filled"
  draw+=(-fill "#${QB[$colour]}" -draw "color $point filltoborder")
done

screenshot "$WORK/zedo1.png"
crop_canvas "$WORK/zedo1.png" "$WORK/canvas.png"
[ -z "$shots" ] || window_shot "$WORK/zedo1.png" "$shots/zedo.png"

# The fills are ImageMagick's own border fills on the page; the dots are
# light blue, 15 pixels wide, along the drag and nowhere else.
/usr/bin/convert "$WORK/blomma.bmp" -crop "${PAGE_SIZE[0]}x${PAGE_SIZE[1]}+0+0" +repage -type TrueColor \
  -bordercolor black "${draw[@]}" "$WORK/expected.png"
/usr/bin/convert "$WORK/canvas.png" -fill white -opaque "#${QB[9]}" "$WORK/undotted.png"
expect_same_image "$WORK/undotted.png" "$WORK/expected.png" \
  "the canvas differs from the filled page besides the dots"
dots=$(/usr/bin/convert "$WORK/canvas.png" -fill black +opaque "#${QB[9]}" -trim -format '%wx%h%X%Y' info:)
drawn=$((to[0] - from[0] + pen))x$pen+$((from[0] - pen / 2))+$((from[1] - pen / 2))
[ "$dots" = "$drawn" ] || fail "the dots cover $dots, not $drawn"

note "zedo: printing"
touch "$WORK/before-print"
click "${SKRIV_UT[@]}"
newest_pdf "$WORK/before-print"
printed_canvas "$PDF" "$WORK/printed.png"
expect_printed_like "$WORK/canvas.png" "$WORK/printed.png" "${QB[9]}" "${QB[13]}" "${QB[14]}" "${QB[10]}"

close_and_expect_end zedo
note "the typical run went through"
