#include "shots/aimed_shot.h"

#include <cstdlib>

namespace shots {

void FireAimedShot(const AimedShotKind& kind, int emitter) {
  AimedStreamShot& r = kind.pool[emitter];
  if (r.active != 0) return;
  const ShotPoint owner = OwnerPoint(kind.owner, emitter);
  r.active = 1;
  r.x = r.startX = owner.x + kind.emitX;
  r.y = r.startY = owner.y + kind.emitY;
  r.speed = static_cast<float>(std::rand() % kind.speedRange + kind.speedBase);
  r.aimDx = GameState.shipX + kind.aimOffset - r.startX;
  r.aimDy = GameState.shipY + kind.aimOffset - r.startY;
  r.angle = AimAngle(r.aimDx, r.aimDy, 0.0f);
}

void FireAimedShots(const AimedShotKind& kind) {
  for (int i = 0; i < kind.count; ++i) FireAimedShot(kind, i);
}

void UpdateAimedShot(const AimedShotKind& kind, int first, int count) {
  ShipContactPass contact;
  for (int i = first; i < first + count; ++i) {
    AimedStreamShot& r = kind.pool[i];
    if (r.active != 0) MoveAlongHeading(r.x, r.y, r.angle, r.speed);
    if (OutsideBounds(r.x, r.y, kind.bounds)) Park(r);
    contact.Test(r.x, r.y, kind.box);
  }
}

void DrawAimedShotStrip(const AimedShotKind& kind, const ShotStrip& strip) {
  for (int i = 0; i < kind.count; ++i) {
    if (kind.pool[i].active != 0) DrawStripCell(kind.pool[i], strip, 0, 0);
  }
}

}  // namespace shots

namespace {
AimedStreamShot squadAimedShot1Pool[kSquadAimedShotCount];
// Every aimed-shot kind ends past these bounds and touches the ship inside this box.
constexpr shots::ShotBounds kAimedShotBounds = shots::ScreenBounds(-30.0f, -30.0f);
constexpr shots::ContactBox kAimedShotBox = {10.0f, 30.0f, 20.0f, 30.0f};
}  // namespace

// Fired from fighter + (25, 50) at rand() % 50 + 130 px/s toward the ship + 15.
const shots::AimedShotKind kSquadAimedShot1 = {squadAimedShot1Pool,
                                               kSquadAimedShotCount,
                                               shots::ShotOwner::Squadron,
                                               25.0f,
                                               50.0f,
                                               50,
                                               130,
                                               15.0f,
                                               kAimedShotBounds,
                                               kAimedShotBox};

void FireSquadAimedShot1(int fighter) { shots::FireAimedShot(kSquadAimedShot1, fighter); }

void UpdateSquadAimedShot1(int fighter) { shots::UpdateAimedShot(kSquadAimedShot1, fighter, 1); }

void DrawSquadAimedShot1(int fighter, int style) {
  AimedStreamShot& r = squadAimedShot1Pool[fighter];
  if (r.active != 0) shots::DrawSquadShotLook(r, style, 0, Pic::VALL302);
}

void ResetSquadAimedShot1() { shots::ResetAimedStreamShots(squadAimedShot1Pool, kSquadAimedShotCount); }

namespace {
// Every turret shot cell: the small animated bullet.
constexpr shots::ShotStrip kTurretShotStrip = {Pic::VAL16241, 16, 16, 24};
}  // namespace

// Fired from turret + (42, 50) at rand() % 100 + 210 px/s toward the ship + 22; culled and touching
// like the squadron's aimed shot.
#define DEFINE_TURRET_AIMED_SHOT(Name, owner)                                                          \
  namespace {                                                                                          \
  AimedStreamShot Name##Pool[kTurretAimedShotCount];                                                   \
  }                                                                                                    \
  const shots::AimedShotKind k##Name = {Name##Pool,                                                    \
                                        kTurretAimedShotCount,                                         \
                                        shots::ShotOwner::owner,                                       \
                                        42.0f,                                                         \
                                        50.0f,                                                         \
                                        100,                                                           \
                                        210,                                                           \
                                        22.0f,                                                         \
                                        kAimedShotBounds,                                              \
                                        kAimedShotBox};                                                \
  void Fire##Name() { shots::FireAimedShots(k##Name); }                                                \
  void Update##Name() { shots::UpdateAimedShot(k##Name, 0, kTurretAimedShotCount); }                  \
  void Draw##Name() { shots::DrawAimedShotStrip(k##Name, kTurretShotStrip); }                         \
  void Reset##Name() { shots::ResetAimedStreamShots(Name##Pool, kTurretAimedShotCount); }
TURRET_AIMED_SHOT_KINDS(DEFINE_TURRET_AIMED_SHOT)
#undef DEFINE_TURRET_AIMED_SHOT
