#!/bin/sh
# The headless runner from the outside: every option it cannot honour is refused with a message and a
# non-zero status, a script comes from a file or a pipe, every file it cannot write fails the run with
# a message naming it, and a damaged stage tune in the asset tree leaves a game that plays all its
# frames, its trace listing each music command on the line of the frame that sent it.
#   runner_check.sh RUNNER ASSET_DIR WORKDIR
set -u
. "$(dirname "$0")/../window/window_check_start.sh"
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

# Each refusal or failed write from here on exits with its own status and names what it could not do.
#   expect STATUS TEXT WHAT ARGUMENTS...
# (run through $within when it names a wrapper)
within=""
expect() {
  want="$1"; text="$2"; what="$3"; shift 3
  $within timeout 60 "$runner" "$@" >/dev/null 2>"$work/err"
  status=$?
  if [ "$status" -ne "$want" ]; then
    echo "$what: status $status, not $want"; failed=1
  elif [ -n "$text" ] && ! grep -qF -- "$text" "$work/err"; then
    echo "$what: the message does not name $text:"; head -3 "$work/err"; failed=1
  fi
}
expect 2 "--seed" "seed not a number" --frames 2 --seed abc
expect 2 "--seed" "seed with letters after it" --frames 2 --seed 12x
expect 2 "--seed" "empty seed" --frames 2 --seed ""
expect 2 "--seed" "negative seed" --frames 2 --seed -1
expect 2 "--seed" "seed past 32 bits" --frames 2 --seed 4294967296
expect 2 "--seed" "seed far past 32 bits" --frames 2 --seed 99999999999999999999
expect 0 "" "the largest seed" --frames 2 --seed 4294967295
expect 2 "$work/no-assets" "missing asset folder" --frames 2 --assets "$work/no-assets"
printf 'x' >"$work/a-file"
expect 2 "$work/a-file" "asset folder that is a file" --frames 2 --assets "$work/a-file"
expect 1 "/dev/full" "trace to a full disk" --frames 5 --trace /dev/full
# One frame's line waits in the trace's buffer until the file closes: only the close can fail.
expect 1 "/dev/full" "one-frame trace to a full disk, lost at its close" --frames 1 --trace /dev/full
expect 1 "/dev/full" "picture to a full disk" --frames 5 --shot 3:/dev/full
expect 1 "/dev/full" "dump to a full disk" --frames 5 --dump 3:/dev/full
expect 1 "/dev/full" "sound to a full disk" --frames 5 --audio /dev/full
expect 1 "$work/no-folder/a.png" "picture into a missing folder" --frames 5 --shot 3:"$work/no-folder/a.png"
expect 1 "$work/no-folder/a.json" "dump into a missing folder" --frames 5 --dump 3:"$work/no-folder/a.json"
expect 2 "$work/no-folder/a.trace" "trace into a missing folder" --frames 5 --trace "$work/no-folder/a.trace"
expect 2 "$work/no-folder/a.wav" "sound into a missing folder" --frames 5 --audio "$work/no-folder/a.wav"
# Each output into a pipe whose reader has gone (`head` takes ten bytes and leaves): every one is larger
# than a pipe holds (sixteen pictures of about 80 KiB, where a pipe may hold 1 MiB), so a write meets
# the closed pipe, and the run fails naming the file instead of being killed by the signal. A run with
# nothing left to write ends at once: asked for 10000000 frames (46 hours of play), the trace, the
# pictures and the dump end well within the deadline.
#   into_gone_reader WHAT ARGUMENTS...
into_gone_reader() {
  what="$1"; shift
  { timeout 60 "$runner" "$@" 2>"$work/err"; echo $? >"$work/status"; } | head -c 10 >/dev/null
  status=$(cat "$work/status")
  if [ "$status" -ne 1 ]; then
    echo "$what into a pipe whose reader has gone: status $status, not 1"; failed=1
  elif ! grep -qF "could not write /dev/stdout" "$work/err"; then
    echo "$what into a pipe whose reader has gone: the message does not name /dev/stdout:"; head -3 "$work/err"
    failed=1
  fi
}
into_gone_reader "trace" --frames 10000000 --trace /dev/stdout
into_gone_reader "picture" --frames 10000000 $(for f in $(seq 5 20); do printf -- '--shot %s:/dev/stdout ' "$f"; done)
into_gone_reader "dump" --frames 10000000 --dump 5:/dev/stdout
into_gone_reader "sound" --frames 60 --audio /dev/stdout
# A WAV file's 32-bit sizes hold the sound of 1460759 frames (with the two seconds kept past the last):
# one more is refused before the game starts, and before the file is made.
expect 2 "at most, not 1460760" "sound longer than a WAV file holds" --frames 1460760 --audio "$work/long.wav"
[ ! -e "$work/long.wav" ] || { echo "the refused long sound made its file"; failed=1; }

# A script is a regular file or a pipe of at most 1048576 bytes. A device, a folder or a longer script
# is refused, in bounded memory: where the runner starts within 512 MiB of address space (a sanitized
# build maps far more for its shadow memory) these runs get no more, so one that reads without end fails
# fast instead of filling the machine.
limit=""
if (ulimit -v 524288 && exec "$runner" --frames 1) >/dev/null 2>&1; then limit=524288; fi
bounded() { if [ -n "$limit" ]; then (ulimit -v "$limit" && exec "$@"); else "$@"; fi; }
within=bounded
head -c 1048576 /dev/zero | tr '\0' '\n' >"$work/full.script"
printf '\n' | cat "$work/full.script" - >"$work/long.script"
mkfifo "$work/pipe"
expect 2 "/dev/zero is neither a file nor a pipe" "script from /dev/zero" --frames 2 --script /dev/zero
expect 2 "/dev/urandom is neither a file nor a pipe" "script from /dev/urandom" --frames 2 --script /dev/urandom
expect 2 "$work is a folder" "script that is a folder" --frames 2 --script "$work"
expect 2 "long.script is longer than the 1048576 bytes" "script file past the limit" --frames 2 \
  --script "$work/long.script"
expect 0 "" "script file of the limit" --frames 2 --script "$work/full.script"
yes '1 down C' >"$work/pipe" &
writer=$!
expect 2 "pipe is longer than the 1048576 bytes" "named pipe past the limit" --frames 2 --script "$work/pipe"
kill "$writer" 2>/dev/null; wait "$writer"
within=""
# A pipe with a good script: one the runner is handed (as `--script <(...)` hands it), and a named one,
# whose open waits for a writer: the runner is started first, and the writer's own open waits for the
# runner's. Each run leaves the title by the script's Enter.
printf '3 down RETURN\n5 up RETURN\n' | timeout 60 "$runner" --frames 20 --script /dev/stdin --trace "$work/stdin.trace"
status=$?
[ "$status" -eq 0 ] || { echo "script from a pipe handed over: status $status"; failed=1; }
"$runner" --frames 20 --script "$work/pipe" --trace "$work/pipe.trace" 2>"$work/err" &
reader=$!
started "$reader"
timeout 30 sh -c 'printf "3 down RETURN\n5 up RETURN\n" >"$1"' sh "$work/pipe" ||
  { echo "script from a named pipe: the runner never opened it"; failed=1; }
if wait_until 60 gone "$reader"; then
  wait "$reader"
  status=$?
  [ "$status" -eq 0 ] || { echo "script from a named pipe: status $status"; failed=1; }
else
  echo "script from a named pipe: still running"; failed=1
fi
for trace in stdin pipe; do
  grep -q '"scene":2' "$work/$trace.trace" 2>/dev/null || { echo "script from $trace: the game never left the title"; failed=1; }
done

# Two pictures or two dumps of one frame are each written, alike.
expect 0 "" "two pictures and two dumps of one frame" --frames 5 --shot 3:"$work/a.png" --shot 3:"$work/b.png" \
  --dump 3:"$work/a.json" --dump 4:"$work/c.json" --dump 3:"$work/b.json"
for pair in "a.png b.png" "a.json b.json"; do
  set -- $pair
  if [ ! -s "$work/$1" ] || ! cmp -s "$work/$1" "$work/$2"; then echo "not both written alike: $pair"; failed=1; fi
done
cmp -s "$work/a.json" "$work/c.json" && { echo "the dumps of frames 3 and 4 are the same"; failed=1; }

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
# Each frame's line lists the music commands of that frame alone: the tune is opened once, so its open
# is on one line only.
opens=$(grep -c '"music":\["open ' "$work/damaged.trace")
[ "$opens" -eq 1 ] || { echo "damaged tune: the tune's open is listed on $opens lines, not 1"; failed=1; }
exit "$failed"
