// Background music: one MIDI piece at a time under the alias "midi", started over from the window
// procedure when the sequencer reports its end.
#include <cstring>

#include "framework/el_sound.h"
#include "framework/el_system.h"
#include "platform/mci.h"

namespace elSound {

MusicStateRecord MusicState;

namespace {

constexpr std::size_t kModeAnswerSize = 32;

void Send(const char* command) { plat::MciSendString(command, nullptr, 0, plat::kNoWindow); }
void SendWithNotice(const char* command) {
  plat::MciSendString(command, nullptr, 0, elSystem::Framework.mainWindow);
}

}  // namespace

void PrepareMusic() { plat::PrepareSequencer(); }

void ResetMusic() {
  MusicState.musicOpen = 0;
  MusicState.musicLoop = 1;
}

void PlayMusic(const char* name, int loop) {
  char command[elSystem::kFormatSize];
  elSystem::FormatString(command, "open \"%s%s\" type sequencer alias midi", elSystem::GetProgramDir(), name);
  if (MusicState.musicOpen != 0) StopMusic();
  Send(command);
  Send("seek midi to start");
  SendWithNotice("play midi notify");
  MusicState.musicOpen = 1;
  MusicState.musicLoop = loop;
}

void StopMusic() {
  if (MusicState.musicOpen == 0) return;
  Send("stop midi");
  Send("close midi");
  MusicState.musicOpen = 0;
}

void ReplayMusic() {
  if (MusicState.musicLoop != 0) {
    Send("seek midi to start");
    SendWithNotice("play midi notify");
  } else {
    StopMusic();
  }
}

void OnMusicNotify(std::uintptr_t code) {
  if (code != plat::MCI_NOTIFY_SUCCESSFUL || MusicState.musicOpen != 1) return;
  char mode[kModeAnswerSize] = {};
  plat::MciSendString("status midi mode", mode, sizeof mode, plat::kNoWindow);
  if (std::strncmp(mode, "st", 2) == 0) ReplayMusic();
}

}  // namespace elSound
