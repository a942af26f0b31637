// The aimed-shot template: one shot per emitter, aimed at the ship when fired, at a random whole
// speed. Its records are aimed-stream records, one per emitter index.
#pragma once

#include "shots/aimed_stream.h"

namespace shots {

struct AimedShotKind {
  AimedStreamShot* pool;
  int count;  // one record per emitter index
  ShotOwner owner;
  float emitX, emitY;
  int speedRange, speedBase;  // speed = rand() % range + base
  float aimOffset;
  ShotBounds bounds;
  ContactBox box;
};

// Fires record `emitter` if it is free.
void FireAimedShot(const AimedShotKind& kind, int emitter);
// Fires the free record of every emitter, from each emitter's present position.
void FireAimedShots(const AimedShotKind& kind);
// Moves, culls (parking) and tests `count` records from `first`.
void UpdateAimedShot(const AimedShotKind& kind, int first, int count);
// Draws every live record of the pool as a cell of `strip` at its position.
void DrawAimedShotStrip(const AimedShotKind& kind, const ShotStrip& strip);

}  // namespace shots

// The squadron's aimed shot: one record per fighter index 0 to 14.
constexpr int kSquadAimedShotCount = 15;
extern const shots::AimedShotKind kSquadAimedShot1;
void FireSquadAimedShot1(int fighter);
void UpdateSquadAimedShot1(int fighter);
// Style 0: strip cells of VAL16241; style 1: VALL302 turned to the heading.
void DrawSquadAimedShot1(int fighter, int style);
void ResetSquadAimedShot1();

// The turrets' aimed shots: one record per turret of the kind; each row gives the kind its pool and
// the operations Fire<Name> (every turret whose shot is free, live turret or not), Update<Name>,
// Draw<Name> and Reset<Name>. Row: name, owner.
#define TURRET_AIMED_SHOT_KINDS(X) \
  X(Turret1AimedShot1, Turret1)    \
  X(Turret2AimedShot1, Turret2)

constexpr int kTurretAimedShotCount = 5;
#define DECLARE_TURRET_AIMED_SHOT(Name, owner)  \
  extern const shots::AimedShotKind k##Name; \
  void Fire##Name();                         \
  void Update##Name();                       \
  void Draw##Name();                         \
  void Reset##Name();
TURRET_AIMED_SHOT_KINDS(DECLARE_TURRET_AIMED_SHOT)
#undef DECLARE_TURRET_AIMED_SHOT
