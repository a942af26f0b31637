// The dropped-shot template: one falling shot per emitter, some drifting sideways as they fall. Its
// record also carries the fixed streams (fixed_stream.h).
#pragma once

#include "game/pictures.h"
#include "shots/shot_owners.h"
#include "shots/shot_pool.h"

struct DroppedShot {
  int cell = 0;  // animation cell of the kinds drawn from a strip
  float x = 0.0f;
  float y = 0.0f;
  float vx = 0.0f;  // sideways speed, pixels per second (dropped shots: the drift, always positive)
  float vy = 0.0f;  // fall speed, pixels per second
  int active = 0;
};

namespace shots {

// The picture and source rectangle every shot of a kind is drawn with.
struct ShotSprite {
  Pic::Id picture;
  int left, top, right, bottom;
};

// Rest state of a pool of dropped-shot records.
void ResetDroppedShots(DroppedShot* pool, int count);
// The Update shared by the falling templates: every live record falls at vy and slides at across x vx;
// a record past `top` or the screen's bottom is parked (x is not tested); every record is tested
// against the ship.
void UpdateFallingShots(DroppedShot* pool, int count, float top, float across, const ContactBox& box);
// Draws every live record of a pool additively at its position.
void DrawLiveDroppedShots(const DroppedShot* pool, int count, const ShotSprite& sprite);

struct DroppedShotKind {
  DroppedShot* pool;
  int count;  // one record per emitter index
  ShotOwner owner;
  float emitX, emitY;
  float fallSpeed;
  float drift;  // pixels per second: negative drifts left, positive right, 0 falls straight
  ShotSprite sprite;
};

// Every dropped shot ends past these edges (x is not tested) and touches the ship inside this box.
constexpr float kDroppedShotTop = -16.0f;
constexpr ContactBox kDroppedShotBox = {14.0f, 30.0f, 24.0f, 30.0f};

// Drops the free record of every emitter from the emitter's present position.
void FireDroppedShot(const DroppedShotKind& kind);
// Moves every live record, parks those past the top or bottom edge and tests every record.
void UpdateDroppedShot(const DroppedShotKind& kind);

}  // namespace shots

// The dropped shots of stage-1 enemies E and G: one record per enemy. Row: name, owner, records,
// emitter offset (x, y), drift.
#define DROPPED_SHOT_KINDS(X)                                        \
  X(Stage1EnemyEDroppedShot1, Stage1EnemyE, 5, 37.0f, 40.0f, 0.0f)   \
  X(Stage1EnemyEDroppedShot2, Stage1EnemyE, 5, 37.0f, 44.0f, -20.0f) \
  X(Stage1EnemyEDroppedShot3, Stage1EnemyE, 5, 37.0f, 44.0f, 20.0f)  \
  X(Stage1EnemyEDroppedShot4, Stage1EnemyE, 5, 37.0f, 30.0f, -40.0f) \
  X(Stage1EnemyGDroppedShot1, Stage1EnemyG, 5, 37.0f, 40.0f, 0.0f)   \
  X(Stage1EnemyGDroppedShot2, Stage1EnemyG, 5, 37.0f, 44.0f, -20.0f) \
  X(Stage1EnemyGDroppedShot3, Stage1EnemyG, 5, 37.0f, 44.0f, 20.0f)  \
  X(Stage1EnemyGDroppedShot4, Stage1EnemyG, 5, 37.0f, 30.0f, -40.0f)

#define DECLARE_DROPPED_SHOT(Name, ...)        \
  extern const shots::DroppedShotKind k##Name; \
  void Fire##Name();                           \
  void Update##Name();                         \
  void Draw##Name();                           \
  void Reset##Name();
DROPPED_SHOT_KINDS(DECLARE_DROPPED_SHOT)
#undef DECLARE_DROPPED_SHOT
