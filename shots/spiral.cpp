#include "shots/spiral.h"

#include <cmath>
#include <cstdlib>

namespace shots {

namespace {

constexpr float kSpiralRestAngle = -0.0523599f;
constexpr float kSpiralSpeed = 110.0f;
constexpr float kSpiralEmitY = 130.0f;
constexpr double kStepRadians = 0.17453292519943295;  // 10 degrees
constexpr int kTimerWrap = 360;
constexpr int kTimerRestart = 10;
constexpr int kMarkSpacing = 10;
constexpr ShotBounds kSpiralBounds = ScreenBounds(-20.0f, -20.0f);
constexpr ContactBox kSpiralBox = {10.0f, 30.0f, 20.0f, 30.0f};
constexpr ShotStrip kSpiralStrip = {Pic::VAL20241, 20, 20, 24};

}  // namespace

void ResetSpiral(const SpiralKind& kind) {
  for (int i = 0; i < kSpiralRecords; ++i) {
    SpiralShot& r = kind.pool[i];
    r.cell = std::rand() % 7;
    r.active = 0;
    r.x = kParkedX;
    r.y = kParkedY;
    r.angle = kSpiralRestAngle;
    r.speed = 0.0f;
  }
  *kind.timer = 0;
}

void TickSpiral(const SpiralKind& kind) {
  int& timer = *kind.timer;
  timer += 1;
  if (timer >= kTimerWrap) timer = kTimerRestart;
  // The wrap comes first, so the mark 360 is never seen and the last record never flies.
  if (timer % kMarkSpacing == 0) {
    const int n = timer / kMarkSpacing;
    if (n >= 1 && n < kSpiralRecords) SpawnSpiral(kind, n - 1, n - 1);
  }
}

void SpawnSpiral(const SpiralKind& kind, int index, int step) {
  SpiralShot& r = kind.pool[index];
  if (r.active != 0) return;
  const ShotPoint owner = OwnerPoint(kind.owner, 0);
  r.active = 1;
  r.x = owner.x + kind.emitX;
  r.y = owner.y + kSpiralEmitY;
  r.speed = kSpiralSpeed;
  r.angle = static_cast<float>(step * kStepRadians * kind.turn);
}

void UpdateSpiral(const SpiralKind& kind) {
  const float dt = FrameTime();
  ShipContactPass contact;
  for (int i = 0; i < kSpiralRecords; ++i) {
    SpiralShot& r = kind.pool[i];
    if (r.active == 0) continue;
    const float up = static_cast<float>(std::sin(static_cast<double>(r.angle)) * r.speed);
    r.y -= up * dt;
    const float back = static_cast<float>(std::cos(static_cast<double>(r.angle)) * r.speed);
    r.x -= back * dt;
    if (OutsideBounds(r.x, r.y, kSpiralBounds)) {
      Park(r);
      continue;
    }
    contact.Test(r.x, r.y, kSpiralBox);
  }
}

void DrawSpiral(const SpiralKind& kind) {
  for (int i = 0; i < kSpiralRecords; ++i) DrawStripCell(kind.pool[i], kSpiralStrip, 0, 0);
}

}  // namespace shots
