#!/usr/bin/env bash
# shellcheck disable=SC2046 # design points are passed on as two words
# How zedo ends: a settings file it cannot use stops it with a message before
# its window "Krumelo" ever shows; "Sluta" ends it at once; closing its window
# ends it.
# Usage: endings.sh ZEDO
set -euo pipefail
source "$(dirname "$0")/lib.sh"
zedo=$(readlink -f "$1")

start_xvfb
cp "$E2E_DIR/../../examples/hus.bmp" "$WORK/"
good=('"hus.bmp"' 5 12 9 2 14 10 10 -1 -1 -1 -1)

# refused NAME WORD: zedo, started with the zedo.ini at hand, shows an error
# and ends with a failure status and a message naming WORD; its main window
# is never shown.
refused() {
  local name=$1 word=$2 end=$((SECONDS + E2E_TIMEOUT))
  note "$name"
  unset WID
  start_program "$name" "$zedo"
  until message_box Krumelo >/dev/null; do
    visible_window Krumelo "${ZEDO_SIZE[0]}" >/dev/null && fail "$name: the main window was shown"
    [ "$SECONDS" -lt "$end" ] || fail "$name: no error message"
    sleep 0.1
  done
  visible_window Krumelo "${ZEDO_SIZE[0]}" >/dev/null && fail "$name: the main window was shown"
  xdotool key Return
  wait_exit "$APP_PID"
  [ "$EXIT_STATUS" != 0 ] || fail "$name: zedo ended with status 0"
  grep -qF "$word" "$WORK/$name.out" || fail "$name: the message does not name $word"
}

rm -f "$WORK/zedo.ini"
refused no-settings-file zedo.ini
write_ini "${good[@]:0:2}" 12 9 16 14 10 10 -1 -1 -1 -1
refused colour-16 16
write_ini '"saknas.bmp"' "${good[@]:1}"
refused missing-picture saknas.bmp
write_ini "${good[@]:0:7}"
refused file-ends-early zedo.ini

write_ini "${good[@]}"
note "Sluta"
start_program sluta "$zedo"
wait_window Krumelo "${ZEDO_SIZE[0]}"
click "${SLUTA[@]}"
E2E_TIMEOUT=5 wait_exit "$APP_PID"
[ "$EXIT_STATUS" = 0 ] || fail "\"Sluta\" ended zedo with status $EXIT_STATUS"

note "closing the window"
start_program close "$zedo"
wait_window Krumelo "${ZEDO_SIZE[0]}"
"$E2E_DIR/closewindow.py" "$WID"
E2E_TIMEOUT=5 wait_exit "$APP_PID"
[ "$EXIT_STATUS" = 0 ] || fail "closing the window ended zedo with status $EXIT_STATUS"
[ -z "$(xdotool search --onlyvisible --name '^Krumelo$' 2>/dev/null)" ] || fail "a window stayed"
note "zedo ends as it should"
