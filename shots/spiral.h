// The spiral template: one shot every ten ticks from a fixed point on the first boss, each heading
// 10 degrees further round than the last, so the shots unwind as a turning arm. A shot flies against
// its heading (heading 0 moves left). Each kind keeps its own spawn timer.
#pragma once

#include "game/pictures.h"
#include "shots/shot_owners.h"
#include "shots/shot_pool.h"

struct SpiralShot {
  int cell = 0;  // animation cell 0..23
  float x = 0.0f;
  float y = 0.0f;
  float angle = 0.0f;  // radians; the shot moves the opposite way
  float speed = 0.0f;  // pixels per second
  int active = 0;
};

namespace shots {

constexpr int kSpiralRecords = 36;

struct SpiralKind {
  SpiralShot* pool;  // kSpiralRecords records
  int* timer;        // the kind's spawn timer
  ShotOwner owner;
  float emitX;  // from the owner's x; every spiral starts 130 below the owner's y
  int turn;     // +1: each step turns 10 degrees one way, -1 the other
};

// Rest state of the pool and its timer.
void ResetSpiral(const SpiralKind& kind);
// Timer += 1 (360 goes back to 10); on 10, 20 .. 350 spawns record and step n - 1.
void TickSpiral(const SpiralKind& kind);
void SpawnSpiral(const SpiralKind& kind, int index, int step);
void UpdateSpiral(const SpiralKind& kind);
// Draws every record, live or not, advancing each one's cell.
void DrawSpiral(const SpiralKind& kind);

}  // namespace shots
