// elSound: sound effects and MIDI music. (Only the beginnings are here yet.)
#pragma once
#include <cstdint>

namespace elSound {

int Init();
void Shutdown();
// Loads a WAV file (or resource) into a new sound id with `mixCount` buffers; -1 on failure.
int LoadObject(const char* name, int mixCount);
// Plays the sound's next mix buffer (which = -1).
int Play(int soundId, int which);
void PlayMusic(const char* name, int loop);
void StopMusic();
void ReplayMusic();
void ResetMusic();
// The music end notification of the window procedure.
void OnMusicNotify(std::uintptr_t code);

}  // namespace elSound
