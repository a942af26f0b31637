// The spirals of the first boss. Each row: name, owner, emitter x offset from the owner, turn of each
// step (+1 or -1). Each row gives the kind its pool, its spawn timer and the operations Tick<Name>,
// Update<Name>, Draw<Name> and Reset<Name> (the reset also zeroes the timer).
#pragma once

#include "shots/spiral.h"

#define SPIRAL_KINDS(X)               \
  X(Boss1Spiral1, Boss1, 210, -1)     \
  X(Boss1Spiral2, Boss1, 210, 1)      \
  X(Boss1Spiral3, Boss1, 120, -1)     \
  X(Boss1Spiral4, Boss1, 120, 1)      \
  X(Boss1Spiral5, Boss1, 300, 1)      \
  X(Boss1Spiral6, Boss1, 300, -1)

#define DECLARE_SPIRAL(Name, ...)          \
  extern const shots::SpiralKind k##Name; \
  void Tick##Name();                       \
  void Update##Name();                     \
  void Draw##Name();                       \
  void Reset##Name();
SPIRAL_KINDS(DECLARE_SPIRAL)
#undef DECLARE_SPIRAL
