// The boss records, their rest state and hit flags, and the defeat: the boss explodes for 70 timer
// units, then the game-wide reset runs and the next scene begins.
#include "stages/bosses.h"

#include "framework/el_input.h"
#include "framework/el_sound.h"
#include "game/assets.h"
#include "game/pictures.h"
#include "game/scene.h"
#include "stages/boss_bursts.h"

BossRecord Boss1;
BossRecord Boss2;
BossRecord Boss3;
BossEffectsRecord Boss1Effects;
BossEffectsRecord Boss2Effects;
BossEffectsRecord Boss3Effects;

namespace {

constexpr float kDefeatTimerRate = 10.0f;
// Boss 3 silences the music in this stretch of its explosion (bounds exclusive).
constexpr float kMusicStopAfter = 50.0f;
constexpr float kMusicStopBefore = 60.0f;

struct BossDefeat {
  BossRecord& boss;
  BossEffectsRecord& effects;
  BurstSpread large;
  BurstSpread small;
  bool stopsMusic;
  int nextScene;
  int wipeFrames;
};

const BossDefeat kBoss1Defeat = {Boss1, Boss1Effects, {440, 100, 360, 0}, {440, 40, 360, 0},
                                 false, SceneId::Stage2, kWipeStage1ToStage2};
const BossDefeat kBoss2Defeat = {Boss2, Boss2Effects, {500, 100, 350, 0}, {500, 40, 350, 0},
                                 false, SceneId::Stage3, kWipeStage2ToStage3};
const BossDefeat kBoss3Defeat = {Boss3, Boss3Effects, {440, 100, 320, 0}, {440, 40, 310, 0},
                                 true, SceneId::Ending, kWipeStage3ToEnding};

void RunBossDefeat(const BossDefeat& defeat) {
  LargeEnemyRecord& body = defeat.boss.body;
  if (body.life > 0.0f) return;
  for (BossBurst& burst : defeat.effects.large) FlashBurst(burst, kLargeBurstStrip, body, defeat.large);
  for (BossBurst& burst : defeat.effects.small) FlashBurst(burst, kSmallBurstStrip, body, defeat.small);
  elSound::Play(SoundHandles.bomb, -1);
  body.defeatTimer += FrameTime() * kDefeatTimerRate;
  if (defeat.stopsMusic && kMusicStopAfter < body.defeatTimer && body.defeatTimer < kMusicStopBefore) {
    elSound::StopMusic();
  }
  if (body.defeatTimer > kDefeatTimerEnd) {
    ResetGameObjects1();
    ResetGameObjects2();
    ChangeScene(defeat.nextScene, defeat.wipeFrames);
  }
}

void ResetBoss(BossRecord& boss, BossEffectsRecord& effects, float life) {
  boss.attackCounter = 0;
  boss.body = LargeEnemyRecord{};
  boss.body.x = kBossParkedX;
  boss.body.y = kBossParkedY;
  boss.body.life = life;
  ParkBossEffects(effects);
}

}  // namespace

void ParkBossEffects(BossEffectsRecord& effects) {
  for (BossBurst& burst : effects.large) burst = {0, kBossParkedX, kBossParkedY};
  for (BossBurst& burst : effects.small) burst = {0, kBossParkedX, kBossParkedY};
  effects.burningFrame = 0;
  effects.entry = {kBossParkedX, kBossParkedY, 0.0f};
}

void ResetBoss1() { ResetBoss(Boss1, Boss1Effects, kBoss1StartLife); }
void ResetBoss2() { ResetBoss(Boss2, Boss2Effects, kBoss2StartLife); }
void ResetBoss3() { ResetBoss(Boss3, Boss3Effects, kBoss3StartLife); }

void RunBoss1Defeat() { RunBossDefeat(kBoss1Defeat); }
void RunBoss2Defeat() { RunBossDefeat(kBoss2Defeat); }
void RunBoss3Defeat() { RunBossDefeat(kBoss3Defeat); }

void SetHitFlagBoss1() { Boss1.body.hit = 1; }
void SetHitFlagBoss2() { Boss2.body.hit = 1; }
void SetHitFlagBoss3() { Boss3.body.hit = 1; }
