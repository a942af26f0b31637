// elSound: sound effects (a table of sound ids, each with one to ten mix buffers filled from a WAV
// file or resource) and MIDI music played through the sequencer's command strings.
#pragma once
#include <cstdint>

#include "platform/sound_device.h"

namespace elSound {

constexpr int kSoundIds = 70;
constexpr int kMaxMixBuffers = 10;
constexpr int kSoundNameSize = 31;

// The sound ids, as parallel arrays.
struct SoundSlotTable {
  plat::audio::SoundBuffer mixBuffers[kSoundIds][kMaxMixBuffers];
  int mixCount[kSoundIds];
  int used[kSoundIds];
  int nextMix[kSoundIds];
  int baseFrequency[kSoundIds];
  char name[kSoundIds][kSoundNameSize];
  int frequency[kSoundIds][kMaxMixBuffers];
};
extern SoundSlotTable SoundSlot;

struct SoundDeviceState {
  bool device = false;   // the sound device is made
  bool primary = false;  // the primary buffer is made
  int soundAvailable = 0;
};
extern SoundDeviceState SoundDevice;

struct MusicStateRecord {
  int musicOpen = 0;  // the alias "midi" is open
  int musicLoop = 1;  // the piece starts over at its end
};
extern MusicStateRecord MusicState;

// Makes the sound device (1), or finds none (0: every sound call then does nothing); resets the table.
int Init();
// Stops and frees every mix buffer and the device.
void Shutdown();
// Loads a WAV file (or "WAVE" resource) under the program directory into a new sound id with
// |mixCount| buffers; -1 after an error box.
int LoadObject(const char* name, int mixCount);
// Plays the sound's next mix buffer (which = -1) or the buffer `which`. Ids that are out of range or
// not loaded do nothing.
int Play(int soundId, int which);
// Told the id of every Play call, played or not (for tools that trace what the game asked to hear).
using PlayObserver = void (*)(int soundId);
void SetPlayObserver(PlayObserver observer);
// Reads a RIFF WAVE file: a format block (the 16-byte PCM format, a 16-bit extra size, the extra bytes)
// and the samples of its "data" chunk. 0 on success, 1 on failure (everything freed, outputs null / 0).
// Free the blocks with FreeWaveBlock.
int ReadWaveFile(const char* path, std::uint8_t** format, std::uint32_t* formatSize, std::uint8_t** samples,
                 std::uint32_t* sampleSize);
void FreeWaveBlock(std::uint8_t* block);

// Readies the music device at start-up, so that starting the first piece costs nothing and the
// device's own start-up is over before the game seeds its random numbers.
void PrepareMusic();
void PlayMusic(const char* name, int loop);
void StopMusic();
void ReplayMusic();
void ResetMusic();
// MM_MCINOTIFY in the window procedure.
void OnMusicNotify(std::uintptr_t code);

}  // namespace elSound
