// Turrets: small gun ships that come in from one side in groups of four, swing into a dive (kinds 1
// and 2) or a climb (kinds 3 and 4) that gets faster step by step, and explode when struck. Kinds 1
// and 2 fire aimed shots at the ship while they turn. Stage 1 flies all four kinds, stage 2 kinds 1
// and 2.
#pragma once

struct TurretRecord {
  int explosionCycle = 0;  // completed 8-frame explosion cycles (removed after two)
  int spawnTick = 0;       // the spawner's frame counter for this record
  int explosionFrame = 0;  // frame 0..7 of the explosion
  int spareInt = 0;
  float pathTimer = 0.0f;  // timer units; picks the leg of the path and the body cell
  float x = 0.0f;          // top-left corner of the 100x100 body
  float y = 0.0f;
  float vx = 0.0f;  // pixels per second
  float vy = 0.0f;
  float spareFloat1 = 0.0f;
  float spareFloat2 = 0.0f;
  int active = 0;
  int hit = 0;  // 1 once a player's shot has struck it, until its explosion ends
};

constexpr int kTurretCount = 5;
extern TurretRecord Turrets1[kTurretCount];
extern TurretRecord Turrets2[kTurretCount];
extern TurretRecord Turrets3[kTurretCount];
extern TurretRecord Turrets4[kTurretCount];

// Rest state of a new game: every record inactive at (-500, -500).
void ResetTurret1();
void ResetTurret2();
void ResetTurret3();
void ResetTurret4();

// Starts record `index` at the kind's entry point when it is inactive.
void SpawnTurret1(int index);
void SpawnTurret2(int index);
void SpawnTurret3(int index);
void SpawnTurret4(int index);

// One frame of the kind's spawn window: the five ticks count 0..149 together, and records 0 to 3
// start at ticks 30, 60, 90 and 120 (record 4's mark, 150, never comes).
void TickTurret1Spawner();
void TickTurret2Spawner();
void TickTurret3Spawner();
void TickTurret4Spawner();

void MoveTurret1();
void MoveTurret2();
void MoveTurret3();
void MoveTurret4();

void DrawTurret1();
void DrawTurret2();
void DrawTurret3();
void DrawTurret4();

void SetHitFlagTurret1(int index);
void SetHitFlagTurret2(int index);
void SetHitFlagTurret3(int index);
void SetHitFlagTurret4(int index);

// Turrets flying or exploding, over the four kinds (for the runner's trace).
int CountLiveTurrets();
