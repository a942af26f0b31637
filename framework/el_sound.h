// elSound: sound effects and MIDI music. (Only the beginnings are here yet.)
#pragma once
#include <cstdint>

namespace elSound {

int Init();
void Shutdown();
void PlayMusic(const char* name, int loop);
void StopMusic();
void ReplayMusic();
void ResetMusic();
// The music end notification of the window procedure.
void OnMusicNotify(std::uintptr_t code);

}  // namespace elSound
