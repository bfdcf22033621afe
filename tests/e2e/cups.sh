# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# For the printing tests that need a print system of their own, which they
# may pause, make refuse pages or stop without touching the machine's: a CUPS
# daemon on a socket in $WORK, whose one queue "Krumelo" is its default and
# keeps each page it prints, as sent, in $WORK/pages/job-ID. Source it after
# lib.sh; CUPS_SERVER points the programs and the lp tools at it. Needs the
# superuser, as the daemon runs its backend as root.

CUPS_DIR=$WORK/cups
PAGES=$WORK/pages
export CUPS_SERVER=$CUPS_DIR/cups.sock

# The daemon's folders and settings, and its one backend: "keep:FOLDER"
# writes each job's document to FOLDER/job-ID, whole or not at all.
make_private_cups() {
  local d
  mkdir -p "$CUPS_DIR"/{spool,tmp,state,cache,bin/backend} "$PAGES"
  for d in filter cgi-bin daemon notifier monitor driver; do
    ln -s "/usr/lib/cups/$d" "$CUPS_DIR/bin/$d"
  done
  cat >"$CUPS_DIR/bin/backend/keep" <<'BACKEND'
#!/bin/sh
[ $# -eq 0 ] && { echo 'direct keep "Unknown" "Keeps each page"'; exit 0; }
folder=${DEVICE_URI#keep:}
if [ -n "$6" ]; then cat "$6"; else cat; fi >"$folder/.job-$1" && mv "$folder/.job-$1" "$folder/job-$1"
BACKEND
  chmod 700 "$CUPS_DIR/bin/backend/keep"
  cat >"$CUPS_DIR/cupsd.conf" <<CONF
Listen $CUPS_SERVER
LogLevel warn
Browsing No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
CONF
  cat >"$CUPS_DIR/cups-files.conf" <<CONF
ServerRoot $CUPS_DIR
RequestRoot $CUPS_DIR/spool
TempDir $CUPS_DIR/tmp
StateDir $CUPS_DIR/state
CacheDir $CUPS_DIR/cache
ServerBin $CUPS_DIR/bin
DataDir /usr/share/cups
ErrorLog $CUPS_DIR/error_log
AccessLog $CUPS_DIR/access_log
PageLog $CUPS_DIR/page_log
CONF
}

cups_running() { lpstat -r 2>/dev/null | grep -q 'is running'; }

# start_private_cups: starts the daemon (made and given its queue the first
# time); its pid goes to CUPS_PID. Its queue outlives a restart.
start_private_cups() {
  [ "$(id -u)" = 0 ] || { echo "the private print system needs the superuser" >&2; exit 77; }
  local first=0
  [ -d "$CUPS_DIR" ] || { make_private_cups; first=1; }
  /usr/sbin/cupsd -f -c "$CUPS_DIR/cupsd.conf" -s "$CUPS_DIR/cups-files.conf" &
  CUPS_PID=$!
  E2E_PIDS+=("$CUPS_PID")
  wait_for "the private print system" cups_running
  if [ "$first" = 1 ]; then
    lpadmin -p Krumelo -v "keep:$PAGES" -E 2>/dev/null
    lpadmin -d Krumelo
  fi
}

stop_private_cups() {
  kill "$CUPS_PID"
  wait_exit "$CUPS_PID"
}

page_count() { find "$PAGES" -name 'job-*' | wc -l; }
