// The ship and the global keys in real play, driven by keys alone: moving and firing after the
// present; a death by an enemy shot, game over, Y to continue, the respawn and a later death; S to
// pause; T back to the title.
#include <gtest/gtest.h>

#include "game/scene.h"
#include "support/replay_geometry.h"
#include "support/runner_replay.h"

namespace {

using testing_support::Hold;
using testing_support::Press;
using testing_support::RunRunner;

const std::string kStartGame = Press("RETURN", 3);

using ShipFateReplay = testing_support::BothScreens;

TEST_P(ShipFateReplay, TheShipMovesBanksAndFiresAfterThePresent) {
  const auto run = RunRunner(Screen(), "ship-moves", kStartGame + Hold("LEFT", 40, 50) + Hold("C", 60, 70), 80);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  const auto& t = run.trace;
  // Enter before frame 3 starts the stage in that frame; its 26-frame wipe blanks the keys.
  EXPECT_EQ(t.FirstEqual("scene", SceneId::Stage1), 3);
  EXPECT_GT(t.At("stageClock", 30), t.At("stageClock", 4));
  // Left is down before frame 40 and held from 41: the ship moves in 41's after-present step.
  const double startX = Screen() == 640 ? 290.0 : 370.0;
  EXPECT_EQ(t.At("shipX", 40), startX);
  EXPECT_LT(t.At("shipX", 41), startX);
  EXPECT_EQ(t.Int("bankFrame", 42), 4);
  EXPECT_EQ(t.Int("bankFrame", 53), 3) << "released before frame 50: back at level three frames later";
  // C is held from frame 61: the volley of counter 4 is launched after frame 64's present, so its
  // flash is still raised when that frame ends and is drawn and cleared by frame 65.
  EXPECT_EQ(t.Int("volleyCounter1", 64), 4);
  EXPECT_EQ(t.Int("muzzleFlash1", 64), 1);
  EXPECT_EQ(t.Int("muzzleFlash1", 65), 0);
  EXPECT_EQ(t.sounds[64], std::vector<int>{0});
}

TEST_P(ShipFateReplay, AShotEndsTheOnlyShipGameOverFreezesYContinuesAndTheNextDeathCosts16) {
  // The ship waits where it starts until the stage's shots find it; Y comes long after game over.
  constexpr int kContinueAt = 1200;
  const auto run = RunRunner(Screen(), "death", kStartGame + Press("Y", kContinueAt), 1700);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  const auto& t = run.trace;
  const int hit = t.First(
      "shipAlive", [](double v) { return v == 0; }, 30);
  ASSERT_GT(hit, 30) << "no shot ever reached the ship";
  ASSERT_LT(hit, kContinueAt - 100);
  // The explosion counts from the next frame; the stock of 1 drops by 16 on its 40th frame, which
  // ends the game in that very frame and freezes the stage.
  for (int n = 1; n <= 40; ++n) EXPECT_EQ(t.Int("explosionCount", hit + n), n) << n;
  EXPECT_EQ(t.Int("shipStock", hit + 39), 1);
  EXPECT_EQ(t.Int("shipStock", hit + 40), -15);
  EXPECT_EQ(t.Int("gameOver", hit + 40), 1);
  EXPECT_EQ(t.Int("gameOver", hit + 39), 0);
  for (int f = hit + 41; f < kContinueAt; ++f) {
    EXPECT_EQ(t.Int("paused", f), 1) << f;
    EXPECT_EQ(t.At("stageClock", f), t.At("stageClock", hit + 40)) << f;
    EXPECT_EQ(t.Int("explosionCount", f), 40) << f;
  }
  // Y: 111 ships, the ship back and respawning; hits in the 249 respawn frames cost nothing.
  EXPECT_EQ(t.Int("gameOver", kContinueAt), 0);
  EXPECT_EQ(t.Int("paused", kContinueAt), 0);
  EXPECT_EQ(t.Int("shipStock", kContinueAt), 111);
  EXPECT_EQ(t.Int("respawning", kContinueAt), 1);
  EXPECT_GT(t.At("stageClock", kContinueAt + 1), t.At("stageClock", kContinueAt));
  const int respawned = t.First(
      "respawning", [](double v) { return v == 0; }, kContinueAt);
  ASSERT_GT(respawned, kContinueAt + 249) << "249 frames at least, more when hits hold the count";
  for (int f = kContinueAt; f < respawned; ++f) EXPECT_EQ(t.Int("shipStock", f), 111) << f;
  EXPECT_EQ(t.Int("explosionFragments", respawned), 0) << "the respawn's end puts the fragments away";
  // The next hit after the respawn is a full death: 16 ships, then a new respawn without game over.
  const int second = t.First(
      "shipAlive", [](double v) { return v == 0; }, respawned);
  ASSERT_GT(second, respawned);
  ASSERT_LT(second + 50, t.Frames()) << "the second death came too late to watch";
  EXPECT_EQ(t.Int("respawning", second), 0);
  EXPECT_EQ(t.Int("shipStock", second + 40), 95);
  EXPECT_EQ(t.Int("respawning", second + 50), 1);
  EXPECT_EQ(t.Int("explosionCount", second + 50), 50);
  for (int f = second; f <= second + 50; ++f) EXPECT_EQ(t.Int("gameOver", f), 0) << f;
  // Each death frame restarts the explosion sound.
  EXPECT_EQ(t.sounds[hit + 1], std::vector<int>{1});
  EXPECT_EQ(t.sounds[second + 20], std::vector<int>{1});
}

TEST_P(ShipFateReplay, SFreezesTheStageWhateverIsHeldAndSAgainResumes) {
  // S on frame 100 pauses, S on 160 resumes; Right and C are held through the pause.
  const std::string script =
      kStartGame + Press("S", 100) + Press("S", 160) + Hold("RIGHT", 110, 200) + Hold("C", 110, 200);
  const auto run = RunRunner(Screen(), "pause", script, 220);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  const auto& t = run.trace;
  EXPECT_EQ(t.Int("paused", 99), 0);
  for (int f = 100; f < 160; ++f) {
    EXPECT_EQ(t.Int("paused", f), 1) << f;
    EXPECT_EQ(t.At("stageClock", f), t.At("stageClock", 100)) << f;
    EXPECT_EQ(t.At("shipX", f), t.At("shipX", 100)) << f;
    EXPECT_EQ(t.Int("volleyCounter1", f), 0) << f;
    EXPECT_TRUE(t.sounds[f].empty()) << f;
  }
  EXPECT_EQ(t.Int("paused", 160), 0);
  EXPECT_GT(t.At("stageClock", 161), t.At("stageClock", 160));
  EXPECT_GT(t.At("shipX", 170), t.At("shipX", 160)) << "the keys held act again";
  EXPECT_GT(t.Int("volleyCounter1", 170), 0);
}

TEST_P(ShipFateReplay, TLeavesTheStageForTheTitleAndEnterStartsAFreshGame) {
  // The invincible ship fires at the first wave; T on frame 900, Enter again on frame 1000.
  const std::string script = Press("I", 3) + Hold("C", 40, 900) + Press("T", 900) + Press("RETURN", 1000);
  const auto run = RunRunner(Screen(), "title-key", script, 1040, {899});
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  const auto& t = run.trace;
  ASSERT_EQ(t.Int("scene", 899), SceneId::Stage1);
  EXPECT_GT(t.Int("score", 899), 0);
  EXPECT_EQ(t.Int("invincible", 899), 1);
  EXPECT_GT(t.Int("squadFighters", 899) + t.Int("enemyShots", 899), 0);
  const int title = t.FirstEqual("scene", SceneId::Title, 4);
  EXPECT_EQ(title, 900);
  EXPECT_EQ(t.Int("ControlMode", title), 0);
  const int stage = t.FirstEqual("scene", SceneId::Stage1, title);
  EXPECT_EQ(stage, 1000);
  // A new game: nothing of the last one is left.
  EXPECT_EQ(t.Int("score", stage), 0);
  EXPECT_EQ(t.Int("shipStock", stage), 1);
  EXPECT_EQ(t.Int("invincible", stage), 0);
  EXPECT_EQ(t.Int("squadFighters", stage), 0);
  EXPECT_EQ(t.Int("enemyShots", stage), 0);
  EXPECT_LT(t.At("stageClock", stage), 1.0);
  EXPECT_EQ(t.Int("highScore", stage), t.Int("score", 899)) << "the high score stays";
}

REPLAY_IN_BOTH_SCREENS(ShipFateReplay);

}  // namespace
