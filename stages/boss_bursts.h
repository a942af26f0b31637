// The explosion bursts a boss shows while damaged and while it explodes: each burst record shows its
// cell, steps its frame and jumps to a random place over the boss.
#pragma once

#include "game/pictures.h"
#include "stages/bosses.h"

struct BurstStrip {
  Pic::Id picture;
  int cell;       // square cells side by side
  int lastFrame;  // the frame after this one is 0 again
};
constexpr BurstStrip kLargeBurstStrip = {Pic::BBAK1B, 160, 3};
constexpr BurstStrip kSmallBurstStrip = {Pic::ZBAK1B, 60, 9};

// Where a burst jumps: boss x + rand() % spreadX - shiftX, then boss y + rand() % spreadY - shiftY.
struct BurstSpread {
  int spreadX, shiftX;
  int spreadY, shiftY;
};

void FlashBurst(BossBurst& burst, const BurstStrip& strip, const LargeEnemyRecord& body, const BurstSpread& spread);

// Parks every burst and the entry picture, and zeroes the burning counter.
void ParkBossEffects(BossEffectsRecord& effects);
