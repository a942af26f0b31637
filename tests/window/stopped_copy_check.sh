#!/bin/sh
# A copy that stops answering (stopped by a signal, or hung in a driver) still holds its display: a
# start there cannot bring it to the front, so it says so on stderr, naming the display, and fails
# within a few seconds, six starts at once as well. Once the copy runs again, a start brings it to the
# front and ends with status 0.
#   stopped_copy_check.sh PROGRAM WORKDIR
set -u
needs="xvfb-run xdotool"
. "$(dirname "$0")/window_check_start.sh"
program="$1"
work="$2"
mkdir -p "$work"
here="$(cd "$(dirname "$0")" && pwd)"
xvfb-run -a -s "-screen 0 800x600x24" sh -c '
  program="$1"; work="$2"
  . "$window_check_start"
  . "$3"
  start_and_find "$program" "$work/first.log"
  display=${DISPLAY#*:}
  said="a copy is already running on display x11:${display%%.*} but did not come to the front"

  kill -STOP "$game"
  copies=""
  for i in 1 2 3 4 5 6; do
    SDL_AUDIODRIVER=dummy "$program" 2>"$work/later-$i.log" &
    copies="$copies $!"
    started "$!"
  done
  all_ended() {
    for _copy in $copies; do alive "$_copy" && return 1; done
    return 0
  }
  wait_until 8 all_ended || fail "six starts facing a stopped copy: not all ended within 8 s"
  i=0
  for copy in $copies; do
    i=$((i + 1))
    wait "$copy"; status=$?
    [ "$status" -ne 0 ] || fail "start $i facing a stopped copy ended with status 0: $(cat "$work/later-$i.log")"
    grep -qF "$said" "$work/later-$i.log" || fail "start $i facing a stopped copy said: $(cat "$work/later-$i.log")"
  done
  echo "six starts facing a stopped copy: each ended with a failure, saying: $said"

  kill -CONT "$game"
  SDL_AUDIODRIVER=dummy "$program" 2>"$work/after.log" &
  after=$!
  started "$after"
  ended 10 "$after" || fail "the start after the copy ran again did not end"
  [ "$status" -eq 0 ] || fail "the start after the copy ran again: status $status: $(cat "$work/after.log")"
  alive "$game" || fail "the first copy ended"
  window_shown || fail "the first copy lost its window"
  echo "the copy running again was brought to the front"
' sh "$program" "$work" "$here/screen_checks.sh" || exit 1
