// The aimed-ring kinds. Each row: name, owner, emitter (x, y) from the owner, speed (px/s), pattern.
// The stage-3 boss fires three-shot spreads (-12, 0, +12 degrees about the aim line); the stage-2 boss
// fires full rings of twelve with one shot on the aim line. Each row gives the kind its pool and the
// operations Tick<Name>, Update<Name>, Draw<Name> and Reset<Name>.
#pragma once

#include "shots/aimed_ring.h"

#define BOSS3_AIMED_RING_KINDS(X)                       \
  X(Boss3AimedRing3, Boss3, 60, 100, 150, kSpreadOfThree) \
  X(Boss3AimedRing4, Boss3, 360, 100, 150, kSpreadOfThree)

#define BOSS2_AIMED_RING_KINDS(X)                       \
  X(Boss2AimedRing1, Boss2, 140, 130, 140, kRingOfTwelve) \
  X(Boss2AimedRing2, Boss2, 340, 130, 140, kRingOfTwelve)

#define DECLARE_AIMED_RING(Name, ...)       \
  extern const shots::AimedRingKind k##Name; \
  void Tick##Name();                         \
  void Update##Name();                       \
  void Draw##Name();                         \
  void Reset##Name();
BOSS3_AIMED_RING_KINDS(DECLARE_AIMED_RING)
BOSS2_AIMED_RING_KINDS(DECLARE_AIMED_RING)
#undef DECLARE_AIMED_RING
