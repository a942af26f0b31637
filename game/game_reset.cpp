// The new-game values and the game-wide reset. Every pool of the game is put back to rest here,
// one call per pool, each resetting exactly its own records.
#include <cstdlib>

#include "config/geometry.h"
#include "game/assets.h"
#include "game/backdrops.h"
#include "game/barrage.h"
#include "game/game_state.h"
#include "game/option_shots.h"
#include "game/power_capsule.h"
#include "game/ship_death.h"
#include "game/special_attack.h"
#include "game/trails.h"
#include "game/volley_weapons.h"
#include "platform/window_system.h"
#include "shots/aimed_shot.h"
#include "shots/aimed_fan_kinds.h"
#include "shots/aimed_ring_kinds.h"
#include "shots/aimed_stream_kinds.h"
#include "shots/dropped_shot.h"
#include "shots/fixed_stream.h"
#include "shots/falling_pair_kinds.h"
#include "shots/formation_kinds.h"
#include "shots/spiral_kinds.h"
#include "shots/curving_chain_kinds.h"
#include "shots/drop_group_kinds.h"
#include "shots/hook_sprite_kinds.h"
#include "stages/bosses.h"
#include "stages/squadron.h"
#include "stages/stage1_enemies.h"
#include "stages/turrets.h"

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
  ResetOptionShots1();
  ResetOptionShots2();
  ResetOptionShots3();
  ResetOptionShots4();
  ResetPowerCapsule();
  ResetStage1Trail1();
  ResetStage1Trail2();
  ResetStage1Trail3();
  ResetStage2Trail1();
  ResetStage2Trail2();
  ResetStage2Trail3();
  ResetStage3Trail1();
  ResetStage3Trail2();
  ResetStage3Trail3();
  ResetStarField();
}

// The enemies' side: squadron, stage enemies, turrets, bosses and every enemy-shot pool.
void ResetGameObjects2() {
  ResetSquadFighters();
  ResetBoss1();
  ResetBoss2();
  ResetBoss3();
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
  ResetBoss2DropGroup8();
  ResetBoss2DropGroup9();
  ResetBoss2DropGroup10();
  ResetBoss2DropGroup11();
  ResetBoss2DropGroup12();
  ResetBoss2DropGroup13();
  ResetBoss2DropGroup14();
  ResetBoss2DropGroup15();
  ResetBoss2DropGroup16();
  ResetBoss2AimedRing1();
  ResetBoss2AimedRing2();
  ResetBoss3AimedRing3();
  ResetBoss3AimedRing4();
  ResetBoss3HookSprite1();
  ResetBoss3HookSprite2();
  ResetBoss3HookSprite3();
  ResetBoss3HookSprite4();
  ResetBoss3HookSprite5();
  ResetBoss3HookSprite6();
  ResetBoss3CurvingChain1();
  ResetBoss3CurvingChain2();
  ResetBoss3CurvingChain3();
  ResetBoss3CurvingChain4();
  // The fans, falling pairs, formations and spirals, kind by kind in their tables' order.
#define RESET_SHOT_KIND(Name, ...) Reset##Name();
  AIMED_FAN_KINDS(RESET_SHOT_KIND)
  FALLING_PAIR_KINDS(RESET_SHOT_KIND)
  FORMATION_KINDS(RESET_SHOT_KIND)
  SPIRAL_KINDS(RESET_SHOT_KIND)
#undef RESET_SHOT_KIND
  // The stage-1 enemies and the turrets (these wait at (-500, -500)), then their shots.
  ResetStage1EnemyD();
  ResetStage1EnemyE();
  ResetStage1EnemyF();
  ResetStage1EnemyG();
  ResetTurret1();
  ResetTurret2();
  ResetTurret3();
  ResetTurret4();
  ResetTurret1AimedShot1();
  ResetTurret2AimedShot1();
  ResetStage1EnemyEDroppedShot1();
  ResetStage1EnemyEDroppedShot2();
  ResetStage1EnemyEDroppedShot3();
  ResetStage1EnemyEDroppedShot4();
  ResetStage1EnemyGDroppedShot1();
  ResetStage1EnemyGDroppedShot2();
  ResetStage1EnemyGDroppedShot3();
  ResetStage1EnemyGDroppedShot4();
  ResetStage1EnemyDFixedStream1();
  ResetStage1EnemyFFixedStream1();
}
