#!/bin/sh
# A game that stands still (paused with S, or waiting for Y after game over) whose window is hidden and
# brought back must show its last picture again, every pixel of it, bars included, within a second of
# the window showing again, on a 1280x720 virtual display:
#  - bare (no window manager): the window unmapped and mapped again;
#  - under a window manager (openbox): minimised, then activated; minimised, then brought back by a
#    second start of the program (which ends at once);
#  - bare again on a 16-bit display, where the window has no 32-bit surface and the picture goes
#    through a renderer.
# The paused picture: title, Enter, stage 1 with the ship seen firing, S. The continue picture: S
# again, and the ship left where it starts until the stage's shots end the game; Y then lets it go on.
# The screenshots stay in WORKDIR to be looked at.
#   brought_back_check.sh PROGRAM SCREEN_GRAB WORKDIR
set -u
needs="xvfb-run xdotool openbox"
. "$(dirname "$0")/window_check_start.sh"
program="$1" grab="$2" work="$3"
mkdir -p "$work"

# How the window goes away and comes back: HOW WINDOW PROGRAM. Ends once the window shows again (and,
# under a window manager, has the focus).
bring_back='
  how="$1"; window="$2"; program="$3"
  . "$window_check_start"
  case "$how" in
    unmap) xdotool windowunmap --sync "$window" && xdotool windowmap --sync "$window" || exit 1 ;;
    activate) xdotool windowminimize --sync "$window" && xdotool windowactivate --sync "$window" 2>/dev/null || exit 1 ;;
    second-start)
      xdotool windowminimize --sync "$window" || exit 1
      SDL_AUDIODRIVER=dummy "$program" 2>/dev/null &
      second=$!
      started "$second"
      wait_until 10 gone "$second" || { echo "the second copy did not end"; exit 1; }
      wait "$second" || { echo "the second copy ended with status $?"; exit 1; }
      ;;
  esac
  back() {
    window_shown || return 1
    [ "$how" = unmap ] || [ "$(xdotool getactivewindow 2>/dev/null)" = "$window" ]
  }
  wait_until 10 back || { echo "the window did not come back ($how)"; exit 1; }
'

# One session: PROGRAM SCREEN_GRAB WORKDIR NAME WINDOW_MANAGER(yes|no) BRING_BACK WAY...
session='
  program="$1"; grab="$2"; work="$3"; name="$4"; manager="$5"; bring_back="$6"
  shift 6
  . "$window_check_start"
  . "$(dirname "$window_check_start")/screen_checks.sh"
  still() {
    n=$("$grab" "$work/$1-a.png" "$work/$1-b.png" 300) || fail "no screenshot"
    [ "$n" -eq 0 ]
  }
  # comes_back NAME HOW: the picture on the screen before, and again within a second of the window
  # coming back HOW.
  comes_back() {
    result=$("$grab" --around "$work/$1-before.png" "$work/$1-after.png" 1 \
      sh -c "$bring_back" sh "$2" "$window" "$program")
    status=$?
    [ "$status" -eq 1 ] && fail "$1: $result"
    set -- "$1" $result
    echo "$1: $2 pixels differ from the picture before, $3 ms after the window came back"
    [ "$status" -eq 0 ] || fail "$1: the last picture did not come back within a second"
    # Without a window manager nothing gives the window the focus back: the keys would go nowhere.
    [ "$manager" = yes ] || xdotool windowfocus --sync "$window"
  }
  # fires: the volley shows as a bright beam above the ship (the 800x600 picture is scaled by 1.2 into
  # 160..1120 of the screen).
  fires() {
    bright=$("$grab" --bright "$work/$name-stage1.png" 616 480 664 612) || fail "no screenshot"
    [ "$bright" -gt 86 ]
  }
  [ "$manager" = yes ] && start_manager
  start_and_find "$program" "$work/program-$name.log"
  # Why the picture takes the renderer is said, and only then.
  through_renderer="^SDL window surface: the display.s pixels are SDL_PIXELFORMAT_RGB565, not the 32-bit XRGB"
  through_renderer="$through_renderer the picture is shown in; the picture goes through a renderer\$"
  if [ "$name" = renderer ]; then
    grep -q "$through_renderer" "$work/program-$name.log" ||
      fail "$name: the program did not say why the picture goes through a renderer: $(cat "$work/program-$name.log")"
  elif grep -q "SDL window surface" "$work/program-$name.log"; then
    fail "$name: $(cat "$work/program-$name.log")"
  fi
  changes "$name-title"
  press Return
  # Held until the wipe into stage 1 is over and the ship fires.
  xdotool keydown Shift_L
  wait_until 10 fires || fail "$name: the ship does not fire"
  echo "$name-stage1: $bright bright pixels above the ship"
  xdotool keyup Shift_L
  press s
  wait_until 10 still "$name-paused" || fail "$name: the picture does not stand still after S"
  for how in "$@"; do comes_back "$name-paused-$how" "$how"; done
  press s
  changes "$name-resumed"
  # The ship, left alone, is shot down and the game ends: the picture stands still.
  wait_until 40 still "$name-game-over" || fail "$name: the game did not end"
  for how in "$@"; do comes_back "$name-continue-$how" "$how"; done
  press y
  changes "$name-continued"
  escape_ends "$name"
'
# A session on a screen of that depth: DEPTH NAME WINDOW_MANAGER(yes|no) WAY...
on_screen() {
  _depth=$1 _name=$2 _manager=$3
  shift 3
  xvfb-run -a -s "-screen 0 1280x720x$_depth" sh -c "$session" sh "$program" "$grab" "$work" "$_name" "$_manager" \
    "$bring_back" "$@" || exit 1
}
on_screen 24 bare no unmap
on_screen 24 openbox yes activate second-start
on_screen 16 renderer no unmap
