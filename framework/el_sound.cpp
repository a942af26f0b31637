#include "framework/el_sound.h"

namespace elSound {

int Init() { return 0; }
void Shutdown() {}
int LoadObject(const char*, int) { return -1; }
int Play(int, int) { return 0; }
void PlayMusic(const char*, int) {}
void StopMusic() {}
void ReplayMusic() {}
void ResetMusic() {}
void OnMusicNotify(std::uintptr_t) {}

}  // namespace elSound
