#include "shots/drop_group.h"

#include <cstdlib>

namespace shots {
namespace {

constexpr ContactBox kDropBox = {14.0f, 30.0f, 24.0f, 30.0f};
constexpr int kCellSize = 16;
constexpr int kCells = 16;

// Every member, live or at rest, moves sideways by its member speed.
void DriftMembers(const DropGroupKind& kind, float dt) {
  for (int j = 0; j < kind.members; ++j) kind.pool[j].x += kind.memberSpeeds[j] * dt;
}

}  // namespace

void ResetDropGroup(const DropGroupKind& kind) {
  for (int k = 0; k < kind.members; ++k) {
    DropGroupShot& r = kind.pool[k];
    r.cell = std::rand() % 10;
    r.tickCount = 0;
    Park(r);
    r.sideSpeed = 0.0f;
    r.fallSpeed = 0.0f;
  }
}

void SpawnDropGroup(const DropGroupKind& kind) {
  for (int k = 0; k < kind.members; ++k) {
    DropGroupShot& r = kind.pool[k];
    if (r.active != 0) continue;
    const ShotPoint owner = OwnerPoint(kind.owner, 0);
    r.active = 1;
    r.x = owner.x + kind.spawnX;
    r.y = owner.y + kind.spawnY;
  }
}

void UpdateDropGroup(const DropGroupKind& kind) {
  const float dt = FrameTime();
  ShipContactPass contact;
  for (int k = 0; k < kind.members; ++k) {
    DriftMembers(kind, dt);
    DropGroupShot& r = kind.pool[k];
    if (r.active == 0) continue;
    r.fallSpeed = kind.fallSpeed;
    r.y += r.fallSpeed * dt;
    if (r.y > static_cast<float>(Geometry::kScreenHeight)) {
      Park(r);
      continue;
    }
    // A touch ends the ship, not the member.
    contact.Test(r.x, r.y, kDropBox);
  }
}

void DrawDropGroup(const DropGroupKind& kind) {
  for (int k = 0; k < kind.members; ++k) {
    DropGroupShot& r = kind.pool[k];
    const int left = r.cell * kCellSize;
    elDraw::DrawObject(ToPixel(r.x), ToPixel(r.y), Slot(Pic::VAL1), left, 0, left + kCellSize, kCellSize);
    r.cell += 1;
    if (r.cell >= kCells) r.cell = 0;
  }
}

}  // namespace shots
