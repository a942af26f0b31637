#!/bin/sh
# The game in a real window under a virtual X display: a second copy ends at once and leaves the first
# running, Enter starts a game whose shots and music are heard (SDL's disk audio driver), and Escape
# ends the program with status 0.
#   real_window_check.sh PROGRAM WORKDIR
set -u
needs="xvfb-run xdotool"
. "$(dirname "$0")/window_check_start.sh"
program="$1"
work="$2"
mkdir -p "$work"
raw="$work/real-window.raw"
rm -f "$raw"
xvfb-run -a -s "-screen 0 800x600x24" sh -c '
  program="$1"; raw="$2"
  SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$raw" "$program" 2>/dev/null &
  first=$!
  sleep 2
  timeout 5 "$program" 2>/dev/null; second=$?
  if [ "$second" -ne 0 ]; then echo "second copy: status $second"; exit 1; fi
  if ! kill -0 "$first" 2>/dev/null; then echo "first copy ended"; exit 1; fi
  xdotool search --name "^Tessivane\$" >/dev/null || { echo "no window titled Tessivane"; exit 1; }
  xdotool keydown Return; sleep 0.2; xdotool keyup Return
  sleep 1
  xdotool keydown c; sleep 2; xdotool keyup c
  xdotool keydown Escape; sleep 0.2; xdotool keyup Escape
  wait "$first"; status=$?
  if [ "$status" -ne 0 ]; then echo "first copy: status $status"; exit 1; fi
' sh "$program" "$raw" || exit 1
# Loud enough somewhere in the last two seconds of play: the shots and the stage music.
python3 - "$raw" <<'PY' || exit 1
import math, struct, sys
data = open(sys.argv[1], 'rb').read()
samples = struct.unpack('<%dh' % (len(data) // 2), data[:len(data) // 2 * 2])
window = 44100
levels = [math.sqrt(sum(x * x for x in samples[i:i + window]) / window) for i in range(0, len(samples) - window, window)]
print('rms by half second:', [int(v) for v in levels])
sys.exit(0 if max(levels, default=0) > 1000 else 1)
PY
