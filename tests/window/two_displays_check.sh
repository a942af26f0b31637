#!/bin/sh
# One copy of the game per display: a copy showing on one X display does not turn away a start on
# another, which shows its own window there; a second start on a display that has a copy (DISPLAY
# written another way) brings back that copy's hidden window, not the other's, ends with status 0 and
# leaves both copies running.
#   two_displays_check.sh PROGRAM WORKDIR
set -u
needs="xvfb-run Xvfb xdotool"
. "$(dirname "$0")/window_check_start.sh"
program="$1"
work="$2"
mkdir -p "$work"
rm -f "$work/second-display"
xvfb-run -a -s "-screen 0 800x600x24" sh -c '
  program="$1"; work="$2"
  . "$window_check_start"
  first="$DISPLAY"
  # A second X server, on a display number that no lock file claims (as xvfb-run picks one) and with a
  # screen size of its own: a plain X client must reach this very server there before the game is
  # started on it. A number whose server does not come up, or whose socket turns out to reach another
  # server, is given up for the next.
  size_reached() { [ "$(DISPLAY=":$1" xdotool getdisplaygeometry 2>/dev/null)" = "1024 768" ]; }
  settled() { size_reached "$1" || gone "$2"; }
  second=""
  number=200
  while [ -z "$second" ] && [ "$number" -lt 220 ]; do
    if [ ! -e "/tmp/.X$number-lock" ] && [ ! -e "/tmp/.X11-unix/X$number" ]; then
      Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp 2>"$work/xvfb.log" &
      xvfb=$!
      started "$xvfb"
      wait_until 15 settled "$number" "$xvfb"
      if alive "$xvfb" && size_reached "$number"; then
        second=":$number"
      else
        echo "display :$number given up: $(tail -n 3 "$work/xvfb.log")"
        kill "$xvfb" 2>/dev/null
      fi
    fi
    number=$((number + 1))
  done
  [ -n "$second" ] || fail "no second X server could be started"
  echo "displays $first and $second"

  SDL_AUDIODRIVER=dummy "$program" 2>"$work/first.log" &
  one=$!
  started "$one"
  wait_until 15 lock_held || fail "the copy on $first did not take its lock"
  wait_until 15 window_shown || fail "no window on $first"

  DISPLAY="$second" SDL_AUDIODRIVER=dummy "$program" 2>"$work/second.log" &
  two=$!
  started "$two"
  on_second() { DISPLAY="$second" window_shown || gone "$two"; }
  wait_until 15 on_second
  alive "$two" || fail "the start on $second ended with no window: $(cat "$work/second.log")
(the server there: $(alive "$xvfb" && echo running || echo ended), a plain client $(size_reached "${second#:}" && echo reaches || echo "does not reach") it; its log: $(cat "$work/xvfb.log"))"
  DISPLAY="$second" wait_until 15 lock_held || fail "the copy on $second did not take its lock"

  # Both windows hidden; a start on $second, DISPLAY written another way, finds the copy there, brings
  # back its window and ends; the copy on $first is not asked.
  window_shown; first_window="$window"
  DISPLAY="$second" window_shown; second_window="$window"
  xdotool windowunmap "$first_window"
  DISPLAY="$second" xdotool windowunmap "$second_window"
  hidden() { ! window_shown; }
  wait_until 5 hidden || fail "the window on $first stays shown"
  DISPLAY="$second" wait_until 5 hidden || fail "the window on $second stays shown"
  DISPLAY="unix$second.0" SDL_AUDIODRIVER=dummy "$program" 2>"$work/third.log" &
  three=$!
  started "$three"
  ended 10 "$three" || fail "a second start on $second (as unix$second.0) did not end"
  [ "$status" -eq 0 ] || fail "the second start on $second ended with status $status"
  DISPLAY="$second" wait_until 5 window_shown || fail "the start on $second did not bring back the copy there"
  ! window_shown || fail "the start on $second brought back the copy on $first"
  alive "$one" && alive "$two" || fail "a copy ended"
  echo "a copy on each display; a second start on $second ended with status 0"
' sh "$program" "$work" || exit 1
