// The aimed-ring template: groups of animated shots fired from a boss on a cycle, each aimed at the
// ship and turned by a fixed offset of its own, so that a group leaves as a spread or a full ring.
#pragma once

#include "shots/shot_owners.h"
#include "shots/shot_pool.h"

struct AimedRingShot {
  int cell = 0;     // animation frame 0..23, advanced by Draw
  int tickCount = 0;  // emitter counter, advanced by Tick
  float x = 0.0f;   // top-left of the 20x20 sprite
  float y = 0.0f;
  float aimDx = 0.0f;  // aim vector taken at the spawn
  float aimDy = 0.0f;
  float startX = 0.0f;  // spawn position
  float startY = 0.0f;
  float angle = 0.0f;  // heading, radians
  float speed = 0.0f;  // px/s
  int active = 0;
};

namespace shots {

// How the records of a pool fire: groups of `groupSize` on the marks of a 200-call cycle, each record
// turned from the aim line by (index - base) x step + start radians, base being the first record of
// its group (a spread around the aim line) or 0 (offsets running on over the whole pool).
enum class RingOffsetBase : int { GroupFirst, PoolStart };
struct RingPattern {
  int groups;
  int groupSize;
  int marks[6];  // one per group, all below the cycle
  float step;    // radians per record
  float start;   // radians
  RingOffsetBase base;
  int restCells;  // the reset draws each record's animation frame as rand() % restCells
};

struct AimedRingKind {
  AimedRingShot* pool;  // pattern.groups x pattern.groupSize records
  ShotOwner owner;
  float emitX, emitY;  // emitter from the owner's position
  float speed;         // px/s
  const RingPattern* pattern;
};

// Rest state of the kind's records (each draws its animation frame from rand()).
void ResetAimedRing(const AimedRingKind& kind);
// Makes record `index` live (if free) from the emitter, aimed at the ship and turned by its offset;
// `first` is the first record of its group.
void SpawnAimedRing(const AimedRingKind& kind, int index, int first);
// Advances every counter (wrapping at 200) and spawns the records whose group mark it meets.
void TickAimedRing(const AimedRingKind& kind);
// Moves the live records, parks those off the screen and tests the rest against the ship.
void UpdateAimedRing(const AimedRingKind& kind);
// Draws every record, live or not, from the animated strip.
void DrawAimedRing(const AimedRingKind& kind);

}  // namespace shots
