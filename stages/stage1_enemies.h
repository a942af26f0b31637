// The mid-sized enemies of stage 1. D and F (two each) come in diagonally from the upper left and the
// upper right at random speeds, all free records at once; E and G (five each) come in the same way at
// a fixed speed, one record every hundred calls of their spawner.
#pragma once

struct Stage1EnemyRecord {
  int explosionCycle = 0;  // completed 8-frame destruction cycles (removed at 2)
  int explosionFrame = 0;  // frame 0..7 of the destruction
  int spawnCounter = 0;    // E and G: the spawner's call counter for this record
  float x = 0.0f;          // top-left corner of the 90x90 sprite
  float y = 0.0f;
  float vx = 0.0f;  // pixels per second (D and F: leftward for F; E and G: signed)
  float vy = 0.0f;
  int active = 0;
  int hit = 0;  // 1 once a player's shot has struck it: it plays its destruction
};

constexpr int kStage1EnemyDCount = 2;
constexpr int kStage1EnemyECount = 5;
constexpr int kStage1EnemyFCount = 2;
constexpr int kStage1EnemyGCount = 5;
extern Stage1EnemyRecord Stage1EnemiesD[kStage1EnemyDCount];
extern Stage1EnemyRecord Stage1EnemiesE[kStage1EnemyECount];
extern Stage1EnemyRecord Stage1EnemiesF[kStage1EnemyFCount];
extern Stage1EnemyRecord Stage1EnemiesG[kStage1EnemyGCount];

void ResetStage1EnemyD();
void ResetStage1EnemyE();
void ResetStage1EnemyF();
void ResetStage1EnemyG();

// D and F: every free record starts at the kind's corner with two random speeds (vx first).
void SpawnStage1EnemyD();
void SpawnStage1EnemyF();
// E and G: one record, if it is free.
void SpawnStage1EnemyE(int index);
void SpawnStage1EnemyG(int index);
// Counts one call for each E (G) record, wrapping past 500, and offers record k its spawn at 100(k+1).
void TickStage1EnemyESpawner();
void TickStage1EnemyGSpawner();

void MoveStage1EnemyD();
void MoveStage1EnemyE();
void MoveStage1EnemyF();
void MoveStage1EnemyG();

void SetHitFlagStage1EnemyD(int index);
void SetHitFlagStage1EnemyE(int index);
void SetHitFlagStage1EnemyF(int index);
void SetHitFlagStage1EnemyG(int index);

void DrawStage1EnemyD();
void DrawStage1EnemyE();
void DrawStage1EnemyF();
void DrawStage1EnemyG();

// Stage-1 enemies flying or playing their destruction (for the runner's trace).
int CountLiveStage1Enemies();
