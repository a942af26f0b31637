#include "shots/aimed_stream.h"

#include <cstdlib>

namespace shots {

void ResetAimedStreamShots(AimedStreamShot* pool, int count) {
  for (int i = 0; i < count; ++i) {
    AimedStreamShot& r = pool[i];
    r.cell = std::rand() % 10;
    r.x = kParkedX;
    r.y = kParkedY;
    r.aimDx = r.aimDy = 0.0f;
    r.startX = r.startY = 0.0f;
    r.speed = 0.0f;
    r.angle = kRestAngle;
    r.active = 0;
  }
}

void FireAimedStream(const AimedStreamKind& kind, int group) {
  AimedStreamShot* records = kind.pool + group * kind.groupSize;
  for (int i = 0; i < kind.groupSize; ++i) {
    AimedStreamShot& r = records[i];
    if (r.active != 0) continue;
    const ShotPoint owner = OwnerPoint(kind.owner, group);
    r.active = 1;
    r.x = r.startX = owner.x + kind.emitX;
    r.y = r.startY = owner.y + kind.emitY;
    for (int n = 0; n < kind.groupSize; ++n) records[n].speed = kind.speeds[n];
    r.aimDx = GameState.shipX + kind.aimOffset - r.startX;
    r.aimDy = GameState.shipY + kind.aimOffset - r.startY;
    r.angle = AimAngle(r.aimDx, r.aimDy, kind.headingOffset);
    if (kind.sideStep != SideStep::None) r.sideStep = 0.0f;
  }
}

namespace {

// The drift of the side-stepping kinds for about 1.15 s after their fire.
void ApplySideStep(AimedStreamShot& r, SideStep side) {
  const float dt = FrameTime();
  r.sideStep += 260.0f * dt;
  if (r.sideStep > 300.0f) {
    r.sideStep = 300.0f;
    return;
  }
  r.x += static_cast<float>(side) * 0.5f * r.speed * dt;
  r.y += r.speed * dt / 10.0f;
}

}  // namespace

void UpdateAimedStream(const AimedStreamKind& kind, int firstGroup, int count) {
  ShipContactPass contact;
  for (int g = firstGroup; g < firstGroup + count; ++g) {
    AimedStreamShot* records = kind.pool + g * kind.groupSize;
    for (int i = 0; i < kind.groupSize; ++i) {
      AimedStreamShot& r = records[i];
      if (r.active != 0) {
        if (kind.sideStep != SideStep::None) ApplySideStep(r, kind.sideStep);
        MoveAlongHeading(r.x, r.y, r.angle, r.speed);
      }
      // The slowest record decides for its whole group; an ended record keeps its place.
      if (OutsideBounds(records[0].x, records[0].y, kStreamBounds)) r.active = 0;
      contact.Test(r.x, r.y, kind.box);
    }
  }
}

void DrawAimedStreamTurned(const AimedStreamKind& kind) {
  for (int i = 0; i < kind.groups * kind.groupSize; ++i) DrawTurned(kind.pool[i], kind.picture, 30, 0);
}

void DrawSquadShotLook(AimedStreamShot& shot, int style, int stripOffset, Pic::Id turnedPicture) {
  static constexpr ShotStrip kSquadStrip = {Pic::VAL16241, 16, 16, 24};
  if (style == 0) {
    DrawStripCell(shot, kSquadStrip, stripOffset, stripOffset);
  } else if (style == 1) {
    DrawTurned(shot, turnedPicture, 30, 5);
  }
}

}  // namespace shots
