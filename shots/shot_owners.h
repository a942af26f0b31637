// The emitters the enemy shots start from: a squadron fighter, a stage-1 enemy or a turret by index,
// or a boss.
#pragma once

namespace shots {

enum class ShotOwner : int {
  Squadron,
  Boss1,
  Boss2,
  Boss3,
  Stage1EnemyD,
  Stage1EnemyE,
  Stage1EnemyF,
  Stage1EnemyG,
  Turret1,
  Turret2,
};

struct ShotPoint {
  float x, y;
};

// The owner's present position (top-left corner of its sprite); `index` picks the fighter, enemy or
// turret record.
ShotPoint OwnerPoint(ShotOwner owner, int index);

}  // namespace shots
