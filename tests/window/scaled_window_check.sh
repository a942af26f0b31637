#!/bin/sh
# The game's picture on virtual X displays of other sizes than its own: it must show whole, scaled by
# one factor both ways, centred, with black bars beside it, and keep changing.
#  - on each SCREEN size, bare and under a window manager (openbox): the window covers the screen from
#    the start, and the title and then stage 1 (after Enter) show the play field over the whole height
#    of the fitted picture; on a screen of the picture's own size it is shown unscaled;
#  - with no window manager on a 1280x720 screen, the window is resized while the game runs (wider,
#    then taller than the picture, then the picture's own size): after each change the picture fills
#    the new window.
# Where the picture lies is read from the play field band (360 columns in the middle of the picture,
# every row), the only part of the title and of stage 1 that is not black. The screenshots stay in
# WORKDIR to be looked at.
#   scaled_window_check.sh PROGRAM SCREEN_GRAB WORKDIR PICTURE SCREEN...   (sizes as 800x600)
set -u
needs="xvfb-run xdotool openbox"
. "$(dirname "$0")/window_check_start.sh"
program="$1"
grab="$2"
work="$3"
picture="$4"
shift 4
mkdir -p "$work"
checks="$(cd "$(dirname "$0")" && pwd)/screen_checks.sh"

# One session: PROGRAM SCREEN_GRAB WORKDIR CHECKS PICTURE SCREEN WINDOW_MANAGER(yes|no)
session='
  program="$1"; grab="$2"; work="$3"; picture="$5"; screen="$6"; manager="$7"
  . "$window_check_start"
  . "$4"
  pw=${picture%x*}; ph=${picture#*x}
  # field NAME X Y WIDTH HEIGHT: the play field band where a picture fitted into that window puts it.
  field() {
    if [ $(($4 * ph)) -ge $(($5 * pw)) ]; then fh=$5; fw=$(($5 * pw / ph)); else fw=$4; fh=$(($4 * ph / pw)); fi
    x=$(($2 + ($4 - fw) / 2)); y=$(($3 + ($5 - fh) / 2)); left=$(((pw - 360) / 2))
    shows "$1" $((x + left * fw / pw)) $y $((x + (left + 360) * fw / pw)) $((y + fh))
  }
  sw=${screen%x*}; sh=${screen#*x}
  # fires NAME: the volley shows as a bright beam above the ship (a picture area 40 by 110 scaled onto
  # the screen).
  fires() {
    if [ $((sw * ph)) -ge $((sh * pw)) ]; then fh=$sh; fw=$((sh * pw / ph)); else fw=$sw; fh=$((sw * ph / pw)); fi
    x=$(((sw - fw) / 2)); y=$(((sh - fh) / 2))
    bright=$("$grab" --bright "$work/$1.png" $((x + (pw / 2 - 20) * fw / pw)) $((y + (ph - 200) * fh / ph)) \
      $((x + (pw / 2 + 20) * fw / pw)) $((y + (ph - 90) * fh / ph))) || fail "no screenshot"
    [ "$bright" -gt $((60 * fw / pw * fh / ph)) ]
  }
  name="$picture-on-$screen-wm-$manager"
  [ "$manager" = yes ] && start_manager
  start_and_find "$program" "$work/program-$name.log"
  field "$name-title" 0 0 "$sw" "$sh"
  changes "$name-title-alive"
  if [ "$manager" = resize ]; then
    eval "$(xdotool getwindowgeometry --shell "$window")"
    for size in "1000 500" "500 700" "$pw $ph"; do
      set -- $size
      xdotool windowsize "$window" $1 $2
      field "$name-window-$1x$2" "$X" "$Y" $1 $2
    done
    changes "$name-resized-alive"
  else
    # Stage 1 has begun once the ship, at the bottom in the middle, fires while C is held.
    press Return
    xdotool keydown c
    wait_until 10 fires "$name-stage1-firing" || fail "$name: no shots in stage 1 ($bright bright pixels)"
    xdotool keyup c
    field "$name-stage1" 0 0 "$sw" "$sh"
    changes "$name-stage1-alive"
  fi
  escape_ends "$name"
'
for screen in "$@"; do
  for manager in no yes; do
    xvfb-run -a -s "-screen 0 ${screen}x24 -br" sh -c "$session" sh "$program" "$grab" "$work" "$checks" \
      "$picture" "$screen" "$manager" || exit 1
  done
done
xvfb-run -a -s "-screen 0 1280x720x24 -br" sh -c "$session" sh "$program" "$grab" "$work" "$checks" \
  "$picture" 1280x720 resize || exit 1
