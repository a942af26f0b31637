// The aimed-fan template: W shots fired together from one boss point, laid 12 degrees apart about the
// line to the ship and flying straight. A kind's pool holds five groups of W records; the records'
// tick counts fire group g each time they meet its mark in the kind's cycle.
#pragma once

#include "game/pictures.h"
#include "shots/shot_owners.h"
#include "shots/shot_pool.h"

struct AimedFanShot {
  int cell = 0;         // animation cell of the strip kinds
  int tickCount = 0;    // emitter counter, advanced by Tick
  int drawDegrees = 0;  // last drawing turn of the turned kinds, degrees
  float x = 0.0f;
  float y = 0.0f;
  float aimDx = 0.0f;  // aim distances taken at the spawn
  float aimDy = 0.0f;
  float startX = 0.0f;  // emitter point at the spawn
  float startY = 0.0f;
  float angle = 0.0f;  // heading, radians
  float speed = 0.0f;  // pixels per second
  int active = 0;
};

namespace shots {

constexpr int kFanGroups = 5;
// Neighbouring places of a fan lie 12 degrees apart.
constexpr float kFanStep = 0.20943951f;

// How a fan kind is drawn: a 39-pixel sprite turned to the heading, a 24-cell strip of 20-pixel cells,
// or one still 20-pixel sprite.
enum class FanLook : int { Turned39, Strip20, Still20 };

// What several fan kinds share: their timing, flight, bounds, contact box and look.
struct FanPattern {
  int cycle;          // tick counts wrap to 0 when they reach it
  const int* marks;   // one per group
  float speed;
  float aimOffset;
  float cullMargin;   // left and top bound; right and bottom are the screen's
  ContactBox box;
  FanLook look;
};

struct AimedFanKind {
  AimedFanShot* pool;  // kFanGroups x width records
  int width;           // shots per group
  ShotOwner owner;
  float emitX;      // the owner's centre offset ...
  float emitSide;   // ... then a side offset, added in that order
  float emitY;
  float startOffset;  // radians: place 0 flies this far anticlockwise of the aim line
  Pic::Id picture;
  const FanPattern* pattern;
};

// Rest state of the kind's pool: the turned kinds also forget their drawing turn.
void ResetAimedFan(const AimedFanKind& kind);
void TickAimedFan(const AimedFanKind& kind);
// Makes record `index` live (if free) from the owner's present point, at its place in the group
// that starts at `first`.
void SpawnAimedFan(const AimedFanKind& kind, int index, int first);
void UpdateAimedFan(const AimedFanKind& kind);
// Draws every record of the pool, live or not.
void DrawAimedFan(const AimedFanKind& kind);

}  // namespace shots
