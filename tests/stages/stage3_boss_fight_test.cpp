// Stage 3 entered directly (set by hand: the key-driven proof of the boss fights is the whole-game
// replay) with the invincible ship: weapon 1 hurts the boss until it attacks, the
// ship then holds fire while the timeline runs through its streams, rings, chains, hooks and first
// fans, and shoots the boss down; the boss explodes, the music stops and the ending begins.
// With TESSIVANE_SHOT_DIR set, the frames that show each pattern are written there as PNG files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "framework/el_draw.h"
#include "framework/el_sound.h"
#include "game/assets.h"
#include "game/game_state.h"
#include "game/scene.h"
#include "game/scene_music.h"
#include "platform/headless/headless_host.h"
#include "platform/png_writer.h"
#include "platform/window_system.h"
#include "shots/aimed_fan_kinds.h"
#include "shots/aimed_ring_kinds.h"
#include "shots/curving_chain_kinds.h"
#include "shots/hook_sprite_kinds.h"
#include "stages/bosses.h"
#include "support/headless_game.h"

namespace {

template <class Record>
int CountLive(const Record* pool, int count) {
  int live = 0;
  for (int i = 0; i < count; ++i) live += pool[i].active;
  return live;
}
int LiveChains() {
  return CountLive(kBoss3CurvingChain1.pool, shots::kChainSegments) +
         CountLive(kBoss3CurvingChain2.pool, shots::kChainSegments) +
         CountLive(kBoss3CurvingChain3.pool, shots::kChainSegments) +
         CountLive(kBoss3CurvingChain4.pool, shots::kChainSegments);
}
int LiveHooks() {
  int live = 0;
  for (const shots::HookSpriteKind* kind : {&kBoss3HookSprite1, &kBoss3HookSprite2, &kBoss3HookSprite3,
                                            &kBoss3HookSprite4, &kBoss3HookSprite5, &kBoss3HookSprite6}) {
    live += CountLive(kind->pool, shots::kHookSprites);
  }
  return live;
}
int LiveRings() {
  int live = 0;
  for (const shots::AimedRingKind* kind : {&kBoss3AimedRing3, &kBoss3AimedRing4}) {
    live += CountLive(kind->pool, kind->pattern->groups * kind->pattern->groupSize);
  }
  return live;
}
int LiveFans() {
  int live = 0;
  for (const shots::AimedFanKind* kind : {&kBoss3AimedFan1, &kBoss3AimedFan4, &kBoss3AimedFan7}) {
    live += CountLive(kind->pool, shots::kFanGroups * kind->width);
  }
  return live;
}

// The ship fires until the boss attacks, holds fire from then until this attack counter, then fires
// again to the end.
constexpr int kHoldFireUntilCounter = 2450;

struct FrameRecord {
  int scene, transition, wipeSteps, counter, musicOpen, chains, hooks, rings, fans;
  float clock, bossY, life, defeatTimer;
};

struct Replay {
  std::vector<FrameRecord> frames;
  bool holding = false;
  bool resumed = false;
  std::string shotDir;
};

void Fire(bool down) {
  plat::headless::PostInput(down ? plat::WM_KEYDOWN : plat::WM_KEYUP, static_cast<plat::WParam>('C'), 0);
}

void SaveShot(const Replay& r, const char* name) {
  if (r.shotDir.empty()) return;
  int w = 0;
  int h = 0;
  const std::vector<std::uint16_t>& screen = plat::headless::LastPresented(w, h);
  plat::WritePngRgb565((r.shotDir + "/" + name + ".png").c_str(), screen.data(), w, h, w);
}

void Record(int frame, void* user) {
  Replay& r = *static_cast<Replay*>(user);
  if (frame == 0) {  // after the title's first frame: a new game that starts in stage 3
    ResetPlayerStart();
    ResetGameObjects1();
    ResetGameObjects2();
    GameState.ControlMode = 1;
    GameState.invincible = 1;
    SceneState.currentScene = SceneId::Stage3;
    SceneState.previousScene = SceneId::None;
    elSound::PlayMusic(kStageMusic, 1);  // as stage 1 would have left it playing
    Fire(true);
  }
  const int counter = Boss3.attackCounter;
  if (!r.holding && !r.resumed && counter > 0) {
    r.holding = true;
    Fire(false);
  }
  if (r.holding && counter >= kHoldFireUntilCounter) {
    r.holding = false;
    r.resumed = true;
    Fire(true);
  }
  const struct {
    int counter;
    const char* name;
  } shots[] = {{60, "stage3-rings"},  {290, "stage3-streams"}, {700, "stage3-chains"},
               {1300, "stage3-four-chains"}, {1850, "stage3-hooks"}, {2050, "stage3-fan1"}, {2420, "stage3-fan7"}};
  if (r.holding) {
    for (const auto& shot : shots) {
      if (counter == shot.counter) SaveShot(r, shot.name);
    }
  }
  r.frames.push_back(FrameRecord{SceneState.currentScene, ScreenTransition.counter, ScreenTransition.steps, counter,
                                 elSound::MusicState.musicOpen, LiveChains(), LiveHooks(), LiveRings(), LiveFans(),
                                 GameState.stageClock, Boss3.body.y, Boss3.body.life, Boss3.body.defeatTimer});
}

TEST(Stage3BossFightTest, TheInvincibleShipFightsBoss3ToItsDefeatAndTheEndingBegins) {
  testing_support::FreshHost();
  Replay replay;
  if (const char* dir = std::getenv("TESSIVANE_SHOT_DIR")) replay.shotDir = dir;
  plat::headless::SetFrameDoneHook(Record, &replay);
  ASSERT_EQ(testing_support::RunGame(9000), 0);
  plat::headless::SetFrameDoneHook(nullptr, nullptr);
  const std::vector<FrameRecord>& frames = replay.frames;
  ASSERT_EQ(frames[1].scene, SceneId::Stage3);
  EXPECT_NEAR(frames[60].clock, 16.0f * 60 / 60.0f, 0.5f) << "16 clock units a second";

  int firstDamage = -1, attacking = -1, defeated = -1, silent = -1, changed = -1;
  int chains = 0, hooks = 0, rings = 0, fans = 0;
  for (int f = 1; f < static_cast<int>(frames.size()); ++f) {
    const FrameRecord& r = frames[f];
    if (firstDamage < 0 && r.life < kBoss3StartLife) firstDamage = f;
    if (attacking < 0 && r.counter > 0) attacking = f;
    if (defeated < 0 && r.life <= 0.0f) defeated = f;
    if (silent < 0 && r.musicOpen == 0) silent = f;
    if (changed < 0 && r.scene == SceneId::Ending) changed = f;
    chains = std::max(chains, r.chains);
    hooks = std::max(hooks, r.hooks);
    rings = std::max(rings, r.rings);
    fans = std::max(fans, r.fans);
  }
  ASSERT_GT(firstDamage, 0) << "the boss was never hit";
  EXPECT_LT(frames[firstDamage - 1].bossY, 0.0f);
  EXPECT_GE(frames[firstDamage].bossY, 0.0f) << "no hit before the boss is inside the screen";
  ASSERT_GT(attacking, firstDamage);
  // A hit shows in the next frame: the first frame that starts below 780 is the first to attack.
  EXPECT_LT(frames[attacking - 1].life, 780.0f);
  EXPECT_GE(frames[attacking - 2].life, 780.0f) << "no attack while the first 220 points are taken";
  EXPECT_GT(rings, 0);
  EXPECT_GT(chains, 0);
  EXPECT_GT(hooks, 0);
  EXPECT_GT(fans, 0);

  ASSERT_GT(defeated, attacking) << "the boss was never shot down";
  for (int f = defeated; f < changed; ++f) EXPECT_EQ(frames[f].counter, frames[defeated].counter) << "no attack while exploding";
  ASSERT_GT(silent, defeated) << "the music never stopped";
  EXPECT_GT(frames[silent].defeatTimer, 50.0f);
  EXPECT_LT(frames[silent - 1].defeatTimer, 50.1f);
  EXPECT_EQ(frames[silent - 1].musicOpen, 1);

  // 70 timer units at 10 a second: about 420 frames of explosion, then the ending with a 30-frame wipe.
  ASSERT_GT(changed, silent) << "the scene never changed";
  EXPECT_NEAR(changed - defeated, 421, 2);
  EXPECT_EQ(frames[changed].wipeSteps, 30);
  EXPECT_EQ(frames[changed].transition, 29) << "the frame's own present drew the wipe's first step";
  EXPECT_EQ(frames[changed].clock, 0.0f);
  EXPECT_EQ(frames[changed].life, kBoss3StartLife);
  EXPECT_EQ(frames[changed].bossY, kBossParkedY);
  EXPECT_EQ(frames[changed + 1].scene, SceneId::Ending);
  EXPECT_EQ(frames[changed + 1].musicOpen, 1) << "the ending starts its own music";
}

}  // namespace
