// The emitters the enemy shots start from: a squadron fighter by index, or a boss.
#pragma once

namespace shots {

enum class ShotOwner : int { Squadron, Boss1, Boss2, Boss3 };

struct ShotPoint {
  float x, y;
};

// The owner's present position (top-left corner of its sprite); `index` picks the squadron fighter.
ShotPoint OwnerPoint(ShotOwner owner, int index);

// Stand-in positions of the three bosses, read until the boss records exist (parked until then).
extern ShotPoint StandInBossPoint[3];

}  // namespace shots
