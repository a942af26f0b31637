#include "shots/aimed_ring.h"

#include <cstdlib>

#include "shots/emitter_counters.h"

namespace shots {
namespace {

constexpr int kRingCycle = 200;
// Aimed at the ship's corner plus this much on both axes.
constexpr float kRingAimOffset = 20.0f;
constexpr ShotBounds kRingBounds = ScreenBounds(-20.0f, -20.0f);
constexpr ContactBox kRingBox = {10.0f, 30.0f, 20.0f, 30.0f};
constexpr ShotStrip kRingStrip = {Pic::VAL20241, 20, 20, 24};

int PoolSize(const AimedRingKind& kind) { return kind.pattern->groups * kind.pattern->groupSize; }

}  // namespace

void ResetAimedRing(const AimedRingKind& kind) {
  for (int i = 0; i < PoolSize(kind); ++i) {
    AimedRingShot& r = kind.pool[i];
    r.cell = std::rand() % kind.pattern->restCells;
    r.tickCount = 0;
    Park(r);
    r.aimDx = r.aimDy = 0.0f;
    r.startX = r.startY = 0.0f;
    r.speed = 0.0f;
  }
}

void SpawnAimedRing(const AimedRingKind& kind, int index, int first) {
  if (index < 0 || index >= PoolSize(kind)) return;
  AimedRingShot& r = kind.pool[index];
  if (r.active != 0) return;
  const ShotPoint owner = OwnerPoint(kind.owner, 0);
  const RingPattern& p = *kind.pattern;
  r.active = 1;
  r.x = r.startX = owner.x + kind.emitX;
  r.y = r.startY = owner.y + kind.emitY;
  r.speed = kind.speed;
  r.aimDx = GameState.shipX + kRingAimOffset - r.x;
  r.aimDy = GameState.shipY + kRingAimOffset - r.y;
  const int base = p.base == RingOffsetBase::GroupFirst ? first : 0;
  const float offset = static_cast<float>(index - base) * p.step + p.start;
  r.angle = AimAngle(r.aimDx, r.aimDy, offset);
}

void TickAimedRing(const AimedRingKind& kind) {
  const RingPattern& p = *kind.pattern;
  TickEmitterCounters(kind.pool, p.groups, p.groupSize, kRingCycle, p.marks,
                      [&kind](int index, int first) { SpawnAimedRing(kind, index, first); });
}

void UpdateAimedRing(const AimedRingKind& kind) {
  FlyStraightParkAndTest(kind.pool, PoolSize(kind), kRingBounds, kRingBox);
}

void DrawAimedRing(const AimedRingKind& kind) {
  for (int i = 0; i < PoolSize(kind); ++i) DrawStripCell(kind.pool[i], kRingStrip, 0, 0);
}

}  // namespace shots
