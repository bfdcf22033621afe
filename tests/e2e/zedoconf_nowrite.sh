#!/usr/bin/env bash
# shellcheck disable=SC2046 # design points are passed on as two words
# "Avbryt" and the close box end zedoconf without writing: an existing
# zedo.ini keeps its bytes and its time, and none is made where there was none.
# The close box is what a window manager's close button sends: WM_DELETE_WINDOW.
# Usage: zedoconf_nowrite.sh ZEDOCONF
set -euo pipefail
source "$(dirname "$0")/lib.sh"
zedoconf=$(readlink -f "$1")

start_xvfb
cp "$E2E_DIR"/../../examples/*.bmp "$WORK/"

# ends_without_writing HOW WITH_FILE: changes every kind of choice, then ends
# zedoconf with "Avbryt" or its close box.
ends_without_writing() {
  local how=$1 with_file=$2
  note "$how, with a zedo.ini: $with_file"
  rm -f "$WORK/zedo.ini"
  if [ "$with_file" = yes ]; then
    cp "$E2E_DIR/../../examples/zedo.ini" "$WORK/zedo.ini"
    touch -d '2001-02-03 04:05:06' "$WORK/zedo.ini"
  fi
  start_program "zedoconf-$how-$with_file" "$zedoconf"
  wait_window Hämta "${ZEDOCONF_SIZE[0]}"
  click "${COUNT_UP[@]}"
  click $(cell_centre 1)
  expect_pixel $(cell_corner 3) "${QB[14]}" "cell 4 shown"
  click "${BRED[@]}"
  click "${RITA[@]}"
  click "${CHECK_PRINT[@]}"
  expect_pixel "${RITA[@]}" 000000 "the mark of \"Rita\""
  click $(file_entry 2)
  case $how in
  Avbryt) click "${AVBRYT[@]}" ;;
  close-box) "$E2E_DIR/closewindow.py" "$WID" ;;
  esac
  E2E_TIMEOUT=5 wait_exit "$APP_PID"
  [ "$EXIT_STATUS" = 0 ] || fail "$how ended zedoconf with status $EXIT_STATUS"
  if [ "$with_file" = yes ]; then
    cmp "$E2E_DIR/../../examples/zedo.ini" "$WORK/zedo.ini" || fail "$how changed zedo.ini"
    [ "$(stat -c %Y "$WORK/zedo.ini")" = "$(date -d '2001-02-03 04:05:06' +%s)" ] ||
      fail "$how touched zedo.ini"
  else
    [ ! -e "$WORK/zedo.ini" ] || fail "$how made a zedo.ini"
  fi
}

for how in Avbryt close-box; do
  for with_file in yes no; do
    ends_without_writing "$how" "$with_file"
  done
done
note "zedoconf wrote nothing"
