// The shape every stage frame shares: the entry and pause with the continue check, the stage clock
// with its windows, the end of the drawing with the present, and the moves after the present.
#pragma once

#include "game/game_state.h"

// The 'Y' that continues after game over, read from the last typed key.
constexpr int kContinueKey = 'Y';
constexpr int kContinueShipStock = 111;
constexpr int kContinueCapsuleCounter = 5;

// What the first frame of a stage does with a pause left from before: stage 1 clears it (and the
// game-over flag) and skips the pause test; the later stages keep it.
enum class StageEntry { ClearsPause, KeepsPause };

// Runs the entry; while paused runs only the continue check. False when the frame ends there (a
// paused frame draws and presents nothing: the screen keeps its last picture).
bool BeginStageFrame(StageEntry entry);

// The continue after game over: score 0, capsule counter 5, 111 ships, and play goes on where it
// stood with the ship respawning.
void RunContinueCheck();

// StageClock += frame time x rate.
void AdvanceStageClock(float rate);

// The stage clock's windows, tested against the live clock (a boss defeat may reset it mid-frame):
// strict for waves and boss phases, inclusive for capsules.
inline bool ClockBetween(float lo, float hi) { return lo < GameState.stageClock && GameState.stageClock < hi; }
inline bool ClockWithin(float lo, float hi) { return lo <= GameState.stageClock && GameState.stageClock <= hi; }

// The power capsule of a stage frame: drawn, moved, then started in each of the stage's capsule
// windows (inclusive, {lo, hi}) that holds the clock; a window starts one only when none is live.
void RunPowerCapsule(const float (*windows)[2], int count);
template <int N>
void RunPowerCapsule(const float (&windows)[N][2]) {
  RunPowerCapsule(windows, N);
}

// The player's side over the enemies: the four option-shot kinds, then the ship.
void DrawOptionShotsAndShip();

// The stage's three trail sets (weapon-1 volley, weapon-2 volley, barrage): each drawn, then drifted.
struct TrailSet;
void DrawAndDriftTrails(const TrailSet& volley1, const TrailSet& volley2, const TrailSet& barrage);

// One kind of a stage's shot table: its update, then its draw, on every frame whether or not it has
// live shots.
struct ShotKindStep {
  void (*update)();
  void (*draw)();
};
#define SHOT_KIND_STEP(Name) ShotKindStep{Update##Name, Draw##Name}
template <int N>
void RunShotKinds(const ShotKindStep (&kinds)[N]) {
  for (const ShotKindStep& kind : kinds) {
    kind.update();
    kind.draw();
  }
}

// The last draws of every stage frame (special attack, score panel, game over) and the present.
void PresentStageFrame();

// After the present: the ship moves, the barrage runs, the player's shots fly and hit, the option
// shots fly. What happens here shows in the next frame.
void MoveAfterPresent();
