// Stage 1: its frame in order, its clock rate and its schedule.
#include "framework/el_draw.h"
#include "framework/el_sound.h"
#include "game/backdrops.h"
#include "game/game_state.h"
#include "game/option_shots.h"
#include "game/player_shots.h"
#include "game/power_capsule.h"
#include "game/scene.h"
#include "game/scene_music.h"
#include "game/ship.h"
#include "game/trails.h"
#include "shots/aimed_fan_kinds.h"
#include "shots/aimed_shot.h"
#include "shots/aimed_stream_kinds.h"
#include "shots/dropped_shot.h"
#include "shots/fixed_stream.h"
#include "shots/falling_pair_kinds.h"
#include "shots/formation_kinds.h"
#include "shots/spiral_kinds.h"
#include "stages/boss1_timeline.h"
#include "stages/boss_phase.h"
#include "stages/squadron.h"
#include "stages/squadron_waves.h"
#include "stages/stage1_enemies.h"
#include "stages/stage_frame.h"
#include "stages/turrets.h"

namespace {

constexpr float kStage1ClockRate = 20.0f;

// Squadron slots 0..14: the movement pattern and the drawing style of each.
constexpr int kSquadPatterns[kSquadSlotsUsed] = {1, 2, 2, 3, 4, 5, 6, 7, 8, 9, 10, 5, 6, 7, 8};
constexpr int kSquadStyles[kSquadSlotsUsed] = {1, 1, 1, 2, 2, 0, 0, 0, 0, 5, 6, 0, 0, 4, 4};

// The squadron rows of the wave table (clock windows strict).
constexpr SquadWaveRow kSquadWaves[] = {
    {120, 700, 9, SquadArms::None},
    {120, 700, 10, SquadArms::None},
    {250, 500, 0, SquadArms::AimedShot},
    {300, 600, 1, SquadArms::AimedShotAndStream},
    {350, 600, 2, SquadArms::AimedShotAndStream},
    {600, 900, 3, SquadArms::AimedShotAndStream},
    {700, 900, 4, SquadArms::AimedShotAndStream},
    {800, 1200, 5, SquadArms::AimedShot},
    {900, 1250, 6, SquadArms::AimedShot},
    {1050, 1200, 7, SquadArms::AimedShotAndStream},
    {1050, 1200, 8, SquadArms::AimedShotAndStream},
    {1200, 1300, 9, SquadArms::AimedShotAndStream},
    {1300, 1400, 10, SquadArms::AimedShotAndStream},
    {1300, 1450, 11, SquadArms::AimedShot},
    {1300, 1450, 12, SquadArms::AimedShot},
    {1350, 1500, 13, SquadArms::AimedShotAndStream},
    {1350, 1500, 14, SquadArms::AimedShotAndStream},
};

// Capsule windows (inclusive).
constexpr float kCapsuleWindows[][2] = {{500, 550}, {800, 850}, {950, 1000}};

// Enemies D and F come in together, each firing its diagonal stream.
void LaunchStage1EnemiesDAndF() {
  SpawnStage1EnemyD();
  FireStage1EnemyDFixedStream1();
  SpawnStage1EnemyF();
  FireStage1EnemyFFixedStream1();
}

// Enemies E and G come in one by one, each dropping its four shots.
void LaunchStage1EnemiesEAndG() {
  TickStage1EnemyESpawner();
  FireStage1EnemyEDroppedShot1();
  FireStage1EnemyEDroppedShot2();
  FireStage1EnemyEDroppedShot3();
  FireStage1EnemyEDroppedShot4();
  TickStage1EnemyGSpawner();
  FireStage1EnemyGDroppedShot1();
  FireStage1EnemyGDroppedShot2();
  FireStage1EnemyGDroppedShot3();
  FireStage1EnemyGDroppedShot4();
}

// The turret and stage-1 enemy rows of the wave table (clock windows strict), after the squadron's.
void RunStage1EnemyWaves() {
  if (ClockBetween(160, 200)) TickTurret1Spawner();
  if (ClockBetween(200, 250)) TickTurret2Spawner();
  if (ClockBetween(400, 450)) TickTurret3Spawner();
  if (ClockBetween(500, 550)) TickTurret4Spawner();
  if (ClockBetween(550, 600)) LaunchStage1EnemiesDAndF();
  if (ClockBetween(900, 960)) {
    TickTurret1Spawner();
    TickTurret2Spawner();
  }
  if (ClockBetween(950, 1000)) {
    TickTurret3Spawner();
    TickTurret4Spawner();
  }
  if (ClockBetween(950, 1050)) LaunchStage1EnemiesDAndF();
  if (ClockBetween(1050, 1150)) LaunchStage1EnemiesEAndG();
  if (ClockBetween(1150, 1200)) {
    TickTurret3Spawner();
    TickTurret4Spawner();
  }
}

// The boss-1 shot kinds, then (after the squadron's shots) the turret and enemy kinds, in the order
// the frame updates and draws them.
constexpr ShotKindStep kBoss1Shots[] = {
    SHOT_KIND_STEP(Boss1AimedStream3), SHOT_KIND_STEP(Boss1AimedStream4), SHOT_KIND_STEP(Boss1AimedStream5),
    SHOT_KIND_STEP(Boss1AimedStream6), SHOT_KIND_STEP(Boss1AimedStream7), SHOT_KIND_STEP(Boss1AimedStream8),
    SHOT_KIND_STEP(Boss1AimedStream9), SHOT_KIND_STEP(Boss1AimedStream10), SHOT_KIND_STEP(Boss1AimedFan2),
    SHOT_KIND_STEP(Boss1AimedFan1), SHOT_KIND_STEP(Boss1AimedFan3), SHOT_KIND_STEP(Boss1FallingPair3),
    SHOT_KIND_STEP(Boss1FallingPair4), SHOT_KIND_STEP(Boss1FallingPair1), SHOT_KIND_STEP(Boss1FallingPair2),
    SHOT_KIND_STEP(Boss1Formation1), SHOT_KIND_STEP(Boss1Formation2), SHOT_KIND_STEP(Boss1Formation3),
    SHOT_KIND_STEP(Boss1AimedFan4), SHOT_KIND_STEP(Boss1Spiral1), SHOT_KIND_STEP(Boss1Spiral2),
    SHOT_KIND_STEP(Boss1Spiral3), SHOT_KIND_STEP(Boss1Spiral5), SHOT_KIND_STEP(Boss1Spiral4),
    SHOT_KIND_STEP(Boss1Spiral6),
};
constexpr ShotKindStep kEnemyShots[] = {
    SHOT_KIND_STEP(Turret1AimedShot1), SHOT_KIND_STEP(Turret2AimedShot1), SHOT_KIND_STEP(Stage1EnemyEDroppedShot1),
    SHOT_KIND_STEP(Stage1EnemyEDroppedShot2), SHOT_KIND_STEP(Stage1EnemyEDroppedShot3), SHOT_KIND_STEP(Stage1EnemyEDroppedShot4),
    SHOT_KIND_STEP(Stage1EnemyGDroppedShot1), SHOT_KIND_STEP(Stage1EnemyGDroppedShot2), SHOT_KIND_STEP(Stage1EnemyGDroppedShot3),
    SHOT_KIND_STEP(Stage1EnemyGDroppedShot4), SHOT_KIND_STEP(Stage1EnemyDFixedStream1), SHOT_KIND_STEP(Stage1EnemyFFixedStream1),
};

}  // namespace

void RunStage1Scene() {
  if (!BeginStageFrame(StageEntry::ClearsPause)) return;
  CountSceneMusic(kStageMusic);
  elDraw::ClearBackBuffer();
  AdvanceStageClock(kStage1ClockRate);

  ScrollBaseBackdrop();
  DrawStarField(80, 80);
  ScrollStage1Backdrop();

  // Boss phase, 1460 < clock < 10100: the boss moves and is drawn; its attack timeline runs while
  // 0 < life < 1010 (counter wraps at 4300); the time-out from clock 10000.
  RunBoss1Phase(RunBoss1Timeline);

  DrawPlayerShots();

  for (int slot = 0; slot < kSquadSlotsUsed; ++slot) {
    MoveSquadFighter(slot, kSquadPatterns[slot]);
    DrawSquadFighter(slot, kSquadStyles[slot]);
  }
  MoveStage1EnemyD();
  DrawStage1EnemyD();
  MoveStage1EnemyF();
  DrawStage1EnemyF();
  MoveTurret1();
  DrawTurret1();
  MoveTurret2();
  DrawTurret2();
  MoveTurret3();
  DrawTurret3();
  MoveTurret4();
  DrawTurret4();
  MoveStage1EnemyE();
  DrawStage1EnemyE();
  MoveStage1EnemyG();
  DrawStage1EnemyG();

  // Wave schedule, clock 120..1500.
  RunSquadWaves(kSquadWaves);
  RunStage1EnemyWaves();

  RunPowerCapsule(kCapsuleWindows);
  DrawOptionShotsAndShip();

  // Every shot kind of the stage: its update, then its draw.
  RunShotKinds(kBoss1Shots);
  UpdateAndDrawSquadShots();
  RunShotKinds(kEnemyShots);

  DrawAndDriftTrails(kStage1Trail1, kStage1Trail2, kStage1Trail3);

  PresentStageFrame();
  MoveAfterPresent();
}
