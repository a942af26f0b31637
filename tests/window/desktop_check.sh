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
  . "$window_check_start"
  . "$4"
  [ "$manager" = yes ] && start_manager
  start_and_find "$program" "$work/program-wm-$manager.log"
  changes "wm-$manager-before-move"
  xdotool windowmove "$window" 120 80
  changes "wm-$manager-after-move"
  if [ "$manager" = yes ]; then
    xdotool key alt+F4
    # Frames went by since the keys (the picture changed after them) and the game still runs.
    changes "wm-$manager-after-alt-f4"
    alive "$game" || fail "Alt+F4 ended the game"
    press Return
    firing stage1-no-key no 5
    # Held until the wipe into stage 1 is over and the ship fires.
    xdotool keydown Shift_L
    firing stage1-left-shift yes 10
    xdotool keydown Shift_R; sleep 0.2; xdotool keyup Shift_L
    changes stage1-left-shift-up
    firing stage1-right-shift-after-left yes
    xdotool keyup Shift_R
    firing stage1-both-up no 3
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
  . "$window_check_start"
  . "$4"
  start_manager
  SDL_AUDIODRIVER=dummy "$program" 2>"$work/program-box.log" &
  game=$!
  started "$game"
  # The box takes the focus from the game window when it comes up.
  box_up() {
    game_window=$(xdotool search --name "^Tessivane\$" 2>/dev/null | head -n 1)
    box_window=$(xdotool getactivewindow 2>/dev/null)
    [ -n "$game_window" ] && [ -n "$box_window" ] && [ "$box_window" != "$game_window" ]
  }
  wait_until 15 box_up || fail "no error box came up"
  eval "$(xdotool getwindowgeometry --shell "$box_window")"
  # Its one button lies in the middle of its bottom edge.
  xdotool mousemove --window "$box_window" $((WIDTH / 2)) $((HEIGHT - 25)) click 1
  box_gone() { [ "$(xdotool getactivewindow 2>/dev/null)" != "$box_window" ]; }
  wait_until 10 box_gone || fail "the error box ($(xdotool getwindowname "$box_window")) did not answer the click"
  changes after-error-box
  alive "$game" || fail "the game ended after the error box"
  escape_ends after-error-box
' sh "$box/$(basename "$program")" "$grab" "$work" "$checks" || exit 1
