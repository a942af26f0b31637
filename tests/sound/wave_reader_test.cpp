// The WAV reader: what a good file yields, and the files it refuses (every block freed, outputs empty).
#include <cstring>

#include "sound_test_support.h"

namespace sound_test {
namespace {

struct ReadResult {
  int status = -1;
  Bytes format;
  Bytes samples;
  bool emptyOutputs = false;
};

ReadResult Read(const std::string& path) {
  std::uint8_t* format = reinterpret_cast<std::uint8_t*>(1);
  std::uint8_t* samples = reinterpret_cast<std::uint8_t*>(1);
  std::uint32_t formatSize = 99;
  std::uint32_t sampleSize = 99;
  ReadResult r;
  r.status = elSound::ReadWaveFile(path.c_str(), &format, &formatSize, &samples, &sampleSize);
  r.emptyOutputs = format == nullptr && samples == nullptr && formatSize == 0 && sampleSize == 0;
  if (r.status == 0) {
    r.format.assign(format, format + formatSize);
    r.samples.assign(samples, samples + sampleSize);
  }
  elSound::FreeWaveBlock(format == reinterpret_cast<std::uint8_t*>(1) ? nullptr : format);
  elSound::FreeWaveBlock(samples == reinterpret_cast<std::uint8_t*>(1) ? nullptr : samples);
  return r;
}

using WaveReaderTest = SoundTest;

TEST_F(WaveReaderTest, GoodFilesGiveTheirFormatBlockAndSamples) {
  // PCM: an 18-byte block with extra size 0, after skipping a chunk before "fmt " and one between.
  const Bytes pcm = Riff({{"LIST", Bytes{'I', 'N', 'F', 'O'}},
                          {"fmt ", FormatBody(1, 2, 22050, 16)},
                          {"fact", Bytes{1, 2, 3}},
                          {"data", ConstantSamples(101, -1234)}});
  const ReadResult a = Read(Write("pcm.wav", pcm));
  ASSERT_EQ(a.status, 0);
  ASSERT_EQ(a.format.size(), 18u);
  EXPECT_EQ(Bytes(a.format.begin(), a.format.begin() + 16), FormatBody(1, 2, 22050, 16));
  EXPECT_EQ(a.format[16] | (a.format[17] << 8), 0);
  EXPECT_EQ(a.samples, ConstantSamples(101, -1234));

  // Another format tag: the extra size and extra bytes come along (18 + 3 bytes).
  const Bytes extra{7, 8, 9};
  const Bytes adpcm = Riff({{"fmt ", FormatBody(2, 1, 8000, 4, &extra)}, {"data", Bytes(10, 0x55)}});
  const ReadResult b = Read(Write("adpcm.wav", adpcm));
  ASSERT_EQ(b.status, 0);
  ASSERT_EQ(b.format.size(), 21u);
  EXPECT_EQ(b.format[16], 3);
  EXPECT_EQ(Bytes(b.format.begin() + 18, b.format.end()), extra);
  EXPECT_EQ(b.samples, Bytes(10, 0x55));

  // A RIFF size that claims more than the file holds (as some writers leave it) ends at the end of
  // the file; the chunks inside are still held to it.
  const auto fileRiffSize = static_cast<std::uint32_t>(PcmWave(50, 100).size() - 8);
  for (const std::uint32_t claimed : {fileRiffSize + 2, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
    Bytes longRiff = PcmWave(50, 100);
    longRiff[4] = static_cast<std::uint8_t>(claimed);
    longRiff[5] = static_cast<std::uint8_t>(claimed >> 8);
    longRiff[6] = static_cast<std::uint8_t>(claimed >> 16);
    longRiff[7] = static_cast<std::uint8_t>(claimed >> 24);
    const ReadResult c = Read(Write("long.wav", longRiff));
    EXPECT_EQ(c.status, 0) << claimed;
    EXPECT_EQ(c.samples, ConstantSamples(50, 100)) << claimed;
    longRiff.pop_back();  // now the samples run past the end too
    EXPECT_EQ(Read(Write("long.wav", longRiff)).status, 1) << claimed;
  }
}

TEST_F(WaveReaderTest, MalformedFilesAreRefused) {
  const Bytes fmt = FormatBody(1, 1, 44100, 16);
  const Bytes data = ConstantSamples(50, 100);
  Bytes sizePastEnd = PcmWave(50, 100);
  sizePastEnd[40] = 0xFF;  // the "data" size reaches past the end of the file
  Bytes notRiff = PcmWave(50, 100);
  notRiff[3] = 'X';
  Bytes truncated = PcmWave(50, 100);
  truncated.resize(truncated.size() - 1);
  const Bytes hugeExtra{1, 2};
  Bytes extraPastChunk = Riff({{"fmt ", FormatBody(2, 1, 8000, 4, &hugeExtra)}, {"data", data}});
  extraPastChunk[36] = 40;  // extra size 40, but the "fmt " chunk holds only 2 extra bytes

  const std::vector<std::pair<const char*, Bytes>> cases = {
      {"not RIFF", notRiff},
      {"not WAVE", Riff({{"fmt ", fmt}, {"data", data}}, "AVI ")},
      {"short fmt", Riff({{"fmt ", Bytes(fmt.begin(), fmt.begin() + 14)}, {"data", data}})},
      {"no fmt", Riff({{"data", data}})},
      {"no data", Riff({{"fmt ", fmt}, {"fact", Bytes(4, 0)}})},
      {"data size past end", sizePastEnd},
      {"truncated samples", truncated},
      {"extra past fmt", extraPastChunk},
      {"empty", Bytes{}},
      {"header only", Bytes{'R', 'I', 'F', 'F'}},
  };
  for (const auto& [what, bytes] : cases) {
    const ReadResult r = Read(Write("bad.wav", bytes));
    EXPECT_EQ(r.status, 1) << what;
    EXPECT_TRUE(r.emptyOutputs) << what;
  }
  const ReadResult missing = Read(dir_ + "/nothing-here.wav");
  EXPECT_EQ(missing.status, 1);
  EXPECT_TRUE(missing.emptyOutputs);
}

}  // namespace
}  // namespace sound_test
