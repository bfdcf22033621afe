# shellcheck shell=bash disable=SC2034,SC2046
# Part of lib.sh: points of the two windows, in design pixels (twips / 15)
# of the client area, and the sixteen colours.

# The colouring program's main window "Krumelo".
CANVAS_X=208 CANVAS_Y=16  # the canvas's top-left corner: its panel at 192,0 + 16,16
SLUTA=(604 40)
SKRIV_UT=(604 120)
TOOL=(604 200)
YELLOW_STRIP=(604 400) # the window's own face, below the buttons

# swatch5 I: the centre of swatch I when five colours stand in one column: the
# palette box at 16,24, the swatch at 40, 30 + 1240 I twips, its 73 px circle
# centred in its 81 px box.
swatch5() { echo 96 $((24 + (30 + 1240 * $1 + 7) / 15 + 36)); }

# canvas_click X Y, canvas_drag X1 Y1 X2 Y2: at canvas pixels.
canvas_click() { click $((CANVAS_X + $1)) $((CANVAS_Y + $2)); }
canvas_drag() { drag $((CANVAS_X + $1)) $((CANVAS_Y + $2)) $((CANVAS_X + $3)) $((CANVAS_Y + $4)); }

expect_canvas_pixel() { expect_pixel $((CANVAS_X + $1)) $((CANVAS_Y + $2)) "${@:3}"; }

# crop_canvas SHOT OUT: the part of the canvas that is kept and printed.
crop_canvas() { crop "$1" "$CANVAS_X" "$CANVAS_Y" 353 409 "$2"; }

# The settings window "Hämta".
FILE_LIST=(184 248 161 194) # left, top, width, height
COUNT_UP=(112 44)           # the scroll bar's upper arrow (the bar at 104,40, 17x49)
RITA=(400 84)
RITA_MARK=(398 84)          # the centre of the option's round mark
BRED=(400 420)
PEN_SAMPLE_EDGE=(510 396)   # inside the red sample line only when it is 15 wide
CHECK_PRINT=(400 228)
CHECK_TOOL=(400 256)
OK=(588 336)
AVBRYT=(588 415)

# cell_corner I: a point just inside colour cell I (57 x 57, two to a row, in
# the panel at 0,112), clear of its caption.
cell_corner() { echo $(($1 % 2 == 0 ? 24 + 6 : 88 + 6)) $((112 + (240 + 960 * ($1 / 2) + 7) / 15 + 6)); }
cell_centre() { echo $(($1 % 2 == 0 ? 24 + 28 : 88 + 28)) $((112 + (240 + 960 * ($1 / 2) + 7) / 15 + 28)); }

# The sixteen colours by colour index, as RRGGBB.
QB=(000000 000080 008000 008080 800000 800080 808000 C0C0C0
  808080 0000FF 00FF00 00FFFF FF0000 FF00FF FFFF00 FFFFFF)
GREY=C0C0C0
