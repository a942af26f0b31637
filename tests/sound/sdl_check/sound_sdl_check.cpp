// A short run on the SDL backend that plays a WAV sound and a looping MIDI piece for a few seconds.
// With SDL's disk audio driver the output lands in a raw file (44100 Hz stereo 16-bit):
//   SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/tmp/out.raw SDL_VIDEODRIVER=dummy OMP_NUM_THREADS=1 sound_sdl_check
// It prints how many times the piece started over; the raw file shows the sound and each round.
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
#include "platform/window_system.h"

namespace {

int replays = 0;

void CountReplays(const char* command, std::uint32_t, const char*) {
  if (std::strcmp(command, "seek midi to start") == 0) ++replays;
}

void Write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return;
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}

void Le(std::vector<std::uint8_t>& b, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void Be(std::vector<std::uint8_t>& b, std::uint32_t v, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void Tag(std::vector<std::uint8_t>& b, const char* t) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(t[i]));
}

// 0.2 s of a 440 Hz square wave, 22050 Hz mono 16-bit.
std::vector<std::uint8_t> Beep() {
  const int frames = 4410;
  std::vector<std::uint8_t> w;
  Tag(w, "RIFF");
  Le(w, 36 + frames * 2, 4);
  Tag(w, "WAVE");
  Tag(w, "fmt ");
  Le(w, 16, 4);
  Le(w, 1, 2);
  Le(w, 1, 2);
  Le(w, 22050, 4);
  Le(w, 44100, 4);
  Le(w, 2, 2);
  Le(w, 16, 2);
  Tag(w, "data");
  Le(w, frames * 2, 4);
  for (int i = 0; i < frames; ++i) Le(w, static_cast<std::uint16_t>((i / 25) % 2 != 0 ? 6000 : -6000), 2);
  return w;
}

// Four eighth notes at 120 beats a minute: 1 s.
std::vector<std::uint8_t> Tune() {
  std::vector<std::uint8_t> t = {0x00, 0xC0, 0x00};
  for (std::uint8_t key : {60, 64, 67, 72}) {
    t.insert(t.end(), {0x00, 0x90, key, 0x70, 0x81, 0x70, 0x80, key, 0x40});  // 240 ticks
  }
  t.insert(t.end(), {0x00, 0xFF, 0x2F, 0x00});
  std::vector<std::uint8_t> m;
  Tag(m, "MThd");
  Be(m, 6, 4);
  Be(m, 0, 2);
  Be(m, 1, 2);
  Be(m, 480, 2);
  Tag(m, "MTrk");
  Be(m, static_cast<std::uint32_t>(t.size()), 4);
  m.insert(m.end(), t.begin(), t.end());
  return m;
}

}  // namespace

int main() {
  setenv("OMP_NUM_THREADS", "1", 0);
  elSystem::InitGlobals();
  plat::RegisterWindowClass(plat::WindowClass{"DEFAULT", elSystem::WindowProc, true});
  elSystem::Framework.mainWindow = plat::CreateMainWindow("DEFAULT", "Tessivane sound check", false, 320, 240);
  if (elSystem::Framework.mainWindow == plat::kNoWindow) return 2;
  const std::string dir = elSystem::GetProgramDir();
  Write(dir + "sound-check/BEEP.WAV", Beep());
  Write(dir + "sound-check/TUNE.MID", Tune());
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
  std::filesystem::remove_all(dir + "sound-check");
  if (replays < 3) return 1;
  // With the disk driver, every quarter second of what was played must be clearly audible.
  const char* raw = std::getenv("SDL_DISKAUDIOFILE");
  if (raw == nullptr || std::strcmp(std::getenv("SDL_AUDIODRIVER") ? std::getenv("SDL_AUDIODRIVER") : "", "disk") != 0) {
    return 0;
  }
  std::FILE* f = std::fopen(raw, "rb");
  if (f == nullptr) return 1;
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
  return windows >= 12 && quiet == 0 ? 0 : 1;
}
