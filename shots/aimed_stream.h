// The aimed-stream template: a group of records fired together from one point on one heading at
// rising speeds, so that they string out into a line. Also the record of the single aimed shots.
#pragma once

#include "game/pictures.h"
#include "shots/shot_owners.h"
#include "shots/shot_pool.h"

struct AimedStreamShot {
  int cell = 0;  // animation cell of the kinds drawn from a strip
  float x = 0.0f;
  float y = 0.0f;
  float aimDx = 0.0f;  // aim distances taken at the fire
  float aimDy = 0.0f;
  float startX = 0.0f;  // emitter point at the fire
  float startY = 0.0f;
  float angle = 0.0f;  // heading, radians (0 right, pi/2 down)
  float speed = 0.0f;  // pixels per second
  float sideStep = 0.0f;  // side-step timer of the side-stepping kinds
  int active = 0;
};

namespace shots {

// Which way a side-stepping stream drifts just after its fire.
enum class SideStep : int { None = 0, Left = -1, Right = 1 };

struct AimedStreamKind {
  AimedStreamShot* pool;
  int groups;
  int groupSize;
  ShotOwner owner;
  float emitX, emitY;   // emitter offset from the owner's position
  float aimOffset;      // added to the ship's x and y to give the aim point
  float headingOffset;  // radians, clockwise on screen
  const float* speeds;  // one per record of a group
  Pic::Id picture;      // the turned sprite of the boss kinds
  SideStep sideStep;
  ContactBox box;
};

// Every group ends when its first record leaves these bounds.
constexpr ShotBounds kStreamBounds = ScreenBounds(-30.0f, -30.0f);

// Rest state of a pool of aimed-stream records (the side-step timer is kept).
void ResetAimedStreamShots(AimedStreamShot* pool, int count);

// Fires the free records of `group` from the owner's present position (owner index = group).
void FireAimedStream(const AimedStreamKind& kind, int group);
// Moves, culls and tests `count` groups from `firstGroup`.
void UpdateAimedStream(const AimedStreamKind& kind, int firstGroup, int count);
// Draws every record of the pool, live or not, turned to its heading.
void DrawAimedStreamTurned(const AimedStreamKind& kind);

// The two looks of the squadron's shots: style 0 an additive strip cell at (x + offset, y + offset),
// style 1 the turned `picture` in a box grown by 5 pixels up and left.
void DrawSquadShotLook(AimedStreamShot& shot, int style, int stripOffset, Pic::Id turnedPicture);

}  // namespace shots
