// The fixed-stream template: each emitter fires a group of five shots on one fixed diagonal at five
// speeds, so that they string out into a line. Its records are dropped-shot records.
#pragma once

#include "shots/dropped_shot.h"

namespace shots {

struct FixedStreamKind {
  DroppedShot* pool;
  int groups;  // one group per emitter index
  int groupSize;
  ShotOwner owner;
  float emitX, emitY;
  const float* speeds;  // fall speed of each record of a group
  float across;         // the sideways speed is across x the fall speed: +1 down and right, -1 down and left
  float top;            // the top edge (the bottom is the screen's; x is not tested)
  ContactBox box;
  ShotSprite sprite;
};

// Fires the free records of every emitter's group from the emitter's present position.
void FireFixedStream(const FixedStreamKind& kind);
// Moves every live record, parks those past the top or bottom edge and tests every record.
void UpdateFixedStream(const FixedStreamKind& kind);

}  // namespace shots

// The diagonal streams of stage-1 enemies D and F: one group of five per enemy. Row: name, owner,
// groups, emitter offset (x, y), sideways sign, source left of the cell in VAL151L.
#define FIXED_STREAM_KINDS(X)                                         \
  X(Stage1EnemyDFixedStream1, Stage1EnemyD, 2, 50.0f, 50.0f, 1.0f, 0) \
  X(Stage1EnemyFFixedStream1, Stage1EnemyF, 2, 10.0f, 50.0f, -1.0f, 30)

#define DECLARE_FIXED_STREAM(Name, ...)        \
  extern const shots::FixedStreamKind k##Name; \
  void Fire##Name();                           \
  void Update##Name();                         \
  void Draw##Name();                           \
  void Reset##Name();
FIXED_STREAM_KINDS(DECLARE_FIXED_STREAM)
#undef DECLARE_FIXED_STREAM
