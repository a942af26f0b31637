// Sound ids: loading with its limits and messages, the resource fallback, and what plays when.
#include "sound_test_support.h"

namespace sound_test {
namespace {

using SoundObjectsTest = SoundTest;

std::string Box(const char* message) { return std::string("エラー発生: elSound::LoadObject : ") + message; }

TEST_F(SoundObjectsTest, LoadingGivesIdsInTurnAndReportsEachFailure) {
  ASSERT_EQ(StartSound(), 1);
  Write("SOUND/SHOT.WAV", PcmWave(100, 1000));
  Write("SOUND/BAD.WAV", Riff({{"fmt ", FormatBody(1, 1, 44100, 16)}}));
  const Bytes extra{1, 2, 3, 4};
  Write("SOUND/ADPCM.WAV", Riff({{"fmt ", FormatBody(2, 1, 8000, 4, &extra)}, {"data", Bytes(64, 1)}}));
  const auto& boxes = plat::headless::MessageBoxes();

  EXPECT_EQ(elSound::LoadObject("SOUND/SHOT.WAV", 1), 0);
  EXPECT_EQ(elSound::LoadObject("SOUND/SHOT.WAV", -3), 1);  // the absolute value
  EXPECT_EQ(elSound::SoundSlot.mixCount[1], 3);
  EXPECT_EQ(elSound::SoundSlot.baseFrequency[1], 44100);
  EXPECT_STREQ(elSound::SoundSlot.name[1], "SOUND/SHOT.WAV");
  EXPECT_EQ(elSound::LoadObject("SOUND/SHOT.WAV", 0), 2);  // no buffer, but the id is taken
  EXPECT_EQ(elSound::SoundSlot.mixCount[2], 0);
  EXPECT_EQ(elSound::LoadObject("SOUND/SHOT.WAV", 10), 3);
  EXPECT_TRUE(boxes.empty());

  EXPECT_EQ(elSound::LoadObject("SOUND/SHOT.WAV", 11), -1);
  EXPECT_EQ(elSound::LoadObject("SOUND/SHOT.WAV", -11), -1);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0], Box("ミックス数が多過ぎます"));

  EXPECT_EQ(elSound::LoadObject("SOUND/NONE.WAV", 1), -1);
  EXPECT_EQ(elSound::LoadObject("SOUND/BAD.WAV", 1), -1);
  EXPECT_EQ(boxes.back(), Box("WAVEリソースが見つかりません"));
  EXPECT_EQ(boxes[boxes.size() - 2], Box("WAVEリソースが見つかりません"));

  // Read well, but no buffer takes that format: the id stays free.
  EXPECT_EQ(elSound::LoadObject("SOUND/ADPCM.WAV", 1), -1);
  EXPECT_EQ(boxes.back(), Box("サウンドバッファが生成できません"));
  EXPECT_EQ(elSound::SoundSlot.used[4], 0);

  // A name over 30 characters is refused last: the buffers stay made and the id stays used.
  const std::string longName = "SOUND/../SOUND/./././SHOT.WAV__";
  Write(longName, PcmWave(100, 1000));
  ASSERT_EQ(longName.size(), 31u);
  EXPECT_EQ(elSound::LoadObject(longName.c_str(), 2), -1);
  EXPECT_EQ(boxes.back(), Box("ファイル名またはリソース名が長すぎます"));
  EXPECT_EQ(elSound::SoundSlot.used[4], 1);
  EXPECT_NE(elSound::SoundSlot.mixBuffers[4][1], 0);
  EXPECT_STREQ(elSound::SoundSlot.name[4], "");

  for (int id = 5; id < elSound::kSoundIds; ++id) EXPECT_EQ(elSound::LoadObject("SOUND/SHOT.WAV", 1), id);
  const std::size_t before = boxes.size();
  EXPECT_EQ(elSound::LoadObject("SOUND/SHOT.WAV", 1), -1);
  ASSERT_EQ(boxes.size(), before + 1);
  EXPECT_EQ(boxes.back(), Box("オブジェクト数が多過ぎます"));
}

TEST_F(SoundObjectsTest, AMissingOrMalformedFileFallsBackToTheResource) {
  ASSERT_EQ(StartSound(), 1);
  const Bytes wave = PcmWave(200, 3000, 22050);  // a canonical 44-byte header, then the samples
  ASSERT_TRUE(plat::AddResource("SOUND/BOM.WAV", plat::kResourceTypeWave, wave.data(), wave.size()));
  Write("SOUND/BOM.WAV", Riff({{"fmt ", Bytes(12, 0)}, {"data", Bytes(8, 0)}}));  // short "fmt "
  EXPECT_EQ(elSound::LoadObject("SOUND/BOM.WAV", 1), 0);
  EXPECT_EQ(elSound::SoundSlot.baseFrequency[0], 22050);

  // Raw data resources count too; one too short for its header or its samples does not.
  ASSERT_TRUE(plat::AddResource("RAW", plat::kResourceTypeRcData, wave.data(), wave.size()));
  EXPECT_EQ(elSound::LoadObject("RAW", 1), 1);
  ASSERT_TRUE(plat::AddResource("SHORT", plat::kResourceTypeWave, wave.data(), 43));
  ASSERT_TRUE(plat::AddResource("CUT", plat::kResourceTypeWave, wave.data(), wave.size() - 2));
  EXPECT_EQ(elSound::LoadObject("SHORT", 1), -1);
  EXPECT_EQ(elSound::LoadObject("CUT", 1), -1);
  EXPECT_EQ(plat::headless::MessageBoxes().size(), 2u);
}

TEST_F(SoundObjectsTest, OneBufferRestartsWhileMoreBuffersOverlap) {
  ASSERT_EQ(StartSound(), 1);
  Write("SOUND/S.WAV", PcmWave(4410, 8000));  // 0.1 s at one level
  const int single = elSound::LoadObject("SOUND/S.WAV", 1);
  const int pair = elSound::LoadObject("SOUND/S.WAV", 2);

  // t 0 and 0.05: one buffer, so the second play cuts the first off and starts again.
  elSound::Play(single, -1);
  plat::headless::AdvanceClock(50000000);
  elSound::Play(single, -1);
  // t 0.5, 0.55 and 0.58: two buffers overlap; the third play restarts the older one.
  plat::headless::AdvanceClock(450000000);
  elSound::Play(pair, -1);
  plat::headless::AdvanceClock(50000000);
  elSound::Play(pair, -1);
  plat::headless::AdvanceClock(30000000);
  elSound::Play(pair, -1);
  plat::headless::AdvanceClock(420000000);
  const std::vector<std::int16_t>& s = plat::headless::RenderedAudio();
  ASSERT_EQ(s.size(), FrameAt(1.0) * 2);
  const auto at = [&](double t) { return s[FrameAt(t) * 2]; };
  EXPECT_EQ(at(0.01), 8000);
  EXPECT_EQ(at(0.06), 8000);  // never both at once
  EXPECT_EQ(at(0.149), 8000);
  EXPECT_EQ(at(0.151), 0);
  EXPECT_EQ(s[FrameAt(0.02) * 2 + 1], 8000);  // a mono sound plays on both sides

  EXPECT_EQ(at(0.52), 8000);
  EXPECT_EQ(at(0.56), 16000);
  EXPECT_EQ(at(0.59), 16000);  // the oldest started over at 0.58
  EXPECT_EQ(at(0.64), 16000);
  EXPECT_EQ(at(0.66), 8000);   // 0.55's copy ended at 0.65
  EXPECT_EQ(at(0.679), 8000);
  EXPECT_EQ(at(0.681), 0);
}

TEST_F(SoundObjectsTest, PlaysOutsideTheLoadedIdsDoNothing) {
  ASSERT_EQ(StartSound(), 1);
  Write("SOUND/S.WAV", PcmWave(4410, 8000));
  const int id = elSound::LoadObject("SOUND/S.WAV", 1);
  const int failed = elSound::LoadObject("SOUND/NONE.WAV", 1);
  ASSERT_EQ(failed, -1);
  EXPECT_EQ(elSound::Play(failed, -1), 0);
  EXPECT_EQ(elSound::Play(70, -1), 0);
  EXPECT_EQ(elSound::Play(-70, -1), 0);
  EXPECT_EQ(elSound::Play(id + 1, -1), 0);  // never given out
  EXPECT_EQ(elSound::Play(id, 1), 0);       // no such buffer
  plat::headless::AdvanceClock(100000000);
  for (std::int16_t v : plat::headless::RenderedAudio()) ASSERT_EQ(v, 0);
  EXPECT_EQ(elSound::Play(id, 0), 1);
  plat::headless::AdvanceClock(10000000);
  EXPECT_EQ(plat::headless::RenderedAudio().back(), 8000);
}

TEST_F(SoundObjectsTest, LoudSumsStayUnderFullScaleAndQuietSoundsPassUntouched) {
  ASSERT_EQ(StartSound(), 1);
  Write("SOUND/QUIET.WAV", PcmWave(4410, 8000));
  Write("SOUND/LOUD.WAV", PcmWave(4410, -20000));
  const int quiet = elSound::LoadObject("SOUND/QUIET.WAV", 1);
  const int loud = elSound::LoadObject("SOUND/LOUD.WAV", 3);
  elSound::Play(quiet, -1);
  Pump(0.05);
  const std::vector<std::int16_t>& s = plat::headless::RenderedAudio();
  ASSERT_GT(s.size(), FrameAt(0.04) * 2);
  EXPECT_NEAR(s[FrameAt(0.02) * 2], 8000, 1);
  // Three copies at -20000 add up to 1.8 times full scale: bent under it, and still loud.
  for (int i = 0; i < 3; ++i) elSound::Play(loud, -1);
  Pump(0.05);
  const auto [low, high] = std::minmax_element(s.begin() + FrameAt(0.06) * 2, s.begin() + FrameAt(0.09) * 2);
  EXPECT_GT(*low, -32767);
  EXPECT_LT(*low, -30000);
  EXPECT_LE(*high, 0);
}

TEST_F(SoundObjectsTest, WithoutADeviceEverythingIsSilentAndQuiet) {
  EXPECT_EQ(StartSound(false), 0);
  Write("SOUND/S.WAV", PcmWave(4410, 8000));
  EXPECT_EQ(elSound::LoadObject("SOUND/S.WAV", 1), -1);
  EXPECT_EQ(elSound::LoadObject("SOUND/S.WAV", 50), -1);
  EXPECT_EQ(elSound::Play(0, -1), 0);
  Write("MIDI/QMX1.MID", MidiFile(2, 100));
  elSound::PlayMusic("MIDI/QMX1.MID", 1);
  Pump(1.0);
  EXPECT_TRUE(plat::headless::MessageBoxes().empty());
  EXPECT_TRUE(plat::headless::RenderedAudio().empty());
  // The music device does not need the sound device: the piece keeps its time unheard and its end
  // notices start it over as they would with sound (a piece of 0.2 s, five rounds in a second).
  EXPECT_EQ(CountCommand("seek midi to start"), 5);
  EXPECT_EQ(CountCommand("status midi mode"), 4);
  elSound::StopMusic();
  EXPECT_FALSE(plat::headless::AudioOutputOpen());
  elSound::Shutdown();
}

}  // namespace
}  // namespace sound_test
