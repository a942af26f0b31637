// The three bosses: each enters the play field, follows a path of timed legs, shows its damage in
// bursts and burning sprites, and, when its life is gone, explodes and takes the game to the next scene.
//   bosses.cpp      the records, their rest state, the hit flags, the defeat
//   boss_paths.cpp  the three paths, each a table of legs
//   boss_draw.cpp   the damage drawers: bursts, body of the life band, burning sprites
//   boss_phase.cpp  the boss phase every stage frame runs (window, attack counter, time-out)
#pragma once

// The body of a boss (top-left corner of its picture).
struct LargeEnemyRecord {
  float x = 0.0f;
  float y = 0.0f;
  float pathTimer = 0.0f;    // tenths of a second along the path
  float life = 0.0f;         // the boss explodes at 0 or below
  float defeatTimer = 0.0f;  // tenths of a second of the explosion; the scene changes above 70
  int hit = 0;               // 1 after a player's shot struck it, 0 once the damage drawer has seen it
};

struct BossRecord {
  int attackCounter = 0;  // frames of the attack timeline, 1 up to the stage's wrap
  LargeEnemyRecord body;
};

extern BossRecord Boss1;
extern BossRecord Boss2;
extern BossRecord Boss3;

// The bursts and burning sprites of one boss, and the picture that flies up before bosses 1 and 2.
struct BossBurst {
  int frame = 0;
  float x = 0.0f;
  float y = 0.0f;
};
struct BossEntryPicture {
  float x = 0.0f;
  float y = 0.0f;
  float speed = 0.0f;  // pixels per second, upwards
};
constexpr int kLargeBursts = 8;
constexpr int kSmallBursts = 6;
struct BossEffectsRecord {
  BossBurst large[kLargeBursts];  // 160x160 cells of BBAK1B, frames 0..3
  BossBurst small[kSmallBursts];  // 60x60 cells of ZBAK1B, frames 0..9
  int burningFrame = 0;           // 80x80 cells of ZBAK3B, 0..9
  BossEntryPicture entry;
};
extern BossEffectsRecord Boss1Effects;
extern BossEffectsRecord Boss2Effects;
extern BossEffectsRecord Boss3Effects;

// Where a boss, its bursts and its entry picture wait at rest.
constexpr float kBossParkedX = -500.0f;
constexpr float kBossParkedY = 2550.0f;

constexpr float kBoss1StartLife = 1020.0f;
constexpr float kBoss2StartLife = 1000.0f;
constexpr float kBoss3StartLife = 1000.0f;
// The defeat timer value past which the scene changes.
constexpr float kDefeatTimerEnd = 70.0f;

// Each boss's rest state: parked, its counters and timers 0, its full life; its bursts and entry
// picture parked too.
void ResetBoss1();
void ResetBoss2();
void ResetBoss3();

// One step along the path (entry picture included for bosses 1 and 2).
void MoveBoss1();
void MoveBoss2();
void MoveBoss3();

// Bursts while the life is in a burst band, the body of the life band, the burning sprites near the
// end, then the defeat.
void DrawBoss1Damage();
void DrawBoss2Damage();
void DrawBoss3Damage();

// While the life is 0 or below: the explosion, and past 70 timer units the game-wide reset and the
// change to the next scene.
void RunBoss1Defeat();
void RunBoss2Defeat();
void RunBoss3Defeat();

void SetHitFlagBoss1();
void SetHitFlagBoss2();
void SetHitFlagBoss3();
