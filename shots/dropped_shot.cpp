#include "shots/dropped_shot.h"

#include <cstdlib>

namespace shots {

void ResetDroppedShots(DroppedShot* pool, int count) {
  for (int i = 0; i < count; ++i) {
    DroppedShot& r = pool[i];
    r.cell = std::rand() % 10;
    r.x = kParkedX;
    r.y = kParkedY;
    r.vx = r.vy = 0.0f;
    r.active = 0;
  }
}

void DrawLiveDroppedShots(const DroppedShot* pool, int count, const ShotSprite& sprite) {
  for (int i = 0; i < count; ++i) {
    const DroppedShot& r = pool[i];
    if (r.active == 0) continue;
    elDraw::DrawAdditive(ToPixel(r.x), ToPixel(r.y), Slot(sprite.picture), sprite.left, sprite.top, sprite.right,
                         sprite.bottom);
  }
}

void FireDroppedShot(const DroppedShotKind& kind) {
  for (int j = 0; j < kind.count; ++j) {
    DroppedShot& r = kind.pool[j];
    if (r.active != 0) continue;
    const ShotPoint owner = OwnerPoint(kind.owner, j);
    r.active = 1;
    r.x = owner.x + kind.emitX;
    r.y = owner.y + kind.emitY;
    r.vy = kind.fallSpeed;
    if (kind.drift != 0.0f) r.vx = std::abs(kind.drift);
  }
}

void UpdateFallingShots(DroppedShot* pool, int count, float top, float across, const ContactBox& box) {
  const float dt = FrameTime();
  ShipContactPass contact;
  for (int i = 0; i < count; ++i) {
    DroppedShot& r = pool[i];
    if (r.active != 0) {
      r.y += r.vy * dt;
      r.x += across * r.vx * dt;
    }
    if (r.y < top || r.y > static_cast<float>(Geometry::kScreenHeight)) Park(r);
    contact.Test(r.x, r.y, box);
  }
}

void UpdateDroppedShot(const DroppedShotKind& kind) {
  // The drift is kept positive in the record; the kind's sign says which way it carries the shot.
  const float across = kind.drift < 0.0f ? -1.0f : (kind.drift > 0.0f ? 1.0f : 0.0f);
  UpdateFallingShots(kind.pool, kind.count, kDroppedShotTop, across, kDroppedShotBox);
}

}  // namespace shots

namespace {
constexpr float kDroppedShotFall = 130.0f;
constexpr shots::ShotSprite kDroppedShotSprite = {Pic::VAL13, 0, 0, 16, 16};
}  // namespace

#define DEFINE_DROPPED_SHOT(Name, owner, records, ex, ey, drift)                                      \
  namespace {                                                                                         \
  DroppedShot Name##Pool[records];                                                                    \
  }                                                                                                   \
  const shots::DroppedShotKind k##Name = {Name##Pool,       records, shots::ShotOwner::owner, ex, ey, \
                                          kDroppedShotFall, drift,   kDroppedShotSprite};             \
  void Fire##Name() { shots::FireDroppedShot(k##Name); }                                              \
  void Update##Name() { shots::UpdateDroppedShot(k##Name); }                                          \
  void Draw##Name() { shots::DrawLiveDroppedShots(Name##Pool, records, kDroppedShotSprite); }         \
  void Reset##Name() { shots::ResetDroppedShots(Name##Pool, records); }
DROPPED_SHOT_KINDS(DEFINE_DROPPED_SHOT)
#undef DEFINE_DROPPED_SHOT
