#!/bin/bash
# A -d batch of 1,000 files against `cp -r` of the same files, side by side.
#
#   bench/batch/run.sh [BUILD_DIR] [RUNS] [FILES]
#
# Each run copies the inputs with cp -r (which syncs nothing) and converts
# them with ign-convert -d (which makes every output durable before it
# exits), in alternating order so that load on the machine falls on both
# alike, each into a fresh folder on the same file system. Prints the median
# times and their ratio; the goal is at most 2.
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
: >"$work/convert.ms"
for ((run = 0; run < runs; run++)); do
  rm -rf "$work/copy" "$work/out"
  mkdir "$work/out"
  sync
  if ((run % 2 == 0)); then
    Time cp -r "$work/in" "$work/copy" >>"$work/cp.ms"
    Time "$program" -d "$work/out" "$work"/in/*.ign >>"$work/convert.ms"
  else
    Time "$program" -d "$work/out" "$work"/in/*.ign >>"$work/convert.ms"
    Time cp -r "$work/in" "$work/copy" >>"$work/cp.ms"
  fi
done
[ "$(find "$work/out" -name '*.ign' | wc -l)" = "$count" ] || { echo "not every file converted" >&2; exit 1; }

cp_ms=$(Median <"$work/cp.ms")
convert_ms=$(Median <"$work/convert.ms")
ratio=$(awk -v a="$convert_ms" -v b="$cp_ms" 'BEGIN{printf "%.2f", a / (b > 0 ? b : 1)}')
echo "$count files, median of $runs runs:"
echo "  cp -r            ${cp_ms} ms"
echo "  ign-convert -d   ${convert_ms} ms"
echo "  ratio            ${ratio} (goal: at most 2)"
awk -v r="$ratio" 'BEGIN{exit !(r <= 2)}' || { echo "goal missed" >&2; exit 1; }
