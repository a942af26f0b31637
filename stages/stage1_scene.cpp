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

// The squadron shots this stage moves and draws: aimed shots of slots 0..8 and streams of six slots,
// each with its drawing style.
constexpr int kSquadShotStyles[9] = {0, 1, 1, 0, 0, 0, 0, 1, 1};
constexpr int kSquadStreamSlots[][2] = {{1, 0}, {2, 0}, {3, 1}, {4, 1}, {7, 0}, {8, 0}};

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

  DrawPowerCapsule();
  MovePowerCapsule();
  for (const auto& window : kCapsuleWindows) {
    if (ClockWithin(window[0], window[1])) SpawnPowerCapsule();
  }

  DrawOptionShots1();
  DrawOptionShots2();
  DrawOptionShots3();
  DrawOptionShots4();
  DrawShip();

  // Every shot kind of the stage: its update, then its draw.
  UpdateBoss1AimedStream3();
  DrawBoss1AimedStream3();
  UpdateBoss1AimedStream4();
  DrawBoss1AimedStream4();
  UpdateBoss1AimedStream5();
  DrawBoss1AimedStream5();
  UpdateBoss1AimedStream6();
  DrawBoss1AimedStream6();
  UpdateBoss1AimedStream7();
  DrawBoss1AimedStream7();
  UpdateBoss1AimedStream8();
  DrawBoss1AimedStream8();
  UpdateBoss1AimedStream9();
  DrawBoss1AimedStream9();
  UpdateBoss1AimedStream10();
  DrawBoss1AimedStream10();
  UpdateBoss1AimedFan2();
  DrawBoss1AimedFan2();
  UpdateBoss1AimedFan1();
  DrawBoss1AimedFan1();
  UpdateBoss1AimedFan3();
  DrawBoss1AimedFan3();
  UpdateBoss1FallingPair3();
  DrawBoss1FallingPair3();
  UpdateBoss1FallingPair4();
  DrawBoss1FallingPair4();
  UpdateBoss1FallingPair1();
  DrawBoss1FallingPair1();
  UpdateBoss1FallingPair2();
  DrawBoss1FallingPair2();
  UpdateBoss1Formation1();
  DrawBoss1Formation1();
  UpdateBoss1Formation2();
  DrawBoss1Formation2();
  UpdateBoss1Formation3();
  DrawBoss1Formation3();
  UpdateBoss1AimedFan4();
  DrawBoss1AimedFan4();
  UpdateBoss1Spiral1();
  DrawBoss1Spiral1();
  UpdateBoss1Spiral2();
  DrawBoss1Spiral2();
  UpdateBoss1Spiral3();
  DrawBoss1Spiral3();
  UpdateBoss1Spiral5();
  DrawBoss1Spiral5();
  UpdateBoss1Spiral4();
  DrawBoss1Spiral4();
  UpdateBoss1Spiral6();
  DrawBoss1Spiral6();
  for (int slot = 0; slot < 9; ++slot) {
    UpdateSquadAimedShot1(slot);
    DrawSquadAimedShot1(slot, kSquadShotStyles[slot]);
  }
  for (const auto& stream : kSquadStreamSlots) {
    UpdateSquadAimedStream1(stream[0]);
    DrawSquadAimedStream1(stream[0], stream[1]);
  }
  UpdateTurret1AimedShot1();
  DrawTurret1AimedShot1();
  UpdateTurret2AimedShot1();
  DrawTurret2AimedShot1();
  UpdateStage1EnemyEDroppedShot1();
  DrawStage1EnemyEDroppedShot1();
  UpdateStage1EnemyEDroppedShot2();
  DrawStage1EnemyEDroppedShot2();
  UpdateStage1EnemyEDroppedShot3();
  DrawStage1EnemyEDroppedShot3();
  UpdateStage1EnemyEDroppedShot4();
  DrawStage1EnemyEDroppedShot4();
  UpdateStage1EnemyGDroppedShot1();
  DrawStage1EnemyGDroppedShot1();
  UpdateStage1EnemyGDroppedShot2();
  DrawStage1EnemyGDroppedShot2();
  UpdateStage1EnemyGDroppedShot3();
  DrawStage1EnemyGDroppedShot3();
  UpdateStage1EnemyGDroppedShot4();
  DrawStage1EnemyGDroppedShot4();
  UpdateStage1EnemyDFixedStream1();
  DrawStage1EnemyDFixedStream1();
  UpdateStage1EnemyFFixedStream1();
  DrawStage1EnemyFFixedStream1();

  DrawStage1Trail1();
  DriftStage1Trail1();
  DrawStage1Trail2();
  DriftStage1Trail2();
  DrawStage1Trail3();
  DriftStage1Trail3();

  PresentStageFrame();
  MoveAfterPresent();
}
