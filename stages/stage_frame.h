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

// The last draws of every stage frame (special attack, score panel, game over) and the present.
void PresentStageFrame();

// After the present: the ship moves, the barrage runs, the player's shots fly and hit, the option
// shots fly. What happens here shows in the next frame.
void MoveAfterPresent();
