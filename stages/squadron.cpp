#include "stages/squadron.h"

#include <cmath>
#include <cstdlib>
#include <iterator>

#include "config/geometry.h"
#include "framework/el_input.h"
#include "game/game_state.h"

SquadFighterRecord SquadFighters[kSquadFighterCount];

namespace {

constexpr float kParkedX = -500.0f;
constexpr float kParkedY = 2550.0f;
constexpr float kOneDegree = 0.017453292f;
constexpr float kFullTurn = 6.2831855f;
constexpr float kCircleSpeed = 170.0f;

void Park(SquadFighterRecord& f) {
  f.active = 0;
  f.x = kParkedX;
  f.y = kParkedY;
}

// A window of a pattern's timer (inclusive at both ends) and the velocity it sets.
struct VelocityWindow {
  float lo, hi;
  float vy, vx;
};

// A pattern driven by its timer: it falls at vy (or at a fixed speed), slides at vx to one side, and
// takes new velocities from the window that holds the timer; the timer starts over at `wrapAt`.
struct ScriptedPattern {
  float timerRate;  // timer units per second
  float wrapAt;
  float fixedFall;  // 0: fall at vy, and the windows set vy too
  const VelocityWindow* windows;
  int windowCount;
};

constexpr VelocityWindow kDriftWindows[] = {
    {0, 20, 0, 10},    {21, 40, 0, 15},   {41, 60, 0, 20},   {61, 80, 0, 30},   {81, 100, 0, 40},
    {101, 120, 0, 70}, {121, 140, 0, 120}, {141, 160, 0, 160}, {161, 380, 0, 180},
};
constexpr VelocityWindow kSwerveWindows[] = {
    {0, 10, 220, 0},    {11, 20, 220, 40},  {21, 30, 220, 110}, {31, 40, 220, 160}, {41, 50, 220, 210},
    {51, 60, 220, 255}, {61, 70, 220, 310}, {71, 80, 220, 240}, {81, 90, 220, 180}, {91, 200, 0, 90},
};
constexpr VelocityWindow kLoopWindows[] = {
    {0, 10, 320, 0},       {11, 20, 280, 40},     {21, 30, 260, 110},    {31, 40, 240, 160},
    {41, 50, 220, 180},    {51, 60, 220, 200},    {61, 70, 220, 220},    {71, 80, 220, 200},
    {81, 90, 120, 180},    {91, 100, 0, 90},      {101, 110, -90, 0},    {111, 120, -130, -30},
    {121, 130, -160, -60}, {131, 140, -190, -90}, {141, 150, -220, -180}, {151, 260, -220, -240},
};

constexpr ScriptedPattern kDrift = {10.0f, 381.0f, 120.0f, kDriftWindows, static_cast<int>(std::size(kDriftWindows))};
constexpr ScriptedPattern kSwerve = {40.0f, 201.0f, 0.0f, kSwerveWindows, static_cast<int>(std::size(kSwerveWindows))};
constexpr ScriptedPattern kLoop = {80.0f, 261.0f, 0.0f, kLoopWindows, static_cast<int>(std::size(kLoopWindows))};

// `side` is +1 for the patterns that swing right, -1 for their mirror images.
void FlyScripted(SquadFighterRecord& f, const ScriptedPattern& p, float side) {
  const float dt = FrameTime();
  f.y += (p.fixedFall != 0.0f ? p.fixedFall : f.vy) * dt;
  f.x += side * f.vx * dt;
  f.patternTimer += p.timerRate * dt;
  for (int i = 0; i < p.windowCount; ++i) {
    const VelocityWindow& w = p.windows[i];
    if (w.lo <= f.patternTimer && f.patternTimer <= w.hi) {
      if (p.fixedFall == 0.0f) f.vy = w.vy;
      f.vx = w.vx;
    }
  }
  if (f.patternTimer >= p.wrapAt) f.patternTimer = 0.0f;
}

// Pattern 1: falls at its spawn speed and slides toward the ship's column at 50 px/s.
void FlyHomingSway(SquadFighterRecord& f) {
  const float dt = FrameTime();
  f.y += f.vy * dt;
  f.x += f.vx * dt;
  if (GameState.shipX < f.x) f.vx = -50.0f;
  if (f.x < GameState.shipX) f.vx = 50.0f;
}

// Pattern 2: falls, sliding right then left at its spawn vx; between timer 40 and 41 it only falls.
void FlyZigzag(SquadFighterRecord& f) {
  const float dt = FrameTime();
  f.y += f.vy * dt;
  f.patternTimer += 10.0f * dt;
  if (0.0f <= f.patternTimer && f.patternTimer <= 20.0f) f.x += f.vx * dt;
  if (20.0f <= f.patternTimer && f.patternTimer <= 40.0f) f.x -= f.vx * dt;
  if (f.patternTimer >= 41.0f) f.patternTimer = 0.0f;
}

// Patterns 9 (counter-clockwise, turn +1) and 10 (clockwise, turn -1): one degree a frame at 170 px/s.
void FlyCircle(SquadFighterRecord& f, float turn) {
  const float dt = FrameTime();
  const float down = static_cast<float>(std::sin(static_cast<double>(f.angle)) * f.speed);
  f.y += turn * down * dt;
  const float across = static_cast<float>(std::cos(static_cast<double>(f.angle)) * f.speed);
  f.x -= turn * across * dt;
  f.speed = kCircleSpeed;
  f.angle += turn * kOneDegree;
  if (turn > 0.0f && f.angle >= kFullTurn) f.angle = kOneDegree;
  if (turn < 0.0f && f.angle <= -kFullTurn) f.angle = -kOneDegree;
}

}  // namespace

void ResetSquadFighters() {
  for (int i = 0; i < kSquadSlotsUsed; ++i) {
    SquadFighterRecord& f = SquadFighters[i];
    f.explosionCycle = f.explosionFrame = f.flameFrame = 0;
    f.kind = std::rand() % 4;
    f.x = kParkedX;
    f.y = kParkedY;
    f.vx = f.vy = 0.0f;
    f.patternTimer = 0.0f;
    f.active = f.hit = 0;
  }
}

void SpawnSquadFighter(int slot) {
  SquadFighterRecord& f = SquadFighters[slot];
  if (f.active != 0) return;
  f.x = static_cast<float>(std::rand() % 320 + 200 + Geometry::kFieldShiftX);
  f.y = -80.0f;
  f.kind = std::rand() % 4;
  f.vy = static_cast<float>(std::rand() % 70 + 70);
  f.vx = static_cast<float>(std::rand() % 20 + 20);
  f.active = 1;
  f.hit = 0;
  f.explosionFrame = 0;
  f.flameFrame = 0;
  f.patternTimer = 0.0f;
  f.angle = 0.0f;
}

void MoveSquadFighter(int slot, int pattern) {
  SquadFighterRecord& f = SquadFighters[slot];
  if (f.active != 0) {
    switch (pattern) {
      case 1: FlyHomingSway(f); break;
      case 2: FlyZigzag(f); break;
      case 3: FlyScripted(f, kDrift, 1.0f); break;
      case 4: FlyScripted(f, kDrift, -1.0f); break;
      case 5: FlyScripted(f, kSwerve, 1.0f); break;
      case 6: FlyScripted(f, kSwerve, -1.0f); break;
      case 7: FlyScripted(f, kLoop, 1.0f); break;
      case 8: FlyScripted(f, kLoop, -1.0f); break;
      case 9: FlyCircle(f, 1.0f); break;
      case 10: FlyCircle(f, -1.0f); break;
      default: break;
    }
  }
  constexpr float kWidth = static_cast<float>(Geometry::kScreenWidth);
  constexpr float kHeight = static_cast<float>(Geometry::kScreenHeight);
  if (f.x + 80.0f < 0.0f || f.x > kWidth || f.y + 80.0f < 0.0f || f.y > kHeight) Park(f);
}

void SetHitFlagSquad(int slot) { SquadFighters[slot].hit = 1; }

int CountLiveSquadFighters() {
  int n = 0;
  for (const SquadFighterRecord& f : SquadFighters) n += (f.active != 0 || f.hit != 0) ? 1 : 0;
  return n;
}
