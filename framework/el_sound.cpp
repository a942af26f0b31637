#include "framework/el_sound.h"

namespace elSound {

int Init() { return 0; }
void Shutdown() {}
void PlayMusic(const char*, int) {}
void StopMusic() {}
void ReplayMusic() {}
void ResetMusic() {}
void OnMusicNotify(std::uintptr_t) {}

}  // namespace elSound
