#!/bin/bash
# A -d batch of 1,000 files against `cp -r` of the same files, side by side.
#
#   bench/batch/run.sh [BUILD_DIR] [RUNS] [FILES]
#
# Each run copies the inputs with cp -r (which syncs nothing), copies them
# again followed by `sync -f` (a copy made durable, the least that a batch
# whose outputs survive a crash can cost), and converts them with
# ign-convert -d (which makes every output durable before it exits), in
# alternating order so that load on the machine falls on all alike. Every
# command writes into a folder of its own that nothing has used before, and
# nothing is deleted until the end: freed inodes and blocks (with the
# file system's online discard) slow the next creations by up to ten times,
# which would measure the deletions rather than the copy. Prints the median
# times and the ratios; the goal is at most 2 times cp -r.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
runs=${2:-7}
count=${3:-1000}
program=$build/bin/ign-convert
[ -x "$program" ] || { echo "no $program: build the project first" >&2; exit 1; }

work=$(mktemp -d "$build/bench-batch.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir "$work/in"
examples=("$root"/examples/*.ign)
for ((i = 0; i < count; i++)); do
  cp "${examples[i % ${#examples[@]}]}" "$work/in/$(printf 'engine-%04d.ign' "$i")"
done
sync

# Seconds that COMMAND... takes, to the millisecond.
Time() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null
  end=$(date +%s%N)
  echo $(((end - start) / 1000000))
}

Median() { sort -n | awk '{v[NR]=$1} END{print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }

: >"$work/cp.ms"
: >"$work/synced.ms"
: >"$work/convert.ms"
SyncedCopy() { cp -r "$1" "$2" && sync -f "$2"; }
for ((run = 0; run < runs; run++)); do
  into=$work/run$run
  mkdir "$into" "$into/out"
  sync
  # Each starts with nothing left to flush: a flush pays for what the
  # command before it wrote, and cp -r leaves everything to write.
  if ((run % 2 == 0)); then
    Time cp -r "$work/in" "$into/copy" >>"$work/cp.ms"
    sync
    Time SyncedCopy "$work/in" "$into/synced" >>"$work/synced.ms"
    Time "$program" -d "$into/out" "$work"/in/*.ign >>"$work/convert.ms"
  else
    Time "$program" -d "$into/out" "$work"/in/*.ign >>"$work/convert.ms"
    Time SyncedCopy "$work/in" "$into/synced" >>"$work/synced.ms"
    Time cp -r "$work/in" "$into/copy" >>"$work/cp.ms"
  fi
  [ "$(find "$into/out" -name '*.ign' | wc -l)" = "$count" ] || { echo "not every file converted" >&2; exit 1; }
done

cp_ms=$(Median <"$work/cp.ms")
synced_ms=$(Median <"$work/synced.ms")
convert_ms=$(Median <"$work/convert.ms")
Ratio() { awk -v a="$1" -v b="$2" 'BEGIN{printf "%.2f", a / (b > 0 ? b : 1)}'; }
ratio=$(Ratio "$convert_ms" "$cp_ms")
synced_ratio=$(Ratio "$synced_ms" "$cp_ms")
floor_ratio=$(Ratio "$convert_ms" "$synced_ms")
echo "$count files, median of $runs runs:"
echo "  cp -r                 ${cp_ms} ms"
echo "  cp -r, then sync -f   ${synced_ms} ms (${synced_ratio} x cp -r)"
echo "  ign-convert -d        ${convert_ms} ms (${floor_ratio} x the synced copy)"
echo "  ratio to cp -r        ${ratio} (goal: at most 2)"
awk -v r="$ratio" 'BEGIN{exit !(r <= 2)}' || { echo "goal missed" >&2; exit 1; }
