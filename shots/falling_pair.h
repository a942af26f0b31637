// Falling shots: the falling pairs (two shots released side by side below a boss, falling straight
// down, some spreading as they fall) and, on the same record, the formations (formation.h). Both
// start groups on their records' tick counts, fall at a constant speed, drift sideways by whole-pool
// drift blocks applied live or not, end only below the bottom edge and stay live after touching the
// ship.
#pragma once

#include "game/pictures.h"
#include "shots/shot_owners.h"
#include "shots/shot_pool.h"

struct FallingPairShot {
  int cell = 0;       // animation cell of the animated kinds
  int tickCount = 0;  // emitter counter, advanced by Tick
  float x = 0.0f;
  float y = 0.0f;
  float sideSpeed = 0.0f;  // px/s of the kinds that move sideways by their own speed
  float fallSpeed = 0.0f;  // px/s
  int active = 0;
};

namespace shots {

// Contact boxes the falling kinds share.
constexpr ContactBox kFallBox20 = {0.0f, 20.0f, 0.0f, 20.0f};
constexpr ContactBox kFallBoxLow = {10.0f, 30.0f, 20.0f, 30.0f};
constexpr ContactBox kFallBoxWide = {-10.0f, 30.0f, 0.0f, 30.0f};

enum class Blit : int { Object, Additive };

// How a falling shot is drawn: member m of its group (its place in the pair or formation) shows cell
// memberCells[m] of a strip of square cells, or every record runs through the 24-cell animated strip.
struct FallingLook {
  Pic::Id picture;
  Blit blit;
  int cellSize;
  const int* memberCells;
  bool animated;
};

// Rest state of `count` records.
void ResetFallingShots(FallingPairShot* pool, int count);
// Draws one record as member `member` of its group.
void DrawFallingShot(FallingPairShot& r, int member, const FallingLook& look);
// One live record's frame: fall (and move sideways at `sideSpeed` if non-zero), park below the bottom
// edge, else the contact test.
void FallAndTest(FallingPairShot& r, float fall, float sideSpeed, const ContactBox& box, ShipContactPass& contact);

constexpr int kPairCount = 10;

struct FallingPairKind {
  FallingPairShot* pool;  // kPairCount pairs, left record first
  ShotOwner owner;
  float centre, half;  // the pair starts at owner x + centre - half and + centre + half
  float drop;          // below the owner's y
  int cycle;
  const int* marks;  // one per pair
  float fall;
  float drift;       // px/s each record moves outward per run of the drift block
  int driftRepeats;  // runs of the drift block per frame (0: the pair falls straight)
  ContactBox box;
  FallingLook look;
  int drawPasses;  // times the whole pool is drawn over each frame
  int hiddenPair;  // a pair that is never drawn, or -1
};

void ResetFallingPair(const FallingPairKind& kind);
void TickFallingPair(const FallingPairKind& kind);
// Starts record `index` of the pair whose left record is `first`, writing both records' x.
void LaunchFallingPair(const FallingPairKind& kind, int index, int first);
void UpdateFallingPair(const FallingPairKind& kind);
void DrawFallingPair(const FallingPairKind& kind);

}  // namespace shots
