// A render caught inside the synthesizer (as a malformed file once caught the player) on the SDL
// backend: the render is held by a hook until the very end. The game must go on without waiting for it
// (sounds, stopping the music, shutting the sound down: the output gives the render up and leaves its
// device behind, open), must never free or reuse what it can touch (a new soundfont, music without
// voices, the device opened again with a new piece), and must play no more music: the held render
// stays the only one ever inside the synthesizer. When it is let go at last, it leaves at once: the mix
// it was inside goes no further, so the sound on the device opened since comes out sample for sample as
// if the render had never come back. Let go instead the moment it is given up, before the output has
// finished closing, the device it was in calls back at once and must already be cut off from the
// mixer. Under the sanitizers, anything it touches that was freed is reported.
#pragma once
#include <SDL.h>

#include <sys/stat.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "framework/el_sound.h"
#include "platform/audio_output.h"
#include "platform/mci.h"
#include "platform/midi_sequencer.h"
#include "platform/sound_device.h"
#include "platform/window_system.h"

namespace stuck_render {

struct Held {
  std::mutex lock;
  std::condition_variable wake;
  bool released = false;
  std::atomic<int> entries{0};
  std::atomic<int> inside{0};
  std::atomic<bool> twoAtOnce{false};
  std::uint32_t openResult = 0;
  // Letting go at the give-up: where the disk driver writes, and what the give-up saw.
  std::string raw;
  bool givenUp = false;
  bool calledBack = false;
};

// Never destroyed: the held thread may still wait on it while the program exits.
inline Held& H() {
  static Held* held = new Held;
  return *held;
}

// The render hook: the first render holds here until released; so does any other that gets in.
inline void Hold() {
  Held& h = H();
  h.entries.fetch_add(1);
  if (h.inside.fetch_add(1) > 0) h.twoAtOnce.store(true);
  {
    std::unique_lock<std::mutex> lock(h.lock);
    h.wake.wait(lock, [&h] { return h.released; });
  }
  h.inside.fetch_sub(1);
}

inline void NoteOpen(const char* command, std::uint32_t result, const char*) {
  if (std::strncmp(command, "open ", 5) == 0) H().openResult = result;
}

// Polls until `done`, or fails after `milliseconds`; pumps no message (for the middle of a sound call).
template <class Condition>
bool Within(Uint32 milliseconds, Condition done) {
  const Uint32 start = SDL_GetTicks();
  while (!done()) {
    if (SDL_GetTicks() - start > milliseconds) return false;
    SDL_Delay(2);
  }
  return true;
}

// Pumps the game's messages until `done`, or fails after `milliseconds`.
template <class Condition>
bool WaitFor(Condition done, Uint32 milliseconds) {
  const Uint32 start = SDL_GetTicks();
  while (!done()) {
    if (SDL_GetTicks() - start > milliseconds) return false;
    plat::Message m;
    while (plat::PeekMessage(m, true)) plat::DispatchMessage(m);
    SDL_Delay(2);
  }
  return true;
}

inline int Fail(const char* what) {
  std::printf("stuck render: %s\n", what);
  std::fflush(stdout);
  return 1;
}

inline void Release() {
  Held& h = H();
  {
    std::lock_guard<std::mutex> lock(h.lock);
    h.released = true;
  }
  h.wake.notify_all();
}

// Runs `step` and lets the held render go if the step has not come back within `milliseconds`, so
// that a step that waits for the held thread fails instead of hanging. True when it came back by itself.
template <class Step>
bool WithoutWaitingForIt(Step step, int milliseconds) {
  std::mutex lock;
  std::condition_variable wake;
  bool done = false;
  bool forced = false;
  std::thread watch([&] {
    std::unique_lock<std::mutex> held(lock);
    if (wake.wait_for(held, std::chrono::milliseconds(milliseconds), [&done] { return done; })) return;
    forced = true;
    held.unlock();
    Release();
  });
  step();
  {
    std::lock_guard<std::mutex> held(lock);
    done = true;
  }
  wake.notify_all();
  watch.join();
  return !forced;
}

inline bool SoundPlaying(int id) {
  return id >= 0 && plat::audio::SoundBufferPlaying(elSound::SoundSlot.mixBuffers[id][0]);
}

// The SDL audio devices open now, by their ids (SDL keeps at most 16).
inline std::vector<SDL_AudioDeviceID> OpenDevices() {
  std::vector<SDL_AudioDeviceID> ids;
  for (SDL_AudioDeviceID id = 1; id <= 16; ++id) {
    if (SDL_GetAudioDeviceStatus(id) != SDL_AUDIO_STOPPED) ids.push_back(id);
  }
  return ids;
}

// The device left behind with the held render, the one opened after it, and the sound playing there.
struct AfterReopening {
  SDL_AudioDeviceID leftBehind = 0;
  SDL_AudioDeviceID reopened = 0;
  int sound = -1;
};

// Opens the sound device with `beep` loaded (its id in `sound`) and starts `tune`, whose first render
// is held. 0 once it is.
inline int StartHeld(const char* beep, const char* tune, int& sound) {
  Held& h = H();
  plat::SetMciObserver(NoteOpen);
  plat::audio::sequencer::SetRenderHook(Hold);
  if (elSound::Init() == 0) return Fail("no sound device");
  const std::vector<SDL_AudioDeviceID> first = OpenDevices();
  if (first.size() != 1) return Fail("not one sound device open");
  elSound::ResetMusic();
  sound = elSound::LoadObject(beep, 1);
  // The piece starts between two of the device's callbacks: the render held is the first piece of
  // music in a callback, with the rest of that callback's mix still to come after it.
  SDL_LockAudioDevice(first[0]);
  elSound::PlayMusic(tune, 1);
  SDL_UnlockAudioDevice(first[0]);
  if (!WaitFor([&h] { return h.entries.load() > 0; }, 5000)) return Fail("the piece never rendered");
  return 0;
}

inline int HoldAndGoOn(const char* beep, const char* tune, AfterReopening& after) {
  Held& h = H();
  int sound = -1;
  if (const int failed = StartHeld(beep, tune, sound)) return failed;

  // The game goes on around it; closing the output gives the render up once it has been inside for
  // the second that judges it stuck, and leaves its device behind.
  elSound::Play(sound, -1);
  elSound::StopMusic();
  if (!WithoutWaitingForIt(elSound::Shutdown, 10000)) return Fail("shutting the sound down waited for the held render");
  // What used to free the stuck synthesizer or hand it to another thread.
  plat::audio::sequencer::SetVoices(false);
  plat::audio::sequencer::SetVoices(true);
  plat::audio::sequencer::SetSoundFontPath("/nonexistent/other.sf2");
  plat::audio::sequencer::SetSoundFontPath(nullptr);
  const std::vector<SDL_AudioDeviceID> left = OpenDevices();
  // A driver of one device (SDL's dummy) cannot open another beside the one left behind: the game then
  // goes on without sound. Otherwise the new device mixes the sound to its end, with no music.
  const bool reopened = elSound::Init() != 0;
  const std::vector<SDL_AudioDeviceID> now = OpenDevices();
  elSound::ResetMusic();
  const int again = elSound::LoadObject(beep, 1);
  elSound::PlayMusic(tune, 1);
  elSound::Play(again, -1);
  if (reopened && !SoundPlaying(again)) return Fail("the sound did not start on the new device");
  if (!WaitFor([again] { return !SoundPlaying(again); }, 5000)) return Fail("the new device does not mix");
  if (h.openResult == 0) return Fail("music opened again after a stuck render");
  std::printf("stuck render: the sound device %s\n", reopened ? "opened again" : "could not open again");
  if (h.entries.load() != 1 || h.twoAtOnce.load()) return Fail("another render reached the synthesizer");
  if (h.inside.load() != 1) return Fail("the held render was let go early");
  if (!reopened) return 0;
  if (left.size() != 1 || now.size() != 2) return Fail("the device left behind and the new one are not told apart");
  after.leftBehind = left[0];
  after.reopened = now[0] == left[0] ? now[1] : now[0];
  after.sound = again;
  return 0;
}

// Lets the held render go while the new device is held still, waits until the callback it was in has
// come back out, then mixes the new device's sound, played from its start before the release, and
// again from its start: both must be the same samples, whatever the released thread did meanwhile.
inline int LetGoBesideTheNewDevice(const AfterReopening& after) {
  constexpr int kFrames = 22050;  // longer than the sound
  SDL_LockAudioDevice(after.reopened);
  elSound::Play(after.sound, -1);
  Release();
  const bool left = WaitFor([] { return H().inside.load() == 0; }, 5000);
  if (left) {
    SDL_LockAudioDevice(after.leftBehind);
    SDL_UnlockAudioDevice(after.leftBehind);
  }
  std::vector<std::int16_t> heard(kFrames * 2), alone(kFrames * 2);
  plat::audio::Mix(heard.data(), kFrames);
  elSound::Play(after.sound, -1);
  plat::audio::Mix(alone.data(), kFrames);
  SDL_UnlockAudioDevice(after.reopened);
  if (!left) return Fail("the render never left");
  for (int i = 0; i < kFrames * 2; ++i) {
    if (heard[i] == alone[i]) continue;
    std::printf("stuck render: after the release, frame %d of the new device's sound is %d, not %d\n", i / 2,
                heard[i], alone[i]);
    return Fail("the released render went on mixing the new device's sounds");
  }
  if (H().entries.load() != 1) return Fail("the released render went back into the synthesizer");
  std::printf("stuck render: the released render left the new device's sound where it was\n");
  return 0;
}

// Lets the held render go at last (whatever failed before) and shuts the sound down.
inline int Finish(int failed, const char* passed) {
  Release();
  if (!WaitFor([] { return H().inside.load() == 0; }, 5000)) failed = Fail("the held render never came out");
  elSound::StopMusic();
  elSound::Shutdown();
  plat::audio::sequencer::SetRenderHook(nullptr);
  plat::audio::sequencer::SetGiveUpHook(nullptr);
  plat::SetMciObserver(nullptr);
  if (failed == 0) std::printf("%s", passed);
  std::fflush(stdout);
  return failed;
}

// `beep` and `tune` are names under the program's folder. 0 when everything held.
inline int Check(const char* beep, const char* tune) {
  AfterReopening after;
  int failed = HoldAndGoOn(beep, tune, after);
  if (failed == 0 && after.reopened != 0) failed = LetGoBesideTheNewDevice(after);
  return Finish(failed, "stuck render: the game went on without it\n");
}

inline long FileSize(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 ? static_cast<long>(st.st_size) : -1;
}

// The give-up hook: lets the held render go while the output is still closing, and waits until the
// device it was in has written three mixes of 1024 frames since: the one it was held in, and those it
// made after coming back.
inline void LetGoAndListen() {
  constexpr long kCallbackBytes = 1024 * 2 * 2;
  Held& h = H();
  h.givenUp = true;
  const long before = FileSize(h.raw);
  Release();
  h.calledBack = Within(2000, [&h, before] {
    return h.inside.load() == 0 && FileSize(h.raw) >= before + 3 * kCallbackBytes;
  });
}

// `click` (shorter than one callback's mix) and `tune` are names under the program's folder; `raw` is
// the file SDL's disk driver writes. The output is closed under the click, started while the held render
// kept the mixer still: the game frees its sounds before that, but here any mix by the device left
// behind would end the click. 0 when it is still playing.
inline int LetGoAsItIsGivenUp(const char* click, const char* tune, const char* raw) {
  Held& h = H();
  h.raw = raw;
  plat::audio::sequencer::SetGiveUpHook(LetGoAndListen);
  int sound = -1;
  int failed = StartHeld(click, tune, sound);
  if (failed != 0) return Finish(failed, "");
  elSound::Play(sound, -1);
  if (!SoundPlaying(sound)) {
    failed = Fail("the click did not start");
  } else if (!WithoutWaitingForIt(plat::audio::output::Close, 10000)) {
    failed = Fail("closing the output waited for the held render");
  } else if (!h.givenUp) {
    failed = Fail("the held render was never given up");
  } else if (!h.calledBack) {
    failed = Fail("the device left behind never called back while the output closed");
  } else if (!SoundPlaying(sound)) {
    failed = Fail("the device left behind mixed the sounds after its render was given up");
  } else if (h.entries.load() != 1) {
    failed = Fail("the released render went back into the synthesizer");
  }
  return Finish(failed, "stuck render: let go as it was given up, its device called back cut off from the mixer\n");
}

}  // namespace stuck_render
