# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash disable=SC2046,SC2034
# (design points are passed on as two words; the names are for the scripts)
# Shared by the end-to-end tests: a private X server, the programs started in a
# fresh folder, the mouse driven at points of the window designs, and checks on
# screenshots, files and exits. Every wait polls a condition with a deadline
# (wait_for); the one wait for nothing is expect_nothing_for, which gives
# something that must not happen its chance to (and, under weston only,
# let_weston_follow_the_pointer in sessions.sh).
# Source it from a bash script that has `set -euo pipefail`. The points of the
# windows are in designs.sh, read from the windows by the program designpoints
# (KRUMELO_DESIGNPOINTS names it; CTest sets it), the checks of printed pages
# in paper.sh.

E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
E2E_TIMEOUT=${E2E_TIMEOUT:-30}   # seconds any single wait may take
E2E_PIDS=()
WORK=$(mktemp -d /tmp/krumelo-e2e.XXXXXX)

export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# No session bus here; Qt would only complain about it.
export DBUS_SESSION_BUS_ADDRESS=disabled:
unset QT_QPA_PLATFORM

cleanup() {
  local pid
  for pid in "${E2E_PIDS[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  # Nothing the test started outlives it.
  for pid in "${E2E_PIDS[@]}"; do
    wait "$pid" 2>/dev/null || true
  done
  # In a sanitizer build a program can finish its work and end well after a
  # report on its standard error; the report alone fails the test.
  local reports
  reports=$(grep -l -E 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$WORK"/*.out 2>/dev/null || true)
  if [ -n "$reports" ]; then
    echo "FAIL: sanitizer reports in $reports" >&2
    E2E_FAILED=1
  fi
  # Screenshots stay for a failed run, so the reason can be looked at.
  if [ "${E2E_FAILED:-0}" = 1 ]; then
    echo "e2e: files of the failed run kept in $WORK" >&2
  else
    rm -rf "$WORK"
  fi
  [ -z "$reports" ] || exit 1
}
trap cleanup EXIT
# Stopped from outside (a test timeout), it still cleans up.
trap 'E2E_FAILED=1; exit 1' TERM INT

# The screen as it was at the failure is kept with the run's other files.
fail() {
  E2E_FAILED=1
  echo "FAIL: $*" >&2
  [ -z "${DISPLAY:-}" ] || screenshot "$WORK/failed.png" 2>/dev/null || true
  exit 1
}

note() { echo "--- $*"; }

# wait_for WHAT COMMAND...: polls COMMAND every 0.1 s until it succeeds;
# fails with WHAT after the deadline.
wait_for() {
  local what=$1
  shift
  wait_for_quietly "$@" || fail "waited ${E2E_TIMEOUT}s for $what"
}

# Like wait_for, but returns 1 instead of failing, for callers with their own
# message.
wait_for_quietly() {
  local end=$((SECONDS + E2E_TIMEOUT))
  until "$@"; do
    [ "$SECONDS" -lt "$end" ] || return 1
    sleep 0.1
  done
}

# expect_nothing_for SECONDS: lets that time pass, so that what must not
# follow the last action (a window, an end, a change on the screen) has the
# chance to, before the caller looks.
expect_nothing_for() { sleep "$1"; }

# start_xvfb [WIDTHxHEIGHT]: a private X server on the first free display;
# DISPLAY is set to it and it ends with the script. Without -noreset the
# server would start afresh whenever its last client leaves, and a program
# starting just then would find no display.
start_xvfb() {
  local screen=${1:-1280x1024} dfile
  dfile=$(mktemp "$WORK/display.XXXXXX")
  Xvfb -displayfd 3 -noreset -screen 0 "${screen}x24" -nolisten tcp \
    3>"$dfile" >>"$WORK/xvfb.log" 2>&1 &
  E2E_PIDS+=($!)
  wait_for "Xvfb to choose a display" test -s "$dfile"
  DISPLAY=":$(head -1 "$dfile")"
  export DISPLAY
  note "Xvfb on $DISPLAY ($screen)"
}

# start_program NAME [ENV=VALUE...] COMMAND [ARG...]: runs it in $WORK, or
# in APP_DIR when set, as its current folder, in the background; its pid goes
# to APP_PID, its output to $WORK/NAME.out.
start_program() {
  local name=$1
  shift
  (cd "${APP_DIR:-$WORK}" && exec env "$@" >"$WORK/$name.out" 2>&1) &
  APP_PID=$!
  PLACED= # a new program's window may get the id of the last one's
  E2E_PIDS+=("$APP_PID")
}

# The id of the mapped window with that exact title and width, if any.
visible_window() {
  local title=$1 width=$2 id
  for id in $(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    if [ "$WIDTH" = "$width" ]; then
      echo "$id"
      return 0
    fi
  done
  return 1
}

# wait_window TITLE WIDTH: waits until that window is mapped and has painted;
# sets WID and its place and size WX, WY, WW, WH (device pixels).
wait_window() {
  local title=$1 width=$2
  wait_for "the window \"$title\"" visible_window "$title" "$width" >/dev/null
  WID=$(visible_window "$title" "$width")
  window_place "$WID"
  place_on_screen
  # The backdrop is black and the windows' top-left panels are grey: once
  # that corner is not black, the window has painted.
  wait_for "the first paint of \"$title\"" not_black $(at 4 4)
  note "window \"$title\" $WID at $WX,$WY size ${WW}x$WH"
}

# window_place ID: WX, WY, WW and WH of the window's client area. Asked of
# xwininfo: xdotool counts a window manager's frame twice.
window_place() {
  local info
  info=$(xwininfo -id "$1")
  WX=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
  WY=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
  WW=$(sed -n 's/.*Width: *//p' <<<"$info")
  WH=$(sed -n 's/.*Height: *//p' <<<"$info")
}

# Where the screen shows a window is where X says it is, but where a session
# (sessions.sh) says otherwise: it then corrects WX and WY.
place_on_screen() { :; }

# message_box TITLE: the id of a mapped window with that title that is neither
# the window found last (WID) nor a backdrop covering the screen.
message_box() {
  local id screen_width
  screen_width=$(xdotool getdisplaygeometry | cut -d' ' -f1)
  for id in $(xdotool search --onlyvisible --name "^${1}\$" 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    if [ "$id" != "${WID:-}" ] && [ "$WIDTH" != "$screen_width" ]; then
      echo "$id"
      return 0
    fi
  done
  return 1
}

not_black() { [ "$(root_pixel "$1" "$2")" != 000000 ]; }

# screenshot FILE: the whole screen, as it is shown: on the X server the
# programs run on, or the one their compositor shows on (SCREEN_DISPLAY).
screenshot() { DISPLAY=${SCREEN_DISPLAY:-$DISPLAY} import -window root "png:$1"; }

# pointer ARGS...: xdotool with the pointer and the keyboard of the screen.
pointer() { DISPLAY=${SCREEN_DISPLAY:-$DISPLAY} xdotool "$@"; }

# pixel FILE X Y: the colour at (X, Y) of a screenshot as RRGGBB.
pixel() { /usr/bin/convert "$1" -format "%[hex:p{$2,$3}]" info:; }

# root_pixel X Y: the colour the screen shows at (X, Y) now, as RRGGBB; only
# that pixel is read.
root_pixel() { DISPLAY=${SCREEN_DISPLAY:-$DISPLAY} "$E2E_DIR/screenpixel.py" "$1" "$2"; }

# start_session_bus: a session bus of the test's own (the tests run with
# none), for a desktop's settings or the accessibility bus; its address goes
# to DESKTOP_BUS.
start_session_bus() {
  local bus
  bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1)
  E2E_PIDS+=("$(sed -n 2p <<<"$bus")")
  DESKTOP_BUS=$(head -1 <<<"$bus")
}

# close_window ID: closes the window as its close box does, whichever window
# manager frames it, or none: the window is sent WM_DELETE_WINDOW.
close_window() { "$E2E_DIR/closewindow.py" "$1"; }

# close_and_expect_end WHAT [ID PID]: closes the window (WID) and expects its
# program (APP_PID) to end with status 0.
close_and_expect_end() {
  close_window "${2:-$WID}"
  wait_exit "${3:-$APP_PID}"
  [ "$EXIT_STATUS" = 0 ] || fail "$1 ended with status $EXIT_STATUS when its window closed"
}

# expect_same_image A B WHAT: the two pictures agree in every pixel; where
# they do not, the differing pixels are kept in red beside A.
expect_same_image() {
  local differ
  differ=$(compare -metric AE "$1" "$2" "${1%.png}-difference.png" 2>&1 || true)
  [ "$differ" = 0 ] || fail "$3 in $differ pixels"
}

# Points of a window are given in its design pixels (twips / 15), from the
# top-left corner of its client area; SCALE is the device pixel ratio.
SCALE=1
at() { echo $((WX + SCALE * $1)) $((WY + SCALE * $2)); }

# Where a desktop draws the pointer into the screen (sessions.sh), it leaves
# the window after a click, for the screenshots that follow, to REST_POINT.
REST_POINT=(0 0)
click() {
  pointer mousemove $(at "$1" "$2") click 1
  [ "${WM_DRAWS_POINTER:-no}" = no ] || pointer mousemove "${REST_POINT[@]}"
}

# drag X1 Y1 X2 Y2 [STEPS]: presses at the first point, moves in a straight
# line to the second and lets go there.
drag() {
  local x1=$1 y1=$2 x2=$3 y2=$4 steps=${5:-10} i
  pointer mousemove $(at "$x1" "$y1") mousedown 1
  for ((i = 1; i <= steps; i++)); do
    pointer mousemove $(at $((x1 + (x2 - x1) * i / steps)) $((y1 + (y2 - y1) * i / steps)))
  done
  pointer mouseup 1
}

# expect_pixel X Y RRGGBB [WHAT]: waits until the window shows that colour at
# the design point.
expect_pixel() {
  local x=$1 y=$2 want=$3 what=${4:-"($1,$2)"}
  if ! E2E_TIMEOUT=${E2E_PIXEL_TIMEOUT:-10} wait_for_quietly root_pixel_is $(at "$x" "$y") "$want"; then
    fail "$what: expected $want, the screen shows $(root_pixel $(at "$x" "$y"))"
  fi
}

root_pixel_is() { [ "$(root_pixel "$1" "$2")" = "$3" ]; }

# expect_not_pixel X Y RRGGBB [WHAT]: the window shows any other colour there.
expect_not_pixel() {
  local shown
  shown=$(root_pixel $(at "$1" "$2"))
  [ "$shown" != "$3" ] || fail "${4:-"($1,$2)"}: the screen still shows $3"
}

# wait_exit PID: waits for the program to end; its status goes to EXIT_STATUS.
wait_exit() {
  local pid=$1
  wait_for "process $pid to end" process_gone "$pid"
  EXIT_STATUS=0
  wait "$pid" || EXIT_STATUS=$?
}

process_gone() { ! kill -0 "$1" 2>/dev/null || [[ "$(ps -o stat= -p "$1")" == Z* ]]; }

# crop SHOT X Y W H OUT: a part of the window, in design pixels.
crop() {
  local shot=$1 x=$2 y=$3 w=$4 h=$5 out=$6
  set -- $(at "$x" "$y")
  /usr/bin/convert "$shot" -crop "$((SCALE * w))x$((SCALE * h))+$1+$2" +repage "$out"
}

# count_colour IMAGE RRGGBB [FUZZ%]: how many pixels have that colour. The
# matching pixels are made transparent and counted in the alpha channel, so
# any colour can be counted, black and white too.
count_colour() {
  /usr/bin/convert "$1" -alpha off -fuzz "${3:-0}%" -transparent "#$2" -alpha extract -negate \
    -format '%[fx:round(mean*w*h)]' info:
}

# window_shot FILE OUT: the window and a margin of the backdrop around it.
window_shot() {
  local m=$((16 * SCALE))
  /usr/bin/convert "$1" -crop "$((WW + 2 * m))x$((WH + 2 * m))+$((WX - m))+$((WY - m))" +repage "$2"
}

# ini_lines LINE...: the bytes of a zedo.ini with these lines; write_ini
# LINE... puts them in $WORK/zedo.ini.
ini_lines() { printf '%s\r\n' "$@"; }
write_ini() { ini_lines "$@" >"$WORK/zedo.ini"; }

# change_drawing_choices: in zedoconf, from three colours to five, cell 1
# changed to 13 by a click and the wide pen chosen, each seen on the screen.
change_drawing_choices() {
  click "${COUNT_UP[@]}"
  click "${COUNT_UP[@]}"
  expect_pixel $(cell_corner 4) "${QB[10]}" "cell 5 shown"
  click $(cell_centre 0)
  expect_pixel $(cell_corner 0) "${QB[13]}" "cell 1 after a click"
  click "${BRED[@]}"
}

# The flower with five colours and the fill tool, for zedo; fill_pot fills
# its pot light blue.
write_flower_ini() { write_ini '"blomma.bmp"' 5 12 9 2 14 10 15 -1 -1 -1 -1; }
fill_pot() {
  click $(swatch 5 1)
  canvas_click 135 360
  expect_canvas_pixel 135 360 "${QB[9]}" "the pot filled"
}

# press_ok WHAT: "OK" ends zedoconf with status 0, and a zedo.ini is there.
# Its bytes are the unit tests' to check, and typical_run.sh's once end to end.
press_ok() {
  rm -f "$WORK/zedo.ini"
  click "${OK[@]}"
  wait_exit "$APP_PID"
  [ "$EXIT_STATUS" = 0 ] || fail "zedoconf ended with status $EXIT_STATUS $1"
  [ -s "$WORK/zedo.ini" ] || fail "zedoconf wrote no zedo.ini $1"
}

not() { ! "$@"; }

source "$E2E_DIR/designs.sh"
source "$E2E_DIR/paper.sh"
