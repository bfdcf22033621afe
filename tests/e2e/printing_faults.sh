#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck disable=SC2046 # design points are passed on as two words
# Printing when the print system is in the way, on a print system of the
# test's own: the printer paused, the printer refusing pages, the print
# system stopped after zedo started. Each time a message says what happened
# within seconds, the painting stays as it was and zedo goes on; a paused
# printer keeps the page and prints it once started again, and printing works
# again once the print system does.
# Usage: printing_faults.sh ZEDO
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$E2E_DIR/cups.sh"
zedo=$(readlink -f "$1")

MESSAGE_SECONDS=10 # the most a message may take after the click

# print_and_expect TEXT: presses "Skriv ut" and waits for a message that
# holds TEXT; closes it, then checks the painting is as before.
print_and_expect() {
  local text=$1 start=$SECONDS
  click "${SKRIV_UT[@]}"
  E2E_TIMEOUT=$MESSAGE_SECONDS wait_for "a message within ${MESSAGE_SECONDS}s" message_box Krumelo >/dev/null
  note "message after $((SECONDS - start))s"
  grep -q "$text" "$WORK/zedo.out" || fail "the message does not say \"$text\": $(tail -3 "$WORK/zedo.out")"
  xdotool key Return
  wait_for "the message to close" not message_box Krumelo
  process_gone "$APP_PID" && fail "zedo ended"
  expect_painting_kept
}

expect_painting_kept() {
  local differ
  screenshot "$WORK/now.png"
  crop_canvas "$WORK/now.png" "$WORK/canvas-now.png"
  expect_same_image "$WORK/canvas.png" "$WORK/canvas-now.png" "the painting changed"
}

pages_at_least() { [ "$(page_count)" -ge "$1" ]; }

# expect_pages N: waits until the queue has printed N pages in all.
expect_pages() {
  wait_for "page $1 to be printed" pages_at_least "$1"
  [ "$(page_count)" = "$1" ] || fail "$(page_count) pages printed, not $1"
  pdfinfo "$PAGES/job-$1" >/dev/null 2>&1 || fail "page $1 is no whole PDF"
}

# expect_roof_printed N: page N shows the painted roof. The queue tells Qt
# of no colour and of no paper size, so the page is grey, as Qt makes grey,
# and of another scale: only the roof's grey is looked for.
expect_roof_printed() {
  local grey on_paper
  /usr/bin/convert "$WORK/canvas.png" -fx '(11 * r + 16 * g + 5 * b) / 32' "$WORK/canvas-grey.png"
  grey=$(pixel "$WORK/canvas-grey.png" 80 180)
  pdftoppm -r 96 -png -singlefile "$PAGES/job-$1" "$WORK/page$1" 2>/dev/null
  on_paper=$(count_colour "$WORK/page$1.png" "$grey" 5)
  note "page $1: $on_paper pixels of the roof's grey $grey"
  [ "$on_paper" -gt 5000 ] || fail "page $1 does not show the painted roof"
}

start_xvfb
start_private_cups
cp "$E2E_DIR/../../examples/hus.bmp" "$WORK/"
write_ini '"hus.bmp"' 5 12 9 2 14 10 10 -1 -1 -1 -1 # the fill tool at start
start_program zedo "$zedo"
wait_window Krumelo "${ZEDO_SIZE[0]}"
click $(swatch 5 0)
canvas_click 80 180
expect_canvas_pixel 80 180 "${QB[12]}" "the roof filled"
screenshot "$WORK/painted.png"
crop_canvas "$WORK/painted.png" "$WORK/canvas.png"

note "the printer is paused: the page waits and comes out when it is started"
cupsdisable Krumelo
print_and_expect "är pausad"
expect_nothing_for 1
[ "$(page_count)" = 0 ] || fail "the paused printer printed"
cupsenable Krumelo
expect_pages 1
expect_roof_printed 1

note "the printer refuses pages"
cupsreject Krumelo
print_and_expect "tar inte emot"
cupsaccept Krumelo

note "the print system stops while zedo runs"
stop_private_cups
print_and_expect "utskriftssystemet på datorn är inte igång"
start_private_cups
click "${SKRIV_UT[@]}"
expect_pages 2
expect_roof_printed 2
message_box Krumelo >/dev/null && fail "a message after printing normally"

note "zedo goes on"
click $(swatch 5 3)
canvas_click 60 280
expect_canvas_pixel 60 280 "${QB[14]}" "the wall filled"
close_and_expect_end zedo
note "every fault of the print system was answered"
