// The whole game in real play, driven by keys alone: the invincible ship (a title key) holds weapons
// 1 and 3 from the start, shoots down each boss in turn, and sees the ending with its ranking and its
// closing pictures, laid out for the build's screen, before the game goes back to the title.
#include <gtest/gtest.h>
#include <png.h>

#include <cstdint>
#include <string>
#include <vector>

#include "game/scene.h"
#include "platform/bmp_reader.h"
#include "stages/bosses.h"
#include "support/replay_geometry.h"
#include "support/runner_replay.h"

namespace {

using testing_support::Press;
using testing_support::RunRunner;

const std::string kWholeGame = Press("I", 3) + "40 down C\n40 down B\n";

// A picture in 5-6-5, as the screen holds it.
struct Picture {
  int width = 0, height = 0;
  std::vector<std::uint16_t> pixels;
  std::uint16_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};
std::uint16_t To565(unsigned r, unsigned g, unsigned b) {
  return static_cast<std::uint16_t>((r >> 3) << 11 | (g >> 2) << 5 | b >> 3);
}

// A picture the runner took (its PNG widens 5-6-5 by repeating the top bits, which this undoes).
Picture ReadShot(const std::string& path) {
  Picture p;
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_file(&image, path.c_str()) == 0) return p;
  image.format = PNG_FORMAT_RGB;
  std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
  if (png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr) == 0) return p;
  p.width = static_cast<int>(image.width);
  p.height = static_cast<int>(image.height);
  for (std::size_t i = 0; i + 2 < rgb.size(); i += 3) p.pixels.push_back(To565(rgb[i], rgb[i + 1], rgb[i + 2]));
  return p;
}

// One of the game's pictures, read from the build's asset tree.
Picture ReadAssetPicture(const std::string& name) {
  Picture p;
  plat::BmpImage bmp;
  if (!plat::ReadBmpFile((testing_support::BuildDir() + "/IMAGE/" + name).c_str(), bmp)) return p;
  p.width = bmp.width;
  p.height = bmp.height;
  for (const std::uint32_t c : bmp.pixels) p.pixels.push_back(To565(c >> 16 & 255, c >> 8 & 255, c & 255));
  return p;
}

// A source rectangle of a picture, drawn at (x, y).
struct Placed {
  int x, y;
  const Picture* source;
  int left, top, width, height;
};

// The share of the pixels that `parts`, moved by (dx, dy), would draw (black is transparent) that the
// shot shows exactly there.
double ShownShare(const Picture& shot, const std::vector<Placed>& parts, int dx, int dy) {
  long same = 0, drawn = 0;
  for (const Placed& p : parts) {
    for (int sy = 0; sy < p.height; ++sy) {
      for (int sx = 0; sx < p.width; ++sx) {
        const std::uint16_t want = p.source->At(p.left + sx, p.top + sy);
        if (want == 0) continue;
        ++drawn;
        const int x = p.x + dx + sx, y = p.y + dy + sy;
        same += x >= 0 && x < shot.width && y >= 0 && y < shot.height && shot.At(x, y) == want ? 1 : 0;
      }
    }
  }
  return drawn == 0 ? 0.0 : static_cast<double>(same) / drawn;
}

// The shot shows `parts` where they are placed, in at least `least` of their pixels (shots and the ship
// fly over some), and better there than moved by up to two pixels either way.
::testing::AssertionResult ShownThere(const Picture& shot, const std::vector<Placed>& parts, double least) {
  const double there = ShownShare(shot, parts, 0, 0);
  if (there < least) return ::testing::AssertionFailure() << "only " << there << " of the pixels show";
  for (int dy = -2; dy <= 2; ++dy) {
    for (int dx = -2; dx <= 2; ++dx) {
      if ((dx != 0 || dy != 0) && ShownShare(shot, parts, dx, dy) >= there)
        return ::testing::AssertionFailure() << "shows as well moved by " << dx << ',' << dy;
    }
  }
  return ::testing::AssertionSuccess() << there;
}

// Where the ending draws, per build. The 800x600 numbers are the ending's own; the 640x480 build moves
// everything 80 pixels left with the play field (x 140 to 500), sets the full-height closing pictures
// 120 lines higher to end at the screen's bottom (y 0 to 480), and raises the ranking block by half of
// those 120 lines, 60, to keep even margins above and below it.
struct EndingLayout {
  int headingX, headingY;   // RANKING1
  int rankX, valueX, rowY;  // row r's rank digit and nine value digits at y rowY + 40 r
  int closingX, closingY;   // QWCG1 and QWCG2
};
constexpr EndingLayout kLayout800{200, 100, 230, 310, 225, 220, 120};
constexpr EndingLayout kLayout640{120, 40, 150, 230, 165, 140, 0};

struct BossFight {
  const char* name;
  int scene, nextScene, wipeSteps;
  float startLife;
  float attacksBelow;  // the attack timeline runs on frames that start with 0 < life < this
};
const BossFight kBossFights[] = {
    {"boss1", SceneId::Stage1, SceneId::Stage2, kWipeStage1ToStage2, kBoss1StartLife, 1010.0f},
    {"boss2", SceneId::Stage2, SceneId::Stage3, kWipeStage2ToStage3, kBoss2StartLife, 980.0f},
    {"boss3", SceneId::Stage3, SceneId::Ending, kWipeStage3ToEnding, kBoss3StartLife, 780.0f},
};

// One run of the whole game per build (a game takes some 14000 frames in the 640x480 build and 15200
// in the 800x600 build): each boss to its defeat, then the ending.
class WholeGameReplay : public testing_support::BothScreens {
 protected:
  // A frame in the ranking's clock window and one in each closing picture's (the ending begins at
  // frame 11859 and 10643; its clock runs 0.3 a frame).
  int RankingFrame() const { return Screen() == 800 ? 12400 : 11200; }
  int Closing1Frame() const { return Screen() == 800 ? 13350 : 12150; }
  int Closing2Frame() const { return Screen() == 800 ? 14400 : 13100; }
  std::string ShotPath(int frame) const {
    return testing_support::BuildDir() + "/tests/replays/whole-game-" + std::to_string(Screen()) + "-" +
           std::to_string(frame) + ".png";
  }
  void SetUp() override {
    std::string shots;
    for (const int f : {RankingFrame(), Closing1Frame(), Closing2Frame()})
      shots += " --shot " + std::to_string(f) + ":'" + ShotPath(f) + "'";
    run = RunRunner(Screen(), "whole-game", kWholeGame, 15400, {RankingFrame()}, shots);
  }
  void BossesFall();
  void TheEndingRanksTheScoreAndReturnsToTheTitle();
  void TheEndingIsLaidOutForTheScreen();
  testing_support::RunnerRun run;
};

void WholeGameReplay::BossesFall() {
  const auto& t = run.trace;
  int from = 0;
  for (const BossFight& fight : kBossFights) {
    SCOPED_TRACE(fight.name);
    const std::string boss = fight.name;
    const int stage = t.FirstEqual("scene", fight.scene, from);
    ASSERT_GE(stage, from);
    const int firstDamage = t.First(
        boss + "Life", [&](double v) { return v < fight.startLife; }, stage);
    ASSERT_GT(firstDamage, stage) << "the boss was never hit";
    EXPECT_GE(t.At(boss + "Y", firstDamage), 0.0) << "no hit before the boss is inside the screen";
    for (int f = stage; f < firstDamage; ++f) {
      if (t.At(boss + "Y", f) < 0.0) {
        EXPECT_EQ(t.At(boss + "Life", f), fight.startLife) << f;
      }
    }
    const int defeated = t.First(
        boss + "Life", [](double v) { return v <= 0.0; }, firstDamage);
    ASSERT_GT(defeated, firstDamage) << "the boss was never shot down";
    const int changed = t.FirstEqual("scene", fight.nextScene, defeated);
    ASSERT_GT(changed, defeated) << "the scene never changed";
    // The attack counter advances on the frames that start with a hurt, living boss, and only then.
    int attacks = 0;
    for (int f = stage + 1; f < changed; ++f) {
      const double lifeBefore = t.At(boss + "Life", f - 1);
      const bool advanced = t.Int(boss + "AttackCounter", f) != t.Int(boss + "AttackCounter", f - 1);
      EXPECT_EQ(advanced, 0.0 < lifeBefore && lifeBefore < fight.attacksBelow) << "frame " << f;
      attacks += advanced ? 1 : 0;
    }
    EXPECT_GT(attacks, 0);
    // 70 timer units at 10 a second: about 420 frames of explosion, then the wipe to the next scene.
    EXPECT_NEAR(changed - defeated, 421, 2);
    EXPECT_GT(t.At(boss + "DefeatTimer", changed - 1), 69.0);
    EXPECT_EQ(t.Int("sceneEntered", changed), 0);
    EXPECT_EQ(t.Int("transition", changed), fight.wipeSteps - 1) << "the frame's own present drew the first step";
    EXPECT_EQ(t.At("stageClock", changed), 0.0);
    EXPECT_EQ(t.At(boss + "Life", changed), fight.startLife);
    EXPECT_EQ(t.At(boss + "Y", changed), kBossParkedY);
    EXPECT_GE(t.Int("score", changed), t.Int("score", stage));
    from = changed;
  }
  // Half way through the third boss's explosion the stage piece stops; the ending starts its own on
  // its first frame.
  const int ending = t.FirstEqual("scene", SceneId::Ending);
  const int stopped = t.First("boss3DefeatTimer", [](double v) { return v > 50.0; });
  ASSERT_GT(stopped, 0);
  EXPECT_EQ(t.music[stopped], (std::vector<std::string>{"stop midi", "close midi"}));
  for (int f = stopped + 1; f <= ending; ++f) {
    EXPECT_TRUE(t.music[f].empty()) << f;
  }
  ASSERT_FALSE(t.music[ending + 1].empty());
  EXPECT_NE(t.music[ending + 1][0].find("/MIDI/QMX2.MID\""), std::string::npos);
}

// The rows above 20000000 take scores that no replay of a whole game comes near (one scores about a
// million and a half), and a score near the cap is out of reach of any replay.
void WholeGameReplay::TheEndingRanksTheScoreAndReturnsToTheTitle() {
  const auto& t = run.trace;
  const int scenes[] = {SceneId::Title,  SceneId::Stage1, SceneId::Stage2,
                        SceneId::Stage3, SceneId::Ending, SceneId::Title};
  int at = 0;
  for (const int scene : scenes) {
    at = t.FirstEqual("scene", scene, at);
    ASSERT_GE(at, 0) << "scene " << scene;
  }
  const int ending = t.FirstEqual("scene", SceneId::Ending);
  const int title = at;
  EXPECT_GT(t.Int("transition", title), 0) << "the wipe to the title runs";
  EXPECT_NEAR(t.First(
                  "transition", [](double v) { return v == 0; }, title) -
                  title,
              kWipeEndingToTitle, 2);
  EXPECT_GE(t.At("stageClock", title - 1), 1000.0);
  EXPECT_LT(t.At("stageClock", title - 1), 1001.0) << "the clock's end, 1001, leaves the ending";
  EXPECT_NEAR(title - ending, 1001 / 18.0 * 60.0, 2.0);

  const nlohmann::json& d = run.dumps.at(RankingFrame());
  ASSERT_EQ(d["scene"]["currentScene"], SceneId::Ending);
  const float clock = d["gameState"]["stageClock"].get<float>();
  ASSERT_GE(clock, 101.0f);
  ASSERT_LE(clock, 250.0f);
  const int highScore = d["gameState"]["highScore"].get<int>();
  EXPECT_EQ(highScore, d["gameState"]["score"].get<int>());
  EXPECT_GT(highScore, 1000000);
  const int fixed[] = {100000000, 70000000, 30000000, 20000000, 1000000, 700000, 50000};
  int changed = -1;
  for (int row = 0; row < 7; ++row) {
    if (changed < 0 && highScore >= fixed[row]) {
      changed = row;
      EXPECT_EQ(d["ranking"]["table"][row], highScore) << "row " << row;
    } else {
      EXPECT_EQ(d["ranking"]["table"][row], fixed[row]) << "row " << row << ": nothing shifts down";
    }
  }
  EXPECT_EQ(changed, 4);
  EXPECT_EQ(d["ranking"]["changedRow"], changed);
  // The ship still flies and fires through the ending, and its shots meet only parked enemies.
  EXPECT_NE(t.Int("volleyCounter1", ending + 600), t.Int("volleyCounter1", ending + 601));
  EXPECT_FALSE(t.sounds[ending + 600].empty() && t.sounds[ending + 601].empty() && t.sounds[ending + 602].empty() &&
               t.sounds[ending + 603].empty());
  EXPECT_EQ(t.Int("score", title - 1), t.Int("score", ending + 1)) << "nothing to score in the ending";
}

// The shown pictures of the ending: the ranking heading and every row's digits, then each closing
// picture, exactly where the build's layout puts them.
void WholeGameReplay::TheEndingIsLaidOutForTheScreen() {
  const EndingLayout& at = Screen() == 800 ? kLayout800 : kLayout640;
  const Picture heading = ReadAssetPicture("RANKING1.BMP"), digits = ReadAssetPicture("SUJI09.BMP");
  const Picture closing1 = ReadAssetPicture("QWCG1.BMP"), closing2 = ReadAssetPicture("QWCG2.BMP");
  ASSERT_EQ(digits.width, 200);
  ASSERT_EQ(closing1.height, 480);
  ASSERT_EQ(closing2.height, 480);
  for (const int f : {RankingFrame(), Closing1Frame(), Closing2Frame()}) {
    ASSERT_EQ(run.trace.Int("scene", f), SceneId::Ending) << f;
  }
  const auto inWindow = [&](int frame, double from, double to) {
    return from <= run.trace.At("stageClock", frame) && run.trace.At("stageClock", frame) <= to;
  };
  ASSERT_TRUE(inWindow(RankingFrame(), 101, 250));
  ASSERT_TRUE(inWindow(Closing1Frame(), 401, 500));
  ASSERT_TRUE(inWindow(Closing2Frame(), 501, 1000));

  const Picture ranking = ReadShot(ShotPath(RankingFrame()));
  ASSERT_EQ(ranking.width, Screen());
  EXPECT_TRUE(ShownThere(ranking, {{at.headingX, at.headingY, &heading, 0, 0, 400, 100}}, 0.7));
  const nlohmann::json& table = run.dumps.at(RankingFrame())["ranking"]["table"];
  for (int r = 0; r < 7; ++r) {
    const int y = at.rowY + 40 * r;
    std::vector<Placed> row{{at.rankX, y, &digits, 20 * (r + 1), 0, 20, 25}};
    const std::string value = std::to_string(1000000000 + table[r].get<int>()).substr(1);
    for (int i = 0; i < 9; ++i) row.push_back({at.valueX + 20 * i, y, &digits, 20 * (value[i] - '0'), 0, 20, 25});
    EXPECT_TRUE(ShownThere(ranking, row, 0.7)) << "row " << r << " at y " << y;
  }

  // Nothing flies over the closing pictures: every pixel they draw shows, down to the screen's bottom.
  const struct {
    int frame;
    const Picture& picture;
  } closings[] = {{Closing1Frame(), closing1}, {Closing2Frame(), closing2}};
  for (const auto& closing : closings) {
    const Picture shot = ReadShot(ShotPath(closing.frame));
    ASSERT_EQ(shot.height, Screen() * 3 / 4);
    EXPECT_TRUE(ShownThere(shot, {{at.closingX, at.closingY, &closing.picture, 0, 0, 360, 480}}, 1.0))
        << "frame " << closing.frame;
  }
}

TEST_P(WholeGameReplay, EveryBossFallsAndTheEndingRanksTheHighScoreBeforeTheTitle) {
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  {
    SCOPED_TRACE("bosses");
    BossesFall();
  }
  {
    SCOPED_TRACE("ending");
    TheEndingRanksTheScoreAndReturnsToTheTitle();
  }
  SCOPED_TRACE("ending layout");
  TheEndingIsLaidOutForTheScreen();
}

REPLAY_IN_BOTH_SCREENS(WholeGameReplay);

}  // namespace
