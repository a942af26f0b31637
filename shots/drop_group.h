// The drop-group template: a small cluster of shots dropped together from one point of a boss; the
// members fall at one speed and spread apart sideways, each at its own member speed.
#pragma once

#include "shots/shot_owners.h"
#include "shots/shot_pool.h"

// One member of a drop group (the same fields as a falling-pair shot).
struct DropGroupShot {
  int cell = 0;     // animation cell, 0..15
  int tickCount = 0;  // not used by the drop groups: stays 0
  float x = 0.0f;
  float y = 0.0f;
  float sideSpeed = 0.0f;  // not used by the drop groups: stays 0
  float fallSpeed = 0.0f;  // px/s, written by every Update
  int active = 0;
};

namespace shots {

struct DropGroupKind {
  DropGroupShot* pool;
  int members;
  ShotOwner owner;
  float spawnX, spawnY;       // drop point from the owner's position
  float fallSpeed;            // px/s
  const float* memberSpeeds;  // px/s sideways per member, minus is left
};

// Rest state of a group's members (each draws its animation cell from rand()).
void ResetDropGroup(const DropGroupKind& kind);
// Places every member at rest at the drop point.
void SpawnDropGroup(const DropGroupKind& kind);
// Drifts, drops, culls and tests the members. The drift of the whole group runs once per member, so
// each member moves sideways at members x its member speed.
void UpdateDropGroup(const DropGroupKind& kind);
// Draws every member, live or not, and advances its animation cell.
void DrawDropGroup(const DropGroupKind& kind);

}  // namespace shots
