#include "stages/stage_frame.h"

#include "framework/el_draw.h"
#include "framework/el_input.h"
#include "game/barrage.h"
#include "game/option_flight.h"
#include "game/option_shots.h"
#include "game/player_shot_hits.h"
#include "game/power_capsule.h"
#include "game/scene.h"
#include "game/score.h"
#include "game/ship.h"
#include "game/ship_death.h"
#include "game/special_attack.h"
#include "game/trails.h"
#include "game/volley_weapons.h"

bool BeginStageFrame(StageEntry entry) {
  if (entry == StageEntry::ClearsPause && SceneState.sceneEntered == 1) {
    GameState.paused = 0;
    GameState.gameOver = 0;
    return true;
  }
  if (GameState.paused != 0) {
    RunContinueCheck();
    return false;
  }
  return true;
}

void RunContinueCheck() {
  if (GameState.gameOver != 1 || GameState.paused != 1 || elInput::LastTypedKey != kContinueKey) return;
  GameState.paused = 0;
  GameState.gameOver = 0;
  GameState.score = 0;
  GameState.capsuleCounter = kContinueCapsuleCounter;
  GameState.shipStock = kContinueShipStock;
  GameState.respawning = 1;
  GameState.shipAlive = 1;
}

void AdvanceStageClock(float rate) { GameState.stageClock += FrameTime() * rate; }

void RunPowerCapsule(const float (*windows)[2], int count) {
  DrawPowerCapsule();
  MovePowerCapsule();
  for (int i = 0; i < count; ++i) {
    if (ClockWithin(windows[i][0], windows[i][1])) SpawnPowerCapsule();
  }
}

void DrawOptionShotsAndShip() {
  DrawOptionShots1();
  DrawOptionShots2();
  DrawOptionShots3();
  DrawOptionShots4();
  DrawShip();
}

void DrawAndDriftTrails(const TrailSet& volley1, const TrailSet& volley2, const TrailSet& barrage) {
  DrawTrail(volley1);
  DriftTrail(volley1);
  DrawTrail(volley2);
  DriftTrail(volley2);
  DrawTrail(barrage);
  DriftTrail(barrage);
}

void PresentStageFrame() {
  RunSpecialAttack();
  DrawScorePanel();
  CheckGameOver();
  elDraw::SetVSyncWait(1);
  elDraw::Present();
}

void MoveAfterPresent() {
  MoveShip();
  if (GameState.barrageRunning == 1) TickBarrage();
  HitTestPlayerShots();
  FlyOptionShots1();
  FlyOptionShots2();
  FlyOptionShots3();
  FlyOptionShots4();
}
