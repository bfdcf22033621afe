#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes a PDF printer the default printer of this machine, so printing can be
# tested without paper: starts the CUPS daemon if it is not running, adds the
# queue "PDF" (cups-pdf) and makes it the default. Run as root; running it
# again changes nothing. Pages printed by root land in root's ~/PDF.
set -euo pipefail

running() { lpstat -r 2>/dev/null | grep -q 'is running'; }

if ! running; then
  /usr/sbin/cupsd
  for _ in $(seq 100); do running && break; sleep 0.1; done
  running || { echo "cups-pdf: cupsd did not start" >&2; exit 1; }
fi

if ! lpstat -v PDF >/dev/null 2>&1; then
  lpadmin -p PDF -v cups-pdf:/ -E -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null
fi
# Enabled and accepting even if someone paused it.
cupsenable PDF
cupsaccept PDF
lpadmin -d PDF
[ "$(lpstat -d)" = "system default destination: PDF" ] || { echo "cups-pdf: PDF is not the default" >&2; exit 1; }
echo "cups-pdf: the default printer is PDF"
