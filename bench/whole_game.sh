#!/bin/sh
# Times the headless runner as whole processes: a whole game (title, three stages, ending, title
# again) against real time, the start-up to the first title frame, and the peak memory of a whole
# game. Every figure is a median over RUNS runs, printed beside its goal with the load average.
#
#   bench/whole_game.sh [BUILD_DIR] [RUNS]
set -e
build="${1:-$(dirname "$0")/../build}"
runs="${2:-5}"
runner="$build/shooter800-headless"
frames=13400
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
printf '3 down I\n4 up I\n40 down C\n40 down B\n' >"$work/game.script"

# One figure per run from /usr/bin/time: "wall seconds peak kilobytes".
measure() {
  /usr/bin/time -f '%e %M' -o "$work/time" "$@" >/dev/null 2>&1 || true
  cat "$work/time"
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

: >"$work/game"; : >"$work/start"
i=0
while [ "$i" -lt "$runs" ]; do
  measure "$runner" --frames "$frames" --script "$work/game.script" >>"$work/game"
  measure "$runner" --frames 1 >>"$work/start"
  i=$((i + 1))
done
wall=$(awk '{ print $1 }' "$work/game" | median)
peak=$(awk '{ print $2 }' "$work/game" | median)
start=$(awk '{ print $1 }' "$work/start" | median)
echo "Whole game on the headless runner, $runs runs, medians; load average $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
awk -v w="$wall" -v f="$frames" 'BEGIN { printf "whole game %d frames: %.2f s, %.1fx real time (goal >= 30x, aim 40x)\n", f, w, f / 60 / w }'
awk -v p="$peak" 'BEGIN { printf "peak memory over a whole game: %.1f MiB (goal <= 40 MiB)\n", p / 1024 }'
awk -v s="$start" 'BEGIN { printf "start-up, exec to the end of the first title frame and exit: %.0f ms (goal <= 120 ms)\n", s * 1000 }'
