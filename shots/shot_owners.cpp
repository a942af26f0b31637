#include "shots/shot_owners.h"

#include "shots/shot_pool.h"
#include "stages/squadron.h"

namespace shots {

ShotPoint StandInBossPoint[3] = {{kParkedX, kParkedY}, {kParkedX, kParkedY}, {kParkedX, kParkedY}};

ShotPoint OwnerPoint(ShotOwner owner, int index) {
  switch (owner) {
    case ShotOwner::Squadron:
      return {SquadFighters[index].x, SquadFighters[index].y};
    // The boss bodies take the place of the stand-ins when the bosses are built.
    case ShotOwner::Boss1:
      return StandInBossPoint[0];
    case ShotOwner::Boss2:
      return StandInBossPoint[1];
    case ShotOwner::Boss3:
      return StandInBossPoint[2];
  }
  return {kParkedX, kParkedY};
}

}  // namespace shots
