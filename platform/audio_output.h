// What a backend supplies for sound: an output that pulls plat::audio::Mix at kOutputRate, stereo,
// 16-bit. The SDL backend plays it on the audio device; the headless host renders it into memory on its
// virtual clock.
#pragma once
#include <cstdint>

#include "platform/sound_device.h"

namespace plat::audio::output {

// The output frames in `ticks` of a clock that counts `ticksPerSecond`: exact, and without overflow
// however long the output has been open.
constexpr std::int64_t FramesIn(std::int64_t ticks, std::int64_t ticksPerSecond) {
  return ticks / ticksPerSecond * kOutputRate + ticks % ticksPerSecond * kOutputRate / ticksPerSecond;
}

// Opens the audio device. With none, `silentIfNone` opens a silent output instead: the mixer still
// runs on the clock (so music keeps its time and its end notices) and nothing is heard. False when
// nothing was opened.
bool Open(bool silentIfNone);
// True when what is open is the silent stand-in.
bool Silent();
void Close();
// Renders what is due up to the present moment (virtual and silent outputs); nothing for a real
// device. Called on the main thread without the mixer's lock held.
void CatchUp();

}  // namespace plat::audio::output
