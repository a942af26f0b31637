#include "shots/fixed_stream.h"

#include <iterator>

namespace shots {

void FireFixedStream(const FixedStreamKind& kind) {
  for (int j = 0; j < kind.groups; ++j) {
    DroppedShot* records = kind.pool + j * kind.groupSize;
    for (int i = 0; i < kind.groupSize; ++i) {
      DroppedShot& r = records[i];
      if (r.active != 0) continue;
      const ShotPoint owner = OwnerPoint(kind.owner, j);
      r.active = 1;
      r.x = owner.x + kind.emitX;
      r.y = owner.y + kind.emitY;
      // The whole group's speeds are written again; the live records keep the same values.
      for (int n = 0; n < kind.groupSize; ++n) {
        records[n].vy = kind.speeds[n];
        records[n].vx = kind.across * kind.speeds[n];
      }
    }
  }
}

void UpdateFixedStream(const FixedStreamKind& kind) {
  UpdateFallingShots(kind.pool, kind.groups * kind.groupSize, kind.top, 1.0f, kind.box);
}

}  // namespace shots

namespace {
constexpr float kFixedStreamSpeeds[] = {140.0f, 160.0f, 180.0f, 200.0f, 220.0f};
constexpr int kFixedStreamGroupSize = static_cast<int>(std::size(kFixedStreamSpeeds));
constexpr float kFixedStreamTop = -30.0f;
constexpr shots::ContactBox kFixedStreamBox = {0.0f, 30.0f, 10.0f, 30.0f};
}  // namespace

#define DEFINE_FIXED_STREAM(Name, owner, groups, ex, ey, across, cellLeft)                          \
  namespace {                                                                                       \
  DroppedShot Name##Pool[groups * kFixedStreamGroupSize];                                           \
  constexpr shots::ShotSprite Name##Sprite = {Pic::VAL151L, cellLeft, 0, cellLeft + 30, 30};        \
  }                                                                                                 \
  const shots::FixedStreamKind k##Name = {                                                          \
      Name##Pool,         groups, kFixedStreamGroupSize, shots::ShotOwner::owner, ex,          ey,  \
      kFixedStreamSpeeds, across, kFixedStreamTop,       kFixedStreamBox,         Name##Sprite};    \
  void Fire##Name() { shots::FireFixedStream(k##Name); }                                            \
  void Update##Name() { shots::UpdateFixedStream(k##Name); }                                        \
  void Draw##Name() {                                                                               \
    shots::DrawLiveDroppedShots(Name##Pool, static_cast<int>(std::size(Name##Pool)), Name##Sprite); \
  }                                                                                                 \
  void Reset##Name() { shots::ResetDroppedShots(Name##Pool, static_cast<int>(std::size(Name##Pool))); }
FIXED_STREAM_KINDS(DEFINE_FIXED_STREAM)
#undef DEFINE_FIXED_STREAM
