// A named pipe, a device or a folder in place of a picture, a sound, a tune, the soundfont or a font:
// each reader refuses it at once, as it refuses a missing file, and still reads a link to a good file; a
// game whose picture, sound and stage tune are such things plays through stage 1 exactly as one whose
// files are missing, and one whose font is such a thing runs as without that font, its text drawn with
// the other face. Every read and every game runs in a child process with a deadline, so one that waits
// for ever (for a pipe's writer) fails the test instead of hanging it.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "framework/el_sound.h"
#include "platform/bmp_reader.h"
#include "platform/gdi_text.h"
#include "platform/headless/headless_host.h"
#include "platform/mci.h"
#include "platform/midi_sequencer.h"
#include "support/headless_game.h"

namespace {

namespace fs = std::filesystem;

// How a child ended: its exit status, or one of these.
constexpr int kBlocked = -1;  // still running at the deadline, and killed
constexpr int kNoChild = -2;
// A reader's answer, as its child's exit status.
constexpr int kRead = 10;
constexpr int kRefused = 11;

template <class Work>
int InChild(Work work, int seconds) {
  std::fflush(nullptr);
  const pid_t child = fork();
  if (child < 0) return kNoChild;
  if (child == 0) _exit(work());
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  int status = 0;
  while (waitpid(child, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      kill(child, SIGKILL);
      waitpid(child, &status, 0);
      return kBlocked;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

std::string Outcome(int status) {
  switch (status) {
    case kBlocked: return "still waiting at the deadline";
    case kNoChild: return "no child process";
    case kRead: return "read";
    case kRefused: return "refused";
    default: return "ended with status " + std::to_string(status);
  }
}

// What can stand where a file is expected.
struct NotAFile {
  const char* what;
  void (*make)(const fs::path& where);
};
const NotAFile kNotFiles[] = {
    {"a named pipe", [](const fs::path& p) { ASSERT_EQ(mkfifo(p.c_str(), 0600), 0) << p; }},
    {"a link to /dev/zero", [](const fs::path& p) { fs::create_symlink("/dev/zero", p); }},
    {"a link to /dev/random", [](const fs::path& p) { fs::create_symlink("/dev/random", p); }},
    {"a folder", [](const fs::path& p) { fs::create_directory(p); }},
};

fs::path Built(const std::string& relative) { return fs::absolute(fs::path(testing_support::BuildDir()) / relative); }

bool ReadPicture(const std::string& path) {
  plat::BmpImage image;
  return plat::ReadBmpFile(path.c_str(), image);
}

bool ReadSound(const std::string& path) {
  std::uint8_t* format = nullptr;
  std::uint8_t* samples = nullptr;
  std::uint32_t formatSize = 0, sampleSize = 0;
  const bool read = elSound::ReadWaveFile(path.c_str(), &format, &formatSize, &samples, &sampleSize) == 0;
  elSound::FreeWaveBlock(format);
  elSound::FreeWaveBlock(samples);
  return read;
}

bool OpenTuneNow(const std::string& path) {
  const std::string open = "open \"" + path + "\" type sequencer alias midi";
  const bool opened = plat::MciSendString(open.c_str(), nullptr, 0, plat::kNoWindow) == 0;
  plat::MciSendString("close midi", nullptr, 0, plat::kNoWindow);
  return opened;
}

// A tune as the music opens it, on a host that keeps its time without loading the soundfont.
bool OpenTune(const std::string& path) {
  plat::headless::Reset();
  plat::headless::SetAudioKeepSeconds(0);
  return OpenTuneNow(path);
}

// The soundfont, which a good tune's open loads when its sound is kept; a soundfont that cannot be
// loaded fails the open.
bool LoadSoundFont(const std::string& path) {
  plat::headless::Reset();
  plat::headless::SetAudioKeepSeconds(5);
  plat::headless::SetSoundFont(path);
  return OpenTuneNow(Built("MIDI/QMX1.MID").string());
}

// The text's font: both faces read from the file, and a line's glyphs loaded through it.
bool ReadFont(const std::string& path) {
  plat::SetFontFiles(path.c_str(), path.c_str());
  const plat::LogFont plain;  // 12 pixels, upright
  const bool read = plat::PrepareFontFaces() && plat::PrepareText(plain, "Tessivane", 9);
  plat::ReleaseFontFaces();
  return read;
}

struct Reader {
  const char* what;
  bool (*read)(const std::string& path);
  fs::path good;  // a file it reads
};

TEST(NotAFileTest, EveryReaderRefusesAPipeADeviceOrAFolderAtOnceAndReadsALinkToAFile) {
  const Reader readers[] = {
      {"picture", ReadPicture, Built("IMAGE/MYMY.BMP")},
      {"sound", ReadSound, Built("SOUND/SHOT.WAV")},
      {"tune", OpenTune, Built("MIDI/QMX1.MID")},
      {"soundfont", LoadSoundFont, plat::audio::sequencer::kDefaultSoundFont},
      {"font", ReadFont, plat::kGothicFontFile},
  };
  const fs::path dir = Built("tests/not-a-file-readers");
  fs::remove_all(dir);
  fs::create_directories(dir);
  for (const Reader& reader : readers) {
    ASSERT_TRUE(fs::is_regular_file(reader.good)) << reader.good;
    const fs::path link = dir / (std::string(reader.what) + "-link");
    fs::create_symlink(reader.good, link);
    const int linked = InChild([&] { return reader.read(link.string()) ? kRead : kRefused; }, 60);
    EXPECT_EQ(linked, kRead) << "a " << reader.what << " through a link to a file: " << Outcome(linked);
    for (const NotAFile& kind : kNotFiles) {
      const fs::path path = dir / (std::string(reader.what) + "-" + std::to_string(&kind - kNotFiles));
      kind.make(path);
      const int answer = InChild([&] { return reader.read(path.string()) ? kRead : kRefused; }, 20);
      EXPECT_EQ(answer, kRefused) << "a " << reader.what << " that is " << kind.what << ": " << Outcome(answer);
    }
  }
  fs::remove_all(dir);
}

std::string FileText(const fs::path& path) {
  std::ifstream file(path);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

// The asset tree the runner reads: links to every built picture, sound and tune, but for the stage-1
// tune, a picture and a sound, each made by `make` (or left out).
void MakeTree(const fs::path& tree, void (*make)(const fs::path&)) {
  fs::remove_all(tree);
  for (const char* folder : {"IMAGE", "SOUND", "MIDI"}) {
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(Built(folder))) {
      const fs::path there = tree / folder / fs::relative(entry.path(), Built(folder));
      if (entry.is_directory()) {
        fs::create_directories(there);
      } else {
        fs::create_directories(there.parent_path());
        fs::create_symlink(entry.path(), there);
      }
    }
  }
  for (const char* asset : {"IMAGE/MYMY.BMP", "SOUND/SHOT.WAV", "MIDI/QMX1.MID"}) {
    fs::remove(tree / asset);
    if (make != nullptr) make(tree / asset);
  }
}

struct GameRun {
  int status = kNoChild;
  std::string trace, errors;
};

// The headless program on the tree, started from the title by Enter and firing, for 900 frames.
GameRun PlayStageOne(const fs::path& tree, const fs::path& out) {
  const std::string script = (out / "start.script").string();
  std::ofstream(script) << "3 down RETURN\n5 up RETURN\n40 down C\n";
  const std::string runner = Built("shooter800-headless").string();
  const std::string trace = (out / "run.trace").string();
  const std::string errors = (out / "run.errors").string();
  const std::string assets = tree.string();
  GameRun run;
  run.status = InChild(
      [&] {
        const int err = open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (err < 0 || dup2(err, STDERR_FILENO) < 0) return 127;
        execl(runner.c_str(), runner.c_str(), "--assets", assets.c_str(), "--frames", "900", "--script",
              script.c_str(), "--trace", trace.c_str(), static_cast<char*>(nullptr));
        return 127;
      },
      120);
  run.trace = FileText(trace);
  run.errors = FileText(errors);
  return run;
}

TEST(NotAFileTest, AGameWhosePictureSoundAndTuneAreNotFilesPlaysAsWithThemMissing) {
  const fs::path out = Built("tests/not-a-file-game");
  const fs::path tree = out / "assets";  // one path for every run, so their traces can match
  fs::remove_all(out);
  fs::create_directories(out);
  MakeTree(tree, nullptr);
  const GameRun missing = PlayStageOne(tree, out);
  ASSERT_EQ(missing.status, 0) << Outcome(missing.status) << "\n" << missing.errors;
  const std::string pictureBox = "elDraw::LoadObject : BMPファイルを読み込めません";
  const std::string soundBox = "elSound::LoadObject : WAVEリソースが見つかりません";
  ASSERT_NE(missing.errors.find("runner: message box: エラー発生: " + pictureBox), std::string::npos) << missing.errors;
  ASSERT_NE(missing.errors.find("runner: message box: エラー発生: " + soundBox), std::string::npos) << missing.errors;
  // The game reached stage 1, whose tune it asked for.
  ASSERT_NE(missing.trace.find("\"scene\":2,"), std::string::npos);
  ASSERT_NE(missing.trace.find("MIDI/QMX1.MID\\\" type sequencer alias midi\""), std::string::npos);
  ASSERT_EQ(std::count(missing.trace.begin(), missing.trace.end(), '\n'), 900);

  for (const NotAFile& kind : kNotFiles) {
    MakeTree(tree, kind.make);
    const GameRun run = PlayStageOne(tree, out);
    EXPECT_EQ(run.status, 0) << kind.what << ": " << Outcome(run.status);
    if (run.status != 0) continue;
    // The same boxes, and the same frames and music commands as with the files missing.
    EXPECT_EQ(run.errors, missing.errors) << kind.what;
    EXPECT_TRUE(run.trace == missing.trace) << kind.what << ": the trace differs from the one with the files missing";
  }
  fs::remove_all(out);
}

// How a game with a font in place ended.
constexpr int kRanItsFrames = 20;
constexpr int kShowedTheCredits = 21;
constexpr int kEndedBadly = 22;

// Counts the frames whose first ending credit line shows as text: white on the navy box it is drawn on,
// from (280, 180) of the 800x600 picture.
void CountCreditFrames(int, void* user) {
  int width = 0, height = 0;
  const std::vector<std::uint16_t>& pixels = plat::headless::LastPresented(width, height);
  if (width != 800 || height != 600) return;
  int navy = 0, white = 0;
  for (int y = 180; y < 192; ++y) {
    for (int x = 280; x < 400; ++x) {
      const std::uint16_t p = pixels[static_cast<std::size_t>(y) * 800 + x];
      navy += p == 0x0010;
      white += p == 0xFFFF;
    }
  }
  if (navy > 200 && white > 50) ++*static_cast<int*>(user);
}

// The real game on the headless host with the text's fonts read from these files, started by I
// (invincible) and firing all the way, for `frames` frames: 12900 reach the ending's credits.
int PlayWithFonts(const fs::path& mincho, const fs::path& gothic, int frames) {
  testing_support::FreshHost();
  plat::headless::SetFontFiles(mincho.string(), gothic.string());
  plat::headless::ScheduleKey(3, 'I', true);
  plat::headless::ScheduleKey(4, 'I', false);
  plat::headless::ScheduleKey(40, 'C', true);
  plat::headless::ScheduleKey(40, 'B', true);
  int creditFrames = 0;
  plat::headless::SetFrameDoneHook(CountCreditFrames, &creditFrames);
  if (testing_support::RunGame(frames) != 0 || plat::headless::FinishedFrames() != frames) return kEndedBadly;
  return creditFrames > 0 ? kShowedTheCredits : kRanItsFrames;
}

std::string GameOutcome(int status) {
  switch (status) {
    case kRanItsFrames: return "ran its frames, no credits shown";
    case kShowedTheCredits: return "showed the credits";
    case kEndedBadly: return "ended badly";
    default: return Outcome(status);
  }
}

TEST(NotAFileTest, AGameWhoseMinchoFontIsNotAFileRunsItsFrames) {
  const fs::path dir = Built("tests/not-a-file-font");
  fs::remove_all(dir);
  fs::create_directories(dir);
  for (const NotAFile& kind : kNotFiles) {
    const fs::path mincho = dir / ("ipam-" + std::to_string(&kind - kNotFiles) + ".ttf");
    kind.make(mincho);
    const int status = InChild([&] { return PlayWithFonts(mincho, "", 60); }, 60);
    EXPECT_EQ(status, kRanItsFrames) << "a Mincho font that is " << kind.what << ": " << GameOutcome(status);
  }
  fs::remove_all(dir);
}

// The credits are drawn with the Gothic face: with a named pipe in its place they are drawn with the
// Mincho one, as with the Gothic font missing.
TEST(NotAFileTest, AGameWhoseGothicFontIsAPipeShowsTheCreditsInMincho) {
  const fs::path dir = Built("tests/not-a-file-credits");
  fs::remove_all(dir);
  fs::create_directories(dir);
  const fs::path pipe = dir / "ipag.ttf";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  const int status = InChild([&] { return PlayWithFonts("", pipe, 12900); }, 300);
  EXPECT_EQ(status, kShowedTheCredits) << GameOutcome(status);
  fs::remove_all(dir);
}

}  // namespace
