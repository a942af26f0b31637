#include "shots/aimed_fan.h"

#include <cstdlib>

#include "shots/emitter_counters.h"

namespace shots {

namespace {

int PoolSize(const AimedFanKind& kind) { return kFanGroups * kind.width; }

ShotBounds FanBounds(const AimedFanKind& kind) {
  return ScreenBounds(kind.pattern->cullMargin, kind.pattern->cullMargin);
}

}  // namespace

void ResetAimedFan(const AimedFanKind& kind) {
  for (int i = 0; i < PoolSize(kind); ++i) {
    AimedFanShot& r = kind.pool[i];
    r.cell = std::rand() % 7;
    r.tickCount = 0;
    // Only the turned kinds write a drawing turn; the others keep whatever theirs holds.
    if (kind.pattern->look == FanLook::Turned39) r.drawDegrees = 0;
    r.x = kParkedX;
    r.y = kParkedY;
    r.aimDx = r.aimDy = 0.0f;
    r.startX = r.startY = 0.0f;
    r.angle = kRestAngle;
    r.speed = 0.0f;
    r.active = 0;
  }
}

void TickAimedFan(const AimedFanKind& kind) {
  TickEmitterCounters(kind.pool, kFanGroups, kind.width, kind.pattern->cycle, kind.pattern->marks,
                      [&kind](int index, int first) { SpawnAimedFan(kind, index, first); });
}

void SpawnAimedFan(const AimedFanKind& kind, int index, int first) {
  AimedFanShot& r = kind.pool[index];
  if (r.active != 0) return;
  const ShotPoint owner = OwnerPoint(kind.owner, 0);
  r.active = 1;
  r.x = r.startX = owner.x + kind.emitX + kind.emitSide;
  r.y = r.startY = owner.y + kind.emitY;
  r.speed = kind.pattern->speed;
  r.aimDx = GameState.shipX + kind.pattern->aimOffset - r.startX;
  r.aimDy = GameState.shipY + kind.pattern->aimOffset - r.startY;
  const float place = static_cast<float>(index - first);
  if (r.aimDx == 0.0f) {
    // Straight above or below the emitter: the place's turn, the quarter turn and the start offset,
    // summed in that order (the half turn comes last, as for every aim).
    r.angle = place * kFanStep + kHalfPi - kind.startOffset;
    if (r.aimDy <= 0.0f) r.angle += kPi;
  } else {
    r.angle = AimAngle(r.aimDx, r.aimDy, place * kFanStep - kind.startOffset);
  }
}

void UpdateAimedFan(const AimedFanKind& kind) {
  FlyStraightParkAndTest(kind.pool, PoolSize(kind), FanBounds(kind), kind.pattern->box);
}

void DrawAimedFan(const AimedFanKind& kind) {
  for (int i = 0; i < PoolSize(kind); ++i) {
    AimedFanShot& r = kind.pool[i];
    switch (kind.pattern->look) {
      case FanLook::Turned39: {
        r.drawDegrees = static_cast<int>(static_cast<double>(r.angle) * kDegreesPerRadian);
        const int x = ToPixel(r.x);
        const int y = ToPixel(r.y);
        elDraw::DrawRotated(x, y, x + 39, y + 39, 270 - r.drawDegrees, Slot(kind.picture), 0, 0, 39, 39);
        break;
      }
      case FanLook::Strip20:
        DrawStripCell(r, ShotStrip{kind.picture, 20, 20, 24}, 0, 0);
        break;
      case FanLook::Still20:
        elDraw::DrawAdditive(ToPixel(r.x), ToPixel(r.y), Slot(kind.picture), 0, 0, 20, 20);
        break;
    }
  }
}

}  // namespace shots
