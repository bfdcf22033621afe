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

# printed_canvas PDF OUT: the page rendered at screen resolution, cut to where
# the canvas lies on it. The print page's grey frame is found on the paper;
# the page's picture (PAGE_SIZE) lies centred in it.
printed_canvas() {
  local frame x y w h pw=${PAGE_SIZE[0]} ph=${PAGE_SIZE[1]}
  pdftoppm -r 96 -png -singlefile "$1" "$WORK/paper" 2>/dev/null
  frame=$(/usr/bin/convert "$WORK/paper.png" -fuzz 5% -fill black +opaque '#C0C0C0' -trim \
    -format '%X %Y %w %h' info:)
  read -r x y w h <<<"${frame//+/}"
  if [ "$w" -le "$pw" ] || [ "$h" -le "$ph" ]; then
    fail "no print page frame on the paper ($frame)"
  fi
  /usr/bin/convert "$WORK/paper.png" -crop "${pw}x$ph+$((x + (w - pw) / 2))+$((y + (h - ph) / 2))" \
    +repage "$2"
}

# expect_printed_like SCREEN PAPER RRGGBB...: the paper shows each colour over
# about as many pixels as the screen does. Printing resamples the page, so
# edges blur: colours are matched loosely and counts within 5 %.
expect_printed_like() {
  local screen=$1 paper=$2 colour on_screen on_paper
  shift 2
  for colour in "$@"; do
    on_screen=$(count_colour "$screen" "$colour")
    on_paper=$(count_colour "$paper" "$colour" 30)
    note "colour $colour: $on_screen pixels on the screen, $on_paper on paper"
    [ "$on_screen" -gt 0 ] || fail "the screen shows no $colour"
    if [ $((100 * (on_paper - on_screen) / on_screen)) -gt 5 ] ||
      [ $((100 * (on_screen - on_paper) / on_screen)) -gt 5 ]; then
      fail "the printed page has $on_paper pixels of $colour, the screen $on_screen"
    fi
  done
}
