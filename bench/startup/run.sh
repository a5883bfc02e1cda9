#!/bin/bash
# Start-up of the converter window against the Qt floor, under Xvfb.
#
#   bench/startup/run.sh [BUILD_DIR] [RUNS]
#
# Times each program from its start until its window is mapped and takes its
# peak resident memory, RUNS times (15 by default), alternating the two so
# that load on the machine falls on both alike. Prints the medians and how
# they compare with the goal: at most 1.2 x the floor's time and at most
# 10 MB more memory.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
runs=${2:-15}
program=$build/bin/ign-converter
[ -x "$program" ] || { echo "no $program: build the project first" >&2; exit 1; }

floor=$build/bin/ign_startup_floor
timer=$build/bin/ign_map_timer
if [ ! -x "$floor" ] || [ ! -x "$timer" ]; then
  alone=$build/bench-startup
  cmake -S "$root/bench/startup" -B "$alone" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$alone" -j2 >/dev/null
  floor=$alone/ign_startup_floor
  timer=$alone/ign_map_timer
fi

. "$root/scripts/xsession.sh"
XsStart
trap XsStop EXIT

Measure() {
  env -u XDG_CURRENT_DESKTOP -u QT_QPA_PLATFORMTHEME -u DBUS_SESSION_BUS_ADDRESS \
      -u XDG_CONFIG_HOME HOME="$XS_DIR/home" QT_QPA_PLATFORM=xcb "$timer" "$@" 2>/dev/null
}

# Median of column COLUMN of FILE.
Median() { sort -n -k "$2" "$1" | awk -v c="$2" '{v[NR]=$c} END{print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }

# The first starts read libraries and fonts from disk; they are not counted.
for _ in 1 2; do Measure "$floor" >/dev/null; Measure "$program" >/dev/null; done

: >"$XS_DIR/floor.txt"
: >"$XS_DIR/window.txt"
for ((i = 0; i < runs; i++)); do
  Measure "$floor" >>"$XS_DIR/floor.txt"
  Measure "$program" >>"$XS_DIR/window.txt"
done

floor_ms=$(Median "$XS_DIR/floor.txt" 1)
floor_kb=$(Median "$XS_DIR/floor.txt" 2)
window_ms=$(Median "$XS_DIR/window.txt" 1)
window_kb=$(Median "$XS_DIR/window.txt" 2)

awk -v fm="$floor_ms" -v fk="$floor_kb" -v wm="$window_ms" -v wk="$window_kb" -v n="$runs" 'BEGIN {
  printf "start-up to mapped window, median of %d runs under Xvfb\n", n
  printf "  %-34s %8.1f ms %8.1f MB peak\n", "Qt floor (QMainWindow + menu bar)", fm, fk / 1024
  printf "  %-34s %8.1f ms %8.1f MB peak\n", "ign-converter", wm, wk / 1024
  ratio = wm / fm; extra = (wk - fk) / 1024
  printf "  time %.2f x the floor (goal <= 1.20): %s\n", ratio, ratio <= 1.2 ? "met" : "missed"
  printf "  memory %+.1f MB over the floor (goal <= 10): %s\n", extra, extra <= 10 ? "met" : "missed"
}'
