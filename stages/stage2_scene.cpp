// Stage 2: its frame in order, its clock rate and its schedule. The squadron and turrets 1 and 2 come
// in at the start, boss 2 follows almost at once, and two last squadron waves fly near clock 1100.
#include "framework/el_draw.h"
#include "game/backdrops.h"
#include "game/player_shots.h"
#include "game/trails.h"
#include "shots/aimed_fan_kinds.h"
#include "shots/aimed_ring_kinds.h"
#include "shots/aimed_shot.h"
#include "shots/aimed_stream_kinds.h"
#include "shots/drop_group_kinds.h"
#include "shots/falling_pair_kinds.h"
#include "shots/formation_kinds.h"
#include "stages/boss2_timeline.h"
#include "stages/boss_phase.h"
#include "stages/squadron.h"
#include "stages/squadron_waves.h"
#include "stages/stage_frame.h"
#include "stages/turrets.h"

namespace {

constexpr float kStage2ClockRate = 18.0f;

// Squadron slots 0..10: the movement pattern and the drawing style of each.
constexpr int kStage2SquadSlots = 11;
constexpr int kSquadPatterns[kStage2SquadSlots] = {1, 2, 2, 3, 4, 5, 6, 7, 8, 9, 10};
constexpr int kSquadStyles[kStage2SquadSlots] = {4, 4, 4, 2, 2, 0, 0, 0, 0, 5, 6};

// The squadron rows of the wave table (clock windows strict), after the turrets' row.
constexpr SquadWaveRow kSquadWaves[] = {
    {80, 150, 5, SquadArms::AimedShot},
    {90, 160, 6, SquadArms::AimedShot},
    {100, 180, 7, SquadArms::AimedShotAndStream},
    {105, 180, 8, SquadArms::AimedShotAndStream},
    {120, 200, 9, SquadArms::AimedShotAndStream},
    {130, 200, 10, SquadArms::AimedShotAndStream},
    {1100, 1180, 3, SquadArms::AimedShotAndStream},
    {1100, 1180, 4, SquadArms::AimedShotAndStream},
};

// Capsule windows (inclusive).
constexpr float kCapsuleWindows[][2] = {{300, 350}, {500, 550}, {800, 850}, {1000, 1050}};

// Every shot kind of the stage in its order: its update, then its draw. The squadron's shots follow
// the boss's, the turrets' come last.
constexpr ShotKindStep kBoss2Shots[] = {
    SHOT_KIND_STEP(Boss2AimedStream1),  SHOT_KIND_STEP(Boss2AimedStream2),  SHOT_KIND_STEP(Boss2AimedStream3),
    SHOT_KIND_STEP(Boss2AimedStream4),  SHOT_KIND_STEP(Boss2AimedStream5),  SHOT_KIND_STEP(Boss2AimedStream6),
    SHOT_KIND_STEP(Boss2AimedStream7),  SHOT_KIND_STEP(Boss2AimedStream8),  SHOT_KIND_STEP(Boss2AimedStream9),
    SHOT_KIND_STEP(Boss2AimedStream10), SHOT_KIND_STEP(Boss2AimedStream11), SHOT_KIND_STEP(Boss2AimedStream12),
    SHOT_KIND_STEP(Boss2AimedRing1),    SHOT_KIND_STEP(Boss2AimedRing2),    SHOT_KIND_STEP(Boss2Formation11),
    SHOT_KIND_STEP(Boss2Formation12),   SHOT_KIND_STEP(Boss2Formation13),   SHOT_KIND_STEP(Boss2Formation14),
    SHOT_KIND_STEP(Boss2Formation9),    SHOT_KIND_STEP(Boss2Formation10),   SHOT_KIND_STEP(Boss2Formation8),
    SHOT_KIND_STEP(Boss2FallingPair5),  SHOT_KIND_STEP(Boss2FallingPair6),  SHOT_KIND_STEP(Boss2DropGroup8),
    SHOT_KIND_STEP(Boss2DropGroup9),    SHOT_KIND_STEP(Boss2DropGroup10),   SHOT_KIND_STEP(Boss2DropGroup11),
    SHOT_KIND_STEP(Boss2DropGroup12),   SHOT_KIND_STEP(Boss2DropGroup13),   SHOT_KIND_STEP(Boss2DropGroup14),
    SHOT_KIND_STEP(Boss2DropGroup15),   SHOT_KIND_STEP(Boss2DropGroup16),   SHOT_KIND_STEP(Boss2Formation1),
    SHOT_KIND_STEP(Boss2Formation2),    SHOT_KIND_STEP(Boss2FallingPair1),  SHOT_KIND_STEP(Boss2FallingPair2),
    SHOT_KIND_STEP(Boss2AimedFan1),     SHOT_KIND_STEP(Boss2AimedFan2),     SHOT_KIND_STEP(Boss2AimedFan3),
    SHOT_KIND_STEP(Boss2AimedFan4),     SHOT_KIND_STEP(Boss2AimedFan5),     SHOT_KIND_STEP(Boss2AimedFan6),
    SHOT_KIND_STEP(Boss2AimedFan7),
};
constexpr ShotKindStep kTurretShots[] = {SHOT_KIND_STEP(Turret1AimedShot1), SHOT_KIND_STEP(Turret2AimedShot1)};

}  // namespace

void RunStage2Scene() {
  // The first frame clears nothing: a pause left from before holds. No music step: stage 1's piece
  // plays on.
  if (!BeginStageFrame(StageEntry::KeepsPause)) return;
  elDraw::ClearBackBuffer();
  AdvanceStageClock(kStage2ClockRate);

  ScrollBaseBackdrop();
  DrawStarField(130, 130);
  ScrollStage2Backdrop();

  // The capsule comes before the boss here, under everything else of the frame.
  RunPowerCapsule(kCapsuleWindows);

  // Boss phase, 150 < clock < 11100: the boss moves and is drawn; its attack timeline runs while
  // 0 < life < 980 (counter wraps at 2300); the time-out from clock 11000.
  RunBoss2Phase(RunBoss2Timeline);

  DrawPlayerShots();

  for (int slot = 0; slot < kStage2SquadSlots; ++slot) {
    MoveSquadFighter(slot, kSquadPatterns[slot]);
    DrawSquadFighter(slot, kSquadStyles[slot]);
  }
  MoveTurret1();
  DrawTurret1();
  MoveTurret2();
  DrawTurret2();

  // Wave schedule, clock 50..1180.
  if (ClockBetween(50, 120)) {
    TickTurret1Spawner();
    TickTurret2Spawner();
  }
  RunSquadWaves(kSquadWaves);

  DrawOptionShotsAndShip();

  RunShotKinds(kBoss2Shots);
  UpdateAndDrawSquadShots();
  RunShotKinds(kTurretShots);

  DrawAndDriftTrails(kStage2Trail1, kStage2Trail2, kStage2Trail3);

  PresentStageFrame();
  MoveAfterPresent();
}
