// The ship's keys, its movement inside the flight box with the bank animation, and its drawing.
#include "game/ship.h"

#include "config/ship_geometry.h"
#include "framework/el_draw.h"
#include "framework/el_input.h"
#include "framework/el_sound.h"
#include "framework/el_system.h"
#include "game/game_state.h"
#include "game/option_shots.h"
#include "game/pictures.h"
#include "game/pixel.h"
#include "game/ship_death.h"
#include "game/volley_weapons.h"
#include "platform/win_types.h"

ShipControlRecord ShipControls;

namespace {

// Polled in this order.
constexpr int kShipKeyCodes[ShipKeyCount] = {
    plat::VK_LEFT, plat::VK_RIGHT, plat::VK_UP, plat::VK_DOWN, 'C', 'V', 'N', 'B', plat::VK_SHIFT, plat::VK_CONTROL,
};

// A key acts from the second frame it is down.
bool Held(ShipKey key) { return ShipControls.keys[key] == elInput::KeyHeld; }

float Clamp(float v, float lo, float hi) { return v < lo ? lo : v > hi ? hi : v; }

}  // namespace

void PollShipKeys() {
  for (int k = 0; k < ShipKeyCount; ++k) elInput::UpdateKey(kShipKeyCodes[k], ShipControls.keys[k]);
  const bool inGame = GameState.ControlMode == 1;
  // Both sideways keys: Right wins. Both vertical keys: Down wins.
  if (Held(KeyLeft)) {
    GameState.bankStep = +1;
    if (inGame) GameState.shipVelX = -kShipSpeed;
    ShipControls.optionShot = kOptionShotAfterSideways;
  }
  if (Held(KeyRight)) {
    GameState.bankStep = -1;
    if (inGame) GameState.shipVelX = kShipSpeed;
    ShipControls.optionShot = kOptionShotAfterSideways;
  }
  if (Held(KeyUp) && inGame) GameState.shipVelY = -kShipSpeed;
  if (Held(KeyDown) && inGame) GameState.shipVelY = kShipSpeed;
  // C with Shift (or V with Ctrl) advances the weapon twice in the frame.
  if (inGame && (Held(KeyShift) || elSystem::Framework.leftButton != 0)) TickShotVolley1();
  if (inGame && (Held(KeyCtrl) || elSystem::Framework.rightButton != 0)) {
    TickShotVolley2();
    SpawnOptionShot1(ShipControls.optionRow, ShipControls.optionShot);
    SpawnOptionShot2(ShipControls.optionRow, ShipControls.optionShot);
    SpawnOptionShot3(ShipControls.optionRow, ShipControls.optionShot);
    SpawnOptionShot4(ShipControls.optionRow, ShipControls.optionShot);
  }
  if (inGame && Held(KeyC)) TickShotVolley1();
  if (inGame && Held(KeyV)) TickShotVolley2();
  if (Held(KeyN) && GameState.barrageRunning == 0) {
    GameState.barrageRunning = 1;
    GameState.barrageCounter = 0;
  }
  if (inGame && Held(KeyB)) TickShotVolley3();
}

void MoveShip() {
  GameState.bankFrame += GameState.bankStep;
  if (GameState.bankFrame < 0) {
    GameState.bankFrame = 0;
  } else if (GameState.bankFrame > kShipBankCells - 1) {
    GameState.bankFrame = kShipBankCells - 1;
  } else if (GameState.bankFrame == kShipBankLevel) {
    GameState.bankStep = 0;
  }
  GameState.shipVelX = 0.0f;
  GameState.shipVelY = 0.0f;
  PollShipKeys();
  GameState.shipX = Clamp(GameState.shipX + FrameTime() * GameState.shipVelX, Geometry::kShipMinX, Geometry::kShipMaxX);
  GameState.shipY = Clamp(GameState.shipY + FrameTime() * GameState.shipVelY, Geometry::kShipMinY, Geometry::kShipMaxY);
  // With every movement key up, a full bank turns back and walks to level flight, where it stops.
  const bool fullBank = GameState.bankFrame == 0 || GameState.bankFrame == kShipBankCells - 1;
  if (GameState.shipVelX == 0.0f && GameState.shipVelY == 0.0f && fullBank) GameState.bankStep = -GameState.bankStep;
}

void DrawShip() {
  const int cell = GameState.bankFrame * kShipWidth;
  elDraw::DrawObject(ToPixel(GameState.shipX), ToPixel(GameState.shipY), Slot(Pic::MYME1), cell, 0, cell + kShipWidth,
                     kShipHeight);
  if (GameState.shipAlive == 1) {
    if (GameState.respawning == 1 && ++GameState.respawnCounter == kRespawnFrames) {
      GameState.respawnCounter = 0;
      GameState.shipAlive = 1;
      GameState.respawning = 0;
      ResetShipExplosion();
    }
    return;
  }
  // A hit while respawning is undone; the invincible ship stays flagged dead and never explodes.
  if (GameState.respawning == 1) {
    GameState.shipAlive = 1;
    return;
  }
  if (GameState.invincible == 1) return;
  RunShipExplosion();
  DrawShipExplosion();
  MoveShipExplosion();
  elSound::Play(SoundHandles.bomb, -1);
  GameState.doubleShot = 0;
  GameState.wideShot = 0;
  GameState.capsulesSpawned = 0;
}
