// Stage 1: its frame in order, its clock rate and its schedule.
#include "framework/el_draw.h"
#include "framework/el_sound.h"
#include "game/backdrops.h"
#include "game/game_state.h"
#include "game/player_shots.h"
#include "game/power_capsule.h"
#include "game/scene.h"
#include "game/ship.h"
#include "shots/aimed_shot.h"
#include "shots/aimed_stream_kinds.h"
#include "stages/squadron.h"
#include "stages/squadron_waves.h"
#include "stages/stage_frame.h"

namespace {

constexpr float kStage1ClockRate = 20.0f;
constexpr int kMusicCounterWrap = 100999999;
constexpr const char* kStageMusic = "MIDI/QMX1.MID";

// The stage music starts on the first frame of the stage and again only after the counter wraps.
void RunStage1Music() {
  if (++GameState.musicCounter == 1) elSound::PlayMusic(kStageMusic, 1);
  if (GameState.musicCounter >= kMusicCounterWrap) GameState.musicCounter = 0;
}

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

}  // namespace

void RunStage1Scene() {
  if (!BeginStageFrame(StageEntry::ClearsPause)) return;
  RunStage1Music();
  elDraw::ClearBackBuffer();
  AdvanceStageClock(kStage1ClockRate);

  ScrollBaseBackdrop();
  DrawStarField(80, 80);
  ScrollStage1Backdrop();

  // Boss phase, 1460 < clock < 10100: MoveBoss1, DrawBoss1Damage; the boss-1 attack timeline while
  // 0 < life < 1010 (counter wraps at 4300); the time-out from clock 10000.

  DrawPlayerShots();

  for (int slot = 0; slot < kSquadSlotsUsed; ++slot) {
    MoveSquadFighter(slot, kSquadPatterns[slot]);
    DrawSquadFighter(slot, kSquadStyles[slot]);
  }
  // Enemies D and F, turrets 1..4, enemies E and G move and draw here.

  // Wave schedule, clock 120..1500.
  RunSquadWaves(kSquadWaves);

  DrawPowerCapsule();
  MovePowerCapsule();
  for (const auto& window : kCapsuleWindows) {
    if (ClockWithin(window[0], window[1])) SpawnPowerCapsule();
  }

  // DrawOptionShots1 to DrawOptionShots4 here.
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
  // The boss-1 fans, falling pairs, formations and spirals here.
  for (int slot = 0; slot < 9; ++slot) {
    UpdateSquadAimedShot1(slot);
    DrawSquadAimedShot1(slot, kSquadShotStyles[slot]);
  }
  for (const auto& stream : kSquadStreamSlots) {
    UpdateSquadAimedStream1(stream[0]);
    DrawSquadAimedStream1(stream[0], stream[1]);
  }
  // The turret, enemy E and G dropped-shot and enemy D and F fixed-stream kinds here.

  // Trails: DrawStage1Trail1, DriftStage1Trail1 .. DrawStage1Trail3, DriftStage1Trail3.

  PresentStageFrame();
  MoveAfterPresent();
}
