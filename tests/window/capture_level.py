#!/usr/bin/env python3
# The loudness of a sound capture (raw 16-bit stereo at 44.1 kHz, as SDL's disk driver writes it), by
# quarter second: says whether it holds sound, and where the sound began.
#   capture_level.py CAPTURE [FROM_BYTE]
# Exit 0 when some quarter second after FROM_BYTE is loud (RMS above 1000) and, with FROM_BYTE given,
# nothing before it is: the sound began after that point.
import array
import math
import sys
import warnings

warnings.filterwarnings('ignore', category=DeprecationWarning)
try:
    from audioop import rms as Rms  # quick; gone from Python 3.13 on
except ImportError:
    def Rms(chunk, _width):
        samples = array.array('h', chunk)
        return math.sqrt(sum(x * x for x in samples) / len(samples))

LOUD = 1000
STEP = 44100 * 2 // 4  # samples (both channels) in a quarter second

data = open(sys.argv[1], 'rb').read()
start = int(sys.argv[2]) // 2 if len(sys.argv) > 2 else None
# The capture grows while it is read: only whole quarter seconds count (the C loudness keeps this
# quick enough to call ten times a second on a loaded machine).
levels = [Rms(data[i:i + STEP * 2], 2) for i in range(0, len(data) - STEP * 2 + 1, STEP * 2)]
first_loud = next((i * STEP for i, v in enumerate(levels) if v > LOUD), None)
print('rms by quarter second:', [int(v) for v in levels[-40:]], 'first loud at sample', first_loud,
      'expected after', start)
if first_loud is None:
    sys.exit(1)
# A quarter second of slack: the quarter that holds the start may already hold the sound.
sys.exit(0 if start is None or first_loud >= start - STEP else 2)
