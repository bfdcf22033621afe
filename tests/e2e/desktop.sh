#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck disable=SC2046 # design points are passed on as two words
# Both programs on a desktop as families run it, on a 1920 x 1080 screen,
# for what a window manager changes: the backdrop hides the whole screen,
# panels included; the window stands in the middle at twice its size, in
# front, with the keyboard, offers no maximize, and stays there whatever the
# child or the window manager does: clicks on the backdrop, Alt+Tab,
# minimize, shade, hide and maximize. A click still reaches the window after
# all that. What the programs do with the clicks is the other tests' part.
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
  expect_only_window "$name" "$name"
  expect_hints "$name"
}

# expect_hints WHAT: the window manager offers no maximize, and no minimize
# but where it offers that to every window.
expect_hints() {
  local actions
  actions=$(xprop -id "$WID" _NET_WM_ALLOWED_ACTIONS 2>/dev/null || true)
  [[ "$actions" != *MAXIMIZE* ]] || fail "$1: the window manager offers to maximize: $actions"
  [ "$WM_OFFERS_MINIMIZE" = yes ] || [[ "$actions" != *MINIMIZE* ]] ||
    fail "$1: the window manager offers to minimize: $actions"
}

# put_away HOW: asks the window manager to minimize, shade, hide or maximize
# the window, as its buttons, menus or keys do.
put_away() {
  case $1 in
    minimize) xdotool windowminimize "$WID" ;;
    maximized) if [ -n "$WM_MAXIMIZE_KEY" ]; then
        pointer key "$WM_MAXIMIZE_KEY"
      else
        wmctrl -i -r "$WID" -b add,maximized_vert,maximized_horz
      fi ;;
    *) wmctrl -i -r "$WID" -b add,"$1" ;;
  esac
}

# hold_out NAME X Y RRGGBB: the window stays or comes back in front by
# itself, at its size, after each thing the child or a window manager may do
# to it; every window manager tried lets it.
hold_out() {
  local name=$1 point=("$2" "$3") colour=$4 attempt size="${WW}x$WH"
  click_backdrop
  expect_in_front "${point[@]}" "$colour" "$name: after clicks on the backdrop"
  for attempt in minimize shaded hidden maximized; do
    put_away "$attempt"
    expect_in_front "${point[@]}" "$colour" "$name: after $attempt"
    [[ "$(window_state)" != *HIDDEN* && "$(window_state)" != *SHADED* ]] ||
      fail "$name: after $attempt the window is $(window_state)"
    [ "${WW}x$WH" = "$size" ] || fail "$name: after $attempt the window is ${WW}x$WH"
  done
  pointer key alt+Tab
  expect_in_front "${point[@]}" "$colour" "$name: after Alt+Tab"
  pointer keydown super key Tab keyup super
  expect_in_front "${point[@]}" "$colour" "$name: after Super+Tab"
  expect_only_window "$name-held" "$name, in the end"
}

note "zedoconf on $desktop"
start_program zedoconf "$zedoconf"
open_window Hämta "${ZEDOCONF_SIZE[@]}" zedoconf
hold_out zedoconf $(cell_corner 0) "${QB[12]}"
press_ok "on $desktop"

note "zedo on $desktop"
write_flower_ini
start_program zedo "$zedo"
open_window Krumelo "${ZEDO_SIZE[@]}" zedo
hold_out zedo "${FACE[@]}" FFFF80
click $(swatch 5 3) # yellow
canvas_click 170 50
expect_canvas_pixel 170 50 "${QB[14]}" "a petal filled after all that"
close_and_expect_end zedo
note "both programs hold out on $desktop"
