// Turrets: the spawner's ticks and marks, the legs of the path, the leave edges, the fire of kinds 1
// and 2, the explosion, and the points the player's shots score on them.
#include "stages/turrets.h"

#include <gtest/gtest.h>

#include "framework/el_input.h"
#include "game/barrage.h"
#include "game/game_state.h"
#include "game/player_shot_hits.h"
#include "game/power_capsule.h"
#include "game/volley_weapons.h"
#include "shots/aimed_shot.h"
#include "stages/squadron.h"
#include "stages/strike_shots.h"

namespace {

using strike_shots::BarrageShotAt;
using strike_shots::StillVolleyShot;

class TurretTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetTurret1();
    ResetTurret2();
    ResetTurret3();
    ResetTurret4();
    ResetTurret1AimedShot1();
    ResetTurret2AimedShot1();
    GameState.shipX = 370.0f;
    GameState.shipY = 520.0f;
    GameState.shipAlive = 1;
    elSystem::FrameClock.frameTime = 0.2f;
  }
};

TEST_F(TurretTest, ResetWaitsAboveTheFieldAndTheFirstMoveParksTheOthers) {
  for (const TurretRecord& t : Turrets1) {
    EXPECT_EQ(t.x, -500.0f);
    EXPECT_EQ(t.y, -500.0f);
    EXPECT_EQ(t.active, 0);
  }
  MoveTurret1();
  MoveTurret2();
  MoveTurret3();
  EXPECT_EQ(Turrets1[0].y, -500.0f) << "(-500, -500) is inside kind 1's edges";
  EXPECT_EQ(Turrets2[0].y, 2550.0f) << "left of kind 2's edge";
  EXPECT_EQ(Turrets3[0].y, 2550.0f) << "above kind 3's edge";
}

TEST_F(TurretTest, SpawnerStartsFourRecordsAndNeverTheFifth) {
  strike_shots::Repeat(29, TickTurret1Spawner);
  EXPECT_EQ(Turrets1[0].active, 0) << "a window shorter than 30 frames starts nothing";
  TickTurret1Spawner();
  EXPECT_EQ(Turrets1[0].active, 1);
  EXPECT_EQ(Turrets1[0].x, 80.0f);
  EXPECT_EQ(Turrets1[0].y, 100.0f);
  strike_shots::Repeat(30, TickTurret1Spawner);
  EXPECT_EQ(Turrets1[1].active, 1);
  strike_shots::Repeat(60, TickTurret1Spawner);
  EXPECT_EQ(Turrets1[3].active, 1);
  EXPECT_EQ(Turrets1[3].spawnTick, 120);
  strike_shots::Repeat(30, TickTurret1Spawner);
  EXPECT_EQ(Turrets1[4].spawnTick, 0) << "the tick wraps at 150";
  strike_shots::Repeat(1000, TickTurret1Spawner);
  EXPECT_EQ(Turrets1[4].active, 0) << "record 4's mark is 150, which never holds";
  // Each kind keeps its own ticks; the entry points of the others.
  strike_shots::Repeat(30, TickTurret2Spawner);
  strike_shots::Repeat(30, TickTurret3Spawner);
  strike_shots::Repeat(30, TickTurret4Spawner);
  EXPECT_EQ(Turrets2[0].x, 620.0f);
  EXPECT_EQ(Turrets2[0].y, 100.0f);
  EXPECT_EQ(Turrets3[0].x, 80.0f);
  EXPECT_EQ(Turrets3[0].y, 240.0f);
  EXPECT_EQ(Turrets4[0].x, 620.0f);
  EXPECT_EQ(Turrets4[0].y, 240.0f);
}

TEST_F(TurretTest, LegsSpeedUpStepByStep) {
  SpawnTurret1(0);
  SpawnTurret3(0);
  // 0.2 s a frame: the kind-1 and kind-3 timers step by 6 (6, 12, 18, 24, 30, 36, 42).
  struct Expect {
    float timer, vx, vy;
  };
  const Expect legs[] = {{6, 220, 0},    {12, 220, 110}, {18, 220, 110}, {24, 220, 210},
                         {30, 220, 210}, {36, 220, 310}, {42, 0, 410}};
  for (const Expect& e : legs) {
    MoveTurret1();
    MoveTurret3();
    EXPECT_NEAR(Turrets1[0].pathTimer, e.timer, 1e-3);
    EXPECT_EQ(Turrets1[0].vx, e.vx) << e.timer;
    EXPECT_EQ(Turrets1[0].vy, e.vy) << e.timer;
    EXPECT_EQ(Turrets3[0].vx, e.vx) << e.timer;
    EXPECT_EQ(Turrets3[0].vy, -e.vy) << "kind 3 climbs at " << e.timer;
  }
  // Each frame moves by the velocity the previous frame set: 44 a frame to the right for five frames
  // and 22 + 22 + 42 + 42 + 62 down; the last frame still slid right.
  EXPECT_NEAR(Turrets1[0].x, 80.0f + 6 * 44.0f, 1e-3);
  EXPECT_NEAR(Turrets1[0].y, 100.0f + 22 + 22 + 42 + 42 + 62, 1e-3);
  // Kind 2 turns more slowly (25 units a second) and flies left.
  SpawnTurret2(1);
  MoveTurret2();
  EXPECT_NEAR(Turrets2[1].pathTimer, 5.0f, 1e-4);
  EXPECT_EQ(Turrets2[1].vx, -220.0f);
}

TEST_F(TurretTest, TimerStartsOverAt101AndEdgesPark) {
  SpawnTurret4(2);
  Turrets4[2].pathTimer = 96.0f;
  MoveTurret4();
  EXPECT_EQ(Turrets4[2].pathTimer, 0.0f);
  Turrets4[2].y = -100.0f;
  elSystem::FrameClock.frameTime = 0.0f;
  MoveTurret4();
  EXPECT_EQ(Turrets4[2].active, 1) << "y exactly -100 stays";
  Turrets4[2].y = -100.01f;
  MoveTurret4();
  EXPECT_EQ(Turrets4[2].active, 0);
  EXPECT_EQ(Turrets4[2].x, -500.0f);
  EXPECT_EQ(Turrets4[2].y, 2550.0f);
  SpawnTurret1(0);
  Turrets1[0].x = 620.01f;
  MoveTurret1();
  EXPECT_EQ(Turrets1[0].active, 0);
}

TEST_F(TurretTest, DivingKindsFireForEveryTurretWhileTurningAndClimbingKindsNever) {
  SpawnTurret1(0);
  Turrets1[0].pathTimer = 4.0f;
  MoveTurret1();  // timer 10: no fire yet
  EXPECT_EQ(kTurret1AimedShot1.pool[0].active, 0);
  MoveTurret1();  // timer 16: fires
  // The turret's own shot from its position (after this frame's move) + (42, 50); the parked
  // turrets' shots start far off the screen.
  const AimedStreamShot& own = kTurret1AimedShot1.pool[0];
  EXPECT_EQ(own.active, 1);
  EXPECT_FLOAT_EQ(own.startX, Turrets1[0].x + 42.0f);
  EXPECT_FLOAT_EQ(own.startY, Turrets1[0].y + 50.0f);
  EXPECT_FLOAT_EQ(own.aimDx, 370.0f + 22.0f - own.startX);
  EXPECT_GE(own.speed, 210.0f);
  EXPECT_LE(own.speed, 309.0f);
  EXPECT_EQ(kTurret1AimedShot1.pool[4].active, 1);
  EXPECT_FLOAT_EQ(kTurret1AimedShot1.pool[4].x, -458.0f);
  UpdateTurret1AimedShot1();
  EXPECT_EQ(kTurret1AimedShot1.pool[4].active, 0) << "a shot from a parked turret is culled at once";
  EXPECT_EQ(own.active, 1);
  // Kind 3 passes the same legs and fires nothing.
  ResetTurret1AimedShot1();
  SpawnTurret3(0);
  strike_shots::Repeat(10, MoveTurret3);
  EXPECT_GT(Turrets3[0].pathTimer, 20.0f);
  for (int i = 0; i < kTurretAimedShotCount; ++i) {
    EXPECT_EQ(kTurret1AimedShot1.pool[i].active, 0);
    EXPECT_EQ(kTurret2AimedShot1.pool[i].active, 0);
  }
}

TEST_F(TurretTest, StruckTurretExplodesInPlaceForSixteenFramesWhileItsTimerRuns) {
  SpawnTurret2(3);
  MoveTurret2();
  SetHitFlagTurret2(3);
  const float x = Turrets2[3].x;
  for (int frame = 1; frame <= 16; ++frame) {
    DrawTurret2();
    if (frame < 16) {
      EXPECT_EQ(Turrets2[3].hit, 1);
      EXPECT_EQ(Turrets2[3].explosionFrame, frame % 8);
    }
    MoveTurret2();
    if (frame < 16) {
      EXPECT_FLOAT_EQ(Turrets2[3].x, x) << "the drawer stops what the legs set";
    }
  }
  EXPECT_EQ(Turrets2[3].active, 0);
  EXPECT_EQ(Turrets2[3].hit, 0);
  EXPECT_EQ(Turrets2[3].explosionCycle, 0);
  EXPECT_EQ(Turrets2[3].y, 2550.0f);
  // The timer ran on through 11..20, so the struck turret still fired.
  EXPECT_EQ(kTurret2AimedShot1.pool[3].active, 1);
}

// The player's shots against the turrets: box 0..40 (barrage 0..80) by -60..50.
class TurretStrikeTest : public TurretTest {
 protected:
  void SetUp() override {
    TurretTest::SetUp();
    strike_shots::ClearTheField();
  }
};

TEST_F(TurretStrikeTest, PointsPerWeaponAndTheBarrageThresholds) {
  struct Case {
    VolleyShot* pool;
    int points;
  };
  const Case cases[] = {{VolleyShots1, 50}, {VolleyShots2, 100}, {VolleyShots3, 100}};
  for (const Case& c : cases) {
    SetUp();
    SpawnTurret4(1);
    Turrets4[1].x = 300.0f;
    Turrets4[1].y = 300.0f;
    StillVolleyShot(c.pool, 340, 240);
    HitTestPlayerShots();
    EXPECT_EQ(Turrets4[1].hit, 1);
    EXPECT_EQ(GameState.score, c.points);
  }
  // The barrage: box 0..80, threshold -30 for kinds 1, 2 and 4 and -32 for kind 3.
  SetUp();
  Turrets1[0].x = Turrets3[0].x = 300.0f;
  Turrets1[0].y = Turrets3[0].y = -31.0f;
  BarrageShotAt(380, -60);
  HitTestPlayerShots();
  EXPECT_EQ(Turrets1[0].hit, 0);
  EXPECT_EQ(Turrets3[0].hit, 1);
  EXPECT_EQ(GameState.score, 50);
}

}  // namespace
