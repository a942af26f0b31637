#!/bin/sh
# The game in a real window in a virtual X display, as a player meets it on a desktop:
#  - with no window manager, a move really moves the full-screen window: the picture must keep
#    changing on the screen after it;
#  - under a window manager (openbox): a move request, then Alt+F4, leave the game running with a live
#    picture; in stage 1 the ship keeps firing while either Shift key is held (left pressed, right
#    pressed, left let go), and stops when both are up; Escape still ends the game with status 0;
#  - an error box at start-up (a copy of the program whose shot sound is missing) is answered with a
#    mouse click on its button, and the game goes on.
# The screenshots stay in WORKDIR to be looked at.
#   desktop_check.sh PROGRAM SCREEN_GRAB WORKDIR
set -u
needs="xvfb-run xdotool openbox"
. "$(dirname "$0")/window_check_start.sh"
program="$1"
grab="$2"
work="$3"
mkdir -p "$work"
checks="$(cd "$(dirname "$0")" && pwd)/screen_checks.sh"

# One session: PROGRAM SCREEN_GRAB WORKDIR CHECKS WINDOW_MANAGER(yes|no)
session='
  program="$1"; grab="$2"; work="$3"; manager="$5"
  . "$4"
  wm=""
  if [ "$manager" = yes ]; then
    openbox >"$work/openbox.log" 2>&1 &
    wm=$!
    sleep 1
  fi
  SDL_AUDIODRIVER=dummy "$program" 2>"$work/program-wm-$manager.log" &
  game=$!
  find_window
  sleep 1
  changes "wm-$manager-before-move"
  xdotool windowmove "$window" 120 80
  sleep 1
  changes "wm-$manager-after-move"
  if [ "$manager" = yes ]; then
    xdotool key alt+F4
    sleep 1
    kill -0 "$game" 2>/dev/null || fail "Alt+F4 ended the game"
    changes "wm-$manager-after-alt-f4"
    xdotool keydown Return; sleep 0.2; xdotool keyup Return
    sleep 1
    firing stage1-no-key no 10
    # Held until the wipe into stage 1 is over and the ship fires.
    xdotool keydown Shift_L
    firing stage1-left-shift yes 20
    xdotool keydown Shift_R; sleep 0.2; xdotool keyup Shift_L; sleep 0.5
    firing stage1-right-shift-after-left yes
    xdotool keyup Shift_R; sleep 0.6
    firing stage1-both-up no 6
  fi
  escape_ends "wm-$manager"
'
for manager in no yes; do
  xvfb-run -a -s "-screen 0 800x600x24" sh -c "$session" sh "$program" "$grab" "$work" "$checks" "$manager" || exit 1
done

# The error box: the program copied beside an asset tree that lacks SOUND/SHOT.WAV.
box="$work/missing-sound"
rm -rf "$box"
mkdir -p "$box/SOUND"
top="$(cd "$(dirname "$program")" && pwd)"
cp "$program" "$box/"
ln -s "$top/IMAGE" "$box/IMAGE"
ln -s "$top/MIDI" "$box/MIDI"
ln -s "$top/SOUND/BOM.WAV" "$box/SOUND/BOM.WAV"
xvfb-run -a -s "-screen 0 800x600x24" sh -c '
  program="$1"; grab="$2"; work="$3"
  . "$4"
  openbox >"$work/openbox-box.log" 2>&1 &
  wm=$!
  sleep 1
  SDL_AUDIODRIVER=dummy "$program" 2>"$work/program-box.log" &
  game=$!
  # The box takes the focus from the game window when it comes up.
  game_window="" ; box_window=""
  for i in $(seq 30); do
    game_window=$(xdotool search --name "^Tessivane\$" 2>/dev/null | head -n 1)
    active=$(xdotool getactivewindow 2>/dev/null)
    if [ -n "$game_window" ] && [ -n "$active" ] && [ "$active" != "$game_window" ]; then box_window=$active; break; fi
    sleep 0.5
  done
  [ -n "$box_window" ] || fail "no error box came up"
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$box_window")"
  # Its one button lies in the middle of its bottom edge.
  xdotool mousemove --window "$box_window" $((WIDTH / 2)) $((HEIGHT - 25)) click 1
  sleep 1.5
  [ "$(xdotool getactivewindow 2>/dev/null)" = "$box_window" ] &&
    fail "the error box ($(xdotool getwindowname "$box_window")) did not answer the click"
  kill -0 "$game" 2>/dev/null || fail "the game ended after the error box"
  changes after-error-box
  escape_ends after-error-box
' sh "$box/$(basename "$program")" "$grab" "$work" "$checks" || exit 1
