#include "game/player_shot_hits.h"

#include "game/barrage.h"
#include "game/pixel.h"
#include "game/power_capsule.h"
#include "game/score.h"
#include "game/volley_weapons.h"
#include "stages/squadron.h"

namespace {

constexpr int kCapsulePoints = 500;

// How a weapon strikes one kind of enemy record: the record's y must be at least `threshold`; the
// shot's corner must lie in left..right of the record's x and in top..bottom of its y (inclusive).
struct StrikeBox {
  float threshold;
  int left, right;
  int top, bottom;
  int points;
};

// Per weapon, in PlayerWeapon order: weapon 3, weapon 2, weapon 1, barrage.
constexpr StrikeBox kSquadronStrikes[] = {
    {-10.0f, -40, 50, -60, 50, 100},
    {-10.0f, -40, 50, -60, 50, 100},
    {-10.0f, -40, 50, -60, 50, 100},
    {-10.0f, -40, 50, -60, 50, 100},
};

// Tests one shot against every record of a table, active or not (records at rest lie outside every
// box); each record struck gets its hit flag and the points, on every frame the shot is inside.
template <class Record, int N>
void StrikeRecords(Record (&records)[N], const StrikeBox& box, void (*setHitFlag)(int), int px, int py) {
  for (int i = 0; i < N; ++i) {
    const Record& r = records[i];
    if (!(r.y >= box.threshold)) continue;
    const int ex = ToPixel(r.x);
    const int ey = ToPixel(r.y);
    if (ex + box.left <= px && px <= ex + box.right && ey + box.top <= py && py <= ey + box.bottom) {
      setHitFlag(i);
      AddScore(box.points);
    }
  }
}

// Every enemy a shot at (px, py) can strike, in order. The stage-1 enemies D, E, F and G, the four
// turret kinds and the bosses 1, 3 and 2 follow the squadron here as they are built.
void StrikeEnemies(PlayerWeapon weapon, int px, int py) {
  const int w = static_cast<int>(weapon);
  StrikeRecords(SquadFighters, kSquadronStrikes[w], SetHitFlagSquad, px, py);
}

void HitTestVolley(int weaponNumber, PlayerWeapon weapon) {
  const VolleyPool pool = VolleyPoolOf(weaponNumber);
  for (int i = 0; i < pool.count; ++i) {
    if (pool.shots[i].active == 0) continue;
    MoveVolleyShot(weaponNumber, i);
    StrikeEnemies(weapon, pool.shots[i].x, pool.shots[i].y);
  }
}

void HitTestBarrage() {
  for (int i = 0; i < kBarrageShotCount; ++i) {
    if (BarrageShots[i].active == 0) continue;
    MoveBarrageShot(i);
    StrikeEnemies(PlayerWeapon::Barrage, BarrageShots[i].x, BarrageShots[i].y);
  }
}

}  // namespace

void HitTestPlayerShots() {
  if (ShipReachesPowerCapsule()) {
    CollectPowerCapsule();
    AddScore(kCapsulePoints);
  }
  HitTestVolley(3, PlayerWeapon::Volley3);
  HitTestVolley(2, PlayerWeapon::Volley2);
  HitTestVolley(1, PlayerWeapon::Volley1);
  HitTestBarrage();
}
