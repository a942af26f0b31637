#include "shots/formation_kinds.h"

#include <iterator>

namespace {

using shots::Blit;
using shots::kFallBox20;
using shots::kFallBoxLow;
using shots::kFallBoxWide;
using shots::FallingLook;
using shots::FormationKind;
using shots::ShotOwner;

// Start heights of the members below the owner.
constexpr float kArc3[] = {90, 113, 120};
constexpr float kArc5Top[] = {30, 53, 60, 53, 30};
constexpr float kArc5High[] = {50, 73, 80, 73, 50};
constexpr float kArc5[] = {60, 83, 90, 83, 60};
constexpr float kArc5Low[] = {110, 133, 140, 133, 110};
constexpr float kArc7[] = {154, 183, 194, 200, 194, 183, 154};
// The members laid across of the kinds that place the whole row.
constexpr float kRow5[] = {-44, -22, 0, 22, 44};

// Marks of the groups.
constexpr int kMarksBy10[] = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100};
constexpr int kMarksBy20[] = {20, 40, 60, 80, 100, 120, 140, 160, 180, 200};
constexpr int kMarksBy25[] = {25, 50, 75, 100, 125};
constexpr int kMarksBy60[] = {60, 120, 180, 240, 300, 360, 420, 480, 540, 600};
constexpr int kMarksBy80[] = {80, 160, 240, 320, 400, 480, 560, 640, 720, 800};
constexpr int kMarks230[] = {20, 40, 60, 80, 100, 140, 160, 180, 200, 220};
constexpr int kMarksInThrees[] = {10, 20, 30, 40, 100, 110, 120, 180, 190, 200};
constexpr int kMarks150[] = {10, 20, 30, 40, 50, 80, 90, 100, 120, 130};
constexpr int kMarks200[] = {10, 20, 30, 60, 70, 80, 110, 120, 130, 140};

// One drift step per member, px/s (minus is left).
constexpr float kDriftRight3[] = {10, 20, 30};
constexpr float kDriftLeft3[] = {-10, -20, -30};
constexpr float kDriftFastRight3[] = {10, 35, 55};
constexpr float kDriftFastLeft3[] = {-10, -35, -55};
constexpr float kDrift5[] = {-20, -10, 0, 10, 20};
constexpr float kDrift5Ends[] = {-20, 0, 0, 0, 20};
constexpr float kDrift7[] = {-30, -20, -10, 0, 10, 20, 30};

// Looks: a member's cell of a 40-pixel strip leans with its drift.
constexpr int kRoundCells[] = {0, 0, 0, 0, 0};
constexpr int kMemberCells[] = {0, 1, 2, 3, 4, 5, 6};
constexpr int kRightCells[] = {4, 5, 6};
constexpr int kLeftCells[] = {2, 1, 0};
constexpr FallingLook kRoundObject = {Pic::VALL20, Blit::Object, 20, kRoundCells, false};
constexpr FallingLook kRoundAdditive = {Pic::VALL20, Blit::Additive, 20, kRoundCells, false};
constexpr FallingLook kLeaning7 = {Pic::VAL404, Blit::Additive, 40, kMemberCells, false};
constexpr FallingLook kLeaning5 = {Pic::VAL402, Blit::Additive, 40, kMemberCells, false};
constexpr FallingLook kLeaningRight3 = {Pic::VAL405, Blit::Object, 40, kRightCells, false};
constexpr FallingLook kLeaningLeft3 = {Pic::VAL405, Blit::Object, 40, kLeftCells, false};
constexpr FallingLook kAnimated = {Pic::VAL20241, Blit::Additive, 20, kRoundCells, true};

}  // namespace

// One kind: its pool, its descriptor and its four named operations.
#define DEFINE_FORMATION(Name, owner, ex, memberX, memberY, cycle, marks, fall, side, drift, box, look)              \
  namespace {                                                                                                   \
  FallingPairShot Name##Pool[std::size(marks) * std::size(memberY)];                                            \
  }                                                                                                             \
  const FormationKind k##Name = {Name##Pool, static_cast<int>(std::size(marks)), static_cast<int>(std::size(memberY)), \
                                 ShotOwner::owner, ex, memberX, memberY, cycle, marks, fall, side, drift, box, look}; \
  void Tick##Name() { shots::TickFormation(k##Name); }                                                          \
  void Update##Name() { shots::UpdateFormation(k##Name); }                                                      \
  void Draw##Name() { shots::DrawFormation(k##Name); }                                                          \
  void Reset##Name() { shots::ResetFormation(k##Name); }
FORMATION_KINDS(DEFINE_FORMATION)
#undef DEFINE_FORMATION
