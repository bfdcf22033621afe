#!/usr/bin/env bash
# Measures the start-up of both programs beside a bare Qt window built by the
# same project with the same flags, all under one Xvfb in one run: the time
# from exec to the first frame of the main window, and the resident memory
# once the program has been idle for a second. Prints the medians and the
# ratios to the bare window.
# Usage: scripts/measure-startup.sh [BUILD_DIR] [RUNS]   (defaults: build, 7)
# The build must include the benchmarks (KRUMELO_BENCH, on by default).
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
runs=${2:-7}
watch=$build/bench/firstframe
for exe in "$watch" "$build/bench/barewindow" "$build/zedo/zedo" "$build/zedoconf/zedoconf"; do
  [ -x "$exe" ] || { echo "measure-startup: $exe is missing; build first" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb=
trap '[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT

# zedo starts on the example folder; zedoconf on a folder of 50 bitmaps.
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
names=(bare +text +backdrop zedo zedoconf)
folders=("$work" "$work" "$work" "$work/zedo" "$work/zedoconf")
commands=("$bare" "$bare --text" "$bare --text --backdrop" "$build/zedo/zedo"
          "$build/zedoconf/zedoconf")

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

median() { # name key
  awk -v name="$1" -v key="$2" '$1 == name {
      for (f = 2; f <= NF; ++f) { split($f, kv, "="); if (kv[1] == key) print kv[2] } }' \
    "$work/results" | sort -n |
    awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

bareMs=$(median bare first_frame_ms)
bareKb=$(median bare VmRSS_kb)
echo "medians of $runs runs (first frame from exec; memory once idle):"
printf '%-10s %10s %8s %10s %12s %9s %9s %9s\n' program first_ms ratio rss_MB above_bare_MB \
  anon_MB file_MB shmem_MB
for name in "${names[@]}"; do
  ms=$(median "$name" first_frame_ms)
  kb=$(median "$name" VmRSS_kb)
  awk -v n="$name" -v ms="$ms" -v kb="$kb" -v bms="$bareMs" -v bkb="$bareKb" \
    -v an="$(median "$name" RssAnon_kb)" -v fi="$(median "$name" RssFile_kb)" \
    -v sh="$(median "$name" RssShmem_kb)" 'BEGIN {
      printf "%-10s %10.1f %8.2f %10.1f %12.1f %9.1f %9.1f %9.1f\n", n, ms, ms / bms,
        kb / 1024, (kb - bkb) / 1024, an / 1024, fi / 1024, sh / 1024 }'
done
