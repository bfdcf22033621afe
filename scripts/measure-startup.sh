#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the start-up of the three programs beside a bare Qt window built by
# the same project with the same flags, all started the same way under one
# Xvfb in one run: the time from exec to the first frame of the main window,
# the processor time the program used until then, and the resident memory
# once it has been idle for a second. Prints the medians (and the quartiles
# of the first frame, to show how steady the machine was) and the ratios to
# the floor: the bare window with one line of text over a black full-screen
# backdrop, which is what zedo and zedoconf must show at least.
# Usage: scripts/measure-startup.sh [BUILD_DIR] [RUNS]   (defaults: build, 9)
# The build must include the benchmarks (KRUMELO_BENCH, on by default).
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
runs=${2:-9}
watch=$build/bench/firstframe
for exe in "$watch" "$build/bench/barewindow" "$build/zedo/zedo" "$build/zedoconf/zedoconf" \
  "$build/zedoimport/zedoimport"; do
  [ -x "$exe" ] || { echo "measure-startup: $exe is missing; build first" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb=
trap '[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT

# zedo starts on the example folder; zedoconf on a folder of 50 bitmaps; the
# importer's window shows before its file chooser, in the example folder.
mkdir "$work/zedo" "$work/zedoconf"
cp "$top"/examples/* "$work/zedo/"
bitmaps=("$top"/examples/*.bmp)
for i in $(seq -w 1 50); do
  cp "${bitmaps[$((10#$i % ${#bitmaps[@]}))]}" "$work/zedoconf/bild$i.bmp"
done

export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}
[ -d "$XDG_RUNTIME_DIR" ] || mkdir -m 700 "$XDG_RUNTIME_DIR"
export DBUS_SESSION_BUS_ADDRESS=disabled:
unset QT_QPA_PLATFORM
# -br: a black root, which the watcher takes for "not painted yet". -noreset:
# without it the server starts afresh whenever its last client leaves, and the
# next program, starting just then, would find no display.
Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp -br 3>"$work/display" \
  2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
DISPLAY=:$(cat "$work/display")
export DISPLAY
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done

# The bare window, then with what both programs need: text, and a backdrop.
bare=$build/bench/barewindow
names=(bare +text floor zedo zedoconf zedoimport)
folders=("$work" "$work" "$work" "$work/zedo" "$work/zedoconf" "$work/zedo")
commands=("$bare" "$bare --text" "$bare --text --backdrop" "$build/zedo/zedo"
          "$build/zedoconf/zedoconf" "$build/zedoimport/zedoimport")

measure() { # index
  # shellcheck disable=SC2086 # the command line is split on purpose
  (cd "${folders[$1]}" && "$watch" ${commands[$1]}) | sed "s/^/${names[$1]} /"
}

echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
# One run of each first, not counted: it brings the files into the cache.
for i in "${!names[@]}"; do measure "$i" >/dev/null; done
# Then round after round, so that a change in the machine's load hits all alike.
for _ in $(seq "$runs"); do
  for i in "${!names[@]}"; do measure "$i"; done
done >"$work/results"
echo "load after:  $(cut -d' ' -f1-3 /proc/loadavg)"

# quantile NAME KEY Q: the value of KEY at quantile Q (0.5: the median) of
# the runs of NAME.
quantile() {
  awk -v name="$1" -v key="$2" '$1 == name {
      for (f = 2; f <= NF; ++f) { split($f, kv, "="); if (kv[1] == key) print kv[2] } }' \
    "$work/results" | sort -n | awk -v q="$3" '{ v[NR] = $1 } END {
      at = 1 + q * (NR - 1); low = int(at); print v[low] + (at - low) * (v[low + 1] - v[low]) }'
}
median() { quantile "$1" "$2" 0.5; }

floorMs=$(median floor first_frame_ms)
floorCpu=$(median floor cpu_ms)
floorKb=$(median floor VmRSS_kb)
echo "medians of $runs runs (first frame from exec, its quartiles, processor time until"
echo "then; memory once idle), ratios and memory against the floor:"
printf '%-10s %8s %13s %6s %7s %6s %7s %7s %7s %7s %7s\n' program first_ms quartiles ratio \
  cpu_ms ratio rss_MB +floor anon_MB file_MB shm_MB
for name in "${names[@]}"; do
  awk -v n="$name" -v ms="$(median "$name" first_frame_ms)" \
    -v q1="$(quantile "$name" first_frame_ms 0.25)" -v q3="$(quantile "$name" first_frame_ms 0.75)" \
    -v cpu="$(median "$name" cpu_ms)" -v kb="$(median "$name" VmRSS_kb)" \
    -v fms="$floorMs" -v fcpu="$floorCpu" -v fkb="$floorKb" \
    -v an="$(median "$name" RssAnon_kb)" -v fi="$(median "$name" RssFile_kb)" \
    -v sh="$(median "$name" RssShmem_kb)" 'BEGIN {
      printf "%-10s %8.1f %6.1f–%-6.1f %6.2f %7.1f %6.2f %7.1f %+7.1f %7.1f %7.1f %7.1f\n", n, ms, q1,
        q3, ms / fms, cpu, cpu / fcpu, kb / 1024, (kb - fkb) / 1024, an / 1024, fi / 1024, sh / 1024 }'
done
