#include "shots/hook_sprite.h"

#include <iterator>

namespace shots {
namespace {

// The bend shared by every hook, in the order the legs are tried; a kind uses its first legs.
constexpr HookLeg kBend[] = {
    {0, 3, -6, 0},  {4, 6, -6, 3},  {7, 9, -6, 6},  {10, 12, -3, 6}, {13, 15, 0, 6},
    {16, 18, 1, 6}, {19, 21, 2, 6}, {22, 24, 3, 6}, {25, 27, 4, 6},  {28, 30, 5, 6},
    {31, 33, 6, 6}, {34, 36, 7, 6}, {37, 39, 8, 6},
};
constexpr int kCounterWrap = 150;

bool Holds(const HookLeg& leg, float t) { return leg.from <= t && t <= leg.to; }

// The leg whose window holds `t`, or none.
const HookLeg* LegAt(const HookPath& path, float t) {
  for (int i = 0; i < path.bendLegs && i < static_cast<int>(std::size(kBend)); ++i) {
    if (Holds(kBend[i], t)) return &kBend[i];
  }
  return Holds(path.run, t) ? &path.run : nullptr;
}

}  // namespace

void ResetHookSprites(const HookSpriteKind& kind) {
  for (int i = 0; i < kHookSprites; ++i) {
    HookSpriteShot& r = kind.pool[i];
    r.active = 0;
    r.x = static_cast<int>(kParkedX);
    r.y = static_cast<int>(kParkedY);
    r.pathTimer = 0.0f;
  }
  *kind.counter = 0;
}

void SpawnHookSprite(const HookSpriteKind& kind, int index) {
  if (index < 0 || index >= kHookSprites) return;
  HookSpriteShot& r = kind.pool[index];
  if (r.active != 0) return;
  const ShotPoint owner = OwnerPoint(kind.owner, 0);
  r.active = 1;
  r.x = ToPixel(owner.x) + kind.spawnX;
  r.y = ToPixel(owner.y) + kind.spawnY;
  // The path timer is 0 here: from the reset or from the record's last end.
}

void TickHookSprites(const HookSpriteKind& kind) {
  int& counter = *kind.counter;
  counter += 1;
  // Marks 3, 6 ... 147 spawn records 1 to 49; 150 wraps to 0 without a spawn, so 0 is never tested.
  if (counter % 3 == 0 && counter < kCounterWrap) SpawnHookSprite(kind, counter / 3);
  if (counter == kCounterWrap) counter = 0;
}

void UpdateHookSprites(const HookSpriteKind& kind) {
  const float dt = FrameTime();
  for (int i = 0; i < kHookSprites; ++i) {
    HookSpriteShot& r = kind.pool[i];
    if (r.active == 0) continue;
    r.pathTimer += kind.timerRate * dt;
    // Steps are per call, not per second; gaps between legs are calls without motion.
    if (const HookLeg* leg = LegAt(kind.path, r.pathTimer)) {
      r.x += leg->dx * static_cast<int>(kind.side);
      r.y += leg->dy;
    }
    if (r.y > Geometry::kScreenHeight) {
      r.active = 0;
      r.pathTimer = 0.0f;
    }
  }
}

void DrawHookSprites(const HookSpriteKind& kind) {
  for (int i = 0; i < kHookSprites; ++i) {
    const HookSpriteShot& r = kind.pool[i];
    if (r.active != 0) elDraw::DrawAdditive(r.x, r.y, Slot(kind.picture), 0, 0, kind.size, kind.size);
  }
}

}  // namespace shots
