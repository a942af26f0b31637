// A whole stage 1 with the invincible ship firing weapon 1: the boss enters, is shot down, explodes
// for 7 seconds and the game moves on to stage 2.
#include <gtest/gtest.h>

#include <vector>

#include "framework/el_draw.h"
#include "game/game_state.h"
#include "game/scene.h"
#include "platform/headless/headless_host.h"
#include "stages/bosses.h"
#include "support/headless_game.h"

namespace {

struct FrameRecord {
  int scene, transition, wipeSteps, invincible;
  float clock, bossY, life, defeatTimer;
};

void Record(int, void* user) {
  static_cast<std::vector<FrameRecord>*>(user)->push_back(
      FrameRecord{SceneState.currentScene, ScreenTransition.counter, ScreenTransition.steps, GameState.invincible, GameState.stageClock,
                  Boss1.body.y, Boss1.body.life, Boss1.body.defeatTimer});
}

TEST(Boss1ReplayTest, InvincibleShipShootsDownBoss1AndStage2Begins) {
  testing_support::FreshHost();
  plat::headless::ScheduleKey(3, 'I', true);
  plat::headless::ScheduleKey(4, 'I', false);
  plat::headless::ScheduleKey(40, 'C', true);
  std::vector<FrameRecord> frames;
  plat::headless::SetFrameDoneHook(Record, &frames);
  ASSERT_EQ(testing_support::RunGame(7000), 0);
  ASSERT_EQ(frames[10].scene, SceneId::Stage1);
  ASSERT_EQ(frames[10].invincible, 1);

  int firstDamage = -1, defeated = -1, changed = -1;
  for (int f = 0; f < static_cast<int>(frames.size()); ++f) {
    const FrameRecord& r = frames[f];
    if (firstDamage < 0 && r.life < kBoss1StartLife) firstDamage = f;
    if (defeated < 0 && r.life <= 0.0f) defeated = f;
    if (changed < 0 && r.scene == SceneId::Stage2) changed = f;
  }
  ASSERT_GT(firstDamage, 0) << "the boss was never hit";
  EXPECT_GT(frames[firstDamage].clock, 1460.0f);
  EXPECT_GE(frames[firstDamage].bossY, 0.0f) << "no hit before the boss is inside the screen";
  ASSERT_GT(defeated, firstDamage) << "the boss was never shot down";
  ASSERT_GT(changed, defeated) << "the scene never changed";

  // 70 timer units at 10 a second: about 420 frames of explosion, then stage 2 with a 30-frame wipe.
  EXPECT_NEAR(changed - defeated, 421, 2);
  EXPECT_GT(frames[changed - 1].defeatTimer, 69.0f);
  EXPECT_EQ(frames[changed].wipeSteps, 30);
  EXPECT_EQ(frames[changed].transition, 29) << "the frame's own present drew the wipe's first step";
  EXPECT_EQ(frames[changed].clock, 0.0f);
  EXPECT_EQ(frames[changed].life, kBoss1StartLife);
  EXPECT_EQ(frames[changed].bossY, kBossParkedY);
  EXPECT_EQ(frames.back().scene, SceneId::Stage2);
}

}  // namespace
