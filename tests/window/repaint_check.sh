#!/bin/sh
# The game paused in stage 1 draws nothing: a window that covers it and goes away must not leave its
# image behind. Bare and under a window manager (openbox), on an 800x600 virtual display: title,
# Enter, stage 1 (the ship seen firing), S, the picture stands still; a window of the check's own is
# mapped over the whole display and taken away; within five seconds the display must show the paused
# picture again, every pixel of it.
# The game runs under a shim (LD_PRELOAD) that counts its SDL calls by thread: every one of them must
# be made on the main thread, and every SDL function the program imports must pass through the shim.
# The screenshots and the shim's reports stay in WORKDIR to be looked at.
#   repaint_check.sh PROGRAM SCREEN_GRAB SDL_THREAD_SHIM WORKDIR
set -u
needs="xvfb-run xdotool openbox nm"
. "$(dirname "$0")/window_check_start.sh"
program="$1"
grab="$2"
shim="$3"
work="$4"
mkdir -p "$work"
checks="$(cd "$(dirname "$0")" && pwd)/screen_checks.sh"

nm -D --undefined-only "$program" | awk '$2 ~ /^SDL_/ { print $2 }' | sort >"$work/sdl-imported"
nm -D --defined-only "$shim" | awk '$3 ~ /^SDL_/ { print $3 }' | sort >"$work/sdl-shimmed"
missing=$(comm -23 "$work/sdl-imported" "$work/sdl-shimmed")
[ -z "$missing" ] || { echo "the SDL thread shim does not stand in front of:" $missing; exit 1; }

# The game under the shim, started as the game itself (the same process id).
under_shim="$work/game-under-shim"
cat >"$under_shim" <<WRAPPER
#!/bin/sh
export LD_PRELOAD="$shim" TESSIVANE_SDL_THREAD_REPORT="$work/sdl-calls"
export ASAN_OPTIONS="\${ASAN_OPTIONS:-}:verify_asan_link_order=0"
exec "$program"
WRAPPER
chmod +x "$under_shim"

# One session: PROGRAM SCREEN_GRAB WORKDIR CHECKS WINDOW_MANAGER(yes|no)
session='
  program="$1"; grab="$2"; work="$3"; manager="$5"
  . "$window_check_start"
  . "$4"
  still() {
    n=$("$grab" "$work/$1-a.png" "$work/$1-b.png" 300) || fail "no screenshot"
    [ "$n" -eq 0 ]
  }
  [ "$manager" = yes ] && start_manager
  start_and_find "$program" "$work/program-wm-$manager.log"
  changes "wm-$manager-title"
  press Return
  # Held until the wipe into stage 1 is over and the ship fires.
  xdotool keydown Shift_L
  firing "wm-$manager-stage1" yes 10
  xdotool keyup Shift_L
  press s
  wait_until 10 still "wm-$manager-paused" || fail "wm-$manager: the picture does not stand still after S"
  n=$("$grab" --cover "$work/wm-$manager-paused.png" "$work/wm-$manager-covered.png" \
      "$work/wm-$manager-uncovered.png" 5)
  status=$?
  echo "wm-$manager: $n pixels differ from the paused picture once the covering window is gone"
  [ "$status" -eq 0 ] || fail "wm-$manager: the paused picture did not come back after the covering window went away"
  escape_ends "wm-$manager"
  calls="$work/sdl-calls.$game"
  [ -s "$calls" ] || fail "wm-$manager: the SDL thread shim wrote no report"
  echo "wm-$manager: SDL calls by thread:" $(cat "$calls")
  [ "$(sed -n "s/^main //p" "$calls")" -gt 0 ] || fail "wm-$manager: no SDL call counted on the main thread"
  ! grep -q "^other" "$calls" || fail "wm-$manager: SDL functions were called off the main thread"
'
for manager in no yes; do
  rm -f "$work"/sdl-calls.*
  xvfb-run -a -s "-screen 0 800x600x24" sh -c "$session" sh "$under_shim" "$grab" "$work" "$checks" "$manager" || exit 1
done
