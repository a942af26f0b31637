#include "shots/drop_group_kinds.h"

#include <iterator>

namespace {

// Member speeds sideways, px/s (minus is left); a group moves them once per member each frame.
constexpr float kPairSpread[] = {-15.0f, 15.0f};
constexpr float kTrioSpread[] = {-13.0f, 0.0f, 13.0f};
constexpr float kQuadSpread[] = {-7.0f, 7.0f, -20.0f, 20.0f};

}  // namespace

// One drop-group kind: its members, its descriptor and its four named operations.
#define DEFINE_DROP_GROUP(Name, owner, sx, sy, fall, spread)                                           \
  namespace {                                                                                          \
  DropGroupShot Name##Pool[std::size(spread)];                                                         \
  }                                                                                                    \
  const shots::DropGroupKind k##Name = {                                                               \
      Name##Pool, static_cast<int>(std::size(spread)), shots::ShotOwner::owner, sx, sy, fall, spread}; \
  void Spawn##Name() { shots::SpawnDropGroup(k##Name); }                                               \
  void Update##Name() { shots::UpdateDropGroup(k##Name); }                                             \
  void Draw##Name() { shots::DrawDropGroup(k##Name); }                                                 \
  void Reset##Name() { shots::ResetDropGroup(k##Name); }
BOSS2_DROP_GROUP_KINDS(DEFINE_DROP_GROUP)
#undef DEFINE_DROP_GROUP
