# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash disable=SC2046,SC2034
# (points are passed on as two words; the names are for the scripts)
# Desktops for the end-to-end tests, sourced after lib.sh: a window manager
# with its panel on a private X server, or the weston compositor with
# XWayland, and the checks of what a child sees there: the backdrop hides
# the whole screen, the window stands in the middle, in front, with the
# keyboard. Set KRUMELO_SCREENSHOTS=DIR to keep the screenshots the checks
# look at.

SESSION=bare
X_SERVER=xvfb # or outputs: see start_xorg_outputs
FRAME=(0 0 0 0) # the frame around WID: left, right, top, bottom
SHADOW=0        # how far a frame's shadow reaches beyond it

# What a desktop does unlike the others, as the tests meet it: start_session
# sets each for its desktop, and the one check it changes reads it.
# WM_OFFERS_MINIMIZE   yes: minimize is offered even to a window that asks
#                      for none (openbox; the window comes back at once).
#                      expect_hints.
# WM_MAXIMIZE_KEY      the key that maximizes, where nothing else does
#                      (weston's frame offers no maximize for the window; its
#                      key maximizes the window it keeps active, the
#                      backdrop). hold_out.
# WM_PLACES_WINDOWS    yes: the window is placed as the window manager likes
#                      and shown apart from where X says (weston: near the
#                      backdrop's corner); the pointer finds it.
#                      place_on_screen, follow_window, is_centred.
# WM_KEYS_TO_BACKDROP  yes: the keyboard stays on the backdrop, which hands
#                      every key on to the window (weston). has_focus.
# WM_DRAWS_POINTER     yes: the pointer is drawn into the screen, so after a
#                      click it rests on REST_POINT, off the window (weston).
#                      click.
WM_OFFERS_MINIMIZE=no WM_MAXIMIZE_KEY="" WM_PLACES_WINDOWS=no
WM_KEYS_TO_BACKDROP=no WM_DRAWS_POINTER=no

# start_session DESKTOP [WIDTHxHEIGHT]: a private X server with the desktop
# DESKTOP on it: bare (none), openbox (with tint2), xfwm4 (with xfce4-panel),
# mutter or weston (with XWayland; the programs then run on XWayland's
# display DISPLAY, while the pointer, the keyboard and the screenshots use
# SCREEN_DISPLAY).
start_session() {
  SESSION=$1
  if [ "$X_SERVER" = outputs ]; then
    start_xorg_outputs "${2:-1920x1080}"
  else
    start_xvfb "${2:-1920x1080}"
  fi
  case $SESSION in
    bare) ;;
    openbox)
      start_helper openbox openbox --sm-disable
      wait_for "openbox" window_manager_running
      WM_OFFERS_MINIMIZE=yes
      start_helper tint2 tint2
      wait_for "the panel's room in the work area" panel_reserved
      ;;
    xfwm4)
      start_session_bus
      mkdir -p "$WORK/config/xfce4/xfconf/xfce-perchannel-xml"
      # Its own default panels, without the question a first start asks.
      cp /etc/xdg/xfce4/panel/default.xml "$WORK/config/xfce4/xfconf/xfce-perchannel-xml/xfce4-panel.xml"
      XDG_CONFIG_HOME=$WORK/config start_helper xfwm4 xfwm4
      wait_for "xfwm4" window_manager_running
      XDG_CONFIG_HOME=$WORK/config start_helper xfce4-panel xfce4-panel
      wait_for "the panels' room in the work area" panel_reserved
      ;;
    mutter)
      start_session_bus
      start_helper mutter mutter --x11 --replace
      wait_for "mutter" window_manager_running
      ;;
    weston)
      start_weston
      WM_MAXIMIZE_KEY=super+shift+m WM_PLACES_WINDOWS=yes WM_KEYS_TO_BACKDROP=yes
      WM_DRAWS_POINTER=yes
      ;;
    *) fail "no desktop $SESSION" ;;
  esac
  note "desktop $SESSION"
}

# start_xorg_outputs WIDTHxHEIGHT: instead of Xvfb, which has one RandR
# output, the X.Org server with its dummy video driver, whose outputs DUMMY0,
# DUMMY1, ... are switched on side by side as monitors are. It starts with
# DUMMY0 alone at that size. It needs root; without, the test is skipped.
start_xorg_outputs() {
  local size=$1 dfile
  [ "$(id -u)" = 0 ] || { echo "SKIP: the X.Org server with outputs needs root" >&2; exit 77; }
  cat >"$WORK/xorg.conf" <<END
Section "ServerFlags"
  Option "AutoAddDevices" "false"
  Option "DontVTSwitch" "true"
EndSection
Section "Device"
  Identifier "dummy"
  Driver "dummy"
  VideoRam 256000
EndSection
Section "Screen"
  Identifier "screen"
  Device "dummy"
  DefaultDepth 24
  SubSection "Display"
    Depth 24
    Virtual ${size%x*} ${size#*x}
  EndSubSection
EndSection
END
  dfile=$(mktemp "$WORK/display.XXXXXX")
  /usr/lib/xorg/Xorg -displayfd 3 -config "$WORK/xorg.conf" -logfile "$WORK/xorg.log" \
    -noreset -nolisten tcp -novtswitch -sharevts 3>"$dfile" >>"$WORK/xorg.out" 2>&1 &
  E2E_PIDS+=($!)
  wait_for "the X.Org server to choose a display" test -s "$dfile"
  DISPLAY=":$(head -1 "$dfile")"
  export DISPLAY
  output_modes DUMMY0 "$size"
  xrandr --output DUMMY0 --mode "$size" --pos 0x0 --primary
  note "X.Org with outputs on $DISPLAY ($size)"
}

# output_modes OUTPUT WIDTHxHEIGHT...: the output can take those modes.
output_modes() {
  local output=$1 size
  shift
  for size; do
    # shellcheck disable=SC2046 # the mode's timings, as words
    xrandr | grep -q "^ *$size " ||
      xrandr --newmode "$size" $(cvt "${size%x*}" "${size#*x}" | sed -n 's/^Modeline "[^"]*"//p')
    xrandr --addmode "$output" "$size" 2>/dev/null || true
  done
}

# start_helper NAME COMMAND [ARG...]: a program of the desktop, in the
# background until the test ends, with the desktop's session bus if it has
# one (the programs under test keep none); its output goes to $WORK/NAME.out.
start_helper() {
  local name=$1
  shift
  DBUS_SESSION_BUS_ADDRESS=${DESKTOP_BUS:-disabled:} "$@" >"$WORK/$name.out" 2>&1 &
  E2E_PIDS+=($!)
}

window_manager_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# The work area leaves out the panels once they are up.
panel_reserved() {
  local area
  area=$(xprop -root _NET_WORKAREA 2>/dev/null | cut -d= -f2 | cut -d, -f1-4 | tr -d ' ')
  [ -n "$area" ] && [ "$area" != "0,0,$(xdotool getdisplaygeometry | tr ' ' ,)" ]
}

# weston on the X server, in a window as big as the screen, with XWayland
# for the programs. Its desktop shell draws a panel along the top.
start_weston() {
  SCREEN_DISPLAY=$DISPLAY
  SHADOW=40
  cat >"$WORK/weston.ini" <<'EOF'
[core]
idle-time=0
[shell]
locking=false
animation=none
close-animation=none
startup-animation=none
focus-animation=none
EOF
  local size socket=krumelo-$$
  size=$(xdotool getdisplaygeometry)
  WAYLAND_DISPLAY= start_helper weston weston --backend=x11-backend.so --use-pixman \
    --width="${size% *}" --height="${size#* }" --xwayland --socket="$socket" \
    --config="$WORK/weston.ini" --log="$WORK/weston.log"
  wait_for "XWayland's display" grep -q 'xserver listening on display' "$WORK/weston.log"
  DISPLAY=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$WORK/weston.log" | tail -1)
  export DISPLAY WAYLAND_DISPLAY=$socket
  wait_for "weston's panel" not_black 5 5
}

# Under weston the X server of the programs does not know where the
# compositor shows a window: the pointer, moved over the middle of the
# screen, tells. XWayland puts it at the window's place plus the point on the
# window. Weston moves no window of its own accord, so it is asked once for
# each window; but it places a window again when the window is shown afresh,
# and follow_window asks again.
place_on_screen() {
  [ "$WM_PLACES_WINDOWS" = yes ] || return 0
  [ "${PLACED:-}" = "$WID" ] || measure_place "$E2E_TIMEOUT" ||
    fail "the pointer in the middle of the screen is not on the window"
  WX=$((WX + SHIFT[0])) WY=$((WY + SHIFT[1]))
}

# follow_window: WX, WY, WW and WH where the window is shown now; fails if
# it is not to be found there.
follow_window() {
  window_place "$WID"
  [ "$WM_PLACES_WINDOWS" = yes ] || return 0
  measure_place 1 || return 1
  WX=$((WX + SHIFT[0])) WY=$((WY + SHIFT[1]))
}

# measure_place SECONDS: SHIFT, from the window's place in X to its place on
# the screen. The pointer stays on the window, as weston draws it into
# screenshots of the backdrop.
measure_place() {
  local size cx cy
  size=$(xdotool getdisplaygeometry)
  cx=$((${size% *} / 2)) cy=$((${size#* } / 2))
  pointer_to "$cx" "$cy"
  E2E_TIMEOUT=$1 wait_for_quietly pointer_on "$WID" || return 1
  SHIFT=($((cx - PX)) $((cy - PY))) PLACED=$WID
}

# pointer_to X Y: the pointer of the screen at that point. Weston's X11 back
# end moves its pointer by how far the X pointer moved, so the two drift
# apart when weston's stops at an edge; in two opposite corners they meet
# again.
pointer_to() {
  local size
  size=$(DISPLAY=${SCREEN_DISPLAY:-$DISPLAY} xdotool getdisplaygeometry)
  pointer mousemove 0 0
  let_weston_follow_the_pointer
  pointer mousemove $((${size% *} - 1)) $((${size#* } - 1))
  let_weston_follow_the_pointer
  pointer mousemove "$1" "$2"
}

# Weston reads the motion of the X pointer in its own time, and nothing on
# the X server tells when it has; this is the time it takes.
let_weston_follow_the_pointer() { sleep 0.2; }

pointer_on() {
  eval "$(xdotool getmouselocation --shell 2>/dev/null | sed 's/^/P/')"
  [ "${PWINDOW:-}" = "$1" ]
}

# frame_extents: FRAME from the window manager, as it tells (EWMH).
frame_extents() {
  local extents
  extents=$(xprop -id "$WID" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ,)
  # shellcheck disable=SC2206 # four numbers
  FRAME=(${extents:-0 0 0 0})
  [ "${#FRAME[@]}" = 4 ] || FRAME=(0 0 0 0)
}

# keep_shot FILE NAME: the screenshot, kept as NAME.png when asked to.
keep_shot() {
  [ -z "${KRUMELO_SCREENSHOTS:-}" ] || cp "$1" "$KRUMELO_SCREENSHOTS/$SESSION-$2.png"
}

# expect_only_window NAME WHAT: outside the window and its frame (and the
# frame's shadow) the screen comes to be black: no panel, no desktop. A
# window manager may still be making the backdrop full screen when the window
# is already up. The last screenshot is $WORK/NAME.png, kept as NAME.
expect_only_window() {
  E2E_TIMEOUT=10 wait_for_quietly only_window_lit "$WORK/$1.png" ||
    fail "$2: $LIT pixels besides the window are not black"
  keep_shot "$WORK/$1.png" "$1"
}

# only_window_lit SHOT: takes the screenshot; LIT is how many pixels besides
# the window are not black.
only_window_lit() {
  local x0=$((WX - FRAME[0] - SHADOW)) y0=$((WY - FRAME[2] - SHADOW))
  local x1=$((WX + WW + FRAME[1] + SHADOW - 1)) y1=$((WY + WH + FRAME[3] + SHADOW - 1))
  screenshot "$1"
  LIT=$(/usr/bin/convert "$1" -fill black -draw "rectangle $x0,$y0 $x1,$y1" \
    -fill white +opaque black -format '%[fx:round(mean*w*h)]' info:)
  [ "$LIT" = 0 ]
}

# expect_centred WHAT: the window with its frame comes to stand in the
# middle of the primary monitor, to two pixels (a window manager frames it first, and it
# moves once the frame is known). Weston places a utility window itself, at
# the corner of the backdrop it belongs to, so there only whole visibility is
# asked. WX and WY follow the window.
expect_centred() {
  E2E_TIMEOUT=10 wait_for_quietly is_centred || fail "$1: the window is not in the middle \
(frame ${FRAME[*]} at $((WX - FRAME[0])),$((WY - FRAME[2])), size ${WW}x$WH)"
}

is_centred() {
  local size width height
  size=$(xdotool getdisplaygeometry)
  width=${size% *} height=${size#* }
  if [ "$WM_PLACES_WINDOWS" = yes ]; then
    [ "$WX" -ge 0 ] && [ "$WY" -ge 0 ] && [ $((WX + WW)) -le "$width" ] &&
      [ $((WY + WH)) -le "$height" ]
    return
  fi
  local flags left top
  read -r flags width height left top <<<"$(primary_monitor)"
  window_place "$WID"
  frame_extents
  # Twice the distance of the frame's middle from the monitor's.
  local across=$((2 * left + width - (WX - FRAME[0] + WX + WW + FRAME[1])))
  local down=$((2 * top + height - (WY - FRAME[2] + WY + WH + FRAME[3])))
  [ "${across#-}" -le 4 ] && [ "${down#-}" -le 4 ]
}

# monitors: a line for each RandR monitor: "primary" or "other", width,
# height, x and y.
monitors() {
  xrandr --listmonitors | awk 'NR > 1 { split($3, g, "[/x+]");
    print ($2 ~ /[*]/ ? "primary" : "other"), g[1], g[3], g[5], g[6] }'
}

# primary_monitor: the line of the primary monitor, else of the first, as
# programs take it.
primary_monitor() { monitors | sort -k1,1r -s | head -1; }

# has_focus: the window has the keyboard. Weston keeps the keyboard on the
# backdrop, which hands every key on to the window.
has_focus() {
  [ "$WM_KEYS_TO_BACKDROP" = yes ] && return 0
  local focus
  focus=$(xdotool getwindowfocus 2>/dev/null) || return 1
  [ "$focus" = "$WID" ]
}

# expect_in_front X Y RRGGBB WHAT: the window shows its colour at the design
# point, wherever the window manager shows it now, and has the keyboard.
expect_in_front() {
  E2E_TIMEOUT=10 wait_for_quietly shown_in_front "$1" "$2" "$3" ||
    fail "$4: the window in front: expected $3, the screen shows $(root_pixel $(at "$1" "$2"))"
  E2E_TIMEOUT=10 wait_for_quietly has_focus || fail "$4: the window has not the keyboard"
}

shown_in_front() { follow_window && root_pixel_is $(at "$1" "$2") "$3"; }

# click_backdrop: the screen's corners, around any window.
click_backdrop() {
  local size
  size=$(xdotool getdisplaygeometry)
  pointer mousemove 3 $((${size#* } - 3)) click 1
  pointer mousemove $((${size% *} - 3)) 3 click 1
}

# window_state: the window manager's words for the window's state.
window_state() { xprop -id "$WID" _NET_WM_STATE 2>/dev/null | sed -n 's/.*= //p'; }
