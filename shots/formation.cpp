#include "shots/formation.h"

#include "shots/emitter_counters.h"

namespace shots {

namespace {

int PoolSize(const FormationKind& kind) { return kind.groups * kind.size; }

}  // namespace

void ResetFormation(const FormationKind& kind) { ResetFallingShots(kind.pool, PoolSize(kind)); }

void TickFormation(const FormationKind& kind) {
  TickEmitterCounters(kind.pool, kind.groups, kind.size, kind.cycle, kind.marks,
                      [&kind](int index, int first) { LaunchFormation(kind, index, first); });
}

void LaunchFormation(const FormationKind& kind, int index, int first) {
  FallingPairShot& r = kind.pool[index];
  if (r.active != 0) return;
  const ShotPoint owner = OwnerPoint(kind.owner, 0);
  r.active = 1;
  if (kind.memberX == nullptr) {
    r.x = owner.x + kind.emitX;
  } else {
    for (int m = 0; m < kind.size; ++m) kind.pool[first + m].x = owner.x + kind.emitX + kind.memberX[m];
  }
  for (int m = 0; m < kind.size; ++m) kind.pool[first + m].y = owner.y + kind.memberY[m];
}

void UpdateFormation(const FormationKind& kind) {
  const float dt = FrameTime();
  for (int g = 0; g < kind.groups; ++g) {
    FallingPairShot* group = kind.pool + g * kind.size;
    for (int run = 0; run < kind.size; ++run) {
      for (int m = 0; m < kind.size; ++m) group[m].x += kind.memberDrift[m] * dt;
    }
  }
  ShipContactPass contact;
  for (int i = 0; i < PoolSize(kind); ++i) {
    if (kind.pool[i].active != 0) FallAndTest(kind.pool[i], kind.fall, kind.sideSpeed, kind.box, contact);
  }
}

void DrawFormation(const FormationKind& kind) {
  for (int i = 0; i < PoolSize(kind); ++i) DrawFallingShot(kind.pool[i], i % kind.size, kind.look);
}

}  // namespace shots
