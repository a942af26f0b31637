#!/bin/sh
# The same keys give the same game with and without a sound device: a whole game, from the title
# through the three stages and the ending back to the title, traced frame by frame both ways. Without
# a device the sounds load as id -1 (the game asks to play them all the same); everything else,
# the music commands included, must match. The run with a device keeps its sound (--audio), so its
# music plays through the soundfont, while the other keeps time without one: the ends of the pieces,
# and so the restarts in the trace, must fall on the same frames.
#   sound_device_check.sh RUNNER WORKDIR
set -u
runner="$1"
work="$2/sound-device-check"
rm -rf "$work"
mkdir -p "$work"
printf '3 down I\n4 up I\n40 down C\n40 down B\n' >"$work/game.script"
for device in on off; do
  option="--audio $work/on.wav"
  [ "$device" = off ] && option="--no-sound-device"
  timeout 300 "$runner" --frames 16000 --script "$work/game.script" --trace "$work/$device.trace" $option \
    2>"$work/$device.err" || { echo "sound device $device: the run failed"; cat "$work/$device.err"; exit 1; }
done
python3 - "$work/on.trace" "$work/off.trace" "$work/on.wav" <<'PY'
import array, json, sys
with open(sys.argv[3], 'rb') as f:
    f.seek(44 + 4410 * 4)  # from the stage's first frames, before any shot sounds: its music alone
    quiet = max(abs(v) for v in array.array('h', f.read(22050 * 4))) < 1000
if quiet:
    sys.exit('the run with a device kept no music')
on = [json.loads(l) for l in open(sys.argv[1])]
off = [json.loads(l) for l in open(sys.argv[2])]
if len(on) != len(off):
    sys.exit('the runs differ in length: %d and %d frames' % (len(on), len(off)))
scenes = [f.get('scene') for f in on]
if 10 not in scenes or scenes[-1] != 1:
    sys.exit('the game did not reach the ending and the title again')
if not any(f.get('music') for f in on):
    sys.exit('no music commands in the trace')
for a, b in zip(on, off):
    if [s for s in a.get('sounds', [])] and all(s == -1 for s in a['sounds']):
        sys.exit('frame %d: the run with a device has no sounds loaded' % a['frame'])
    a['sounds'] = len(a.get('sounds', []))
    b['sounds'] = len(b.get('sounds', []))
    if a != b:
        keys = [k for k in a if a.get(k) != b.get(k)]
        sys.exit('frame %d differs in %s' % (a['frame'], ', '.join(keys)))
print('%d frames alike' % len(on))
PY
status=$?
rm -f "$work/on.wav"
exit $status
