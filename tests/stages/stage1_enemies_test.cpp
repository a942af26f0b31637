// Stage-1 enemies D, E, F and G: spawns, spawners, paths, the cull, the destruction, and the points
// the player's shots score on them.
#include "stages/stage1_enemies.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "framework/el_input.h"
#include "game/barrage.h"
#include "game/game_state.h"
#include "game/player_shot_hits.h"
#include "game/power_capsule.h"
#include "game/volley_weapons.h"
#include "stages/squadron.h"
#include "stages/strike_shots.h"

namespace {

using strike_shots::BarrageShotAt;
using strike_shots::StillVolleyShot;

class Stage1EnemyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetStage1EnemyD();
    ResetStage1EnemyE();
    ResetStage1EnemyF();
    ResetStage1EnemyG();
    elSystem::FrameClock.frameTime = 0.1f;
  }
};

TEST_F(Stage1EnemyTest, RestStateIsParkedAndIdle) {
  for (const Stage1EnemyRecord& e : Stage1EnemiesG) {
    EXPECT_EQ(e.x, -500.0f);
    EXPECT_EQ(e.y, 2550.0f);
    EXPECT_EQ(e.active + e.hit + e.spawnCounter + e.explosionCycle + e.explosionFrame, 0);
  }
}

TEST_F(Stage1EnemyTest, RandomSpawnStartsOnlyFreeRecordsVxFirst) {
  Stage1EnemiesD[0].active = 1;
  Stage1EnemiesD[0].x = 200.0f;
  Stage1EnemiesD[1].explosionCycle = 1;  // culled while exploding: the spawn leaves the count
  Stage1EnemiesD[1].hit = 1;
  std::srand(11);
  const int vx = std::rand() % 80 + 70;
  const int vy = std::rand() % 80 + 80;
  std::srand(11);
  SpawnStage1EnemyD();
  EXPECT_EQ(Stage1EnemiesD[0].x, 200.0f) << "a live record is skipped";
  const Stage1EnemyRecord& d = Stage1EnemiesD[1];
  EXPECT_EQ(d.x, 90.0f);
  EXPECT_EQ(d.y, 60.0f);
  EXPECT_EQ(d.vx, static_cast<float>(vx));
  EXPECT_EQ(d.vy, static_cast<float>(vy));
  EXPECT_EQ(d.active, 1);
  EXPECT_EQ(d.hit, 0);
  EXPECT_EQ(d.explosionCycle, 1);

  SpawnStage1EnemyF();
  for (const Stage1EnemyRecord& f : Stage1EnemiesF) {
    EXPECT_EQ(f.x, 620.0f);
    EXPECT_GE(f.vx, 70.0f);
    EXPECT_LE(f.vx, 149.0f);
    EXPECT_GE(f.vy, 80.0f);
    EXPECT_LE(f.vy, 159.0f);
  }
}

TEST_F(Stage1EnemyTest, PathsAtFixedFrameTimes) {
  SpawnStage1EnemyD();
  SpawnStage1EnemyF();
  Stage1EnemiesD[0].vx = Stage1EnemiesF[0].vx = 100.0f;
  Stage1EnemiesD[0].vy = Stage1EnemiesF[0].vy = 120.0f;
  SpawnStage1EnemyE(2);
  SpawnStage1EnemyG(4);
  strike_shots::Repeat(5, [] {
    MoveStage1EnemyD();
    MoveStage1EnemyF();
    MoveStage1EnemyE();
    MoveStage1EnemyG();
  });
  // Half a second: D down and right, F down and left, E and G at 200 px/s on both axes.
  EXPECT_FLOAT_EQ(Stage1EnemiesD[0].x, 140.0f);
  EXPECT_FLOAT_EQ(Stage1EnemiesD[0].y, 120.0f);
  EXPECT_FLOAT_EQ(Stage1EnemiesF[0].x, 570.0f);
  EXPECT_FLOAT_EQ(Stage1EnemiesF[0].y, 120.0f);
  EXPECT_FLOAT_EQ(Stage1EnemiesE[2].x, 190.0f);
  EXPECT_FLOAT_EQ(Stage1EnemiesE[2].y, 120.0f);
  EXPECT_FLOAT_EQ(Stage1EnemiesG[4].x, 520.0f);
  EXPECT_FLOAT_EQ(Stage1EnemiesG[4].y, 120.0f);
  EXPECT_EQ(Stage1EnemiesE[0].active, 0);
}

TEST_F(Stage1EnemyTest, CullIsStrictAndDAndFParkMidField) {
  elSystem::FrameClock.frameTime = 0.0f;
  struct Case {
    float x, y;
    bool culled;
  };
  const Case cases[] = {{90, 300, false},  {89.99f, 300, true},  {620, 300, false}, {620.01f, 300, true},
                        {300, -90, false}, {300, -90.01f, true}, {300, 600, false}, {300, 600.01f, true}};
  for (const Case& c : cases) {
    for (Stage1EnemyRecord* e : {&Stage1EnemiesD[0], &Stage1EnemiesE[0]}) {
      e->active = 1;
      e->x = c.x;
      e->y = c.y;
    }
    MoveStage1EnemyD();
    MoveStage1EnemyE();
    EXPECT_EQ(Stage1EnemiesD[0].active, c.culled ? 0 : 1) << c.x << "," << c.y;
    EXPECT_EQ(Stage1EnemiesE[0].active, c.culled ? 0 : 1) << c.x << "," << c.y;
    if (c.culled) {
      EXPECT_EQ(Stage1EnemiesD[0].x, 355.0f);
      EXPECT_EQ(Stage1EnemiesE[0].x, -500.0f);
      EXPECT_EQ(Stage1EnemiesD[0].y, 2550.0f);
    }
  }
}

TEST_F(Stage1EnemyTest, SpawnerOffersEachRecordOnceACycle) {
  for (int call = 1; call <= 600; ++call) {
    TickStage1EnemyESpawner();
    for (int k = 0; k < kStage1EnemyECount; ++k) {
      const bool due = call >= 100 * (k + 1);
      EXPECT_EQ(Stage1EnemiesE[k].active, due ? 1 : 0) << "call " << call << " record " << k;
    }
    if (call == 500) {
      EXPECT_EQ(Stage1EnemiesE[4].spawnCounter, 500);
    }
    if (call == 501) {
      EXPECT_EQ(Stage1EnemiesE[4].spawnCounter, 0) << "past 500 the counters wrap";
    }
  }
  // A record whose turn comes while it still flies is passed over until the next cycle.
  EXPECT_FLOAT_EQ(Stage1EnemiesE[0].x, 90.0f);
  Stage1EnemiesG[1].active = 1;
  Stage1EnemiesG[1].x = 300.0f;
  strike_shots::Repeat(200, TickStage1EnemyGSpawner);
  EXPECT_EQ(Stage1EnemiesG[1].x, 300.0f);
  EXPECT_EQ(Stage1EnemiesG[0].x, 620.0f);
  EXPECT_EQ(Stage1EnemiesG[0].vx, -200.0f);
}

TEST_F(Stage1EnemyTest, DestructionLastsSixteenFramesAndOnlyFAndGStop) {
  SpawnStage1EnemyD();
  SpawnStage1EnemyF();
  Stage1EnemiesD[1].explosionCycle = 0;
  SetHitFlagStage1EnemyD(1);
  SetHitFlagStage1EnemyF(1);
  const float dVx = Stage1EnemiesD[1].vx;
  for (int frame = 1; frame <= 16; ++frame) {
    DrawStage1EnemyD();
    DrawStage1EnemyF();
    if (frame < 16) {
      EXPECT_EQ(Stage1EnemiesD[1].explosionFrame, frame % 8) << frame;
      EXPECT_EQ(Stage1EnemiesD[1].explosionCycle, frame / 8) << frame;
      EXPECT_EQ(Stage1EnemiesD[1].active, 1) << frame;
    }
  }
  EXPECT_EQ(Stage1EnemiesD[0].hit, 0) << "the other record flies on";
  for (const Stage1EnemyRecord* e : {&Stage1EnemiesD[1], &Stage1EnemiesF[1]}) {
    EXPECT_EQ(e->active, 0);
    EXPECT_EQ(e->hit, 0);
    EXPECT_EQ(e->explosionFrame + e->explosionCycle, 0);
    EXPECT_EQ(e->x, -500.0f);
    EXPECT_EQ(e->y, 2550.0f);
  }
  EXPECT_EQ(Stage1EnemiesD[1].vx, dVx) << "D keeps its speed through the destruction";
  EXPECT_EQ(Stage1EnemiesF[1].vx, 0.0f);
  EXPECT_EQ(Stage1EnemiesF[1].vy, 0.0f);
}

TEST_F(Stage1EnemyTest, EnemyCulledWhileExplodingFreezesItsAnimation) {
  SpawnStage1EnemyE(0);
  SetHitFlagStage1EnemyE(0);
  strike_shots::Repeat(3, DrawStage1EnemyE);
  Stage1EnemiesE[0].y = 700.0f;
  MoveStage1EnemyE();
  strike_shots::Repeat(5, DrawStage1EnemyE);
  EXPECT_EQ(Stage1EnemiesE[0].explosionFrame, 3);
  EXPECT_EQ(Stage1EnemiesE[0].hit, 1) << "the flag stays until the record is spawned again";
  SpawnStage1EnemyE(0);
  EXPECT_EQ(Stage1EnemiesE[0].hit, 0);
  EXPECT_EQ(Stage1EnemiesE[0].explosionFrame, 0);
}

// The player's shots against the stage-1 enemies: box 0..30 (barrage 0..70) by -60..50, the points
// of each weapon, and the thresholds.
class Stage1EnemyStrikeTest : public Stage1EnemyTest {
 protected:
  void SetUp() override {
    Stage1EnemyTest::SetUp();
    strike_shots::ClearTheField();
  }
  static void Place(Stage1EnemyRecord& e, float x, float y) {
    e.active = 1;
    e.x = x;
    e.y = y;
  }
};

TEST_F(Stage1EnemyStrikeTest, EachWeaponScoresItsPoints) {
  struct Case {
    VolleyShot* pool;
    int points;
  };
  const Case cases[] = {{VolleyShots1, 50}, {VolleyShots2, 20}, {VolleyShots3, 20}};
  for (const Case& c : cases) {
    SetUp();
    Place(Stage1EnemiesG[3], 300.0f, 300.0f);
    StillVolleyShot(c.pool, 330, 350);  // the far corner of the box
    HitTestPlayerShots();
    EXPECT_EQ(Stage1EnemiesG[3].hit, 1);
    EXPECT_EQ(GameState.score, c.points);
    EXPECT_EQ(GameState.highScore, c.points);
  }
  SetUp();
  Place(Stage1EnemiesD[0], 300.0f, 300.0f);
  StillVolleyShot(VolleyShots1, 331, 300);
  HitTestPlayerShots();
  EXPECT_EQ(Stage1EnemiesD[0].hit, 0) << "one pixel right of the box";
  // The barrage reaches 70 to the right and enemies as high as y -30; it scores 50.
  SetUp();
  Place(Stage1EnemiesF[1], 450.0f, -30.0f);  // clear of the bosses' boxes round (0, 0)
  BarrageShotAt(520, 20);
  HitTestPlayerShots();
  EXPECT_EQ(Stage1EnemiesF[1].hit, 1);
  EXPECT_EQ(GameState.score, 50);
  // A weapon-1 shot ignores an enemy above y -10, whatever its flags.
  SetUp();
  Place(Stage1EnemiesE[2], 300.0f, -10.5f);
  StillVolleyShot(VolleyShots1, 300, -20);
  HitTestPlayerShots();
  EXPECT_EQ(Stage1EnemiesE[2].hit, 0);
}

TEST_F(Stage1EnemyStrikeTest, ExplodingEnemyIsStruckAgainEveryFrame) {
  Place(Stage1EnemiesD[1], 300.0f, 300.0f);
  Stage1EnemiesD[1].hit = 1;
  StillVolleyShot(VolleyShots1, 310, 310);
  HitTestPlayerShots();
  HitTestPlayerShots();
  EXPECT_EQ(GameState.score, 100);
  EXPECT_EQ(VolleyShots1[1].active, 1) << "the shot flies on";
}

}  // namespace
