// The ship's death: five rings of explosion fragments, the ships it costs, the respawn, and the end
// of the game when the stock runs out.
#pragma once

constexpr int kFragmentGroups = 5;
constexpr int kFragmentsPerGroup = 16;
constexpr int kFragmentCount = kFragmentGroups * kFragmentsPerGroup;
constexpr int kDeathFrames = 50;     // explosion calls until the respawn starts
constexpr int kRespawnFrames = 249;  // frames in which hits are undone
constexpr float kFragmentSpeed = 280.0f;

struct ShipExplosionFragment {
  float x = 0.0f;
  float y = 0.0f;
  float aimDX = 0.0f;
  float aimDY = 0.0f;
  float startX = 0.0f;
  float startY = 0.0f;
  float heading = 0.0f;  // radians
  float speed = 0.0f;    // pixels per second
  int active = 0;
  int cellColumn = 0;
  int cellRow = 0;
  int cellCounter = 0;
  int count = 0;  // explosion calls since the last rest; the same in every record
};
extern ShipExplosionFragment ShipExplosion[kFragmentCount];

// The explosion call count at which each ring is launched.
constexpr int kFragmentLaunchCount[kFragmentGroups] = {1, 10, 20, 30, 40};

void RunShipExplosion();
void DrawShipExplosion();
void MoveShipExplosion();
// Every fragment back to rest (the game-wide reset and the end of a respawn).
void ResetShipExplosion();
int CountLiveFragments();

// Ends the game when no ship is left: the continue picture, and the stage pauses.
void CheckGameOver();
