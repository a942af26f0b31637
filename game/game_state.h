// GameState: the globals every part of the game shares.
#pragma once

#include "config/geometry.h"

struct GameStateRecord {
  int score = 0;
  int highScore = 0;
  int shipStock = 0;
  int capsuleCounter = 0;
  float stageClock = 0.0f;
  float shipX = 0.0f;
  float shipY = 0.0f;
  float shipVelX = 0.0f;
  float shipVelY = 0.0f;
  int bankFrame = 0;
  int bankStep = 0;
  int musicCounter = 0;
  int shipAlive = 0;
  int respawning = 0;
  int respawnCounter = 0;
  int invincible = 0;
  int paused = 0;
  int gameOver = 0;
  int ControlMode = 0;
  int barrageRunning = 0;
  int doubleShot = 0;
  int wideShot = 0;
  int capsulesSpawned = 0;
  // The volley and barrage sequencers and the muzzle flashes they raise for the next draw.
  int volleyCounter1 = 0;
  int volleyCounter2 = 0;
  int volleyCounter3 = 0;
  int barrageCounter = 0;
  int muzzleFlash1 = 0;
  int muzzleFlash2 = 0;
  int muzzleFlash3 = 0;
  // Raised by every game-wide reset; no weapon reads them.
  int volleyArmed1 = 0;
  int volleyArmed2 = 0;
};
extern GameStateRecord GameState;
