#include "shots/aimed_fan_kinds.h"

namespace {

using shots::AimedFanKind;
using shots::FanLook;
using shots::FanPattern;
using shots::ShotOwner;

// Marks of groups 0 to 4. Fan 3 of the first boss wraps at 150, so its last group never fires.
constexpr int kFanMarks40[shots::kFanGroups] = {40, 80, 120, 160, 200};
constexpr int kFanMarks30[shots::kFanGroups] = {30, 60, 90, 120, 150};
constexpr int kFanMarks20[shots::kFanGroups] = {20, 40, 60, 80, 100};

constexpr shots::ContactBox kWideFanBox = {-10.0f, 30.0f, 0.0f, 30.0f};
constexpr shots::ContactBox kSmallFanBox = {10.0f, 30.0f, 20.0f, 30.0f};

// The turned fans of every boss (the first boss's fan 1 too), and the first boss's three small fans.
constexpr FanPattern kBossFan = {260, kFanMarks40, 220.0f, 10.0f, -40.0f, kWideFanBox, FanLook::Turned39};
constexpr FanPattern kBoss1Fan2 = {260, kFanMarks40, 220.0f, 20.0f, -20.0f, kSmallFanBox, FanLook::Strip20};
constexpr FanPattern kBoss1Fan3 = {150, kFanMarks30, 200.0f, 20.0f, -20.0f, kSmallFanBox, FanLook::Still20};
constexpr FanPattern kBoss1Fan4 = {130, kFanMarks20, 200.0f, 20.0f, -20.0f, kSmallFanBox, FanLook::Strip20};

constexpr float kFanEmitY = 130.0f;

}  // namespace

// One kind: its pool, its descriptor and its four named operations.
#define DEFINE_AIMED_FAN(Name, owner, width, ex, side, pattern, picture)                                 \
  namespace {                                                                                         \
  AimedFanShot Name##Pool[shots::kFanGroups * (width)];                                               \
  }                                                                                                   \
  const AimedFanKind k##Name = {Name##Pool, width,        ShotOwner::owner, ex, side, kFanEmitY,        \
                                shots::Radians(((width) - 1) * 6), Pic::picture, &pattern};            \
  void Tick##Name() { shots::TickAimedFan(k##Name); }                                                 \
  void Update##Name() { shots::UpdateAimedFan(k##Name); }                                             \
  void Draw##Name() { shots::DrawAimedFan(k##Name); }                                                 \
  void Reset##Name() { shots::ResetAimedFan(k##Name); }
AIMED_FAN_KINDS(DEFINE_AIMED_FAN)
#undef DEFINE_AIMED_FAN
