#include "stages/boss_phase.h"

#include "game/game_state.h"
#include "stages/bosses.h"
#include "stages/stage_frame.h"

namespace {

struct BossPhase {
  BossRecord& boss;
  float clockAfter, clockBefore;  // the phase window, strict
  float attacksBelow;             // the timeline runs while 0 < life < attacksBelow
  int counterWrap;
  float timeOutAt;
  void (*move)();
  void (*drawDamage)();
  void (*defeat)();
};

const BossPhase kBoss1Phase = {Boss1, 1460.0f, 10100.0f, 1010.0f, 4300, 10000.0f,
                               MoveBoss1, DrawBoss1Damage, RunBoss1Defeat};
const BossPhase kBoss2Phase = {Boss2, 150.0f, 11100.0f, 980.0f, 2300, 11000.0f,
                               MoveBoss2, DrawBoss2Damage, RunBoss2Defeat};
const BossPhase kBoss3Phase = {Boss3, 10.0f, 11100.0f, 780.0f, 4900, 11000.0f,
                               MoveBoss3, DrawBoss3Damage, RunBoss3Defeat};

// The defeat may run the game-wide reset in the middle of the phase (clock 0, a fresh boss), so every
// test below reads the live clock and life.
void RunBossPhase(const BossPhase& phase, BossTimeline timeline) {
  if (!ClockBetween(phase.clockAfter, phase.clockBefore)) return;
  phase.move();
  phase.drawDamage();
  LargeEnemyRecord& body = phase.boss.body;
  if (0.0f < body.life && body.life < phase.attacksBelow) {
    int& counter = phase.boss.attackCounter;
    counter += 1;
    timeline(counter);
    if (counter >= phase.counterWrap) counter = 0;
  }
  if (GameState.stageClock >= phase.timeOutAt) {
    body.life = 0.0f;
    phase.defeat();
  }
}

}  // namespace

void RunBoss1Phase(BossTimeline timeline) { RunBossPhase(kBoss1Phase, timeline); }
void RunBoss2Phase(BossTimeline timeline) { RunBossPhase(kBoss2Phase, timeline); }
void RunBoss3Phase(BossTimeline timeline) { RunBossPhase(kBoss3Phase, timeline); }
