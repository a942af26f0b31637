#!/bin/sh
# The game's picture in a window that is not its size, on a 1280x720 virtual X display: it must show
# whole, scaled by one factor both ways, centred, with black bars beside it, and keep changing.
#  - under a window manager (openbox) the full-screen window covers the screen: the picture is
#    960x720 with bars of 160 pixels left and right;
#  - with no window manager the window is resized while the game runs (wider, then taller than the
#    picture, then the picture's own size): after each change the picture fills the new window.
# Where the picture lies is read from the play field band of the title (columns 220 to 580 of 800, every
# row), the only part that is not black. The screenshots stay in WORKDIR to be looked at.
#   scaled_window_check.sh PROGRAM SCREEN_GRAB WORKDIR
set -u
needs="xvfb-run xdotool openbox"
. "$(dirname "$0")/window_check_start.sh"
program="$1"
grab="$2"
work="$3"
mkdir -p "$work"
checks="$(cd "$(dirname "$0")" && pwd)/screen_checks.sh"

session='
  program="$1"; grab="$2"; work="$3"; manager="$5"
  . "$4"
  # shows NAME X Y WIDTH HEIGHT: the title band lies where an 800x600 picture fitted into that
  # window puts it (a pixel of rounding either way); looks again for up to five seconds.
  shows() {
    w=$4; h=$5
    if [ $((w * 600)) -ge $((h * 800)) ]; then fh=$h; fw=$((h * 800 / 600)); else fw=$w; fh=$((w * 600 / 800)); fi
    x=$(($2 + (w - fw) / 2)); y=$(($3 + (h - fh) / 2))
    want="$((x + 220 * fw / 800)) $y $((x + 580 * fw / 800)) $((y + fh))"
    for try in $(seq 10); do
      got=$("$grab" --extent "$work/$1.png") || fail "no screenshot"
      close=yes
      set -- $got
      for expected in $want; do
        d=$(($1 - expected)); [ $d -lt 0 ] && d=$((-d))
        [ $d -le 2 ] || close=no
        shift
      done
      [ $close = yes ] && break
      sleep 0.5
    done
    echo "$name: picture band at $got (expected $want)"
    [ $close = yes ] || fail "$name: the picture is not shown whole in the window"
  }
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
  if [ "$manager" = yes ]; then
    name=full-screen; shows full-screen 0 0 1280 720
    changes full-screen-alive
  else
    eval "$(xdotool getwindowgeometry --shell "$window")"
    for size in "1000 500" "500 700" "800 600"; do
      set -- $size
      xdotool windowsize "$window" $1 $2
      name="window-$1x$2"; shows "$name" $X $Y $1 $2
    done
    changes resized-alive
  fi
  escape_ends "scaled-wm-$manager"
'
for manager in yes no; do
  xvfb-run -a -s "-screen 0 1280x720x24 -br" sh -c "$session" sh "$program" "$grab" "$work" "$checks" "$manager" || exit 1
done
