#!/bin/sh
# The desktop program with the tune that once froze the game in place of the stage music, in a real
# window under a virtual X display: a game starts, shoots with sound, and Escape still ends the
# program with status 0.
#   damaged_tune_check.sh PROGRAM ASSET_DIR WORKDIR
set -u
program="$1"
assets="$2"
work="$3/damaged-tune"
rm -rf "$work"
mkdir -p "$work/MIDI"
if ! command -v xvfb-run >/dev/null || ! command -v xdotool >/dev/null; then
  echo "xvfb-run and xdotool are needed"; exit 1
fi
# The program finds its assets beside itself.
cp "$program" "$work/shooter"
ln -s "$assets/IMAGE" "$work/IMAGE"
ln -s "$assets/SOUND" "$work/SOUND"
cp "$assets/MIDI/QMX2.MID" "$work/MIDI/QMX2.MID"
printf '\115\124\150\144\000\000\000\006\000\000\000\001\000\140\000\000\000\000\000\000\000\001\377\377\377\377\363' \
  >"$work/MIDI/QMX1.MID"
export OMP_NUM_THREADS=1
xvfb-run -a -s "-screen 0 800x600x24" sh -c '
  work="$1"
  # A copy of the game that another check started on this machine makes ours raise it and end at
  # once: wait for it to go, a few times.
  for attempt in 1 2 3 4 5; do
    SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/out.raw" "$work/shooter" 2>"$work/stderr" &
    pid=$!
    sleep 2
    kill -0 "$pid" 2>/dev/null && break
    sleep 5
  done
  kill -0 "$pid" 2>/dev/null || { echo "the program ended before the game began"; exit 1; }
  xdotool keydown Return; sleep 0.2; xdotool keyup Return
  sleep 1
  xdotool keydown c; sleep 1; xdotool keyup c
  xdotool keydown Escape; sleep 0.2; xdotool keyup Escape
  for i in 1 2 3 4 5 6 7 8 9 10; do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.5
  done
  if kill -0 "$pid" 2>/dev/null; then echo "Escape did not end the program"; kill -9 "$pid"; exit 1; fi
  wait "$pid"; status=$?
  if [ "$status" -ne 0 ]; then echo "status $status"; exit 1; fi
' sh "$work" || exit 1
# Nothing on stderr but SDL's own words about its disk driver (and, in the sanitizer build, the leak
# checker's list of the suppressions it used).
if grep -v -e "SDL disk i/o audio driver" -e "Writing to file" -e "^-*$" -e "Suppressions used" \
     -e "count *bytes template" -e "libdbus" "$work/stderr" >"$work/stderr-ours"; then
  echo "stderr says:"; head -5 "$work/stderr-ours"; exit 1
fi
# The shots were heard: the sound went on while the music stayed silent.
[ "$(wc -c <"$work/out.raw")" -gt 100000 ] || { echo "no sound was written"; exit 1; }
