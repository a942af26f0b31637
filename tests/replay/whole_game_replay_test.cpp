// The whole game in real play, driven by keys alone: the invincible ship (a title key) holds weapons
// 1 and 3 from the start, shoots down each boss in turn, and sees the ending with its ranking before
// the game goes back to the title.
#include <gtest/gtest.h>

#include "game/scene.h"
#include "stages/bosses.h"
#include "support/replay_geometry.h"
#include "support/runner_replay.h"

namespace {

using testing_support::Press;
using testing_support::RunRunner;

const std::string kWholeGame = Press("I", 3) + "40 down C\n40 down B\n";

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
  // A frame in the ranking's clock window (the ending begins at frame 11859 and 10643).
  int RankingFrame() const { return Screen() == 800 ? 12400 : 11200; }
  void SetUp() override { run = RunRunner(Screen(), "whole-game", kWholeGame, 15400, {RankingFrame()}); }
  void BossesFall();
  void TheEndingRanksTheScoreAndReturnsToTheTitle();
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

TEST_P(WholeGameReplay, EveryBossFallsAndTheEndingRanksTheHighScoreBeforeTheTitle) {
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  {
    SCOPED_TRACE("bosses");
    BossesFall();
  }
  SCOPED_TRACE("ending");
  TheEndingRanksTheScoreAndReturnsToTheTitle();
}

REPLAY_IN_BOTH_SCREENS(WholeGameReplay);

}  // namespace
