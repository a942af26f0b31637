#!/bin/sh
# Started where there is no display (no DISPLAY, no WAYLAND_DISPLAY: a text console, an ssh session, a
# service), the program says why on stderr and ends at once with a failure status, holding no lock
# that would turn later starts away; SDL's invisible driver runs the game only when SDL_VIDEODRIVER
# asks for it.
#   no_display_check.sh PROGRAM WORKDIR
set -u
. "$(dirname "$0")/window_check_start.sh"
program="$1"
work="$2"
mkdir -p "$work"

# Only the processes this check starts are looked at: other copies of the game on the machine, and
# the locks they hold, change nothing here.
env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy "$program" 2>"$work/no-display.log" &
game=$!
started "$game"
wait_until 1 gone "$game" || fail "with no display the program still runs after a second"
wait "$game"
status=$?
cat "$work/no-display.log"
[ "$status" -ne 0 ] || fail "with no display the program ended with status 0"
grep -q "display" "$work/no-display.log" || fail "with no display the program did not say why"

# Asked for, the invisible driver runs the game, which takes the lock of that display.
SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy "$program" 2>"$work/offscreen.log" &
game=$!
started "$game"
wait_until 15 holds_lock "$game" offscreen ||
  fail "SDL_VIDEODRIVER=offscreen: the program took no lock: $(cat "$work/offscreen.log")"
alive "$game" || fail "SDL_VIDEODRIVER=offscreen: the program ended"
echo "no display: status $status; asked for, the invisible driver runs the game"
