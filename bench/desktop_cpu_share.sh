#!/bin/sh
# The desktop program's share of one core under a virtual X display, on the title and in stage 1:
# the process's user + system time over a few seconds of wall time, read from /proc.
#   desktop_cpu_share.sh PROGRAM [SECONDS]
# Prints "title NN% (main thread MM%)" and the same for stage 1: the whole process, and its main thread
# alone (the game loop, the drawing and the present; the rest is the sound's threads). Sound goes
# to SDL's dummy driver.
set -u
program="$1"
seconds="${2:-8}"
export OMP_NUM_THREADS=1
xvfb-run -a -s "-screen 0 800x600x24" sh -c '
  program="$1"; seconds="$2"
  SDL_AUDIODRIVER=dummy "$program" 2>/dev/null &
  pid=$!
  ticks() { awk "{ print \$14 + \$15 }" "/proc/$pid/stat"; }
  mainticks() { awk "{ print \$14 + \$15 }" "/proc/$pid/task/$pid/stat"; }
  hz=$(getconf CLK_TCK)
  share() {
    a=$(ticks); m=$(mainticks); t0=$(date +%s.%N)
    sleep "$seconds"
    b=$(ticks); n=$(mainticks); t1=$(date +%s.%N)
    echo "$a $b $m $n $t0 $t1 $hz $1" |
      awk "{ d = \$6 - \$5; printf \"%s %.0f%% (main thread %.0f%%)\\n\", \$8, 100 * (\$2 - \$1) / \$7 / d, 100 * (\$4 - \$3) / \$7 / d }"
  }
  sleep 3
  share title
  xdotool keydown Return; sleep 0.2; xdotool keyup Return
  sleep 3
  share stage1
  xdotool keydown Escape; sleep 0.2; xdotool keyup Escape
  wait "$pid"
' sh "$program" "$seconds"
