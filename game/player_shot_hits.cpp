#include "game/player_shot_hits.h"

#include "framework/el_input.h"
#include "game/barrage.h"
#include "game/pixel.h"
#include "game/power_capsule.h"
#include "game/score.h"
#include "game/trails.h"
#include "game/volley_weapons.h"
#include "stages/bosses.h"
#include "stages/squadron.h"
#include "stages/stage1_enemies.h"
#include "stages/turrets.h"

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

// Stage-1 enemies D, E, F and G; weapons 2 and 3 score 20.
constexpr StrikeBox kStage1EnemyStrikes[] = {
    {-10.0f, 0, 30, -60, 50, 20},
    {-10.0f, 0, 30, -60, 50, 20},
    {-10.0f, 0, 30, -60, 50, 50},
    {-30.0f, 0, 70, -60, 50, 50},
};
// Turret kinds 1, 2 and 4; kind 3 takes the barrage two pixels higher.
constexpr StrikeBox kTurretStrikes[] = {
    {-10.0f, 0, 40, -60, 50, 100},
    {-10.0f, 0, 40, -60, 50, 100},
    {-10.0f, 0, 40, -60, 50, 50},
    {-30.0f, 0, 80, -60, 50, 50},
};
constexpr StrikeBox kTurret3Strikes[] = {
    kTurretStrikes[0],
    kTurretStrikes[1],
    kTurretStrikes[2],
    {-32.0f, 0, 80, -60, 50, 50},
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

// How a weapon strikes a boss: a boss still above the screen (y < 0) cannot be hit; the shot's corner
// must lie in left..right of the boss's x and 10..200 below its y (inclusive). A hit seeds the
// weapon's sparks, sets the hit flag, scores, and takes the damage rate x frame time off the life.
struct BossStrike {
  int left, right;
  int points;
  void (*sparks)();  // weapon 3 raises none
};
struct BossTarget {
  BossRecord& boss;
  void (*setHitFlag)();
  BossStrike strikes[4];  // in PlayerWeapon order
};
constexpr int kBossStrikeTop = 10;
constexpr int kBossStrikeBottom = 200;
constexpr float kVolleyDamageRate = 100.0f;
constexpr float kBarrageDamageRate = 3.0f;

const BossTarget kBoss1Target = {Boss1,
                                 SetHitFlagBoss1,
                                 {{80, 300, 100, nullptr},
                                  {80, 300, 100, SeedStage1Trail2},
                                  {80, 300, 50, SeedStage1Trail1},
                                  {80, 340, 50, SeedStage1Trail3}}};
const BossTarget kBoss3Target = {Boss3,
                                 SetHitFlagBoss3,
                                 {{80, 300, 100, nullptr},
                                  {80, 300, 100, SeedStage3Trail2},
                                  {80, 300, 50, SeedStage3Trail1},
                                  {80, 340, 50, SeedStage3Trail3}}};
const BossTarget kBoss2Target = {Boss2,
                                 SetHitFlagBoss2,
                                 {{50, 390, 250, nullptr},
                                  {50, 390, 250, SeedStage2Trail2},
                                  {50, 390, 60, SeedStage2Trail1},
                                  {50, 430, 60, SeedStage2Trail3}}};

// A volley shot (`volleyShot`, null for the barrage) that strikes the boss is stopped right after
// the hit; a barrage shot flies on.
void StrikeBoss(const BossTarget& target, PlayerWeapon weapon, int px, int py, VolleyShot* volleyShot) {
  LargeEnemyRecord& body = target.boss.body;
  if (!(body.y >= 0.0f)) return;
  const BossStrike& strike = target.strikes[static_cast<int>(weapon)];
  const int bx = ToPixel(body.x);
  const int by = ToPixel(body.y);
  if (!(bx + strike.left <= px && px <= bx + strike.right && by + kBossStrikeTop <= py &&
        py <= by + kBossStrikeBottom)) {
    return;
  }
  if (strike.sparks != nullptr) strike.sparks();
  target.setHitFlag();
  AddScore(strike.points);
  body.life -= (weapon == PlayerWeapon::Barrage ? kBarrageDamageRate : kVolleyDamageRate) * FrameTime();
  if (volleyShot != nullptr) StopVolleyShot(*volleyShot);
}

// Every enemy a shot at (px, py) can strike, in order: the squadron, the stage-1 enemies D, E, F and
// G, the four turret kinds, then the bosses 1, 3 and 2. Every test uses px, py, also after a boss has
// stopped the volley shot.
void StrikeEnemies(PlayerWeapon weapon, int px, int py, VolleyShot* volleyShot) {
  const int w = static_cast<int>(weapon);
  StrikeRecords(SquadFighters, kSquadronStrikes[w], SetHitFlagSquad, px, py);
  StrikeRecords(Stage1EnemiesD, kStage1EnemyStrikes[w], SetHitFlagStage1EnemyD, px, py);
  StrikeRecords(Stage1EnemiesE, kStage1EnemyStrikes[w], SetHitFlagStage1EnemyE, px, py);
  StrikeRecords(Stage1EnemiesF, kStage1EnemyStrikes[w], SetHitFlagStage1EnemyF, px, py);
  StrikeRecords(Stage1EnemiesG, kStage1EnemyStrikes[w], SetHitFlagStage1EnemyG, px, py);
  StrikeRecords(Turrets1, kTurretStrikes[w], SetHitFlagTurret1, px, py);
  StrikeRecords(Turrets2, kTurretStrikes[w], SetHitFlagTurret2, px, py);
  StrikeRecords(Turrets3, kTurret3Strikes[w], SetHitFlagTurret3, px, py);
  StrikeRecords(Turrets4, kTurretStrikes[w], SetHitFlagTurret4, px, py);
  StrikeBoss(kBoss1Target, weapon, px, py, volleyShot);
  StrikeBoss(kBoss3Target, weapon, px, py, volleyShot);
  StrikeBoss(kBoss2Target, weapon, px, py, volleyShot);
}

void HitTestVolley(int weaponNumber, PlayerWeapon weapon) {
  const VolleyPool pool = VolleyPoolOf(weaponNumber);
  for (int i = 0; i < pool.count; ++i) {
    VolleyShot& shot = pool.shots[i];
    if (shot.active == 0) continue;
    MoveVolleyShot(weaponNumber, i);
    StrikeEnemies(weapon, shot.x, shot.y, &shot);
  }
}

void HitTestBarrage() {
  for (int i = 0; i < kBarrageShotCount; ++i) {
    if (BarrageShots[i].active == 0) continue;
    MoveBarrageShot(i);
    StrikeEnemies(PlayerWeapon::Barrage, BarrageShots[i].x, BarrageShots[i].y, nullptr);
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
