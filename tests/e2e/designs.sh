# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash disable=SC2034,SC2046,SC2153 # names set by eval
# Part of lib.sh: points of the two windows, in design pixels of the client
# area, and the sixteen colours.
#
# The points come from the windows themselves: the program designpoints
# (tests/e2e/designpoints.cpp, which lists every name it sets) builds them on
# the offscreen platform and prints them as bash arrays, evaluated here. CTest
# passes its path in KRUMELO_DESIGNPOINTS; to run a script by hand, set it to
# build/tests/designpoints. A point is two words, "X Y": pass "${OK[@]}" or
# $(swatch 5 0) to click, expect_pixel and the like.
[ -n "${KRUMELO_DESIGNPOINTS:-}" ] ||
  fail "KRUMELO_DESIGNPOINTS does not name the designpoints program (build/tests/designpoints)"
design_points=$("$KRUMELO_DESIGNPOINTS") || fail "designpoints failed"
eval "$design_points"
unset design_points

# The colouring program's main window "Krumelo".
CANVAS_X=${CANVAS[0]} CANVAS_Y=${CANVAS[1]}

# swatch COUNT I: the centre of swatch I (from 0) when COUNT colours are shown.
swatch() {
  local -n centres=SWATCHES_$1
  echo "${centres[@]:$((2 * $2)):2}"
}

# canvas_click X Y, canvas_drag X1 Y1 X2 Y2: at canvas pixels.
canvas_click() { click $((CANVAS_X + $1)) $((CANVAS_Y + $2)); }
canvas_drag() { drag $((CANVAS_X + $1)) $((CANVAS_Y + $2)) $((CANVAS_X + $3)) $((CANVAS_Y + $4)); }

expect_canvas_pixel() { expect_pixel $((CANVAS_X + $1)) $((CANVAS_Y + $2)) "${@:3}"; }

# crop_canvas SHOT OUT: the part of the canvas that is kept and printed.
crop_canvas() { crop "$1" "$CANVAS_X" "$CANVAS_Y" "${PAGE_SIZE[@]}" "$2"; }

# The settings window "Hämta".
# A point of the pen sample inside the red line only when it is 15 pixels
# wide, 7 either side of the line: 10 wide, it reaches 5 to one side.
PEN_SAMPLE_EDGE=($((PEN_SAMPLE[0] + 6)) $(((PEN_SAMPLE[1] + PEN_SAMPLE[3]) / 2)))

# file_entry I: the left part of the file list's entry I, where its name is.
file_entry() { echo $((FILE_ROW[0] + 40)) $((FILE_ROW[1] + FILE_ROW[3] * $1 + FILE_ROW[3] / 2)); }
# file_entry_end I: the right end of entry I, where the selection's colour
# shows beyond any name.
file_entry_end() { echo $((FILE_ROW[0] + FILE_ROW[2] - 8)) $((FILE_ROW[1] + FILE_ROW[3] * $1 + FILE_ROW[3] / 2)); }

# cell_corner I: a point just inside colour cell I, clear of its caption;
# cell_centre I: its centre.
cell_corner() { echo $((CELLS[4 * $1] + 6)) $((CELLS[4 * $1 + 1] + 6)); }
cell_centre() { echo $((CELLS[4 * $1] + CELLS[4 * $1 + 2] / 2)) $((CELLS[4 * $1 + 1] + CELLS[4 * $1 + 3] / 2)); }

# The page importer's window and its file chooser.
IMPORT_TITLE="Krumelo – ny målarbild"
chooser_open() { chooser_windows >/dev/null; }
# choose_file PATH: types the name into the open chooser's name field, which
# lies 53 px above its bottom edge, and opens it. A chooser that has just
# appeared may not take keys yet on a busy machine, and xdotool may lose a
# letter beyond its keyboard (the å), so the name is typed again, over what
# the field holds, until the chooser closes. A name the chooser does not find
# brings up its message under the chooser's own title; Return closes it.
choose_file() {
  local ids tries=0
  until ! chooser_open; do
    [ "$tries" -lt 8 ] || fail "the file chooser did not take $1"
    tries=$((tries + 1))
    ids=$(chooser_windows)
    if [ "$(wc -l <<<"$ids")" -gt 1 ]; then
      xdotool key Return
      E2E_TIMEOUT=5 wait_for_quietly chooser_alone || true
      continue
    fi
    eval "$(xdotool getwindowgeometry --shell "$ids")"
    xdotool mousemove $((X + 300)) $((Y + HEIGHT - 53)) click 1
    xdotool key ctrl+a
    xdotool type --delay 10 "$1"
    xdotool key Return
    E2E_TIMEOUT=5 wait_for_quietly not chooser_open || true
  done
}
chooser_windows() { xdotool search --onlyvisible --name "^Välj en bild eller en PDF-fil\$"; }
chooser_alone() { [ "$(chooser_windows | wc -l)" -le 1 ]; }

# The sixteen colours by colour index, as RRGGBB.
QB=(000000 000080 008000 008080 800000 800080 808000 C0C0C0
  808080 0000FF 00FF00 00FFFF FF0000 FF00FF FFFF00 FFFFFF)
GREY=C0C0C0
