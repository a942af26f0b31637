#!/bin/sh
# Quitting and starting again at once, as a double click on the icon or a launcher does: Escape ends
# the running copy, and a start 0 to 200 ms later runs a game of its own, whatever moment of the
# quitting it meets. That copy shows its window, holds the display's lock, and a later start brings it
# to the front and ends with status 0. Bare X (no window manager), where the gap between the lock and
# the window going away was first seen.
#   quick_restart_check.sh PROGRAM WORKDIR [GAPS_MS...]
set -u
needs="xvfb-run xdotool"
. "$(dirname "$0")/window_check_start.sh"
program="$1"
work="$2"
shift 2
gaps="${*:-0 10 20 30 45 60 80 100 120 150 200}"
mkdir -p "$work"
xvfb-run -a -s "-screen 0 800x600x24" sh -c '
  program="$1"; work="$2"; gaps="$3"
  . "$window_check_start"
  display=${DISPLAY#*:}
  display="x11:${display%%.*}"

  # ready PID: that process holds the display lock and its window shows (the window of a copy that
  # has let the lock go may still be on the screen a moment longer).
  ready() { holds_lock "$1" "$display" && window_shown; }
  settled() { ready "$1" || gone "$1"; }

  SDL_AUDIODRIVER=dummy "$program" 2>"$work/first.log" &
  game=$!
  started "$game"
  wait_until 15 ready "$game" || fail "the first copy did not take its lock and show its window: $(cat "$work/first.log")"

  for gap in $gaps; do
    # The window covers the screen, so the key reaches it wherever the pointer is.
    xdotool key Escape
    [ "$gap" -eq 0 ] || sleep "$(printf "0.%03d" "$gap")"
    SDL_AUDIODRIVER=dummy "$program" 2>"$work/gap-$gap.log" &
    next=$!
    started "$next"
    ended 10 "$game" || fail "gap $gap ms: Escape did not end the running copy"
    [ "$status" -eq 0 ] || fail "gap $gap ms: Escape ended the running copy with status $status"
    wait_until 15 settled "$next"
    if ! ready "$next"; then
      alive "$next" || { wait "$next"; status=$?; }
      fail "gap $gap ms: the new start runs no game ($(alive "$next" && echo "running, without the lock or a window" || echo "ended with status $status")): $(cat "$work/gap-$gap.log")"
    fi
    ! grep -q "cannot bring this copy to the front" "$work/gap-$gap.log" ||
      fail "gap $gap ms: the new copy runs but cannot be brought to the front: $(cat "$work/gap-$gap.log")"

    SDL_AUDIODRIVER=dummy "$program" 2>"$work/raise-$gap.log" &
    raise=$!
    started "$raise"
    ended 10 "$raise" || fail "gap $gap ms: a later start did not end"
    [ "$status" -eq 0 ] || fail "gap $gap ms: a later start did not bring the new copy to the front (status $status): $(cat "$work/raise-$gap.log")"
    alive "$next" || fail "gap $gap ms: the new copy ended when a later start brought it to the front"
    echo "gap $gap ms: the new start runs its game; a later start brought it to the front"
    game=$next
  done
' sh "$program" "$work" "$gaps" || exit 1
