// What the runner records besides the picture, on the headless host: every music command of a frame
// in its trace line, however many there are, and the kept sound, whose room grows with what is
// rendered and whose WAV file says its true length.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "platform/audio_output.h"
#include "platform/headless/headless_host.h"
#include "platform/mci.h"
#include "platform/png_writer.h"
#include "support/headless_game.h"
#include "tools/trace_fields.h"

namespace {

constexpr std::int64_t kSecond = 1000000000;

nlohmann::json TraceLine(int frame) {
  std::string line;
  runner::AppendTraceLine(line, frame);
  return nlohmann::json::parse(line);
}

void Send(const char* command) {
  char answer[64];
  plat::MciSendString(command, answer, sizeof answer, 0);
}

// A line lists the host's log as it stands and leaves it be: the runner empties it after each frame
// (the runner check proves that a real trace lists each command in one frame only), and so does the
// test here.
TEST(RunnerTraceTest, AFrameListsEveryMusicCommandItSentAndNothingElse) {
  plat::headless::Reset();
  runner::StartTrace();
  // Far more commands in one frame than any game sends, to the device no piece opened (each one
  // fails, which the trace does not show).
  constexpr int kCommands = 150000;
  for (int i = 0; i < kCommands; ++i) Send(i % 2 == 0 ? "status midi mode" : "stop midi");
  const nlohmann::json first = TraceLine(0);
  ASSERT_EQ(first["music"].size(), static_cast<std::size_t>(kCommands));
  EXPECT_EQ(first["music"][0], "status midi mode");
  EXPECT_EQ(first["music"][kCommands - 1], "stop midi");
  EXPECT_EQ(plat::headless::MciCommands().size(), static_cast<std::size_t>(kCommands)) << "listing took commands away";
  plat::headless::ClearMciCommands();

  Send("close midi");
  Send("seek midi to start");
  const nlohmann::json second = TraceLine(1);
  EXPECT_EQ(second["music"], nlohmann::json::array({"close midi", "seek midi to start"}));
  plat::headless::ClearMciCommands();
  EXPECT_EQ(TraceLine(2)["music"], nlohmann::json::array());  // nothing sent, nothing listed
  plat::headless::Reset();
}

TEST(RunnerTraceTest, CommandsSentBeforeTheTraceStartsAreNotListed) {
  plat::headless::Reset();
  Send("status midi mode");
  runner::StartTrace();
  Send("stop midi");
  EXPECT_EQ(TraceLine(0)["music"], nlohmann::json::array({"stop midi"}));
  plat::headless::Reset();
}

std::uint32_t U32At(const std::vector<char>& bytes, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
  return v;
}

TEST(RunnerAudioTest, RoomForTheKeptSoundGrowsWithWhatIsRenderedNotWithWhatMayBeKept) {
  plat::headless::Reset();
  plat::headless::SetAudioRendering(true);
  // Six hours and forty minutes may be kept: a little less than a WAV file holds.
  plat::headless::SetAudioKeepSeconds(24000);
  ASSERT_TRUE(plat::audio::output::Open(false));
  plat::headless::AdvanceClock(2 * kSecond);
  const std::vector<std::int16_t>& two = plat::headless::RenderedAudio();
  ASSERT_EQ(two.size(), 2u * 44100 * 2);
  // At most the first two minutes' room is taken, not the six hours'.
  EXPECT_LE(two.capacity(), 120u * 44100 * 2);

  // Past two minutes the room grows, and nothing rendered is lost on the way.
  plat::headless::AdvanceClock(298 * kSecond);
  const std::vector<std::int16_t>& five = plat::headless::RenderedAudio();
  EXPECT_EQ(five.size(), 300u * 44100 * 2);
  EXPECT_LE(five.capacity(), 2 * 300u * 44100 * 2);
  plat::audio::output::Close();
  plat::headless::SetAudioKeepSeconds(120);
  plat::headless::Reset();
}

TEST(RunnerAudioTest, TheWavFileSaysItsLengthAndAFileThatCannotTakeItFails) {
  plat::headless::Reset();
  plat::headless::SetAudioRendering(true);
  ASSERT_TRUE(plat::audio::output::Open(false));
  plat::headless::AdvanceClock(kSecond / 2);
  ASSERT_EQ(plat::headless::RenderedAudio().size(), 22050u * 2);

  const std::string path = testing_support::BuildDir() + "/tests/runner-half-second.wav";
  ASSERT_TRUE(plat::headless::WriteRenderedAudio(path));
  std::ifstream file(path, std::ios::binary);
  const std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  ASSERT_EQ(bytes.size(), 44u + 22050 * 4);
  EXPECT_EQ(std::string(bytes.data(), 4), "RIFF");
  EXPECT_EQ(U32At(bytes, 4), 36u + 22050 * 4);
  EXPECT_EQ(std::string(bytes.data() + 36, 4), "data");
  EXPECT_EQ(U32At(bytes, 40), 22050u * 4);
  std::remove(path.c_str());

  // /dev/full takes the header into the file's buffer and fails when the samples follow.
  EXPECT_FALSE(plat::headless::WriteRenderedAudio("/dev/full"));
  EXPECT_FALSE(plat::headless::WriteRenderedAudio(testing_support::BuildDir() + "/no-such-folder/x.wav"));
  plat::audio::output::Close();
  plat::headless::Reset();
}

TEST(RunnerPictureTest, APictureSmallEnoughToWaitInTheFilesBufferFailsWhenItCannotReachTheFile) {
  // A few pixels: the whole file waits in its buffer, and the write fails only as the file closes.
  const std::uint16_t pixels[4] = {0xF800, 0x07E0, 0x001F, 0xFFFF};
  EXPECT_FALSE(plat::WritePngRgb565("/dev/full", pixels, 2, 2, 2));
  const std::string path = testing_support::BuildDir() + "/tests/runner-two-by-two.png";
  ASSERT_TRUE(plat::WritePngRgb565(path.c_str(), pixels, 2, 2, 2));
  std::ifstream file(path, std::ios::binary);
  const std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  ASSERT_GT(bytes.size(), 24u);
  EXPECT_EQ(std::string(bytes.data() + 1, 3), "PNG");
  EXPECT_EQ(U32At(bytes, 16), 0x02000000u);  // the width, big-endian: 2
  std::remove(path.c_str());
}

}  // namespace
