// The ending: what each stretch of its clock shows, the credits, the music, the ways back to the title
// and its frame pacing.
#include <cstdint>
#include <string>
#include <vector>

#include "framework/el_sound.h"
#include "game/backdrops.h"
#include "game/ending_scene.h"
#include "game/pictures.h"
#include "game/ranking.h"
#include "platform/surface.h"
#include "player_fixture.h"

namespace {

constexpr std::uint16_t kNavy = 0x0010;  // RGB (0, 0, 128) in 5-6-5
constexpr std::uint16_t kWhite = 0xFFFF;

class EndingTest : public PlayerTest {
 protected:
  void SetUp() override {
    PlayerTest::SetUp();
    SceneState = SceneStateRecord{SceneId::Ending, SceneId::Ending, 0};
    for (StarFieldStar& star : StarField) star.x = -500.0f;  // a black sky, so pictures compare exactly
    GameState.shipX = 520.0f;                                 // the lower right corner, clear of the pictures
    GameState.shipY = 540.0f;
    elSystem::FrameClock.frameTime = 0.0f;
  }

  // One ending frame with the clock standing at `clock`.
  static void FrameAt(float clock) {
    GameState.stageClock = clock;
    RunEndingScene();
  }

  static std::uint16_t Pixel(int x, int y) {
    int w = 0;
    int h = 0;
    const std::vector<std::uint16_t>& screen = plat::headless::LastPresented(w, h);
    return screen[static_cast<std::size_t>(y) * w + x];
  }

  // Whether the screen at (x, y) shows the source rectangle of a picture on black, inside the play field.
  static bool Shows(int x, int y, Pic::Id picture, int left, int top, int right, int bottom) {
    int pitch = 0;
    const std::uint16_t* source = plat::PeekPixels(elDraw::ObjectTable[Slot(picture)].surface, pitch);
    if (source == nullptr) return false;
    for (int sy = top; sy < bottom; ++sy) {
      for (int sx = left; sx < right; ++sx) {
        const int dx = x + sx - left;
        const int dy = y + sy - top;
        if (dx < 220 || dx >= 580 || dy < 0 || dy >= 600) continue;
        if (Pixel(dx, dy) != source[sy * pitch + sx]) return false;
      }
    }
    return true;
  }

  static bool AnyLit(int left, int top, int right, int bottom) {
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) {
        if (Pixel(x, y) != 0) return true;
      }
    }
    return false;
  }
};

struct Showing {
  float clock;
  bool congratulation, ranking, credits, ship, closing1, closing2, panel;
};

TEST_F(EndingTest, EachStretchOfTheClockShowsItsPictureWithBothEndsInside) {
  const Showing table[] = {
      {0, true, false, false, true, false, false, true},       {100, true, false, false, true, false, false, true},
      {100.5f, false, false, false, true, false, false, true}, {101, false, true, false, true, false, false, true},
      {250, false, true, false, true, false, false, true},     {250.5f, false, false, false, true, false, false, true},
      {251, false, false, true, true, false, false, true},     {400, false, false, true, true, false, false, true},
      {400.5f, false, false, false, false, false, false, false}, {401, false, false, false, false, true, false, false},
      {500, false, false, false, false, true, false, false},   {500.5f, false, false, false, false, false, false, false},
      {501, false, false, false, false, false, true, false},   {1000, false, false, false, false, false, true, false},
      {1000.5f, false, false, false, false, false, false, false},
  };
  for (const Showing& s : table) {
    FrameAt(s.clock);
    SCOPED_TRACE(s.clock);
    EXPECT_EQ(SceneState.currentScene, SceneId::Ending);
    EXPECT_EQ(Shows(250, 100, Pic::MYGOODN, 0, 0, 300, 100), s.congratulation);
    EXPECT_EQ(Shows(200, 100, Pic::RANKING1, 0, 0, 400, 100), s.ranking);
    EXPECT_EQ(Pixel(281, 181) == kNavy || Pixel(281, 181) == kWhite, s.credits);
    EXPECT_EQ(Shows(520, 540, Pic::MYME1, 180, 0, 240, 60), s.ship);
    EXPECT_EQ(Shows(220, 120, Pic::QWCG1, 0, 0, 360, 480), s.closing1);
    EXPECT_EQ(Shows(220, 120, Pic::QWCG2, 0, 0, 360, 480), s.closing2);
    EXPECT_EQ(AnyLit(220, 0, 580, 26), s.panel);
  }
}

TEST_F(EndingTest, TheRankingRowsShowTheirRankAndNineDigits) {
  GameState.highScore = 25000000;
  FrameAt(150);
  const int values[] = {100000000, 70000000, 30000000, 25000000, 1000000, 700000, 50000};
  for (int r = 0; r < 7; ++r) {
    SCOPED_TRACE(r);
    const int y = 225 + 40 * r;
    EXPECT_TRUE(Shows(230, y, Pic::SUJI09, 20 * (r + 1), 0, 20 * (r + 1) + 20, 25));
    const std::string digits = std::to_string(values[r] + 1000000000).substr(1);  // nine digits
    for (int i = 0; i < 9; ++i) {
      const int d = digits[i] - '0';
      EXPECT_TRUE(Shows(310 + 20 * i, y, Pic::SUJI09, 20 * d, 0, 20 * d + 20, 25)) << "digit " << i;
    }
  }
}

// The width of a Shift-JIS line in the 12-pixel Gothic face: 6 per single byte, 12 per double byte.
int TextWidth(const char* text) {
  int width = 0;
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p != 0; ++p) {
    const bool lead = (*p >= 0x81 && *p <= 0x9F) || (*p >= 0xE0 && *p <= 0xFC);
    width += lead ? 12 : 6;
    if (lead && p[1] != 0) ++p;
  }
  return width;
}

TEST_F(EndingTest, TheCreditLinesAreLegibleWhiteOnDarkBlueBoxes) {
  FrameAt(300);
  for (int i = 0; i < kEndingCreditLineCount; ++i) {
    SCOPED_TRACE(kEndingCreditLines[i]);
    const int y = 180 + 20 * i;
    const int width = TextWidth(kEndingCreditLines[i]);
    EXPECT_EQ(Pixel(279, y + 6), 0);
    EXPECT_EQ(Pixel(280 + width, y + 6), 0);
    EXPECT_EQ(Pixel(280, y + 12), 0);
    int navy = 0;
    int white = 0;
    for (int dy = 0; dy < 12; ++dy) {
      for (int x = 280; x < 280 + width; ++x) {
        const std::uint16_t p = Pixel(x, y + dy);
        navy += p == kNavy;
        white += p == kWhite;
        EXPECT_TRUE(p == kNavy || p == kWhite) << x << "," << y + dy;
      }
    }
    EXPECT_GT(white, width);         // every character has strokes
    EXPECT_GT(navy, 4 * white / 3);  // on a box that is mostly background
  }
}

int MusicStarts() {
  int starts = 0;
  for (const std::string& c : plat::headless::MciCommands()) {
    starts += c.find("MIDI/QMX2.MID\" type sequencer") != std::string::npos;
  }
  return starts;
}

TEST_F(EndingTest, TheFirstFrameStartsTheClockAndTheLoopingMusic) {
  plat::headless::ClearMciCommands();
  GameState.stageClock = 777.0f;
  GameState.musicCounter = 0;
  SceneState.sceneEntered = 1;
  elSystem::FrameClock.frameTime = 0.5f;
  RunEndingScene();
  EXPECT_FLOAT_EQ(GameState.stageClock, 9.0f);  // 0, then 18 units a second
  EXPECT_EQ(GameState.musicCounter, 1);
  EXPECT_EQ(MusicStarts(), 1);
  EXPECT_EQ(elSound::MusicState.musicLoop, 1);

  SceneState.sceneEntered = 0;
  RunEndingScene();
  EXPECT_FLOAT_EQ(GameState.stageClock, 18.0f);
  EXPECT_EQ(MusicStarts(), 1);

  GameState.musicCounter = 100999998;
  RunEndingScene();
  EXPECT_EQ(GameState.musicCounter, 0);
  RunEndingScene();
  EXPECT_EQ(MusicStarts(), 2);
}

// The state a way out of the ending leaves: the title comes next behind a 60-step wipe.
void ExpectTitleBehindWipe() {
  EXPECT_EQ(SceneState.currentScene, SceneId::Title);
  EXPECT_EQ(SceneState.previousScene, SceneId::None);
  EXPECT_EQ(ScreenTransition.kind, 3);
  EXPECT_EQ(ScreenTransition.steps, 60);
  EXPECT_EQ(ScreenTransition.counter, 60);
  EXPECT_EQ(GameState.stageClock, 0.0f);
}

TEST_F(EndingTest, TheClockEndResetsThePoolsButKeepsTheGame) {
  GameState.score = 1234;
  GameState.shipStock = 7;
  GameState.shipX = 300.0f;
  GameState.shipY = 300.0f;
  GameState.barrageRunning = 1;
  FrameAt(1000.99f);
  EXPECT_EQ(SceneState.currentScene, SceneId::Ending);
  FrameAt(1001);
  ExpectTitleBehindWipe();
  EXPECT_EQ(GameState.barrageRunning, 0);
  EXPECT_EQ(GameState.score, 1234);
  EXPECT_EQ(GameState.shipStock, 7);
  EXPECT_EQ(GameState.shipX, 300.0f);
}

TEST_F(EndingTest, SpaceLeavesAtAnyClockWithANewGame) {
  for (float clock : {0.0f, 555.0f}) {
    SetUp();
    GameState.score = 1234;
    GameState.shipStock = 7;
    GameState.shipX = 300.0f;
    elInput::LastTypedKey = plat::VK_SPACE;
    FrameAt(clock);
    ExpectTitleBehindWipe();
    EXPECT_EQ(GameState.score, 0);
    EXPECT_EQ(GameState.shipStock, 1);
    EXPECT_EQ(GameState.shipX, 370.0f);
    EXPECT_EQ(GameState.shipY, 520.0f);
  }
}

TEST_F(EndingTest, TheClockEndAndSpaceInOneFrameChangeTheSceneTwiceToTheSameEnd) {
  GameState.score = 1234;
  elInput::LastTypedKey = plat::VK_SPACE;
  FrameAt(1001);
  ExpectTitleBehindWipe();
  EXPECT_EQ(GameState.score, 0);
}

// The ending through the main loop: entered as after the third boss, left by Space or by its clock.
struct LoopRecord {
  int spaceFrame = 0;  // the frame before which Space is typed; 0: never
  int skipFrame = 0;   // the frame after which the clock is moved on to 990; 0: never
  std::vector<int> scenes;
  std::vector<float> frameTimes;
  std::vector<double> timeInFrame;  // seconds of the clock spent inside the frame
  std::vector<float> clocks;
  std::vector<int> scores;
};

void RecordFrame(int frame, void* user) {
  LoopRecord& r = *static_cast<LoopRecord*>(user);
  if (frame == 0) {  // the title's first frame has run: the ending comes next
    SceneState.currentScene = SceneId::Ending;
    SceneState.previousScene = SceneId::None;
    GameState.stageClock = 777.0f;
    GameState.score = 4321;
  }
  std::int64_t now = 0;
  std::int64_t frequency = 0;
  plat::QueryPerformanceCounter(now);
  plat::QueryPerformanceFrequency(frequency);
  r.scenes.push_back(SceneState.currentScene);
  r.frameTimes.push_back(elSystem::FrameClock.frameTime);
  r.timeInFrame.push_back(static_cast<double>(now - elSystem::FrameClock.frameStart) / static_cast<double>(frequency));
  r.clocks.push_back(GameState.stageClock);
  r.scores.push_back(GameState.score);
  if (frame == r.skipFrame && frame != 0) GameState.stageClock = 990.0f;
}

void RunThroughLoop(LoopRecord& record, int frames) {
  testing_support::FreshHost();
  plat::headless::SetFrameDoneHook(RecordFrame, &record);
  if (record.spaceFrame != 0) {
    plat::headless::ScheduleKey(record.spaceFrame, plat::VK_SPACE, true);
    plat::headless::ScheduleKey(record.spaceFrame + 1, plat::VK_SPACE, false);
  }
  ASSERT_EQ(testing_support::RunGame(frames), 0);
  plat::headless::SetFrameDoneHook(nullptr, nullptr);
}

TEST(EndingLoopTest, EachFrameSleepsTenMillisecondsAndSpaceGoesBackToTheTitle) {
  LoopRecord r;
  r.spaceFrame = 40;
  RunThroughLoop(r, 45);
  ASSERT_EQ(r.scenes.size(), 45u);
  EXPECT_NEAR(r.timeInFrame[0], 0.020, 1e-6);  // a title frame
  // Frame 1 is the ending's first: its clock starts from 0.
  EXPECT_EQ(r.scenes[1], SceneId::Ending);
  EXPECT_LT(r.clocks[1], 1.0f);
  for (int f = 2; f < 40; ++f) {
    EXPECT_NEAR(r.timeInFrame[f], 0.010, 1e-6) << f;
    // The sleep fits inside the 1/60 s frame: the ending keeps 60 frames a second.
    EXPECT_GE(r.frameTimes[f], 0.016f) << f;
    EXPECT_LE(r.frameTimes[f], 0.017f) << f;
  }
  EXPECT_NEAR(r.clocks[39], 18.0f * 39 / 60.0f, 0.2f);
  EXPECT_EQ(r.scenes[39], SceneId::Ending);
  EXPECT_EQ(r.scenes[40], SceneId::Title);  // Space typed before frame 40
  EXPECT_EQ(r.scores[40], 0);
  EXPECT_EQ(r.scenes[41], SceneId::Title);
}

TEST(EndingLoopTest, WithoutAKeyTheTitleComesAtClock1001WithTheScoreKept) {
  LoopRecord r;
  r.skipFrame = 5;
  RunThroughLoop(r, 60);
  int last = 0;
  while (r.scenes[last + 1] == SceneId::Ending) ++last;
  EXPECT_LT(r.clocks[last], 1001.0f);
  EXPECT_GT(r.clocks[last], 1000.6f);
  EXPECT_EQ(r.scenes[last + 1], SceneId::Title);
  EXPECT_EQ(r.clocks[last + 1], 0.0f);
  EXPECT_EQ(r.scores[last + 1], 4321);
  EXPECT_NEAR(last, 5 + 36, 1);  // 11 units at about 0.3 a frame
}

}  // namespace
