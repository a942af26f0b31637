// The falling-pair kinds. Each row: name, owner, centre and half spread (x offsets from the owner),
// drop (y offset), cycle, marks of pairs 0 to 9, fall speed, outward drift speed and runs of the drift
// block per frame, contact box, look, draw passes, hidden pair (-1 none). Each row gives the kind its
// pool and the operations Tick<Name>, Update<Name>, Draw<Name> and Reset<Name>.
//
// With cycle 150 the marks 150 and 160 never hold, so pairs 8 and 9 of those kinds never fall. The
// spreading pairs of the first two bosses are drawn twenty times over and never show pair 7, which
// falls and hits all the same; the third boss's spreading pair runs its drift block twice a frame.
#pragma once

#include "shots/falling_pair.h"

#define FALLING_PAIR_KINDS(X)                                                                                \
  X(Boss1FallingPair1, Boss1, 200, 80, 130, 150, kPairMarks150, 280, 0, 0, kFallBox20, kPairLook, 1, -1)     \
  X(Boss1FallingPair2, Boss1, 200, 80, 130, 150, kPairMarks150, 250, 120, 1, kFallBox20, kSpreadLook, 20, 7) \
  X(Boss1FallingPair3, Boss1, 210, 100, 170, 140, kPairMarks140, 200, 0, 0, kFallBoxLow, kRoundLook, 1, -1)  \
  X(Boss1FallingPair4, Boss1, 210, 135, 150, 140, kPairMarks140, 200, 0, 0, kFallBoxLow, kRoundLook, 1, -1)  \
  X(Boss2FallingPair1, Boss2, 230, 140, 180, 140, kPairMarks140, 200, 0, 0, kFallBoxWide, kPairLook, 1, -1)  \
  X(Boss2FallingPair2, Boss2, 230, 170, 160, 140, kPairMarks140, 200, 0, 0, kFallBoxWide, kPairLook, 1, -1)  \
  X(Boss2FallingPair5, Boss2, 230, 80, 130, 150, kPairMarks150, 280, 0, 0, kFallBox20, kPairLook, 1, -1)     \
  X(Boss2FallingPair6, Boss2, 230, 80, 130, 150, kPairMarks150, 250, 120, 1, kFallBox20, kSpreadLook, 20, 7) \
  X(Boss3FallingPair1, Boss3, 200, 80, 200, 140, kPairMarks140, 200, 0, 0, kFallBoxWide, kPairLook, 1, -1)   \
  X(Boss3FallingPair2, Boss3, 200, 100, 180, 140, kPairMarks140, 200, 0, 0, kFallBoxWide, kPairLook, 1, -1)  \
  X(Boss3FallingPair3, Boss3, 200, 120, 180, 140, kPairMarks140, 200, 10, 2, kFallBoxWide, kPairLook, 1, -1)

#define DECLARE_FALLING_PAIR(Name, ...)         \
  extern const shots::FallingPairKind k##Name; \
  void Tick##Name();                            \
  void Update##Name();                          \
  void Draw##Name();                            \
  void Reset##Name();
FALLING_PAIR_KINDS(DECLARE_FALLING_PAIR)
#undef DECLARE_FALLING_PAIR
