// Shared pieces of the sound tests: WAV and MIDI files written into a fresh directory, and the
// framework started on the headless host with a window whose queue gets the music notices.
#pragma once
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "framework/el_sound.h"
#include "framework/el_system.h"
#include "platform/headless/headless_host.h"
#include "support/headless_game.h"
#include "platform/wave_resources.h"
#include "platform/window_system.h"

namespace sound_test {

using Bytes = std::vector<std::uint8_t>;

inline void Put16(Bytes& b, std::uint32_t v) {
  b.push_back(static_cast<std::uint8_t>(v));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}
inline void Put32(Bytes& b, std::uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}
inline void PutTag(Bytes& b, const char* tag) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(tag[i]));
}
inline void PutChunk(Bytes& b, const char* tag, const Bytes& body) {
  PutTag(b, tag);
  Put32(b, static_cast<std::uint32_t>(body.size()));
  b.insert(b.end(), body.begin(), body.end());
  if (body.size() % 2 == 1) b.push_back(0);
}

// A "fmt " body: the 16-byte PCM part, then for other tags the extra size and extra bytes.
inline Bytes FormatBody(std::uint16_t tag, int channels, int rate, int bits, const Bytes* extra = nullptr) {
  Bytes f;
  const int align = channels * bits / 8;
  Put16(f, tag);
  Put16(f, static_cast<std::uint32_t>(channels));
  Put32(f, static_cast<std::uint32_t>(rate));
  Put32(f, static_cast<std::uint32_t>(rate * align));
  Put16(f, static_cast<std::uint32_t>(align));
  Put16(f, static_cast<std::uint32_t>(bits));
  if (extra != nullptr) {
    Put16(f, static_cast<std::uint32_t>(extra->size()));
    f.insert(f.end(), extra->begin(), extra->end());
  }
  return f;
}

inline Bytes Riff(const std::vector<std::pair<const char*, Bytes>>& chunks, const char* form = "WAVE") {
  Bytes body;
  PutTag(body, form);
  for (const auto& [tag, content] : chunks) PutChunk(body, tag, content);
  Bytes file;
  PutChunk(file, "RIFF", body);
  return file;
}

// 16-bit mono samples all at `level`.
inline Bytes ConstantSamples(int frames, int level) {
  Bytes s;
  for (int i = 0; i < frames; ++i) Put16(s, static_cast<std::uint16_t>(static_cast<std::int16_t>(level)));
  return s;
}

inline Bytes PcmWave(int frames, int level, int rate = 44100) {
  return Riff({{"fmt ", FormatBody(1, 1, rate, 16)}, {"data", ConstantSamples(frames, level)}});
}

// A one-track MIDI file (480 ticks a quarter, 120 beats a minute: 1.0417 ms a tick): `notes` notes
// of `ticks` ticks each, one after the other, on a piano.
inline Bytes MidiFile(int notes, int ticks) {
  Bytes track;
  const auto delta = [&](int t) {
    Bytes v;
    v.push_back(static_cast<std::uint8_t>(t & 0x7F));
    for (t >>= 7; t > 0; t >>= 7) v.insert(v.begin(), static_cast<std::uint8_t>(0x80 | (t & 0x7F)));
    track.insert(track.end(), v.begin(), v.end());
  };
  track.insert(track.end(), {0x00, 0xC0, 0x00});  // program 0
  for (int i = 0; i < notes; ++i) {
    const std::uint8_t key = static_cast<std::uint8_t>(60 + (i * 4) % 12);
    delta(0);
    track.insert(track.end(), {0x90, key, 0x70});
    delta(ticks);
    track.insert(track.end(), {0x80, key, 0x40});
  }
  track.insert(track.end(), {0x00, 0xFF, 0x2F, 0x00});
  const auto be = [](Bytes& b, std::uint32_t v, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  };
  Bytes file;
  PutTag(file, "MThd");
  be(file, 6, 4);
  be(file, 0, 2);
  be(file, 1, 2);
  be(file, 480, 2);
  PutTag(file, "MTrk");
  be(file, static_cast<std::uint32_t>(track.size()), 4);
  file.insert(file.end(), track.begin(), track.end());
  return file;
}

inline double Rms(const std::vector<std::int16_t>& s, std::size_t from, std::size_t to) {
  to = std::min(to, s.size());
  if (from >= to) return 0.0;
  double sum = 0.0;
  for (std::size_t i = from; i < to; ++i) sum += static_cast<double>(s[i]) * s[i];
  return std::sqrt(sum / static_cast<double>(to - from));
}

// Stereo frame index of a virtual time.
inline std::size_t FrameAt(double seconds) { return static_cast<std::size_t>(seconds * 44100.0); }

class SoundTest : public ::testing::Test {
 protected:
  void SetUp() override {
    plat::headless::Reset();
    plat::ClearResources();
    char pattern[] = "/tmp/tessivane-sound-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
    plat::headless::SetProgramPath(dir_ + "/prog");
    testing_support::OpenGameWindow();
    ASSERT_NE(elSystem::Framework.mainWindow, plat::kNoWindow);
  }

  void TearDown() override {
    elSound::StopMusic();
    elSound::Shutdown();
    plat::headless::ResetAudio();
    plat::ClearResources();
    std::filesystem::remove_all(dir_);
  }

  // The sound side of the display set-up.
  int StartSound(bool device = true) {
    plat::headless::SetAudioDevice(device);
    const int made = elSound::Init();
    elSound::ResetMusic();
    return made;
  }

  std::string Write(const std::string& name, const Bytes& bytes) {
    const std::filesystem::path path = std::filesystem::path(dir_) / name;
    std::filesystem::create_directories(path.parent_path());
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f != nullptr) {
      if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
      std::fclose(f);
    }
    return path.string();
  }

  // Lets virtual time pass in 5 ms steps, dispatching every message to the window procedure.
  void Pump(double seconds) {
    const int steps = static_cast<int>(seconds * 200.0 + 0.5);
    for (int i = 0; i <= steps; ++i) {
      if (i > 0) plat::headless::AdvanceClock(5000000);
      plat::Message m;
      while (plat::PeekMessage(m, true)) plat::DispatchMessage(m);
    }
  }

  int CountCommand(const std::string& command) const {
    int n = 0;
    for (const std::string& c : plat::headless::MciCommands()) {
      n += (c == command || c == command + " -> error") ? 1 : 0;
    }
    return n;
  }

  std::string dir_;
};

}  // namespace sound_test
