#!/bin/bash
# One conversion by ign-convert against `cp` of the same file, side by side.
#
#   bench/one-file/run.sh [BUILD_DIR] [RUNS]
#
# Each run copies the sample file with cp and converts it with
# `ign-convert INPUT -o OUTPUT`, in alternating order so that load on the
# machine falls on both alike, each to a name that does not exist yet on the
# same file system. The wall time of one file is mostly starting the
# program, so this is where the dynamic loader and the C++ run-time's start
# show. Prints the median times of RUNS pairs (30 by default), their ratio
# and the median of the pairs' ratios, and whether the ratio meets the goal
# of at most 1.2.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
runs=${2:-30}
program=$build/bin/ign-convert
input=$root/examples/two-stroke-125.ign
[ -x "$program" ] || { echo "no $program: build the project first" >&2; exit 1; }

work=$(mktemp -d "$build/bench-one-file.XXXXXX")
trap 'rm -rf "$work"' EXIT

# Microseconds that COMMAND... takes; bash's own clock, so that no timing
# program starts between the two readings.
Time() {
  local start=$EPOCHREALTIME
  "$@" >/dev/null
  local end=$EPOCHREALTIME
  echo $(((${end/./} - ${start/./})))
}

Median() { sort -g | awk '{v[NR]=$1} END{print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }

# The first starts read the programs and libraries from disk; not counted.
for _ in 1 2 3; do
  cp "$input" "$work/warm.ign"
  "$program" -f "$input" -o "$work/warm-2006.ign"
done

: >"$work/cp.us"
: >"$work/convert.us"
: >"$work/ratio"
for ((run = 0; run < runs; run++)); do
  rm -f "$work/copy.ign" "$work/out.ign"
  if ((run % 2 == 0)); then
    c=$(Time cp "$input" "$work/copy.ign")
    p=$(Time "$program" "$input" -o "$work/out.ign")
  else
    p=$(Time "$program" "$input" -o "$work/out.ign")
    c=$(Time cp "$input" "$work/copy.ign")
  fi
  echo "$c" >>"$work/cp.us"
  echo "$p" >>"$work/convert.us"
  awk -v a="$p" -v b="$c" 'BEGIN{printf "%.4f\n", a / (b > 0 ? b : 1)}' >>"$work/ratio"
done
[ -s "$work/out.ign" ] || { echo "the conversion wrote nothing" >&2; exit 1; }

cp_us=$(Median <"$work/cp.us")
convert_us=$(Median <"$work/convert.us")
pairs=$(Median <"$work/ratio")
echo "one file ($(basename "$input")), median of $runs interleaved pairs:"
awk -v c="$cp_us" -v p="$convert_us" -v r="$pairs" 'BEGIN {
  printf "  cp            %8.0f us\n", c
  printf "  ign-convert   %8.0f us\n", p
  printf "  ratio         %8.2f (median of the pairs: %.2f)\n", p / c, r
  printf "  goal: at most 1.2 x cp: %s\n", p / c <= 1.2 ? "met" : "missed"
}'
