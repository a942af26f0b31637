// The new-game values and the game-wide reset. Every pool of the game is put back to rest here,
// one call per pool, each resetting exactly its own records.
#include <cstdlib>

#include "config/geometry.h"
#include "game/assets.h"
#include "game/backdrops.h"
#include "game/barrage.h"
#include "game/game_state.h"
#include "game/power_capsule.h"
#include "game/ship_death.h"
#include "game/special_attack.h"
#include "game/volley_weapons.h"
#include "platform/window_system.h"
#include "shots/aimed_shot.h"
#include "shots/aimed_stream_kinds.h"
#include "stages/squadron.h"

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
  ResetPowerCapsule();
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
  GameState.volleyCounter1 = 0;
  GameState.volleyCounter2 = 0;
  GameState.volleyCounter3 = 0;
  GameState.barrageCounter = 0;
  GameState.muzzleFlash1 = 0;
  GameState.muzzleFlash2 = 0;
  GameState.muzzleFlash3 = 0;
  GameState.volleyArmed1 = 1;
  GameState.volleyArmed2 = 1;
  ResetShipExplosion();
  ResetSpecialAttack();
  ResetVolleyShots();
  ResetBarrageShots();
  ResetPowerCapsule();
  ResetStarField();
}

// The enemies' side: squadron, stage enemies, turrets, bosses and every enemy-shot pool.
void ResetGameObjects2() {
  ResetSquadFighters();
  ResetSquadAimedShot1();
  ResetSquadAimedStream1();
  ResetBoss1AimedStream3();
  ResetBoss1AimedStream4();
  ResetBoss1AimedStream5();
  ResetBoss1AimedStream6();
  ResetBoss1AimedStream7();
  ResetBoss1AimedStream8();
  ResetBoss1AimedStream9();
  ResetBoss1AimedStream10();
  ResetBoss3AimedStream3();
  ResetBoss3AimedStream4();
  ResetBoss3AimedStream5();
  ResetBoss3AimedStream6();
  ResetBoss3AimedStream7();
  ResetBoss3AimedStream8();
  ResetBoss3AimedStream9();
  ResetBoss3AimedStream15();
  ResetBoss3AimedStream16();
  ResetBoss3AimedStream17();
  ResetBoss3AimedStream18();
  ResetBoss3AimedStream19();
  ResetBoss3AimedStream20();
  ResetBoss3AimedStream21();
  ResetBoss3AimedStream25();
  ResetBoss3AimedStream26();
  ResetBoss3AimedStream27();
  ResetBoss3AimedStream28();
  ResetBoss3AimedStream29();
  ResetBoss3AimedStream30();
  ResetBoss2AimedStream1();
  ResetBoss2AimedStream2();
  ResetBoss2AimedStream3();
  ResetBoss2AimedStream4();
  ResetBoss2AimedStream5();
  ResetBoss2AimedStream6();
  ResetBoss2AimedStream7();
  ResetBoss2AimedStream8();
  ResetBoss2AimedStream9();
  ResetBoss2AimedStream10();
  ResetBoss2AimedStream11();
  ResetBoss2AimedStream12();
}
