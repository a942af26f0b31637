#!/usr/bin/env python3
# The loudness of a sound capture (raw 16-bit stereo at 44.1 kHz, as SDL's disk driver writes it), by
# quarter second: says whether it holds sound, and where the sound began.
#   capture_level.py CAPTURE [FROM_BYTE]
# Exit 0 when some quarter second after FROM_BYTE is loud (RMS above 1000) and, with FROM_BYTE given,
# nothing before it is: the sound began after that point.
import math
import struct
import sys

LOUD = 1000
STEP = 44100 * 2 // 4  # samples (both channels) in a quarter second

data = open(sys.argv[1], 'rb').read()
start = int(sys.argv[2]) // 2 if len(sys.argv) > 2 else None
samples = struct.unpack('<%dh' % (len(data) // 2), data[:len(data) // 2 * 2])
levels = []
for i in range(0, len(samples) - STEP + 1, STEP):
    chunk = samples[i:i + STEP]
    levels.append(math.sqrt(sum(x * x for x in chunk) / STEP))
first_loud = next((i * STEP for i, v in enumerate(levels) if v > LOUD), None)
print('rms by quarter second:', [int(v) for v in levels[-40:]], 'first loud at sample', first_loud,
      'expected after', start)
if first_loud is None:
    sys.exit(1)
# A quarter second of slack: the quarter that holds the start may already hold the sound.
sys.exit(0 if start is None or first_loud >= start - STEP else 2)
