// The SDL audio device as the sound output: SDL's audio thread pulls the shared mixer.
#include <SDL.h>

#include <cstdio>

#include "platform/audio_output.h"
#include "platform/sound_device.h"

namespace plat::audio::output {
namespace {

SDL_AudioDeviceID device = 0;
bool subsystemStarted = false;

void Callback(void*, Uint8* stream, int length) {
  const int frames = length / static_cast<int>(sizeof(std::int16_t) * kOutputChannels);
  plat::audio::Mix(reinterpret_cast<std::int16_t*>(stream), frames);
}

}  // namespace

bool Open() {
  if (device != 0) return true;
  if (!subsystemStarted) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    subsystemStarted = true;
  }
  SDL_AudioSpec want{};
  want.freq = kOutputRate;
  want.format = AUDIO_S16SYS;
  want.channels = kOutputChannels;
  want.samples = 1024;
  want.callback = Callback;
  SDL_AudioSpec have{};
  device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);  // SDL converts to whatever the device takes
  if (device == 0) return false;
  SDL_PauseAudioDevice(device, 0);
  return true;
}

void Close() {
  if (device == 0) return;
  SDL_CloseAudioDevice(device);
  device = 0;
}

void CatchUp() {}

}  // namespace plat::audio::output
