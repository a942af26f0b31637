// The formation template: groups of three, five or seven falling-pair records released together in an
// arc below a boss, falling while their members drift apart. Each frame the group's drift block (one
// step per member) runs once per member of the group, on every group, live or parked, so the members
// spread at their listed speeds times the group size. A Launch rewrites the height of every member of
// its group, so members still falling from the last volley jump back up when the group fires again.
#pragma once

#include "shots/falling_pair.h"

namespace shots {

struct FormationKind {
  FallingPairShot* pool;  // groups x size records
  int groups;
  int size;
  ShotOwner owner;
  float emitX;            // from the owner's x
  const float* memberX;   // from emitX, for the kinds that place every member across (else nullptr)
  const float* memberY;   // from the owner's y, one per member
  int cycle;
  const int* marks;  // one per group
  float fall;
  float sideSpeed;           // px/s every live record also moves sideways (0 for most kinds)
  const float* memberDrift;  // px/s per member, one drift step
  ContactBox box;
  FallingLook look;
};

void ResetFormation(const FormationKind& kind);
void TickFormation(const FormationKind& kind);
// Starts record `index` of the group that begins at `first` and lifts the whole group to its start
// heights.
void LaunchFormation(const FormationKind& kind, int index, int first);
void UpdateFormation(const FormationKind& kind);
void DrawFormation(const FormationKind& kind);

}  // namespace shots
