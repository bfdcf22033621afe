#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up a fresh Debian 12 machine, builds Krumelo and runs every test: once
# in a normal build, and once built with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer, where the fuzzers also run briefly. The normal
# build's tests also build the Debian package as the README tells, check it
# as a distribution does (lintian, appstreamcli, desktop-file-validate, man)
# and install it (tests/install).
# Usage: scripts/test.sh   (as root on a fresh machine)
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
scripts/setup.sh

export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
# Qt's accessibility bridge leaks in libdbus at exit; nothing of ours.
export DBUS_SESSION_BUS_ADDRESS=disabled:
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

status=0
for preset in default asan; do
  echo "=== $preset build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$(nproc)"
  ctest --preset "$preset" -j 2 || status=1
done
exit "$status"
