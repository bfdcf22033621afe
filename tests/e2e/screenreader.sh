#!/usr/bin/env bash
# What a screen reader finds in the three programs, read through AT-SPI as
# Orca reads it: every control that takes the focus, as each window shows,
# has a name and a role of its own (no nameless filler). The programs run on
# the accessibility bus of a session bus of the test's own.
# Usage: screenreader.sh ZEDOCONF ZEDO ZEDOIMPORT
set -euo pipefail
source "$(dirname "$0")/lib.sh"
zedoconf=$(readlink -f "$1") zedo=$(readlink -f "$2") zedoimport=$(readlink -f "$3")

start_xvfb
cp "$E2E_DIR"/../../examples/*.bmp "$WORK/"
# lib.sh turns the session bus off; the accessibility bus is started through
# one, on demand.
bus=$(mktemp "$WORK/bus.XXXXXX")
dbus-daemon --session --nofork --print-address=3 3>"$bus" 2>>"$WORK/bus.log" &
E2E_PIDS+=($!)
wait_for "the session bus" test -s "$bus"
DBUS_SESSION_BUS_ADDRESS=$(head -1 "$bus")
export DBUS_SESSION_BUS_ADDRESS QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# tree PID [AT_LEAST]: lists the focusable controls of the program's shown
# windows, role and name, into $WORK/tree; fails when the program is not in
# the tree yet, when fewer than AT_LEAST are found, or when one has no name.
cat >"$WORK/tree.py" <<'EOF'
import sys
import pyatspi

pid, at_least = int(sys.argv[1]), int(sys.argv[2])
apps = [a for a in pyatspi.Registry.getDesktop(0) if a and a.get_process_id() == pid]
found, nameless = [], []

def walk(node):
    for child in node:
        if not child or not child.getState().contains(pyatspi.STATE_SHOWING):
            continue
        states = child.getState()
        if states.contains(pyatspi.STATE_FOCUSABLE):
            found.append(f"{child.getRoleName()}: {child.name}")
            if not child.name.strip() or child.getRole() == pyatspi.ROLE_FILLER:
                nameless.append(f"{child.getRoleName()} in {node.getRoleName()} {node.name!r}")
        walk(child)

for app in apps:
    walk(app)
print("\n".join(found))
if nameless or len(found) < at_least:
    sys.exit(f"{len(found)} focusable, without a name: {nameless}")
EOF
tree() { /usr/bin/python3 "$WORK/tree.py" "$@" >"$WORK/tree" 2>>"$WORK/tree.log"; }

# read_tree NAME AT_LEAST: the tree of the program started last, once it is
# whole; it fails with what the screen reader misses.
read_tree() {
  E2E_TIMEOUT=20 wait_for_quietly tree "$APP_PID" "$2" ||
    fail "$1: $(tail -1 "$WORK/tree.log")"
  note "$1: $(wc -l <"$WORK/tree") focusable controls, all named"
  sed 's/^/    /' "$WORK/tree"
  kill "$APP_PID"
  wait_exit "$APP_PID"
}

start_program zedoconf "$zedoconf"
wait_window Hämta "${ZEDOCONF_SIZE[0]}"
read_tree zedoconf 15

write_flower_ini
start_program zedo "$zedo"
wait_window Krumelo "${ZEDO_SIZE[0]}"
read_tree zedo 5

start_program zedoimport "$zedoimport"
wait_window "$IMPORT_TITLE" "${IMPORT_SIZE[0]}"
wait_for "the file chooser" chooser_open
xdotool key Escape
wait_for "the file chooser to close" not chooser_open
read_tree zedoimport 5
