// A whole stage 2, entered straight after a game-wide reset (set by hand: the key-driven proof of the
// boss fights is the whole-game replay), with the invincible ship firing weapon 1:
// turrets and squadron fly in, boss 2 enters, is hurt, attacks, is shot down, explodes for 7 seconds
// and the game moves on to stage 3.
#include <gtest/gtest.h>

#include <vector>

#include "framework/el_draw.h"
#include "game/assets.h"
#include "game/game_state.h"
#include "game/scene.h"
#include "platform/headless/headless_host.h"
#include "shots/aimed_shot.h"
#include "stages/bosses.h"
#include "stages/squadron.h"
#include "stages/turrets.h"
#include "support/headless_game.h"

namespace {

struct FrameRecord {
  int scene, transition, wipeSteps, musicCounter, attackCounter, squadFighters, turrets, shot9Active;
  float clock, bossY, pathTimer, life, defeatTimer, shot9Y;
};

// The title's second frame has run: a new game as the title starts one, but straight into stage 2.
constexpr int kEnterAfter = 2;

void Record(int frame, void* user) {
  const AimedStreamShot& shot9 = kSquadAimedShot1.pool[9];
  static_cast<std::vector<FrameRecord>*>(user)->push_back(FrameRecord{
      SceneState.currentScene, ScreenTransition.counter, ScreenTransition.steps, GameState.musicCounter,
      Boss2.attackCounter, CountLiveSquadFighters(), CountLiveTurrets(), shot9.active, GameState.stageClock,
      Boss2.body.y, Boss2.body.pathTimer, Boss2.body.life, Boss2.body.defeatTimer, shot9.y});
  if (frame != kEnterAfter) return;
  GameState.ControlMode = 1;
  ResetPlayerStart();
  ResetGameObjects1();
  ResetGameObjects2();
  GameState.invincible = 1;
  SceneState.currentScene = SceneId::Stage2;
  SceneState.previousScene = SceneId::None;
}

TEST(Stage2BossFightTest, InvincibleShipShootsDownBoss2AndStage3Begins) {
  testing_support::FreshHost();
  plat::headless::ScheduleKey(10, 'C', true);
  std::vector<FrameRecord> frames;
  plat::headless::SetFrameDoneHook(Record, &frames);
  ASSERT_EQ(testing_support::RunGame(2800), 0);
  constexpr int first = kEnterAfter + 1;
  ASSERT_EQ(frames[first].scene, SceneId::Stage2);
  EXPECT_GT(frames[first].clock, 0.0f);
  EXPECT_LT(frames[first].clock, 0.5f);

  int wavesSeen = 0, turretsSeen = 0, firstDamage = -1, firstAttack = -1, defeated = -1, changed = -1;
  int shot9Fired = -1;
  for (int f = first; f < static_cast<int>(frames.size()); ++f) {
    const FrameRecord& r = frames[f];
    if (r.scene != SceneId::Stage2) {
      changed = f;
      break;
    }
    EXPECT_EQ(r.musicCounter, 0) << "stage 2 leaves the music counter alone; frame " << f;
    if (r.clock <= 150.0f) {
      EXPECT_EQ(r.pathTimer, 0.0f) << "no boss phase before clock 150; frame " << f;
    }
    if (r.squadFighters > 0) ++wavesSeen;
    if (r.turrets > 0) ++turretsSeen;
    if (firstDamage < 0 && r.life < kBoss2StartLife) firstDamage = f;
    if (defeated < 0 && r.life <= 0.0f) defeated = f;
    if (f > first) {
      // The counter advances on the frames that start with a hurt, living boss, and only on those.
      const float lifeBefore = frames[f - 1].life;
      const bool advanced = r.attackCounter != frames[f - 1].attackCounter;
      EXPECT_EQ(advanced, 0.0f < lifeBefore && lifeBefore < 980.0f) << "frame " << f;
      if (advanced && firstAttack < 0) firstAttack = f;
    }
    // Slot 9's aimed shot is fired by its wave but never moved by this stage: it stays where it was.
    if (shot9Fired < 0 && r.shot9Active == 1) shot9Fired = f;
    if (shot9Fired >= 0) {
      EXPECT_EQ(r.shot9Active, 1) << "frame " << f;
      EXPECT_EQ(r.shot9Y, frames[shot9Fired].shot9Y) << "frame " << f;
    }
  }
  EXPECT_GT(wavesSeen, 0);
  EXPECT_GT(turretsSeen, 0);
  EXPECT_GT(shot9Fired, 0);
  ASSERT_GT(firstDamage, 0) << "the boss was never hit";
  EXPECT_GT(frames[firstDamage].clock, 150.0f);
  EXPECT_GE(frames[firstDamage].bossY, 0.0f) << "no hit before the boss is inside the screen";
  ASSERT_GT(firstAttack, firstDamage);
  EXPECT_EQ(frames[firstAttack].attackCounter, 1);
  ASSERT_GT(defeated, firstAttack) << "the boss was never shot down";
  ASSERT_GT(changed, defeated) << "the scene never changed";

  // 70 timer units at 10 a second: about 420 frames of explosion, then stage 3 with a 60-frame wipe.
  EXPECT_NEAR(changed - defeated, 421, 2);
  EXPECT_GT(frames[changed - 1].defeatTimer, 69.0f);
  EXPECT_EQ(frames[changed].scene, SceneId::Stage3);
  EXPECT_EQ(frames[changed].wipeSteps, 60);
  EXPECT_EQ(frames[changed].transition, 59) << "the frame's own present drew the wipe's first step";
  EXPECT_EQ(frames[changed].clock, 0.0f);
  EXPECT_EQ(frames[changed].life, kBoss2StartLife);
  EXPECT_EQ(frames[changed].bossY, kBossParkedY);
  EXPECT_EQ(frames[changed].attackCounter, 0);
  EXPECT_EQ(frames[changed].shot9Active, 0) << "the reset at the change frees the shot at last";
}

}  // namespace
