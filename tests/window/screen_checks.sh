# Shell functions the window checks share inside their X sessions (sourced, not run, after
# "$window_check_start"). They expect $grab (the screen_grab tool), $work (where screenshots go) and
# $game (the game's process id, given to `started`).

# find_window: waits up to fifteen seconds for the game's window to show; sets $window.
find_window() {
  wait_until 15 window_shown || fail "no window titled Tessivane"
}

# start_and_find PROGRAM LOG: the game started (SDL's dummy sound), its pid in $game, and its window
# found once it holds the single-instance lock and shows.
start_and_find() {
  SDL_AUDIODRIVER=dummy "$1" 2>"$2" &
  game=$!
  started "$game"
  wait_until 15 lock_held || fail "the game did not take the single-instance lock"
  find_window
}

# picture_changes NAME: two screenshots half a second apart differ: the picture is alive (sets $changed).
picture_changes() {
  changed=$("$grab" "$work/$1-a.png" "$work/$1-b.png" 500) || fail "no screenshot"
  [ "$changed" -gt 1000 ]
}

# changes NAME: the picture changes within ten seconds (a slow machine, a sanitizer build, may still be
# loading the pictures).
changes() {
  wait_until 10 picture_changes "$1"
  echo "$1: $changed pixels changed"
  [ "$changed" -gt 1000 ] || fail "$1: the picture on the screen does not change"
}

# bright_above_ship NAME yes|no: the ship, at the bottom in the middle of the play field, shows (or
# does not show) its volley as a bright beam just above it (sets $bright).
bright_above_ship() {
  bright=$("$grab" --bright "$work/$1.png" 380 400 420 510) || fail "no screenshot"
  if [ "$2" = yes ]; then [ "$bright" -gt 60 ]; else [ "$bright" -lt 30 ]; fi
}

# firing NAME yes|no [SECONDS]: the ship is seen firing (or not) within SECONDS (at once by default).
firing() {
  wait_until "${3:-0}" bright_above_ship "$1" "$2"
  echo "$1: $bright bright pixels above the ship"
  if [ "$2" = yes ]; then [ "$bright" -gt 60 ] || fail "$1: the ship does not fire"; fi
  if [ "$2" = no ]; then [ "$bright" -lt 30 ] || fail "$1: the ship still fires"; fi
}

# picture_at LEFT TOP RIGHT BOTTOM NAME: the part of the screen that is not black is that rectangle,
# a pixel of rounding either way (sets $extent).
picture_at() {
  extent=$("$grab" --extent "$work/$5.png") || fail "no screenshot"
  _expected="$1 $2 $3 $4"
  set -- $extent
  for _want in $_expected; do
    _d=$(($1 - _want))
    [ "$_d" -ge -2 ] && [ "$_d" -le 2 ] || return 1
    shift
  done
}

# shows NAME LEFT TOP RIGHT BOTTOM [SECONDS]: that rectangle is what shows, within SECONDS (ten by default).
shows() {
  if wait_until "${6:-10}" picture_at "$2" "$3" "$4" "$5" "$1"; then
    echo "$1: picture at $extent"
  else
    fail "$1: the picture is at $extent, not at $2 $3 $4 $5"
  fi
}

# escape_ends NAME: Escape ends the game with status 0 within ten seconds.
escape_ends() {
  press Escape
  wait_until 10 gone "$game" || fail "$1: Escape did not end the game"
  wait "$game"
  _status=$?
  [ "$_status" -eq 0 ] || fail "$1: Escape ended the game with status $_status"
}
