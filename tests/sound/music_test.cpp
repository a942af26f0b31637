// Music: the command strings in their order, looping on the end notice, the status rule, and the
// sequencer's own notices.
#include "platform/mci.h"
#include "sound_test_support.h"
#include "support/runner_replay.h"

namespace sound_test {
namespace {

using MusicTest = SoundTest;
using Commands = std::vector<std::string>;

// Two notes of 240 ticks: the piece lasts 0.5 s.
constexpr int kNotes = 2;
constexpr int kTicks = 240;

TEST_F(MusicTest, AStartOverAnOpenPieceClosesItFirst) {
  ASSERT_EQ(StartSound(), 1);
  Write("MIDI/QMX1.MID", MidiFile(kNotes, kTicks));
  Write("MIDI/QMX2.MID", MidiFile(kNotes, kTicks));
  elSound::PlayMusic("MIDI/QMX1.MID", 1);
  elSound::PlayMusic("MIDI/QMX2.MID", 0);
  const std::string open = "open \"" + dir_ + "/MIDI/QMX";
  const Commands expected = {open + "1.MID\" type sequencer alias midi",
                             "seek midi to start",
                             "play midi notify",
                             "stop midi",
                             "close midi",
                             open + "2.MID\" type sequencer alias midi",
                             "seek midi to start",
                             "play midi notify"};
  EXPECT_EQ(plat::headless::MciCommands(), expected);  // every one succeeded
  EXPECT_EQ(elSound::MusicState.musicOpen, 1);
  EXPECT_EQ(elSound::MusicState.musicLoop, 0);
  elSound::StopMusic();
  elSound::StopMusic();  // closed already: nothing more is sent
  EXPECT_EQ(plat::headless::MciCommands().size(), expected.size() + 2);
}

TEST_F(MusicTest, ALoopingPieceStartsOverAtEachEnd) {
  ASSERT_EQ(StartSound(), 1);
  Write("MIDI/QMX1.MID", MidiFile(kNotes, kTicks));
  elSound::PlayMusic("MIDI/QMX1.MID", 1);
  Pump(2.3);
  // Ends near 0.5, 1.0, 1.5 and 2.0 s; each end asks the mode and starts over.
  EXPECT_EQ(CountCommand("status midi mode"), 4);
  EXPECT_EQ(CountCommand("seek midi to start"), 5);
  EXPECT_EQ(CountCommand("play midi notify"), 5);
  const Commands& c = plat::headless::MciCommands();
  ASSERT_GE(c.size(), 6u);
  EXPECT_EQ(Commands(c.begin() + 3, c.begin() + 6),
            (Commands{"status midi mode", "seek midi to start", "play midi notify"}));

  // The piece is heard in every round, not just the first.
  const std::vector<std::int16_t>& s = plat::headless::RenderedAudio();
  for (double t : {0.1, 0.6, 1.1, 1.6, 2.1}) {
    EXPECT_GT(Rms(s, FrameAt(t) * 2, FrameAt(t + 0.2) * 2), 300.0) << "at " << t;
  }
}

TEST_F(MusicTest, APieceWithoutLoopClosesAtItsEndAndStopsForGood) {
  ASSERT_EQ(StartSound(), 1);
  Write("MIDI/QMX2.MID", MidiFile(kNotes, kTicks));
  elSound::PlayMusic("MIDI/QMX2.MID", 0);
  Pump(1.5);
  EXPECT_EQ(CountCommand("status midi mode"), 1);
  EXPECT_EQ(CountCommand("close midi"), 1);
  EXPECT_EQ(CountCommand("seek midi to start"), 1);
  EXPECT_EQ(elSound::MusicState.musicOpen, 0);

  // Stopped by hand (Escape, T) before its end: a late end notice starts nothing.
  elSound::PlayMusic("MIDI/QMX2.MID", 1);
  elSound::StopMusic();
  plat::headless::ClearMciCommands();
  plat::PostMessage(elSystem::Framework.mainWindow, plat::MM_MCINOTIFY, plat::MCI_NOTIFY_SUCCESSFUL, 1);
  Pump(1.0);
  EXPECT_TRUE(plat::headless::MciCommands().empty());
  const std::vector<std::int16_t>& s = plat::headless::RenderedAudio();
  EXPECT_LT(Rms(s, FrameAt(2.0) * 2, s.size()), 1.0);
}

TEST_F(MusicTest, OnlyASuccessfulNoticeWithTheModeStoppedReplays) {
  ASSERT_EQ(StartSound(), 1);
  Write("MIDI/QMX1.MID", MidiFile(kNotes, kTicks));
  elSound::PlayMusic("MIDI/QMX1.MID", 1);
  plat::headless::ClearMciCommands();
  // Still playing: the mode is asked, and the answer "playing" starts nothing.
  elSound::OnMusicNotify(plat::MCI_NOTIFY_SUCCESSFUL);
  EXPECT_EQ(plat::headless::MciCommands(), Commands{"status midi mode"});
  // Other notices are not even asked about.
  for (plat::WParam code : {plat::MCI_NOTIFY_SUPERSEDED, plat::MCI_NOTIFY_ABORTED, plat::MCI_NOTIFY_FAILURE}) {
    elSound::OnMusicNotify(code);
  }
  EXPECT_EQ(plat::headless::MciCommands().size(), 1u);
  // Stopped (but open): the answer "stopped" starts it over.
  plat::MciSendString("stop midi", nullptr, 0, plat::kNoWindow);
  plat::headless::ClearMciCommands();
  elSound::OnMusicNotify(plat::MCI_NOTIFY_SUCCESSFUL);
  EXPECT_EQ(plat::headless::MciCommands(),
            (Commands{"status midi mode", "seek midi to start", "play midi notify"}));
}

TEST_F(MusicTest, TheSequencerAnswersAndNotifiesLikeTheGameExpects) {
  ASSERT_EQ(StartSound(), 1);
  const std::string path = Write("m.mid", MidiFile(kNotes, kTicks));
  const std::string open = "open \"" + path + "\" type sequencer alias midi";
  const plat::WindowHandle window = elSystem::Framework.mainWindow;
  char mode[32];
  EXPECT_EQ(plat::MciSendString("status midi mode", mode, sizeof mode, plat::kNoWindow),
            plat::MCIERR_INVALID_DEVICE_NAME);
  EXPECT_STREQ(mode, "");
  EXPECT_EQ(plat::MciSendString(("open \"" + dir_ + "/none.mid\" type sequencer alias midi").c_str(), nullptr, 0,
                                plat::kNoWindow),
            plat::MCIERR_FILE_NOT_FOUND);
  const std::string notMidi = Write("x.mid", PcmWave(10, 0));
  EXPECT_EQ(plat::MciSendString(("open \"" + notMidi + "\" type sequencer alias midi").c_str(), nullptr, 0,
                                plat::kNoWindow),
            plat::MCIERR_INVALID_FILE);
  ASSERT_EQ(plat::MciSendString(open.c_str(), nullptr, 0, plat::kNoWindow), 0u);
  EXPECT_EQ(plat::MciSendString(open.c_str(), nullptr, 0, plat::kNoWindow), plat::MCIERR_DUPLICATE_ALIAS);
  EXPECT_EQ(plat::MciSendString("status midi mode", mode, sizeof mode, plat::kNoWindow), 0u);
  EXPECT_STREQ(mode, "stopped");
  EXPECT_EQ(plat::MciSendString("status midi mode", mode, 5, plat::kNoWindow), plat::MCIERR_PARAM_OVERFLOW);
  EXPECT_EQ(plat::MciSendString("play other", nullptr, 0, plat::kNoWindow), plat::MCIERR_INVALID_DEVICE_NAME);
  EXPECT_EQ(plat::MciSendString("dance midi", nullptr, 0, plat::kNoWindow), plat::MCIERR_UNRECOGNIZED_COMMAND);

  // A notified play cut off by a seek is aborted; replaced by another notified play, superseded.
  std::vector<plat::WParam> notices;
  const auto take = [&]() {
    plat::Message m;
    while (plat::PeekMessage(m, true)) {
      if (m.message == plat::MM_MCINOTIFY) notices.push_back(m.wParam);
    }
  };
  plat::MciSendString("play midi notify", nullptr, 0, window);
  EXPECT_EQ(plat::MciSendString("status midi mode", mode, sizeof mode, plat::kNoWindow), 0u);
  EXPECT_STREQ(mode, "playing");
  plat::MciSendString("seek midi to start", nullptr, 0, plat::kNoWindow);
  plat::MciSendString("play midi notify", nullptr, 0, window);
  plat::MciSendString("play midi notify", nullptr, 0, window);
  take();
  EXPECT_EQ(notices, (std::vector<plat::WParam>{plat::MCI_NOTIFY_ABORTED, plat::MCI_NOTIFY_SUPERSEDED}));
  // The end comes as one successful notice, posted by the event pump, and the mode reads stopped.
  notices.clear();
  for (int i = 0; i < 120; ++i) {
    plat::headless::AdvanceClock(5000000);
    take();
  }
  EXPECT_EQ(notices, std::vector<plat::WParam>{plat::MCI_NOTIFY_SUCCESSFUL});
  plat::MciSendString("status midi mode", mode, sizeof mode, plat::kNoWindow);
  EXPECT_STREQ(mode, "stopped");
  EXPECT_EQ(plat::MciSendString("close midi", nullptr, 0, plat::kNoWindow), 0u);
  EXPECT_FALSE(plat::headless::AudioOutputOpen() && false);
}

TEST_F(MusicTest, NoSoundfontMeansNoMusicAndNoNotice) {
  ASSERT_EQ(StartSound(), 1);
  plat::headless::SetSoundFont(dir_ + "/missing.sf2");
  Write("MIDI/QMX1.MID", MidiFile(kNotes, kTicks));
  elSound::PlayMusic("MIDI/QMX1.MID", 1);
  Pump(1.2);
  EXPECT_EQ(CountCommand("play midi notify"), 1);
  EXPECT_EQ(CountCommand("status midi mode"), 0);
  const std::vector<std::int16_t>& s = plat::headless::RenderedAudio();
  EXPECT_FALSE(s.empty());
  EXPECT_EQ(Rms(s, 0, s.size()), 0.0);
  EXPECT_TRUE(plat::headless::MessageBoxes().empty());
}

// A stage tune of zero ticks that leaves a note sounding (an organ, never let go): its end is its
// length, reached as soon as it plays, whether the note is heard (--audio) or only its time is kept.
// Played from the title with Enter, the two runs restart it on the same frames: every frame.
TEST(TuneEndTest, AZeroTickTuneEndsOnTheSameFramesHeardOrNot) {
  namespace fs = std::filesystem;
  const fs::path build = testing_support::BuildDir();
  const fs::path assets = build / "tests/zero-tick-tune";
  fs::remove_all(assets);
  fs::create_directories(assets / "MIDI");
  fs::create_directory_symlink(fs::absolute(build / "IMAGE"), assets / "IMAGE");
  fs::create_directory_symlink(fs::absolute(build / "SOUND"), assets / "SOUND");
  fs::copy_file(build / "MIDI/QMX2.MID", assets / "MIDI/QMX2.MID");
  const Bytes tune = {0x4d, 0x54, 0x68, 0x64, 0x00, 0x00, 0x00, 0x06, 0x00, 0x00, 0x00, 0x01, 0x00, 0x60,
                      0x4d, 0x54, 0x72, 0x6b, 0x00, 0x00, 0x00, 0x0b, 0x00, 0xc0, 0x13, 0x00, 0x90, 0x3c,
                      0x64, 0x00, 0xff, 0x2f, 0x00};
  std::ofstream(assets / "MIDI/QMX1.MID", std::ios::binary)
      .write(reinterpret_cast<const char*>(tune.data()), static_cast<std::streamsize>(tune.size()));

  const std::string script = testing_support::Hold("RETURN", 3, 4);
  const std::string from = "--assets '" + assets.string() + "'";
  const auto kept = testing_support::RunRunner(800, "zero-tick-time", script, 300, {}, from);
  const auto heard = testing_support::RunRunner(800, "zero-tick-heard", script, 300, {},
                                                from + " --audio '" + (assets / "heard.wav").string() + "'");
  ASSERT_EQ(kept.exitCode, 0) << kept.errors;
  ASSERT_EQ(heard.exitCode, 0) << heard.errors;
  ASSERT_EQ(heard.trace.Frames(), 300);
  ASSERT_EQ(heard.trace.music[4].size(), 3u);  // opened, started over and played on the stage's first frame
  const Commands restart = {"status midi mode", "seek midi to start", "play midi notify"};
  for (int f = 5; f < 300; ++f) EXPECT_EQ(heard.trace.music[f], restart) << "frame " << f;
  for (int f = 0; f < 300; ++f) EXPECT_EQ(heard.trace.music[f], kept.trace.music[f]) << "frame " << f;
  fs::remove_all(assets);
}

}  // namespace
}  // namespace sound_test
