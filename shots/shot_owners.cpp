#include "shots/shot_owners.h"

#include "shots/shot_pool.h"
#include "stages/bosses.h"
#include "stages/squadron.h"
#include "stages/stage1_enemies.h"
#include "stages/turrets.h"

namespace shots {

ShotPoint OwnerPoint(ShotOwner owner, int index) {
  switch (owner) {
    case ShotOwner::Squadron:
      return {SquadFighters[index].x, SquadFighters[index].y};
    case ShotOwner::Boss1:
      return {Boss1.body.x, Boss1.body.y};
    case ShotOwner::Boss2:
      return {Boss2.body.x, Boss2.body.y};
    case ShotOwner::Boss3:
      return {Boss3.body.x, Boss3.body.y};
    case ShotOwner::Stage1EnemyD:
      return {Stage1EnemiesD[index].x, Stage1EnemiesD[index].y};
    case ShotOwner::Stage1EnemyE:
      return {Stage1EnemiesE[index].x, Stage1EnemiesE[index].y};
    case ShotOwner::Stage1EnemyF:
      return {Stage1EnemiesF[index].x, Stage1EnemiesF[index].y};
    case ShotOwner::Stage1EnemyG:
      return {Stage1EnemiesG[index].x, Stage1EnemiesG[index].y};
    case ShotOwner::Turret1:
      return {Turrets1[index].x, Turrets1[index].y};
    case ShotOwner::Turret2:
      return {Turrets2[index].x, Turrets2[index].y};
  }
  return {kParkedX, kParkedY};
}

}  // namespace shots
