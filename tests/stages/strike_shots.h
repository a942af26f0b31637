// Player's shots placed for hit tests against the stage-1 enemies and the turrets: each stands at a
// chosen point after the move that HitTestPlayerShots gives it.
#pragma once

#include "game/barrage.h"
#include "game/game_state.h"
#include "game/player_shots.h"
#include "game/power_capsule.h"
#include "game/volley_weapons.h"
#include "stages/squadron.h"

namespace strike_shots {

// No fighter, player's shot or capsule anywhere, and no score yet.
inline void ClearTheField() {
  for (SquadFighterRecord& f : SquadFighters) f = SquadFighterRecord{};
  ResetSquadFighters();
  ResetVolleyShots();
  ResetBarrageShots();
  ResetPowerCapsule();
  GameState.score = 0;
  GameState.highScore = 0;
}

// A volley shot with no steps: it stays where it is put.
inline void StillVolleyShot(VolleyShot* pool, int x, int y) {
  pool[1].active = 1;
  pool[1].x = x;
  pool[1].y = y;
  pool[1].forwardStep = 0;
  pool[1].sideStep = 0;
}

// A barrage shot of group 2 at flight timer 13, started so that its next move ends at (x, y).
inline void BarrageShotAt(int x, int y) {
  constexpr int kRecord = 2 * kBarrageGroupSize + 1;
  BarrageShot& s = BarrageShots[kRecord];
  s.active = 1;
  s.x = 0;
  s.y = 0;
  s.flightTimer = 13.0f;
  MoveBarrageShot(kRecord);
  const int dx = s.x;
  const int dy = s.y;
  s.active = 1;
  s.x = x - dx;
  s.y = y - dy;
  s.flightTimer = 13.0f;
}

// Runs `op` n times (n frames of one operation).
template <class Op>
void Repeat(int n, Op op) {
  for (int i = 0; i < n; ++i) op();
}

}  // namespace strike_shots
