#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck disable=SC2046 # design points are passed on as two words
# The screens change while a program runs, as xrandr changes them: one wide
# screen split into two monitors and joined again, the screen shrunk and
# grown. After each change the black backdrops cover every monitor, the
# window stands in the middle of the primary one, in front, with the
# keyboard, and what the adult chose or the child painted is still there.
# Usage: screens.sh DESKTOP ZEDOCONF ZEDO   (DESKTOP: see start_session)
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$E2E_DIR/sessions.sh"
desktop=$1
zedoconf=$(readlink -f "$2") zedo=$(readlink -f "$3")

# xfwm4 and its panel take monitors from RandR outputs only, and Xvfb has
# one; there the screen is the X.Org server's with outputs (sessions.sh).
[ "$desktop" != xfwm4 ] || X_SERVER=outputs
# No screen grows beyond the size it started with.
start_session "$desktop" 3840x1080
cp "$E2E_DIR"/../../examples/*.bmp "$WORK/"

# screen_mode WIDTHxHEIGHT: the whole screen takes that size, on one
# output; Xvfb takes any mode added to its one output.
screen_mode() {
  if [ "$X_SERVER" = outputs ]; then
    output_modes DUMMY0 "$1"
    xrandr --output DUMMY1 --off --output DUMMY0 --mode "$1" --pos 0x0 --primary
  else
    if ! xrandr | grep -q "^ *$1 "; then
      xrandr --newmode "$1" 0 "${1%x*}" 0 0 0 "${1#*x}" 0 0 0
      xrandr --addmode screen "$1"
    fi
    xrandr --output screen --mode "$1"
  fi
  note "the screen is $1"
}

# split_screen: two monitors side by side, the primary one on the right:
# two outputs, or on Xvfb two monitors made of its one output, which belongs
# to the right one, so the output's own monitor gives way.
split_screen() {
  local width height half
  read -r width height <<<"$(xdotool getdisplaygeometry)"
  half=$((width / 2))
  if [ "$X_SERVER" = outputs ]; then
    output_modes DUMMY0 "${half}x$height"
    output_modes DUMMY1 "${half}x$height"
    xrandr --output DUMMY0 --mode "${half}x$height" --pos "${half}x0" --primary \
      --output DUMMY1 --mode "${half}x$height" --pos 0x0
  else
    xrandr --setmonitor '*right' "$(monitor_geometry $half "$height" $half)" screen >/dev/null
    xrandr --setmonitor left "$(monitor_geometry $half "$height" 0)" none
  fi
  note "two monitors: $(xrandr --listmonitors | tail -n +2 | tr -s ' ' | tr '\n' ';')"
}

# monitor_geometry WIDTH HEIGHT X: as xrandr takes it, at 96 dots per inch.
monitor_geometry() { echo "$1/$(($1 * 254 / 960))x$2/$(($2 * 254 / 960))+$3+0"; }

join_screen() {
  if [ "$X_SERVER" = outputs ]; then
    screen_mode "$(xwininfo -root | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }')"
  else
    xrandr --delmonitor right
    xrandr --delmonitor left
  fi
  note "one monitor again"
}

# backdrops_cover PROGRAM: each monitor has a window of the program that
# covers just it.
backdrops_cover() {
  local flags width height x y
  while read -r flags width height x y; do
    covered "$1" "$width" "$height" "$x" "$y" || return 1
  done < <(monitors)
}

covered() {
  local id WX WY WW WH
  for id in $(xdotool search --onlyvisible --class "^$1\$" 2>/dev/null); do
    window_place "$id" 2>/dev/null || continue
    [ "$WW $WH $WX $WY" != "$2 $3 $4 $5" ] || return 0
  done
  return 1
}

# expect_follows PROGRAM WHAT X Y RRGGBB: after a change, the backdrops cover
# every monitor and nothing else shows besides the window, which stands in
# the middle of the primary monitor, in front, and shows that colour at the
# design point.
expect_follows() {
  local program=$1 what=$2 point=("$3" "$4") colour=$5
  E2E_TIMEOUT=10 wait_for_quietly backdrops_cover "$program" ||
    fail "$program $what: the backdrops do not cover every monitor: $(monitors | tr '\n' ';')"
  expect_centred "$program $what"
  expect_in_front "${point[@]}" "$colour" "$program $what"
  expect_only_window "$program-${what// /-}" "$program $what"
}

note "zedoconf on two monitors and one on $desktop"
split_screen
start_program zedoconf "$zedoconf"
SCALE=2
wait_window Hämta $((2 * ZEDOCONF_SIZE[0]))
click "${COUNT_UP[@]}"
click "${COUNT_UP[@]}"
click $(cell_centre 0)
expect_follows zedoconf "on two monitors" $(cell_corner 0) "${QB[13]}"
join_screen
expect_follows zedoconf "joined" $(cell_corner 0) "${QB[13]}"
screen_mode 1920x1080
expect_follows zedoconf "shrunk" $(cell_corner 0) "${QB[13]}"
press_ok "while the screens changed"

note "zedo on a shrinking and growing screen on $desktop"
write_flower_ini
start_program zedo "$zedo"
wait_window Krumelo $((2 * ZEDO_SIZE[0]))
fill_pot
screen_mode 1280x1024
expect_follows zedo "shrunk" $((CANVAS_X + 135)) $((CANVAS_Y + 360)) "${QB[9]}"
screen_mode 3840x1080
split_screen
expect_follows zedo "grown to two monitors" $((CANVAS_X + 135)) $((CANVAS_Y + 360)) "${QB[9]}"
click $(swatch 5 3) # yellow
canvas_click 170 50
expect_canvas_pixel 170 50 "${QB[14]}" "a petal filled on the new screen"
kill "$APP_PID"
wait_exit "$APP_PID"
note "both programs follow the screens on $desktop"
