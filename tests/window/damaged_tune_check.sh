#!/bin/sh
# The desktop program with the tune that once froze the game in place of the stage music, in a real
# window under a virtual X display: a game starts, its shots are heard (and nothing before them), and
# Escape still ends the program with status 0.
#   damaged_tune_check.sh PROGRAM ASSET_DIR WORKDIR SCREEN_GRAB
set -u
needs="xvfb-run xdotool python3"
. "$(dirname "$0")/window_check_start.sh"
program="$1"
assets="$2"
work="$3/damaged-tune"
grab="$4"
rm -rf "$work"
mkdir -p "$work/MIDI"
# The program finds its assets beside itself.
cp "$program" "$work/shooter"
ln -s "$assets/IMAGE" "$work/IMAGE"
ln -s "$assets/SOUND" "$work/SOUND"
cp "$assets/MIDI/QMX2.MID" "$work/MIDI/QMX2.MID"
printf '\115\124\150\144\000\000\000\006\000\000\000\001\000\140\000\000\000\000\000\000\000\001\377\377\377\377\363' \
  >"$work/MIDI/QMX1.MID"
here="$(cd "$(dirname "$0")" && pwd)"
xvfb-run -a -s "-screen 0 800x600x24" sh -c '
  work="$1"; level="$2"; grab="$4"
  . "$window_check_start"
  . "$3"
  # Where no private network namespace could be had, a copy of the game that another check started
  # on this machine would take our start for a second copy: wait for it to end.
  free() { ! lock_held; }
  wait_until 60 free || fail "another copy of the game holds the single-instance lock"
  SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/out.raw" "$work/shooter" 2>"$work/stderr" &
  game=$!
  started "$game"
  wait_until 15 lock_held || fail "the program ended before the game began"
  find_window
  # The window shows before the pictures are loaded: Enter counts once the title runs.
  changes title
  press Return
  # The title and the damaged stage tune are silent: the first sound is the first shot, heard after
  # the key first went down (the capture is written as it is played). Keys read nothing while the
  # wipe into stage 1 runs: C is pressed again until the shots are heard.
  shot_at=$(wc -c <"$work/out.raw")
  heard() { python3 "$level" "$work/out.raw" "$shot_at" >"$work/level.txt"; }
  fire() { xdotool keydown c; wait_until 1 heard; _heard=$?; xdotool keyup c; return $_heard; }
  wait_until 30 fire
  heard=$?
  cat "$work/level.txt"
  [ "$heard" -eq 0 ] || fail "the shots were not heard after the key went down at byte $shot_at"
  escape_ends damaged-tune
' sh "$work" "$here/capture_level.py" "$here/screen_checks.sh" "$grab" || exit 1
# Nothing on stderr but SDL's own words about its disk driver (and, in the sanitizer build, the leak
# checker's list of the suppressions it used).
if grep -v -e "SDL disk i/o audio driver" -e "Writing to file" -e "^-*$" -e "Suppressions used" \
     -e "count *bytes template" -e "libdbus" "$work/stderr" >"$work/stderr-ours"; then
  echo "stderr says:"; head -5 "$work/stderr-ours"; exit 1
fi
