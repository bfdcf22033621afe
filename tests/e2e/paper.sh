# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Part of lib.sh: printing to the PDF printer that scripts/cups-pdf.sh sets
# up, and reading the printed page back.

PDF_DIR="$(getent passwd "$(id -un)" | cut -d: -f6)/PDF"

# newest_pdf MARK: waits for a whole PDF newer than the file MARK; sets PDF.
newest_pdf() {
  wait_for "a printed PDF in $PDF_DIR" complete_pdf_after "$1"
  PDF=$(find "$PDF_DIR" -name '*.pdf' -newer "$1" -printf '%T@ %p\n' | sort -n | tail -1 | cut -d' ' -f2-)
  note "printed $PDF"
}

complete_pdf_after() {
  local pdf
  pdf=$(find "$PDF_DIR" -name '*.pdf' -newer "$1" 2>/dev/null | head -1)
  [ -n "$pdf" ] && pdfinfo "$pdf" >/dev/null 2>&1
}

# printed_canvas PDF OUT: the canvas as it is printed, back at the size it has
# on the screen. The page is rendered finely (PAPER_DPI) into PRINT_PAPER, the
# print page's grey frame found on the paper (PRINT_FRAME: WxH+X+Y, in its
# pixels) and the page picture within it, and each pixel of the picture is
# read from the middle of its square.
PAPER_DPI=200
printed_canvas() {
  local picture x y w h
  pdftoppm -r "$PAPER_DPI" -png -singlefile "$1" "$WORK/paper" 2>/dev/null
  PRINT_PAPER=$WORK/paper.png
  PRINT_FRAME=$(/usr/bin/convert "$PRINT_PAPER" -fuzz 5% -fill black +opaque '#C0C0C0' -trim \
    -format '%wx%h%X%Y' info:)
  picture=$(/usr/bin/convert "$PRINT_PAPER" -crop "$PRINT_FRAME" +repage \
    -bordercolor '#C0C0C0' -border 1 -fuzz 5% -trim -format '%wx%h%X%Y' info:)
  read -r w h x y <<<"$(tr 'x+' '  ' <<<"$picture")"
  if [ "$w" -le "${PAGE_SIZE[0]}" ] || [ "$h" -le "${PAGE_SIZE[1]}" ]; then
    fail "no page picture in a frame on the paper (frame $PRINT_FRAME, picture $picture)"
  fi
  # The offsets are those in the frame with its added border.
  /usr/bin/convert "$PRINT_PAPER" -crop "$PRINT_FRAME" +repage \
    -crop "${w}x$h+$((x - 1))+$((y - 1))" +repage -sample "$((SCALE * PAGE_SIZE[0]))x$((SCALE * PAGE_SIZE[1]))!" "$2"
}

# expect_fills_the_sheet: the frame of the page printed last (printed_canvas)
# spans most of the sheet's width or height and lies within 2 mm of its middle.
expect_fills_the_sheet() {
  local sheet
  sheet=$(/usr/bin/convert "$PRINT_PAPER" -format '%w %h' info:)
  note "the frame lies at $PRINT_FRAME on a sheet of ${sheet/ /x} at $PAPER_DPI dpi"
  awk -v frame="$PRINT_FRAME" -v sheet="$sheet" -v dpi="$PAPER_DPI" 'BEGIN {
      split(frame, f, /[x+]/); split(sheet, s, " "); mm = dpi / 25.4
      dx = f[3] + f[1] / 2 - s[1] / 2; dy = f[4] + f[2] / 2 - s[2] / 2
      exit !((f[1] >= 0.85 * s[1] || f[2] >= 0.85 * s[2]) && dx * dx + dy * dy <= 4 * mm * mm) }' ||
    fail "the page at $PRINT_FRAME does not fill the middle of a ${sheet/ /x} sheet"
}

# expect_printed_like SCREEN PAPER RRGGBB...: the canvas on paper is the one
# on the screen, pixel for pixel: printing neither blurs nor moves a colour.
# Each colour named is painted on the screen, so the pages compared hold paint.
expect_printed_like() {
  local screen=$1 paper=$2 colour differ
  shift 2
  for colour in "$@"; do
    [ "$(count_colour "$screen" "$colour")" -gt 0 ] || fail "the screen shows no $colour"
  done
  expect_same_image "$screen" "$paper" "the printed canvas differs from the screen"
}
