#!/bin/sh
# The game in a real window under a virtual X display:
#  - bare (no window manager): a second copy ends at once with status 0 and leaves the first running,
#    Enter starts a game whose shots and music are heard (SDL's disk audio driver), and Escape ends
#    the program with status 0;
#  - under a window manager (openbox) on a screen larger than the picture: the first copy minimised, a
#    second copy brings it back: shown, focused, full screen again, its picture on the screen.
#   real_window_check.sh PROGRAM SCREEN_GRAB WORKDIR
set -u
needs="xvfb-run xdotool openbox python3"
. "$(dirname "$0")/window_check_start.sh"
program="$1"
grab="$2"
work="$3"
mkdir -p "$work"
here="$(cd "$(dirname "$0")" && pwd)"
raw="$work/real-window.raw"
rm -f "$raw"
xvfb-run -a -s "-screen 0 800x600x24" sh -c '
  program="$1"; raw="$2"; level="$3"; grab="$4"; work="$5"
  . "$window_check_start"
  . "$6"
  SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$raw" "$program" 2>/dev/null &
  game=$!
  started "$game"
  wait_until 15 lock_held || fail "the first copy did not take the single-instance lock"
  find_window
  "$program" 2>/dev/null &
  second=$!
  started "$second"
  ended 10 "$second" || fail "the second copy did not end"
  [ "$status" -eq 0 ] || fail "second copy: status $status"
  alive "$game" || fail "first copy ended"
  window_shown || fail "the first copy lost its window"
  # The window shows before the pictures are loaded: Enter counts once the title runs.
  changes title
  press Return
  # Held until the shots and the stage music are heard.
  xdotool keydown c
  loud() { python3 "$level" "$raw" >"$work/real-window-level.txt"; }
  wait_until 15 loud || { cat "$work/real-window-level.txt"; xdotool keyup c; fail "no sound was heard"; }
  xdotool keyup c
  cat "$work/real-window-level.txt"
  escape_ends "first copy"
' sh "$program" "$raw" "$here/capture_level.py" "$grab" "$work" "$here/screen_checks.sh" || exit 1

# Brought back from the minimised state: 800x600 picture on 1280x720, the play field band 424..856.
xvfb-run -a -s "-screen 0 1280x720x24 -br" sh -c '
  program="$1"; grab="$2"; work="$3"
  . "$window_check_start"
  . "$4"
  start_manager
  start_and_find "$program" "$work/raise-first.log"
  shows raise-before 424 0 856 720
  xdotool windowminimize "$window"
  hidden() { ! window_shown && picture_at 1280 720 0 0 raise-minimised; }
  wait_until 10 hidden || fail "the window did not go away when minimised"
  SDL_AUDIODRIVER=dummy "$program" 2>"$work/raise-second.log" &
  second=$!
  started "$second"
  ended 10 "$second" || fail "the second copy did not end"
  [ "$status" -eq 0 ] || fail "second copy: status $status"
  back() { window_shown && [ "$(xdotool getactivewindow 2>/dev/null)" = "$window" ]; }
  wait_until 10 back || fail "the second copy did not bring the first back (shown and focused)"
  eval "$(xdotool getwindowgeometry --shell "$window")"
  echo "brought back at $X,$Y ${WIDTH}x$HEIGHT"
  [ "$X $Y $WIDTH $HEIGHT" = "0 0 1280 720" ] || fail "brought back, but not full screen"
  shows raise-after 424 0 856 720
  changes raise-after-alive
  escape_ends raise
' sh "$program" "$grab" "$work" "$here/screen_checks.sh" || exit 1
