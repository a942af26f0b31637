// The hook-sprite template: additive sprites shed one by one below a boss; each leaves sideways,
// bends down and sweeps back across in a hook-shaped fall until it passes the bottom edge. The path
// is a table of whole-pixel steps per Update call chosen by a timer; hook sprites never touch the ship.
#pragma once

#include "game/pictures.h"
#include "shots/shot_owners.h"
#include "shots/shot_pool.h"

struct HookSpriteShot {
  int x = 0;  // top-left of the sprite, whole pixels
  int y = 0;
  float pathTimer = 0.0f;  // rises at the kind's rate per second from 0; picks the path step
  int active = 0;
};

namespace shots {

// Records per kind; record 0 is never spawned (the counter's marks are 3, 6 ... 147).
constexpr int kHookSprites = 50;

// One leg of the path: while the timer is in from..to (inclusive) a record moves by (dx, dy) on each
// Update call. A timer between two legs or past the last one leaves the record where it is.
struct HookLeg {
  float from, to;
  int dx, dy;
};

// A hook: the first `bendLegs` legs of the shared bend, then the long final `run` down the screen.
struct HookPath {
  int bendLegs;
  HookLeg run;
};

// Which way a hook leaves the boss: the legs' x steps as they stand (Left) or mirrored (Right).
enum class HookSide : int { Left = 1, Right = -1 };

struct HookSpriteKind {
  HookSpriteShot* pool;  // kHookSprites records
  int* counter;          // the kind's spawn counter, advanced by Tick only
  ShotOwner owner;
  int spawnX, spawnY;  // from the owner's position truncated to whole pixels
  float timerRate;     // path-timer units per second
  HookPath path;
  HookSide side;
  Pic::Id picture;
  int size;  // the sprite is the picture's (0, 0)-(size, size)
};

// Rest state of the records and the counter.
void ResetHookSprites(const HookSpriteKind& kind);
// Makes record `index` live (if free) below the owner.
void SpawnHookSprite(const HookSpriteKind& kind, int index);
// Advances the counter and spawns record counter / 3 on each third call; wraps at 150.
void TickHookSprites(const HookSpriteKind& kind);
// Moves the live records along their path and ends those past the bottom edge.
void UpdateHookSprites(const HookSpriteKind& kind);
// Draws the live records additively.
void DrawHookSprites(const HookSpriteKind& kind);

}  // namespace shots
