# Shell functions the window checks share inside their X sessions (sourced, not run). They expect
# $grab (the screen_grab tool), $work (where screenshots go), $game (the game's process id) and $wm
# (the window manager's process id, or empty).

fail() {
  echo "$1"
  kill "$game" $wm 2>/dev/null
  exit 1
}

# find_window: waits up to fifteen seconds for the game's window to show; sets $window.
find_window() {
  window=""
  for i in $(seq 30); do
    window=$(xdotool search --onlyvisible --name "^Tessivane\$" 2>/dev/null | head -n 1)
    [ -n "$window" ] && return 0
    sleep 0.5
  done
  fail "no window titled Tessivane"
}

# changes NAME: two screenshots half a second apart differ: the picture is alive. A slow machine (a
# sanitizer build) may still be loading the pictures: a few tries, ten seconds at most.
changes() {
  for try in $(seq 20); do
    n=$("$grab" "$work/$1-a.png" "$work/$1-b.png" 500) || fail "no screenshot"
    [ "$n" -gt 1000 ] && break
  done
  echo "$1: $n pixels changed"
  [ "$n" -gt 1000 ] || fail "$1: the picture on the screen does not change"
}

# firing NAME yes|no [TRIES]: the ship, at the bottom in the middle of the play field, shows (or does
# not show) its volley as a bright beam just above it; looks again up to TRIES times.
firing() {
  for try in $(seq "${3:-1}"); do
    n=$("$grab" --bright "$work/$1.png" 380 400 420 510) || fail "no screenshot"
    if [ "$2" = yes ] && [ "$n" -gt 60 ]; then break; fi
    if [ "$2" = no ] && [ "$n" -lt 30 ]; then break; fi
    sleep 0.5
  done
  echo "$1: $n bright pixels above the ship"
  if [ "$2" = yes ]; then [ "$n" -gt 60 ] || fail "$1: the ship does not fire"; fi
  if [ "$2" = no ]; then [ "$n" -lt 30 ] || fail "$1: the ship still fires"; fi
}

# escape_ends NAME: Escape ends the game with status 0.
escape_ends() {
  xdotool keydown Escape; sleep 0.2; xdotool keyup Escape
  wait "$game"; status=$?
  [ -n "$wm" ] && kill "$wm" 2>/dev/null
  [ "$status" -eq 0 ] || { echo "$1: Escape ended the game with status $status"; exit 1; }
}
