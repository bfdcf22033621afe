#!/usr/bin/env bash
# shellcheck disable=SC2046 # design points are passed on as two words
# Both programs on a desktop as families run it, on a 1920 x 1080 screen:
# the backdrop hides the whole screen, panels included; the window stands in
# the middle at twice its size, in front, with the keyboard, and stays there
# whatever the child does: clicks on the backdrop, Alt+Tab, the window
# manager's minimize, shade, hide and maximize. The adult's choices are
# saved, the child's colours land on the canvas, and the window manager's
# close ends the program.
# Usage: desktop.sh DESKTOP ZEDOCONF ZEDO   (DESKTOP: see start_session)
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$E2E_DIR/sessions.sh"
desktop=$1
zedoconf=$(readlink -f "$2") zedo=$(readlink -f "$3")

start_session "$desktop"
cp "$E2E_DIR"/../../examples/*.bmp "$WORK/"

# open_window TITLE SIZE... NAME: waits for the window at scale 2 and checks
# what the screen shows around it.
open_window() {
  local title=$1 width=$2 height=$3 name=$4
  SCALE=2
  wait_window "$title" $((2 * width))
  [ "$WH" = $((2 * height)) ] || fail "$name: the window is $WH high, not twice $height"
  E2E_TIMEOUT=10 wait_for_quietly has_focus || fail "$name: no keyboard at start"
  expect_centred "$name"
  pointer mousemove $(at $((width / 2)) $((height / 2)))
  screenshot "$WORK/$name.png"
  keep_shot "$WORK/$name.png" "$name"
  expect_only_window "$WORK/$name.png" "$name"
  expect_hints "$name"
}

# expect_hints WHAT: the window manager offers no maximize, and no minimize
# where it reads what the window asks (openbox offers it to every window
# with a title bar; the window comes back at once).
expect_hints() {
  local actions
  actions=$(xprop -id "$WID" _NET_WM_ALLOWED_ACTIONS 2>/dev/null || true)
  [[ "$actions" != *MAXIMIZE* ]] || fail "$1: the window manager offers to maximize: $actions"
  [ "$SESSION" = openbox ] || [[ "$actions" != *MINIMIZE* ]] ||
    fail "$1: the window manager offers to minimize: $actions"
}

# hold_out NAME X Y RRGGBB: the window stays or comes back in front, at its
# size, after each thing the child or a window manager may do to it.
hold_out() {
  local name=$1 point=("$2" "$3") colour=$4 attempt size="${WW}x$WH"
  click_backdrop
  expect_in_front "${point[@]}" "$colour" "$name: after clicks on the backdrop"
  for attempt in minimize shaded hidden maximized; do
    case $attempt in
      minimize) xdotool windowminimize "$WID" ;;
      # Weston's frame offers no maximize for this window; its key for it
      # maximizes the window it keeps active, which is the backdrop there.
      maximized) if [ "$SESSION" = weston ]; then
          pointer key super+shift+m
        else
          wmctrl -i -r "$WID" -b add,maximized_vert,maximized_horz
        fi ;;
      *) wmctrl -i -r "$WID" -b add,$attempt ;;
    esac
    # It comes back by itself; if a window manager keeps it away, a click on
    # the backdrop brings it.
    E2E_TIMEOUT=3 wait_for_quietly shown_in_front "${point[@]}" "$colour" || click_backdrop
    expect_in_front "${point[@]}" "$colour" "$name: after $attempt"
    [[ "$(window_state)" != *HIDDEN* && "$(window_state)" != *SHADED* ]] ||
      fail "$name: after $attempt the window is $(window_state)"
    [ "${WW}x$WH" = "$size" ] || fail "$name: after $attempt the window is ${WW}x$WH"
  done
  pointer key alt+Tab
  expect_in_front "${point[@]}" "$colour" "$name: after Alt+Tab"
  pointer keydown super key Tab keyup super
  expect_in_front "${point[@]}" "$colour" "$name: after Super+Tab"
  screenshot "$WORK/$name-held.png"
  keep_shot "$WORK/$name-held.png" "$name-held"
  expect_only_window "$WORK/$name-held.png" "$name, in the end"
}

# close_by_window_manager: as its close box does; weston's X11 window
# manager takes no request to close, so there its close box is clicked.
close_by_window_manager() {
  if [ "$SESSION" = weston ]; then
    pointer mousemove $((WX + WW - 14)) $((WY - 13)) click 1
  else
    wmctrl -i -c "$WID"
  fi
}

note "zedoconf on $desktop"
start_program zedoconf "$zedoconf"
open_window Hämta "${ZEDOCONF_SIZE[@]}" zedoconf
hold_out zedoconf $(cell_corner 0) "${QB[12]}"
change_drawing_choices
save_drawing_choices "on $desktop"

note "zedo on $desktop"
write_flower_ini
start_program zedo "$zedo"
open_window Krumelo "${ZEDO_SIZE[@]}" zedo
fill_pot
hold_out zedo "${FACE[@]}" FFFF80
click $(swatch 5 3) # yellow
canvas_click 170 50
expect_canvas_pixel 170 50 "${QB[14]}" "a petal filled after all that"
expect_canvas_pixel 135 360 "${QB[9]}" "the pot still filled"
close_by_window_manager
wait_exit "$APP_PID"
[ "$EXIT_STATUS" = 0 ] || fail "zedo ended with status $EXIT_STATUS when its window closed"
note "both programs hold out on $desktop"
