#include "shots/falling_pair.h"

#include <cstdlib>

#include "shots/emitter_counters.h"

namespace shots {

void ResetFallingShots(FallingPairShot* pool, int count) {
  for (int i = 0; i < count; ++i) {
    FallingPairShot& r = pool[i];
    r.cell = std::rand() % 10;
    r.tickCount = 0;
    r.x = kParkedX;
    r.y = kParkedY;
    r.sideSpeed = 0.0f;
    r.fallSpeed = 0.0f;
    r.active = 0;
  }
}

void DrawFallingShot(FallingPairShot& r, int member, const FallingLook& look) {
  if (look.animated) {
    DrawStripCell(r, ShotStrip{look.picture, 20, 20, 24}, 0, 0);
    return;
  }
  const int left = look.memberCells[member] * look.cellSize;
  const int x = ToPixel(r.x);
  const int y = ToPixel(r.y);
  if (look.blit == Blit::Object) {
    elDraw::DrawObject(x, y, Slot(look.picture), left, 0, left + look.cellSize, look.cellSize);
  } else {
    elDraw::DrawAdditive(x, y, Slot(look.picture), left, 0, left + look.cellSize, look.cellSize);
  }
}

void FallAndTest(FallingPairShot& r, float fall, float sideSpeed, const ContactBox& box, ShipContactPass& contact) {
  const float dt = FrameTime();
  r.fallSpeed = fall;
  r.y += r.fallSpeed * dt;
  if (sideSpeed != 0.0f) {
    r.sideSpeed = sideSpeed;
    r.x += r.sideSpeed * dt;
  }
  // Only the bottom edge ends a falling shot; one that drifts off a side falls on unseen.
  if (r.y > static_cast<float>(Geometry::kScreenHeight)) {
    Park(r);
    return;
  }
  contact.Test(r.x, r.y, box);
}

namespace {

constexpr int kPairRecords = 2 * kPairCount;

}  // namespace

void ResetFallingPair(const FallingPairKind& kind) { ResetFallingShots(kind.pool, kPairRecords); }

void TickFallingPair(const FallingPairKind& kind) {
  TickEmitterCounters(kind.pool, kPairCount, 2, kind.cycle, kind.marks,
                      [&kind](int index, int first) { LaunchFallingPair(kind, index, first); });
}

void LaunchFallingPair(const FallingPairKind& kind, int index, int first) {
  FallingPairShot& r = kind.pool[index];
  if (r.active != 0) return;
  const ShotPoint owner = OwnerPoint(kind.owner, 0);
  r.active = 1;
  kind.pool[first].x = owner.x + kind.centre - kind.half;
  kind.pool[first + 1].x = owner.x + kind.centre + kind.half;
  r.y = owner.y + kind.drop;
}

void UpdateFallingPair(const FallingPairKind& kind) {
  // The drift block moves every pair apart, live or parked, before anything falls.
  const float dt = FrameTime();
  for (int run = 0; run < kind.driftRepeats; ++run) {
    for (int i = 0; i < kPairRecords; i += 2) {
      kind.pool[i].x -= kind.drift * dt;
      kind.pool[i + 1].x += kind.drift * dt;
    }
  }
  ShipContactPass contact;
  for (int i = 0; i < kPairRecords; ++i) {
    if (kind.pool[i].active != 0) FallAndTest(kind.pool[i], kind.fall, 0.0f, kind.box, contact);
  }
}

void DrawFallingPair(const FallingPairKind& kind) {
  for (int pass = 0; pass < kind.drawPasses; ++pass) {
    for (int i = 0; i < kPairRecords; ++i) {
      if (i / 2 != kind.hiddenPair) DrawFallingShot(kind.pool[i], i % 2, kind.look);
    }
  }
}

}  // namespace shots
