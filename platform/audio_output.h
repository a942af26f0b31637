// What a backend supplies for sound: an output that pulls plat::audio::Mix at kOutputRate, stereo,
// 16-bit. The SDL backend plays it on the audio device; the headless host renders it into memory on its
// virtual clock.
#pragma once

namespace plat::audio::output {

// False when there is no audio device.
bool Open();
void Close();
// Renders what is due up to the present moment (virtual outputs); nothing for a real device. Called on
// the main thread without the mixer's lock held.
void CatchUp();

}  // namespace plat::audio::output
