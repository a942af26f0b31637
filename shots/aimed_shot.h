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
// Moves, culls (parking) and tests `count` records from `first`.
void UpdateAimedShot(const AimedShotKind& kind, int first, int count);

}  // namespace shots

// The squadron's aimed shot: one record per fighter index 0 to 14.
constexpr int kSquadAimedShotCount = 15;
extern const shots::AimedShotKind kSquadAimedShot1;
void FireSquadAimedShot1(int fighter);
void UpdateSquadAimedShot1(int fighter);
// Style 0: strip cells of VAL16241; style 1: VALL302 turned to the heading.
void DrawSquadAimedShot1(int fighter, int style);
void ResetSquadAimedShot1();
