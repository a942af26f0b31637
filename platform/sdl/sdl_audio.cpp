// The SDL audio device as the sound output: SDL's audio thread pulls the shared mixer. Without a
// device, a silent output runs the mixer from the main thread's event pump on the real clock, so the
// music keeps its time (and its end notices) with nothing heard.
#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "platform/audio_output.h"
#include "platform/midi_sequencer.h"
#include "platform/sound_device.h"

namespace plat::audio::output {
namespace {

constexpr int kSilentChunkFrames = 1024;
// A pump that comes late renders at most this much of the time it missed.
constexpr Uint64 kMaxCatchUpFrames = kOutputRate / 4;

SDL_AudioDeviceID device = 0;
bool subsystemStarted = false;
bool silent = false;
Uint64 silentStart = 0;  // performance counter at the silent output's opening
Uint64 silentRendered = 0;
// The device whose callback feeds the mixer. Close moves it on before anything else, so a device left
// behind with its thread stuck in a render keeps a number that is no longer live: should that thread
// ever come back, the mix it was inside ends at once, and every callback after it plays silence and
// never reaches the mixer (or the synthesizer) again. The thread can only come back through the mark
// that gave its render up, set after the number moved, so it reads the new number. A callback that read
// the old one just before it moved is the stuck one itself, or one that SDL's close waits for.
std::atomic<std::uintptr_t> liveDevice{1};

void Callback(void* userdata, Uint8* stream, int length) {
  if (reinterpret_cast<std::uintptr_t>(userdata) != liveDevice.load()) {
    std::memset(stream, 0, static_cast<std::size_t>(length));
    return;
  }
  const int frames = length / static_cast<int>(sizeof(std::int16_t) * kOutputChannels);
  plat::audio::Mix(reinterpret_cast<std::int16_t*>(stream), frames);
}

bool OpenDevice() {
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
  want.userdata = reinterpret_cast<void*>(liveDevice.load());
  SDL_AudioSpec have{};
  device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);  // SDL converts to whatever the device takes
  if (device == 0) return false;
  SDL_PauseAudioDevice(device, 0);
  return true;
}

}  // namespace

bool Open(bool silentIfNone) {
  if (device != 0 || silent) return true;
  plat::audio::sequencer::AllowRendering();
  if (OpenDevice()) return true;
  if (!silentIfNone) return false;
  silent = true;
  silentStart = SDL_GetPerformanceCounter();
  silentRendered = 0;
  return true;
}

bool Silent() { return silent; }

void Close() {
  silent = false;
  if (device == 0) return;
  // Cut off first: the moment a render stuck inside the synthesizer is given up, its thread may come
  // back. Closing waits for the audio thread; one caught inside the synthesizer is left behind
  // instead, its device open.
  liveDevice.fetch_add(1);
  if (plat::audio::sequencer::StopRendering()) SDL_CloseAudioDevice(device);
  device = 0;
}

void CatchUp() {
  if (!silent) return;
  const auto elapsed = static_cast<std::int64_t>(SDL_GetPerformanceCounter() - silentStart);
  const auto due = static_cast<Uint64>(FramesIn(elapsed, static_cast<std::int64_t>(SDL_GetPerformanceFrequency())));
  if (due > silentRendered + kMaxCatchUpFrames) silentRendered = due - kMaxCatchUpFrames;
  std::int16_t chunk[kSilentChunkFrames * kOutputChannels];
  while (silentRendered < due) {
    const int n = static_cast<int>(std::min<Uint64>(kSilentChunkFrames, due - silentRendered));
    plat::audio::Mix(chunk, n);
    silentRendered += static_cast<Uint64>(n);
  }
}

}  // namespace plat::audio::output
