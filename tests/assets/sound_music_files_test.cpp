// The default sounds and tunes: RIFF WAVE PCM effects and Standard MIDI Files that loop on a bar line.
#include <gtest/gtest.h>

#include <string>

#include "asset_dir.h"
#include "framework/el_sound.h"

namespace {

struct WavInfo {
  int channels = 0, rate = 0, bits = 0;
  uint32_t dataBytes = 0;
};

// Reads the file with the game's own WAV reader; false when it refuses it or it is not PCM.
bool ReadWav(const char* relative, WavInfo& info) {
  const std::string path = AssetPath(relative);
  std::uint8_t* format = nullptr;
  std::uint8_t* samples = nullptr;
  std::uint32_t formatSize = 0, sampleSize = 0;
  if (elSound::ReadWaveFile(path.c_str(), &format, &formatSize, &samples, &sampleSize) != 0) return false;
  const bool pcm = formatSize >= 16 && (format[0] | format[1] << 8) == 1;
  info.channels = format[2] | format[3] << 8;
  info.rate = format[4] | format[5] << 8 | format[6] << 16 | format[7] << 24;
  info.bits = format[14] | format[15] << 8;
  info.dataBytes = sampleSize;
  elSound::FreeWaveBlock(format);
  elSound::FreeWaveBlock(samples);
  return pcm;
}

TEST(SoundFiles, EffectsArePcmWavesOfTheirLength) {
  struct Expect {
    const char* file;
    double minSeconds, maxSeconds;
  };
  for (const Expect& e : {Expect{"SOUND/SHOT.WAV", 0.08, 0.25}, Expect{"SOUND/BOM.WAV", 0.5, 1.1}}) {
    WavInfo w;
    ASSERT_TRUE(ReadWav(e.file, w)) << e.file;
    EXPECT_EQ(w.bits, 16) << e.file;
    EXPECT_TRUE(w.channels == 1 || w.channels == 2) << e.file;
    EXPECT_TRUE(w.rate == 22050 || w.rate == 44100) << e.file;
    const double seconds = double(w.dataBytes) / (w.channels * 2.0 * w.rate);
    EXPECT_GE(seconds, e.minSeconds) << e.file;
    EXPECT_LE(seconds, e.maxSeconds) << e.file;
  }
}

struct MidiSummary {
  int format = -1, tracks = 0, division = 0;
  std::vector<uint32_t> trackEnds;  // tick of each end-of-track
  uint32_t usPerBeat = 500000;
  int drumNotes = 0;
  std::vector<int> programs;
};

uint32_t VarLen(const std::vector<uint8_t>& b, size_t& at, size_t end) {
  uint32_t v = 0;
  for (int i = 0; i < 4 && at < end; ++i) {
    const uint8_t c = b[at++];
    v = v << 7 | (c & 0x7F);
    if (!(c & 0x80)) return v;
  }
  return v;
}

bool ParseMidi(const std::vector<uint8_t>& b, MidiSummary& m) {
  if (b.size() < 14 || std::string(b.begin(), b.begin() + 4) != "MThd" || Be32(b, 4) != 6) return false;
  m.format = Be16(b, 8);
  m.tracks = Be16(b, 10);
  m.division = Be16(b, 12);
  size_t at = 14;
  for (int t = 0; t < m.tracks; ++t) {
    if (at + 8 > b.size() || std::string(b.begin() + long(at), b.begin() + long(at) + 4) != "MTrk") return false;
    const size_t end = at + 8 + Be32(b, at + 4);
    if (end > b.size()) return false;
    at += 8;
    uint32_t tick = 0;
    uint8_t status = 0;
    bool ended = false;
    while (at < end && !ended) {
      tick += VarLen(b, at, end);
      if (b[at] & 0x80) status = b[at++];
      if (status == 0xFF) {
        const uint8_t type = b[at++];
        const uint32_t len = VarLen(b, at, end);
        if (type == 0x2F) ended = true;
        if (type == 0x51 && len == 3) m.usPerBeat = uint32_t(b[at]) << 16 | uint32_t(b[at + 1]) << 8 | b[at + 2];
        at += len;
      } else if (status == 0xF0 || status == 0xF7) {
        at += VarLen(b, at, end);
      } else {
        const int kind = status >> 4;
        if (kind == 0x9 && (status & 15) == 9 && b[at + 1] > 0) ++m.drumNotes;
        if (kind == 0xC) m.programs.push_back(b[at]);
        at += (kind == 0xC || kind == 0xD) ? 1 : 2;
      }
    }
    if (!ended || at != end) return false;  // end-of-track must close the chunk
    m.trackEnds.push_back(tick);
  }
  return at == b.size();
}

TEST(MusicFiles, TunesAreMultiTrackMidiThatEndOnABarLine) {
  struct Expect {
    const char* file;
    double minSeconds, maxSeconds;
  };
  for (const Expect& e : {Expect{"MIDI/QMX1.MID", 60, 120}, Expect{"MIDI/QMX2.MID", 45, 80}}) {
    MidiSummary m;
    ASSERT_TRUE(ParseMidi(ReadAssetBytes(e.file), m)) << e.file;
    EXPECT_EQ(m.format, 1) << e.file;
    EXPECT_GE(m.tracks, 4) << e.file;
    ASSERT_GT(m.division, 0) << e.file;
    ASSERT_FALSE(m.trackEnds.empty());
    const uint32_t end = m.trackEnds[0];
    for (uint32_t t : m.trackEnds) EXPECT_EQ(t, end) << e.file << ": every track ends together";
    EXPECT_EQ(end % uint32_t(4 * m.division), 0u) << e.file << ": ends on a bar line";
    const double seconds = double(end) / m.division * m.usPerBeat / 1e6;
    EXPECT_GE(seconds, e.minSeconds) << e.file;
    EXPECT_LE(seconds, e.maxSeconds) << e.file;
    EXPECT_GT(m.drumNotes, 50) << e.file;
    EXPECT_GE(m.programs.size(), 3u) << e.file;
  }
}

}  // namespace
