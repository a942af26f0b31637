#!/bin/sh
# The headless runner from the outside: every option it cannot honour is refused with a message and a
# non-zero status, and a damaged stage tune in the asset tree leaves a game that plays all its frames.
#   runner_check.sh RUNNER ASSET_DIR WORKDIR
set -u
runner="$1"
assets="$2"
work="$3/runner-check"
rm -rf "$work"
mkdir -p "$work"
failed=0

refused() {
  what="$1"; shift
  timeout 60 "$runner" "$@" >/dev/null 2>"$work/err"
  status=$?
  if [ "$status" -eq 0 ] || [ "$status" -eq 124 ] || [ ! -s "$work/err" ]; then
    echo "not refused: $what (status $status)"; failed=1
  fi
}

refused "frames not a number" --frames abc
refused "no frames" --frames 0
refused "negative frames" --frames -5
refused "frames past the limit" --frames 99999999999
refused "frames given no value" --frames
refused "shot frame not a number" --shot x:a.png
refused "negative shot frame" --shot -1:a.png
refused "shot with no file" --shot 3:
refused "shot never reached" --frames 5 --shot 10:"$work/never.png"
refused "dump never reached" --frames 5 --dump 10:"$work/never.json"
refused "script is a folder" --script "$work"
refused "unknown option" --fast

# The tune that once froze the game (a good header, then a chunk running off the end), in place of
# the stage music: the game starts and plays on in silence, with nothing on stderr.
tree="$work/assets"
mkdir -p "$tree/MIDI"
ln -s "$assets/IMAGE" "$tree/IMAGE"
ln -s "$assets/SOUND" "$tree/SOUND"
cp "$assets/MIDI/QMX2.MID" "$tree/MIDI/QMX2.MID"
printf '\115\124\150\144\000\000\000\006\000\000\000\001\000\140\000\000\000\000\000\000\000\001\377\377\377\377\363' \
  >"$tree/MIDI/QMX1.MID"
[ "$(wc -c <"$tree/MIDI/QMX1.MID")" -eq 27 ] || { echo "the damaged tune is not 27 bytes"; exit 1; }
printf '3 down RETURN\n5 up RETURN\n40 down C\n' >"$work/start.script"
timeout 120 "$runner" --assets "$tree" --frames 900 --script "$work/start.script" --trace "$work/damaged.trace" \
  2>"$work/damaged.err"
status=$?
frames=$(wc -l <"$work/damaged.trace")
if [ "$status" -ne 0 ] || [ "$frames" -ne 900 ]; then
  echo "damaged tune: status $status after $frames frames"; failed=1
fi
if [ -s "$work/damaged.err" ]; then echo "damaged tune: stderr says:"; head -5 "$work/damaged.err"; failed=1; fi
grep -q '"scene":2' "$work/damaged.trace" || { echo "damaged tune: stage 1 never began"; failed=1; }
exit "$failed"
