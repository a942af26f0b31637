#include "shots/falling_pair_kinds.h"

namespace {

using shots::Blit;
using shots::kFallBox20;
using shots::kFallBoxLow;
using shots::kFallBoxWide;
using shots::FallingLook;
using shots::FallingPairKind;
using shots::ShotOwner;

constexpr int kPairMarks150[shots::kPairCount] = {10, 20, 30, 70, 80, 90, 130, 140, 150, 160};
constexpr int kPairMarks140[shots::kPairCount] = {10, 20, 30, 40, 50, 80, 90, 100, 110, 120};

// Cells of VAL405 (40 x 40): the straight-down shot, and the leaning pair of the spreading kinds.
constexpr int kStraightCells[2] = {3, 3};
constexpr int kSpreadCells[2] = {2, 4};
constexpr int kRoundCells[2] = {0, 0};

constexpr FallingLook kPairLook = {Pic::VAL405, Blit::Additive, 40, kStraightCells, false};
constexpr FallingLook kSpreadLook = {Pic::VAL405, Blit::Additive, 40, kSpreadCells, false};
constexpr FallingLook kRoundLook = {Pic::VALL20, Blit::Additive, 20, kRoundCells, false};

}  // namespace

// One kind: its pool, its descriptor and its four named operations.
#define DEFINE_FALLING_PAIR(Name, owner, centre, half, drop, cycle, marks, fall, drift, driftRuns, box, look, passes, \
                            hidden)                                                                               \
  namespace {                                                                                                     \
  FallingPairShot Name##Pool[2 * shots::kPairCount];                                                              \
  }                                                                                                               \
  const FallingPairKind k##Name = {Name##Pool, ShotOwner::owner, centre, half, drop, cycle, marks, fall,          \
                                   drift,      driftRuns,        box,    look, passes, hidden};                   \
  void Tick##Name() { shots::TickFallingPair(k##Name); }                                                          \
  void Update##Name() { shots::UpdateFallingPair(k##Name); }                                                      \
  void Draw##Name() { shots::DrawFallingPair(k##Name); }                                                          \
  void Reset##Name() { shots::ResetFallingPair(k##Name); }
FALLING_PAIR_KINDS(DEFINE_FALLING_PAIR)
#undef DEFINE_FALLING_PAIR
