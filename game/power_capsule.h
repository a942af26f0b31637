// The power capsule: one falling pick-up whose collection scores, counts on the panel and gives both
// capsule powers (double and wide shot).
#pragma once

struct PowerCapsuleRecord {
  float x = 0.0f;  // top-left corner of the 60x60 picture
  float y = 0.0f;
  float fallSpeed = 0.0f;  // pixels per second
  int active = 0;
  int collected = 0;
};
extern PowerCapsuleRecord PowerCapsule;

void ResetPowerCapsule();
// Starts a capsule at a random place above the play field, unless one is live.
void SpawnPowerCapsule();
void DrawPowerCapsule();
void MovePowerCapsule();
void CollectPowerCapsule();
// Whether the ship's corner lies within reach of a live capsule that has come down past y 50.
bool ShipReachesPowerCapsule();
