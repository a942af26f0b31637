// The new-game values and the game-wide reset. Every pool of the game is put back to rest here,
// one call per pool, each resetting exactly its own records.
#include <cstdlib>

#include "config/geometry.h"
#include "game/assets.h"
#include "game/backdrops.h"
#include "game/game_state.h"
#include "platform/window_system.h"

GameStateRecord GameState;

void ResetPlayerStart() {
  GameState.score = 0;
  GameState.shipStock = 1;
  GameState.capsuleCounter = 5;
  GameState.shipX = Geometry::kShipStartX;
  GameState.shipY = Geometry::kShipStartY;
  GameState.doubleShot = 0;
  GameState.wideShot = 0;
  GameState.capsulesSpawned = 0;
  LayOutBackdrops();
}

// The player's side: ship, weapons, effects and the star field.
void ResetGameObjects1() {
  std::srand(static_cast<unsigned>(plat::CalendarTime()));
  GameState.stageClock = 0.0f;
  GameState.shipVelX = 0.0f;
  GameState.shipVelY = 0.0f;
  GameState.bankFrame = 3;
  GameState.bankStep = 0;
  GameState.musicCounter = 0;
  GameState.shipAlive = 1;
  GameState.respawning = 0;
  GameState.respawnCounter = 0;
  GameState.paused = 0;
  GameState.gameOver = 0;
  GameState.barrageRunning = 0;
  ResetStarField();
}

// The enemies' side: squadron, stage enemies, turrets, bosses and every enemy-shot pool.
void ResetGameObjects2() {}
