// Stage 3: the boss alone. Its frame in order, its clock rate and its capsule windows; the boss's
// attacks are in boss3_timeline.cpp.
#include "framework/el_draw.h"
#include "game/backdrops.h"
#include "game/player_shots.h"
#include "game/scene.h"
#include "game/trails.h"
#include "shots/aimed_fan_kinds.h"
#include "shots/aimed_ring_kinds.h"
#include "shots/aimed_stream_kinds.h"
#include "shots/curving_chain_kinds.h"
#include "shots/falling_pair_kinds.h"
#include "shots/formation_kinds.h"
#include "shots/hook_sprite_kinds.h"
#include "stages/boss3_timeline.h"
#include "stages/boss_phase.h"
#include "stages/stage_frame.h"

namespace {

constexpr float kStage3ClockRate = 16.0f;

// Capsule windows (inclusive).
constexpr float kCapsuleWindows[][2] = {{100, 150}, {300, 350}, {500, 550}, {800, 850}, {1000, 1050}};

// Every shot kind of the stage, in the order of its update and draw.
constexpr ShotKindStep kStage3Shots[] = {
    SHOT_KIND_STEP(Boss3AimedFan1),      SHOT_KIND_STEP(Boss3AimedFan2),      SHOT_KIND_STEP(Boss3AimedFan3),
    SHOT_KIND_STEP(Boss3AimedFan4),      SHOT_KIND_STEP(Boss3AimedFan5),      SHOT_KIND_STEP(Boss3AimedFan6),
    SHOT_KIND_STEP(Boss3AimedFan7),      SHOT_KIND_STEP(Boss3AimedFan8),      SHOT_KIND_STEP(Boss3AimedFan9),
    SHOT_KIND_STEP(Boss3AimedFan10),     SHOT_KIND_STEP(Boss3AimedFan11),     SHOT_KIND_STEP(Boss3AimedFan12),
    SHOT_KIND_STEP(Boss3AimedFan13),     SHOT_KIND_STEP(Boss3AimedFan14),     SHOT_KIND_STEP(Boss3AimedFan15),
    SHOT_KIND_STEP(Boss3AimedFan16),     SHOT_KIND_STEP(Boss3AimedFan17),     SHOT_KIND_STEP(Boss3AimedFan18),
    SHOT_KIND_STEP(Boss3AimedFan19),     SHOT_KIND_STEP(Boss3AimedFan20),     SHOT_KIND_STEP(Boss3AimedFan21),
    SHOT_KIND_STEP(Boss3AimedStream3),   SHOT_KIND_STEP(Boss3AimedStream4),   SHOT_KIND_STEP(Boss3AimedStream5),
    SHOT_KIND_STEP(Boss3AimedStream6),   SHOT_KIND_STEP(Boss3AimedStream7),   SHOT_KIND_STEP(Boss3AimedStream8),
    SHOT_KIND_STEP(Boss3AimedStream9),   SHOT_KIND_STEP(Boss3AimedStream15),  SHOT_KIND_STEP(Boss3AimedStream16),
    SHOT_KIND_STEP(Boss3AimedStream17),  SHOT_KIND_STEP(Boss3AimedStream18),  SHOT_KIND_STEP(Boss3AimedStream19),
    SHOT_KIND_STEP(Boss3AimedStream20),  SHOT_KIND_STEP(Boss3AimedStream21),  SHOT_KIND_STEP(Boss3Formation6),
    SHOT_KIND_STEP(Boss3Formation7),     SHOT_KIND_STEP(Boss3Formation4),     SHOT_KIND_STEP(Boss3Formation5),
    SHOT_KIND_STEP(Boss3Formation1),     SHOT_KIND_STEP(Boss3AimedStream29),  SHOT_KIND_STEP(Boss3AimedStream30),
    SHOT_KIND_STEP(Boss3AimedStream25),  SHOT_KIND_STEP(Boss3AimedStream26),  SHOT_KIND_STEP(Boss3AimedStream27),
    SHOT_KIND_STEP(Boss3AimedStream28),  SHOT_KIND_STEP(Boss3AimedRing3),     SHOT_KIND_STEP(Boss3AimedRing4),
    SHOT_KIND_STEP(Boss3FallingPair1),   SHOT_KIND_STEP(Boss3FallingPair2),   SHOT_KIND_STEP(Boss3FallingPair3),
    SHOT_KIND_STEP(Boss3HookSprite1),    SHOT_KIND_STEP(Boss3HookSprite2),    SHOT_KIND_STEP(Boss3HookSprite3),
    SHOT_KIND_STEP(Boss3HookSprite4),    SHOT_KIND_STEP(Boss3HookSprite5),    SHOT_KIND_STEP(Boss3HookSprite6),
    SHOT_KIND_STEP(Boss3CurvingChain1),  SHOT_KIND_STEP(Boss3CurvingChain2),  SHOT_KIND_STEP(Boss3CurvingChain3),
    SHOT_KIND_STEP(Boss3CurvingChain4),
};

}  // namespace

void RunStage3Scene() {
  if (!BeginStageFrame(StageEntry::KeepsPause)) return;
  elDraw::ClearBackBuffer();
  AdvanceStageClock(kStage3ClockRate);

  ScrollBaseBackdrop();
  DrawStarField(200, 150);
  ScrollStage3Backdrop();

  RunPowerCapsule(kCapsuleWindows);

  // Boss phase, 10 < clock < 11100: the boss moves and is drawn; its attack timeline runs while
  // 0 < life < 780 (counter wraps at 4900); the time-out from clock 11000.
  RunBoss3Phase(RunBoss3Timeline);

  DrawPlayerShots();
  DrawOptionShotsAndShip();

  RunShotKinds(kStage3Shots);

  DrawAndDriftTrails(kStage3Trail1, kStage3Trail2, kStage3Trail3);

  PresentStageFrame();
  MoveAfterPresent();
}
