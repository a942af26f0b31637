// Mutated and truncated WAV files: the reader and the loader refuse or accept them, never over-read
// (run under AddressSanitizer with -DTESSIVANE_SANITIZE=ON).
#include <random>

#include "sound_test_support.h"

namespace sound_test {
namespace {

using WaveFuzzTest = SoundTest;

TEST_F(WaveFuzzTest, MutatedFilesNeverReadPastTheirData) {
  ASSERT_EQ(StartSound(), 1);
  const Bytes extra{1, 2, 3, 4, 5, 6};
  const std::vector<Bytes> seeds = {
      PcmWave(64, 1000),
      Riff({{"LIST", Bytes(9, 'x')}, {"fmt ", FormatBody(1, 2, 8000, 8)}, {"data", Bytes(33, 0x90)}}),
      Riff({{"fmt ", FormatBody(0x11, 1, 22050, 4, &extra)}, {"fact", Bytes(4, 0)}, {"data", Bytes(40, 7)}}),
  };
  std::mt19937 random(12345);
  const std::string path = dir_ + "/fuzz.wav";
  int accepted = 0;
  for (int round = 0; round < 4000; ++round) {
    Bytes file = seeds[static_cast<std::size_t>(round) % seeds.size()];
    const int edits = 1 + static_cast<int>(random() % 4);
    for (int e = 0; e < edits; ++e) {
      const std::size_t at = random() % file.size();
      switch (random() % 4) {
        case 0: file[at] = static_cast<std::uint8_t>(random()); break;
        case 1: file[at] ^= static_cast<std::uint8_t>(1u << (random() % 8)); break;
        case 2: file[at] = (random() % 2) != 0 ? 0xFF : 0x00; break;  // sizes run to the extremes
        default: file.resize(at); break;                              // truncated
      }
      if (file.empty()) break;
    }
    Write("fuzz.wav", file);
    std::uint8_t* format = nullptr;
    std::uint8_t* samples = nullptr;
    std::uint32_t formatSize = 0;
    std::uint32_t sampleSize = 0;
    if (elSound::ReadWaveFile(path.c_str(), &format, &formatSize, &samples, &sampleSize) == 0) {
      ++accepted;
      ASSERT_GE(formatSize, 18u);
      ASSERT_LE(sampleSize, file.size());
      volatile std::uint8_t touch = 0;
      for (std::uint32_t i = 0; i < formatSize; ++i) touch = touch ^ format[i];
      for (std::uint32_t i = 0; i < sampleSize; ++i) touch = touch ^ samples[i];
    } else {
      ASSERT_EQ(format, nullptr);
      ASSERT_EQ(samples, nullptr);
    }
    elSound::FreeWaveBlock(format);
    elSound::FreeWaveBlock(samples);
    // Some go all the way into sound buffers and play.
    if (round % 100 == 0) {
      const int id = elSound::LoadObject("fuzz.wav", 2);
      elSound::Play(id, -1);
      plat::headless::AdvanceClock(2000000);
    }
  }
  EXPECT_GT(accepted, 100);
  EXPECT_FALSE(plat::headless::RenderedAudio().empty());
}

}  // namespace
}  // namespace sound_test
