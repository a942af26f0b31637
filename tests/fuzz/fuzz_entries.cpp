// The fuzz entry points over the framework on the headless host. The host, the display and the game's
// window are made once per process; each input is written to a file under a private program folder
// and goes through the same calls as the game's assets.
#include "fuzz_entries.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <cstdio>
#include <string>

#include "framework/el_draw.h"
#include "framework/el_sound.h"
#include "framework/el_system.h"
#include "platform/bmp_reader.h"
#include "platform/headless/headless_host.h"
#include "platform/mci.h"
#include "platform/window_system.h"

namespace fuzz {
namespace {

constexpr int kFirstPictureSlot = 4;

struct Host {
  std::string dir;
  bool display = false;
};

Host& H() {
  static Host host;
  if (host.dir.empty()) {
    char pattern[] = "/tmp/tessivane-fuzz-XXXXXX";
    host.dir = mkdtemp(pattern) != nullptr ? pattern : "/tmp";
    for (const char* sub : {"/IMAGE", "/SOUND", "/MIDI"}) mkdir((host.dir + sub).c_str(), 0755);
    plat::headless::Reset();
    plat::headless::SetAudioKeepSeconds(1);  // a second kept, so tunes play through the soundfont
    plat::headless::SetProgramPath(host.dir + "/prog");
    elSystem::InitGlobals();
    plat::RegisterWindowClass(plat::WindowClass{"DEFAULT", elSystem::WindowProc, true});
    elSystem::Framework.mainWindow = plat::CreateMainWindow("DEFAULT", "Tessivane", true, 800, 600);
  }
  return host;
}

void WriteInput(const std::string& path, const std::uint8_t* data, std::size_t size) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return;
  if (size > 0) std::fwrite(data, 1, size, f);
  std::fclose(f);
}

// Lets virtual time pass in 5 ms steps with every message handled by the window procedure.
void Pump(int steps) {
  for (int i = 0; i < steps; ++i) {
    plat::headless::AdvanceClock(5000000);
    plat::Message m;
    while (plat::PeekMessage(m, true)) plat::DispatchMessage(m);
  }
}

// Every drawer on the picture: whole, beyond its edges and in a small piece, across each edge of the
// clip rectangle. The places keep few pixels inside, so a large picture costs no more than a small one.
void DrawEveryWay(int slot, int width, int height) {
  const int w = width > 0 ? width : 1;
  const int h = height > 0 ? height : 1;
  const int rects[][4] = {{0, 0, w, h}, {-5, -5, w + 7, h + 7}, {w / 3, h / 3, w / 3 + 8, h / 3 + 8}};
  const int places[][2] = {{577, 300}, {223 - w, 597}, {300, 2 - h}, {-w, -h}};
  for (const auto& r : rects) {
    for (const auto& p : places) {
      elDraw::DrawObject(p[0], p[1], slot, r[0], r[1], r[2], r[3]);
      elDraw::DrawOpaque(p[0], p[1], slot, r[0], r[1], r[2], r[3]);
      elDraw::DrawHalfBlend(p[0], p[1], slot, r[0], r[1], r[2], r[3]);
      elDraw::DrawAdditive(p[0], p[1], slot, r[0], r[1], r[2], r[3]);
    }
  }
  for (const auto& r : rects) {
    elDraw::DrawStretched(574, 590, slot, r[0], r[1], r[2], r[3], 9, 13);
    elDraw::DrawRotated(214, 300, 230, 316, (r[2] * 7) % 720 - 360, slot, r[0], r[1], r[2], r[3]);
    elDraw::DrawRotated(300, 300, 316, 316, 45, slot, r[0], r[1], r[0] + 8, r[1] + 8);
  }
}

}  // namespace

bool FeedPicture(const std::uint8_t* data, std::size_t size) {
  Host& host = H();
  plat::BmpImage image;
  plat::ReadBmpMemory(data, size, image);
  if (!host.display) {
    host.display = elDraw::Screen(800, 600, 2) == 1;
    elDraw::SetClipRect(220, 0, 580, 600);
  }
  WriteInput(host.dir + "/IMAGE/F.BMP", data, size);
  // The first free slot is 4, loaded or not (a failed load keeps the name and has no surface).
  const int slot = elDraw::LoadObject("IMAGE/F.BMP", 1);
  const elDraw::ObjectSlot& loaded = elDraw::ObjectTable[slot];
  DrawEveryWay(slot, loaded.width, loaded.height);
  elDraw::ObjectSlot& taken = elDraw::ObjectTable[kFirstPictureSlot];
  if (taken.surface != nullptr) plat::ReleaseSurface(taken.surface);
  taken = elDraw::ObjectSlot{};
  plat::headless::ClearMessageBoxes();
  return slot != 0;
}

bool FeedWave(const std::uint8_t* data, std::size_t size) {
  Host& host = H();
  const std::string path = host.dir + "/SOUND/F.WAV";
  WriteInput(path, data, size);
  std::uint8_t* format = nullptr;
  std::uint8_t* samples = nullptr;
  std::uint32_t formatSize = 0;
  std::uint32_t sampleSize = 0;
  if (elSound::ReadWaveFile(path.c_str(), &format, &formatSize, &samples, &sampleSize) == 0) {
    elSound::FreeWaveBlock(format);
    elSound::FreeWaveBlock(samples);
  }
  elSound::Init();
  const int id = elSound::LoadObject("SOUND/F.WAV", 2);
  elSound::Play(id, -1);
  Pump(1);
  elSound::Play(id, -1);
  elSound::Play(id, -1);
  Pump(1);
  elSound::Shutdown();
  plat::headless::ClearMessageBoxes();
  return id >= 0;
}

bool FeedTune(const std::uint8_t* data, std::size_t size) {
  Host& host = H();
  WriteInput(host.dir + "/MIDI/F.MID", data, size);
  plat::headless::ClearMciCommands();
  elSound::ResetMusic();
  elSound::PlayMusic("MIDI/F.MID", 1);
  Pump(4);  // a short piece ends, its notice comes and it starts over
  char mode[32];
  plat::MciSendString("status midi mode", mode, sizeof mode, plat::kNoWindow);
  const bool opened = !plat::headless::MciCommands().empty() &&
                      plat::headless::MciCommands().front().find(" -> error") == std::string::npos;
  elSound::StopMusic();
  plat::headless::ClearMciCommands();
  plat::headless::ClearMessageBoxes();
  return opened;
}

}  // namespace fuzz
