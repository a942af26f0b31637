// A short run on the SDL backend that plays a WAV sound and a looping MIDI piece for a few seconds.
// With SDL's disk audio driver the output lands in a raw file (44100 Hz stereo 16-bit):
//   SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/tmp/out.raw SDL_VIDEODRIVER=dummy OMP_NUM_THREADS=1 sound_sdl_check
// It prints how many times the piece started over; the raw file shows the sound and each round. Then,
// on the same backend, a render caught inside the synthesizer (stuck_render_check.h). A process has
// one such render at most: with the argument "let-go-at-give-up" it runs alone, let go the moment it is
// given up (heard through the disk driver only; skipped with 77 on another).
#include <SDL.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "framework/el_sound.h"
#include "framework/el_system.h"
#include "platform/mci.h"
#include "sound/sdl_check/stuck_render_check.h"
#include "sound/sound_test_support.h"
#include "platform/window_system.h"

namespace {

int replays = 0;

void CountReplays(const char* command, std::uint32_t, const char*) {
  if (std::strcmp(command, "seek midi to start") == 0) ++replays;
}

void Write(const std::string& path, const sound_test::Bytes& bytes) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return;
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}

// With the disk driver, every quarter second of what was played must be clearly audible.
bool EveryQuarterAudible() {
  const char* raw = std::getenv("SDL_DISKAUDIOFILE");
  if (raw == nullptr || std::strcmp(std::getenv("SDL_AUDIODRIVER") ? std::getenv("SDL_AUDIODRIVER") : "", "disk") != 0) {
    return true;
  }
  std::FILE* f = std::fopen(raw, "rb");
  if (f == nullptr) return false;
  std::vector<std::int16_t> samples(44100 * 2 * 4);
  samples.resize(std::fread(samples.data(), sizeof(std::int16_t), samples.size(), f));
  std::fclose(f);
  const std::size_t window = 44100 / 4 * 2;
  int quiet = 0, windows = 0;
  for (std::size_t at = 0; at + window <= samples.size() && windows < 12; at += window, ++windows) {
    double sum = 0;
    for (std::size_t i = at; i < at + window; ++i) sum += static_cast<double>(samples[i]) * samples[i];
    const double rms = std::sqrt(sum / static_cast<double>(window));
    std::printf("%.2f s: rms %.0f\n", static_cast<double>(windows) / 4, rms);
    if (rms < 200) ++quiet;
  }
  return windows >= 12 && quiet == 0;
}

bool DiskDriver() {
  const char* driver = std::getenv("SDL_AUDIODRIVER");
  return driver != nullptr && std::strcmp(driver, "disk") == 0;
}

}  // namespace

int main(int argc, char** argv) {
  const bool letGoAtGiveUp = argc > 1 && std::strcmp(argv[1], "let-go-at-give-up") == 0;
  if (letGoAtGiveUp && !DiskDriver()) {
    std::printf("stuck render: letting go at the give-up is heard through SDL's disk driver only\n");
    return 77;
  }
  setenv("OMP_NUM_THREADS", "1", 0);
  elSound::PrepareMusic();  // as the program does at its start
  elSystem::InitGlobals();
  plat::RegisterWindowClass(plat::WindowClass{"DEFAULT", elSystem::WindowProc, true});
  elSystem::Framework.mainWindow = plat::CreateMainWindow("DEFAULT", "Tessivane sound check", false, 320, 240);
  if (elSystem::Framework.mainWindow == plat::kNoWindow) return 2;
  const std::string dir = elSystem::GetProgramDir();
  Write(dir + "sound-check/BEEP.WAV", sound_test::PcmWave(4410, 6000, 22050));  // 0.2 s
  Write(dir + "sound-check/TUNE.MID", sound_test::MidiFile(4, 240));  // 1 s
  if (letGoAtGiveUp) {
    Write(dir + "sound-check/CLICK.WAV", sound_test::PcmWave(441, 6000));  // 10 ms
    const char* raw = std::getenv("SDL_DISKAUDIOFILE");
    const int failed = stuck_render::LetGoAsItIsGivenUp("sound-check/CLICK.WAV", "sound-check/TUNE.MID",
                                                        raw != nullptr ? raw : "sdlaudio.raw");
    std::filesystem::remove_all(dir + "sound-check");
    return failed;
  }
  plat::SetMciObserver(CountReplays);
  if (elSound::Init() == 0) {
    std::printf("no sound device\n");
    return 1;
  }
  elSound::ResetMusic();
  const int beep = elSound::LoadObject("sound-check/BEEP.WAV", 1);
  elSound::PlayMusic("sound-check/TUNE.MID", 1);
  const std::uint32_t start = SDL_GetTicks();
  std::uint32_t nextBeep = start;
  while (SDL_GetTicks() - start < 3500) {
    if (SDL_GetTicks() >= nextBeep) {
      elSound::Play(beep, -1);
      nextBeep += 1000;
    }
    plat::Message m;
    while (plat::PeekMessage(m, true)) plat::DispatchMessage(m);
    SDL_Delay(5);
  }
  elSound::StopMusic();
  elSound::Shutdown();
  std::printf("piece started %d times\n", replays);
  const bool heard = replays >= 3 && EveryQuarterAudible();
  // Last: after a stuck render the process plays no more music.
  const int stuck = stuck_render::Check("sound-check/BEEP.WAV", "sound-check/TUNE.MID");
  std::filesystem::remove_all(dir + "sound-check");
  return heard && stuck == 0 ? 0 : 1;
}
