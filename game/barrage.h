// The barrage: one press of N launches 49 volleys, one every 3 frames, of shots that swing out and
// curve back as they climb, in four groups of 50 records.
#pragma once

constexpr int kBarrageGroups = 4;
constexpr int kBarrageGroupSize = 50;
constexpr int kBarrageShotCount = kBarrageGroups * kBarrageGroupSize;
constexpr int kBarrageInterval = 3;
constexpr int kBarrageVolleys = 49;
constexpr int kBarrageCullTop = -60;
constexpr float kBarrageTimerRate = 20.0f;  // flight-timer units per second

struct BarrageShot {
  int x = 0;
  int y = 0;
  float flightTimer = 0.0f;  // twentieths of a second since launch
  int active = 0;
};
extern BarrageShot BarrageShots[kBarrageShotCount];

// Once per frame while a barrage runs.
void TickBarrage();
// One record in each group: i in group 0, j in 1, k in 2, l in 3.
void SpawnBarrageVolley(int i, int j, int k, int l);

// The flight and cull of one record (nothing when it is not active), and of the whole pool.
void MoveBarrageShot(int record);
void MoveBarrageShots();

int CountLiveBarrageShots();
void ResetBarrageShots();
