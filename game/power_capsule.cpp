#include "game/power_capsule.h"

#include <cstdlib>

#include "config/geometry.h"
#include "framework/el_draw.h"
#include "framework/el_input.h"
#include "framework/el_sound.h"
#include "game/game_state.h"
#include "game/pictures.h"
#include "game/pixel.h"

PowerCapsuleRecord PowerCapsule;

void ResetPowerCapsule() {
  PowerCapsule.x = -500.0f;
  PowerCapsule.y = 2550.0f;
  PowerCapsule.fallSpeed = 0.0f;
  PowerCapsule.active = 0;
  PowerCapsule.collected = 0;
}

namespace {
void PutCapsuleToRest() {
  PowerCapsule.active = 0;
  PowerCapsule.x = -500.0f;
  PowerCapsule.y = 2550.0f;
}
}  // namespace

void SpawnPowerCapsule() {
  if (PowerCapsule.active != 0) return;
  PowerCapsule.x = static_cast<float>(std::rand() % 320 + 210 + Geometry::kFieldShiftX);
  PowerCapsule.y = -60.0f;
  PowerCapsule.fallSpeed = static_cast<float>(std::rand() % 130 + 100);
  PowerCapsule.active = 1;
  PowerCapsule.collected = 0;
  GameState.capsulesSpawned += 1;
}

void MovePowerCapsule() {
  if (PowerCapsule.active != 0) PowerCapsule.y += PowerCapsule.fallSpeed * FrameTime();
  if (PowerCapsule.y > static_cast<float>(Geometry::kScreenHeight)) PutCapsuleToRest();
}

void CollectPowerCapsule() {
  PowerCapsule.collected = 1;
  elSound::Play(SoundHandles.bomb, -1);
}

// A capsule collected in one frame is counted, and gives its powers, in the next frame's draw.
void DrawPowerCapsule() {
  if (PowerCapsule.collected > 0) {
    const int n = GameState.capsulesSpawned;
    GameState.capsuleCounter += (n == 1 || n == 2) ? 1 : 2;
    if (n == 0) GameState.capsulesSpawned = 1;
    GameState.doubleShot = 1;
    GameState.wideShot = 1;
    PowerCapsule.collected = 0;
    PutCapsuleToRest();
    return;
  }
  elDraw::DrawAdditive(ToPixel(PowerCapsule.x), ToPixel(PowerCapsule.y), Slot(Pic::SPOWER1), 0, 0, 60, 60);
}

bool ShipReachesPowerCapsule() {
  if (PowerCapsule.active == 0 || !(PowerCapsule.y > 50.0f)) return false;
  const int sx = ToPixel(GameState.shipX);
  const int sy = ToPixel(GameState.shipY);
  const int cx = ToPixel(PowerCapsule.x);
  const int cy = ToPixel(PowerCapsule.y);
  return cx - 60 <= sx && sx <= cx + 60 && cy - 60 <= sy && sy <= cy + 60;
}
