#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck disable=SC2046 # design points are passed on as two words
# What a screen reader finds in the three programs, read through AT-SPI as
# Orca reads it: every control that takes the focus, as each window shows,
# has a name and a role of its own (no nameless filler), and a colour cell's
# new colour is told when a click changes it. The programs run on the
# accessibility bus of a session bus of the test's own.
# Usage: screenreader.sh ZEDOCONF ZEDO ZEDOIMPORT
set -euo pipefail
source "$(dirname "$0")/lib.sh"
zedoconf=$(readlink -f "$1") zedo=$(readlink -f "$2") zedoimport=$(readlink -f "$3")

start_xvfb
cp "$E2E_DIR"/../../examples/*.bmp "$WORK/"
# The accessibility bus starts through a session bus.
start_session_bus
export DBUS_SESSION_BUS_ADDRESS=$DESKTOP_BUS QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# atspi.py PID AT_LEAST: lists the focusable controls of the program's shown
# windows, role and name; fails when fewer than AT_LEAST are found or one has
# no name. atspi.py PID names: prints each new name the program tells.
cat >"$WORK/atspi.py" <<'EOF'
import sys
import pyatspi
from gi.repository import GLib

pid, found, nameless = int(sys.argv[1]), [], []
if sys.argv[2] == "names":
    def told(event):
        if event.source.get_process_id() == pid:
            print(event.source.name, flush=True)
    pyatspi.Registry.registerEventListener(told, "object:property-change:accessible-name")
    print("listening", flush=True)
    GLib.timeout_add_seconds(60, pyatspi.Registry.stop)  # whatever becomes of the test
    pyatspi.Registry.start()

def walk(node):
    for child in node:
        if not child or not child.getState().contains(pyatspi.STATE_SHOWING):
            continue
        if child.getState().contains(pyatspi.STATE_FOCUSABLE):
            found.append(f"{child.getRoleName()}: {child.name}")
            if not child.name.strip() or child.getRole() == pyatspi.ROLE_FILLER:
                nameless.append(f"{child.getRoleName()} in {node.name!r}")
        walk(child)

for app in pyatspi.Registry.getDesktop(0):
    if app and app.get_process_id() == pid:
        walk(app)
print("\n".join(found))
if nameless or len(found) < int(sys.argv[2]):
    sys.exit(f"{len(found)} focusable, without a name: {nameless}")
EOF
atspi() { /usr/bin/python3 "$WORK/atspi.py" "$@" 2>>"$WORK/atspi.log"; }

# read_tree NAME AT_LEAST: the tree of the program started last, once it is
# whole, that is once it is in the tree at all.
tree() { atspi "$APP_PID" "$1" >"$WORK/tree"; }
read_tree() {
  E2E_TIMEOUT=20 wait_for_quietly tree "$2" || fail "$1: $(tail -1 "$WORK/atspi.log")"
  note "$1: $(wc -l <"$WORK/tree") focusable controls, all named"
  sed 's/^/    /' "$WORK/tree"
}
stop() { kill "$APP_PID" && wait_exit "$APP_PID"; }

start_program zedoconf "$zedoconf"
wait_window Hämta "${ZEDOCONF_SIZE[0]}"
read_tree zedoconf 15
atspi "$APP_PID" names >"$WORK/names" &
E2E_PIDS+=($!)
wait_for "the screen reader to listen" grep -q listening "$WORK/names"
click $(cell_centre 0)
wait_for "\"Färg 1, rosa\" told" grep -qx "Färg 1, rosa" "$WORK/names"
stop

write_flower_ini
start_program zedo "$zedo"
wait_window Krumelo "${ZEDO_SIZE[0]}"
read_tree zedo 5
stop

start_program zedoimport "$zedoimport"
wait_window "$IMPORT_TITLE" "${IMPORT_SIZE[0]}"
wait_for "the file chooser" chooser_open
xdotool key Escape
wait_for "the file chooser to close" not chooser_open
read_tree zedoimport 5
stop
