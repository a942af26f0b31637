// The player's ship: its keys, its movement with the bank animation, and its drawing.
#pragma once

constexpr float kShipSpeed = 160.0f;   // pixels per second on each axis
constexpr int kShipBankLevel = 3;      // the level-flight cell of the ship strip
constexpr int kShipBankCells = 7;
constexpr int kShipWidth = 60;
constexpr int kShipHeight = 70;
// The shot index handed to the option launches once a sideways key has been held.
constexpr int kOptionShotAfterSideways = 5000;

enum ShipKey : int { KeyLeft, KeyRight, KeyUp, KeyDown, KeyC, KeyV, KeyN, KeyB, KeyShift, KeyCtrl, ShipKeyCount };

struct ShipControlRecord {
  int keys[ShipKeyCount] = {};  // the KeyState of each key, advanced once per poll
  int optionRow = 0;            // always 0
  int optionShot = 0;           // 0 until a sideways key is held, then kOptionShotAfterSideways for good
};
extern ShipControlRecord ShipControls;

// Reads the keys and mouse buttons: velocity, bank direction, weapons and the barrage.
void PollShipKeys();
// Once per frame after the present: bank step, keys, movement inside the flight box.
void MoveShip();
// Draws the ship and runs its death, respawn and invulnerability.
void DrawShip();
