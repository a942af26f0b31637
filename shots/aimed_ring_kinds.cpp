#include "shots/aimed_ring_kinds.h"

namespace {

using shots::RingOffsetBase;
using shots::RingPattern;

// Five groups of three, 12 degrees apart about the aim line.
constexpr RingPattern kSpreadOfThree = {
    5, 3, {20, 40, 90, 110, 160}, 0.20943952f, -0.20943952f, RingOffsetBase::GroupFirst, 7};
// Six groups of twelve, 30 degrees per record over the whole pool: each group is a full ring.
constexpr RingPattern kRingOfTwelve = {6, 12, {30, 50, 90, 110, 130, 150}, 0.5235988f, 0.0f, RingOffsetBase::PoolStart,
                                       10};

}  // namespace

// One ring kind: its pool, its descriptor and its four named operations.
#define DEFINE_AIMED_RING(Name, owner, ex, ey, speed, pattern)                                         \
  namespace {                                                                                          \
  AimedRingShot Name##Pool[pattern.groups * pattern.groupSize];                                        \
  }                                                                                                    \
  const shots::AimedRingKind k##Name = {Name##Pool, shots::ShotOwner::owner, ex, ey, speed, &pattern}; \
  void Tick##Name() { shots::TickAimedRing(k##Name); }                                                 \
  void Update##Name() { shots::UpdateAimedRing(k##Name); }                                             \
  void Draw##Name() { shots::DrawAimedRing(k##Name); }                                                 \
  void Reset##Name() { shots::ResetAimedRing(k##Name); }
BOSS3_AIMED_RING_KINDS(DEFINE_AIMED_RING)
BOSS2_AIMED_RING_KINDS(DEFINE_AIMED_RING)
#undef DEFINE_AIMED_RING
