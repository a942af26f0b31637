// The falling pairs and formations: launches on the tick marks, the pairs that never fall, fall and
// drift speeds, the bottom-only cull, contact, the relaunch jump, rest state and the looks.
#include <gtest/gtest.h>

#include <cstdlib>

#include "framework/el_input.h"
#include "game/game_state.h"
#include "lit_area.h"
#include "game/player_fixture.h"
#include "shots/falling_pair_kinds.h"
#include "shots/formation_kinds.h"
#include "stages/bosses.h"

namespace {

constexpr float kDt = 0.25f;

class FallingShotTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::srand(5);
    ResetBoss1FallingPair1();
    ResetBoss1FallingPair2();
    ResetBoss1FallingPair3();
    ResetBoss3FallingPair3();
    ResetBoss1Formation1();
    ResetBoss1Formation3();
    ResetBoss2Formation13();
    ResetBoss3Formation4();
    Boss1.body = {180.0f, 0.0f};
    Boss2.body = {160.0f, 20.0f};
    Boss3.body = {180.0f, 100.0f};
    GameState.shipX = 370.0f;
    GameState.shipY = 520.0f;
    GameState.shipAlive = 1;
    elSystem::FrameClock.frameTime = 0.0f;
  }
  void TearDown() override {
    ResetBoss1();
    ResetBoss2();
    ResetBoss3();
  }
  static void Ticks(void (*tick)(), int n) {
    for (int i = 0; i < n; ++i) tick();
  }
  static int Live(const FallingPairShot* pool, int first, int count) {
    int live = 0;
    for (int i = first; i < first + count; ++i) live += pool[i].active;
    return live;
  }
};

TEST_F(FallingShotTest, PairsLaunchSideBySideOnTheirMarks) {
  // Boss1 pair 1: x +120 and +280 from the boss, 130 below it, first at tick 10.
  Ticks(TickBoss1FallingPair1, 9);
  EXPECT_EQ(Live(kBoss1FallingPair1.pool, 0, 20), 0);
  TickBoss1FallingPair1();
  EXPECT_EQ(Live(kBoss1FallingPair1.pool, 0, 20), 2);
  EXPECT_EQ(kBoss1FallingPair1.pool[0].x, 300.0f);
  EXPECT_EQ(kBoss1FallingPair1.pool[1].x, 460.0f);
  EXPECT_EQ(kBoss1FallingPair1.pool[0].y, 130.0f);
  EXPECT_EQ(kBoss1FallingPair1.pool[1].y, 130.0f);
  // Pair 4 of Boss1 kind 4: x +75 and +345, 150 below.
  ResetBoss1FallingPair4();
  Ticks(TickBoss1FallingPair4, 50);
  EXPECT_EQ(kBoss1FallingPair4.pool[8].x, 255.0f);
  EXPECT_EQ(kBoss1FallingPair4.pool[9].x, 525.0f);
  EXPECT_EQ(kBoss1FallingPair4.pool[9].y, 150.0f);
}

TEST_F(FallingShotTest, CycleOf150NeverLaunchesTheLastTwoPairsWhileCycle140LaunchesAll) {
  Ticks(TickBoss1FallingPair1, 450);
  EXPECT_EQ(Live(kBoss1FallingPair1.pool, 0, 16), 16);
  EXPECT_EQ(Live(kBoss1FallingPair1.pool, 16, 4), 0);
  Ticks(TickBoss1FallingPair3, 140);
  EXPECT_EQ(Live(kBoss1FallingPair3.pool, 0, 20), 20);
}

TEST_F(FallingShotTest, PairsFallAndOnlyTheBottomEdgeEndsThem) {
  elSystem::FrameClock.frameTime = kDt;
  FallingPairShot* pool = kBoss1FallingPair1.pool;
  pool[2] = {0, 0, -300.0f, 100.0f, 0, 0, 1};  // far off the left side
  pool[3] = {0, 0, 300.0f, 530.0f, 0, 0, 1};
  UpdateBoss1FallingPair1();
  EXPECT_EQ(pool[2].y, 170.0f);  // 280 px/s
  EXPECT_EQ(pool[2].fallSpeed, 280.0f);
  EXPECT_EQ(pool[2].active, 1);
  EXPECT_EQ(pool[3].y, 600.0f);  // exactly on the edge stays
  EXPECT_EQ(pool[3].active, 1);
  UpdateBoss1FallingPair1();
  EXPECT_EQ(pool[3].active, 0);
  EXPECT_EQ(pool[3].x, -500.0f);
  EXPECT_EQ(pool[3].y, 2550.0f);
}

TEST_F(FallingShotTest, ContactIsInclusiveAndTheShotFliesOn) {
  // Boss1 pair 3: 10..30 x 20..30 from the ship's corner.
  FallingPairShot& r = kBoss1FallingPair3.pool[4];
  r = {0, 0, 370.0f + 10.0f, 520.0f + 19.99f, 0, 0, 1};
  UpdateBoss1FallingPair3();
  EXPECT_EQ(GameState.shipAlive, 1);
  r.y = 520.0f + 20.0f;
  UpdateBoss1FallingPair3();
  EXPECT_EQ(GameState.shipAlive, 0);
  EXPECT_EQ(r.active, 1);
}

TEST_F(FallingShotTest, SpreadingPairsDriftOutwardLiveOrParked) {
  elSystem::FrameClock.frameTime = kDt;
  // Boss1 pair 2: 120 px/s each way, once a frame; parked records drift too.
  FallingPairShot* pool = kBoss1FallingPair2.pool;
  pool[0] = {0, 0, 300.0f, 100.0f, 0, 0, 1};
  pool[1] = {0, 0, 460.0f, 100.0f, 0, 0, 1};
  UpdateBoss1FallingPair2();
  EXPECT_EQ(pool[0].x, 270.0f);
  EXPECT_EQ(pool[1].x, 490.0f);
  EXPECT_EQ(pool[0].y, 162.5f);  // 250 px/s
  EXPECT_EQ(pool[2].x, -530.0f);
  EXPECT_EQ(pool[3].x, -470.0f);
  // Boss3 pair 3: its 10 px/s block runs twice a frame, 20 px/s each way.
  FallingPairShot* third = kBoss3FallingPair3.pool;
  third[0] = {0, 0, 300.0f, 100.0f, 0, 0, 1};
  third[1] = {0, 0, 400.0f, 100.0f, 0, 0, 1};
  UpdateBoss3FallingPair3();
  EXPECT_EQ(third[0].x, 295.0f);
  EXPECT_EQ(third[1].x, 405.0f);
  // The plain pairs fall straight.
  kBoss1FallingPair1.pool[0] = {0, 0, 300.0f, 100.0f, 0, 0, 1};
  UpdateBoss1FallingPair1();
  EXPECT_EQ(kBoss1FallingPair1.pool[0].x, 300.0f);
}

TEST_F(FallingShotTest, FormationsLaunchAnArcAndSpreadAtTheirSpeedsTimesTheGroupSize) {
  // Boss1 formation 1: three members at boss x + 90, heights 90, 113, 120; first group at tick 60.
  Ticks(TickBoss1Formation1, 60);
  EXPECT_EQ(Live(kBoss1Formation1.pool, 0, 30), 3);
  const float heights[] = {90.0f, 113.0f, 120.0f};
  for (int m = 0; m < 3; ++m) {
    EXPECT_EQ(kBoss1Formation1.pool[m].x, 270.0f);
    EXPECT_EQ(kBoss1Formation1.pool[m].y, heights[m]);
  }
  // One frame of a quarter second: members move +30, +60, +90 px/s and fall 120 px/s.
  elSystem::FrameClock.frameTime = kDt;
  UpdateBoss1Formation1();
  const float speeds[] = {30.0f, 60.0f, 90.0f};
  for (int m = 0; m < 3; ++m) {
    EXPECT_FLOAT_EQ(kBoss1Formation1.pool[m].x, 270.0f + speeds[m] * kDt);
    EXPECT_EQ(kBoss1Formation1.pool[m].y, heights[m] + 30.0f);
  }
  // Boss1 formation 3: seven members at -210 .. +210 px/s, group 1 on tick 50, boss x + 200.
  Ticks(TickBoss1Formation3, 50);
  EXPECT_EQ(Live(kBoss1Formation3.pool, 0, 35), 14);
  UpdateBoss1Formation3();
  for (int m = 0; m < 7; ++m) {
    EXPECT_FLOAT_EQ(kBoss1Formation3.pool[7 + m].x, 380.0f + (m - 3) * 70.0f * kDt) << "member " << m;
  }
  EXPECT_EQ(kBoss1Formation3.pool[7 + 3].y, 200.0f + 50.0f);
}

TEST_F(FallingShotTest, RowFormationsAndOwnSidewaysSpeed) {
  // Boss2 formations 13 and 14 place all five members across, -44 .. +44 from boss x + 120.
  Ticks(TickBoss2Formation13, 10);
  const float across[] = {-44, -22, 0, 22, 44};
  const float heights[] = {50, 73, 80, 73, 50};
  for (int m = 0; m < 5; ++m) {
    EXPECT_EQ(kBoss2Formation13.pool[m].x, 280.0f + across[m]);
    EXPECT_EQ(kBoss2Formation13.pool[m].y, 20.0f + heights[m]);
  }
  elSystem::FrameClock.frameTime = kDt;
  UpdateBoss2Formation13();
  const float drift[] = {-100, 0, 0, 0, 100};
  for (int m = 0; m < 5; ++m) EXPECT_FLOAT_EQ(kBoss2Formation13.pool[m].x, 280.0f + across[m] + drift[m] * kDt);
  // Boss3 formation 4 also moves +90 px/s itself: -10, +40, +90, +140, +190 in all.
  elSystem::FrameClock.frameTime = 0.0f;
  Ticks(TickBoss3Formation4, 10);
  elSystem::FrameClock.frameTime = kDt;
  UpdateBoss3Formation4();
  const float total[] = {-10, 40, 90, 140, 190};
  for (int m = 0; m < 5; ++m) {
    EXPECT_FLOAT_EQ(kBoss3Formation4.pool[m].x, 330.0f + total[m] * kDt) << "member " << m;
    EXPECT_EQ(kBoss3Formation4.pool[m].sideSpeed, 90.0f);
    EXPECT_EQ(kBoss3Formation4.pool[m].fallSpeed, 110.0f);
  }
}

TEST_F(FallingShotTest, ARelaunchLiftsTheMembersStillFalling) {
  Ticks(TickBoss1Formation1, 60);
  elSystem::FrameClock.frameTime = kDt;
  UpdateBoss1Formation1();
  const float x1 = kBoss1Formation1.pool[1].x;
  shots::Park(kBoss1Formation1.pool[0]);  // one member has landed
  elSystem::FrameClock.frameTime = 0.0f;
  Ticks(TickBoss1Formation1, 800);  // the mark comes round again
  EXPECT_EQ(kBoss1Formation1.pool[0].active, 1);
  EXPECT_EQ(kBoss1Formation1.pool[0].x, 270.0f);
  EXPECT_EQ(kBoss1Formation1.pool[1].y, 113.0f);  // back at its start height
  EXPECT_EQ(kBoss1Formation1.pool[2].y, 120.0f);
  EXPECT_EQ(kBoss1Formation1.pool[1].x, x1);  // but not moved across
}

TEST_F(FallingShotTest, RestStateDrawsOneNumberPerRecord) {
  std::srand(21);
  int expected[35];
  for (int& v : expected) v = std::rand() % 10;
  kBoss1Formation3.pool[34] = {3, 99, 1.0f, 2.0f, 3.0f, 4.0f, 1};
  std::srand(21);
  ResetBoss1Formation3();
  for (int i = 0; i < 35; ++i) {
    const FallingPairShot& r = kBoss1Formation3.pool[i];
    EXPECT_EQ(r.cell, expected[i]);
    EXPECT_EQ(r.tickCount, 0);
    EXPECT_EQ(r.x, -500.0f);
    EXPECT_EQ(r.y, 2550.0f);
    EXPECT_EQ(r.sideSpeed, 0.0f);
    EXPECT_EQ(r.fallSpeed, 0.0f);
    EXPECT_EQ(r.active, 0);
  }
}

using FallingShotDrawTest = PlayerTest;

TEST_F(FallingShotDrawTest, SpreadingPairsNeverShowPairSevenAndAnimatedKindsTurnEveryCell) {
  // Pair 7 (records 14 and 15) of Boss1 pair 2 falls and hits but is never drawn.
  kBoss1FallingPair2.pool[14] = {0, 0, 300.0f, 300.0f, 0, 0, 1};
  elDraw::ClearBackBuffer();
  DrawBoss1FallingPair2();
  EXPECT_TRUE(shot_tests::LitNow().Empty());
  GameState.shipX = 290.0f;
  GameState.shipY = 290.0f;
  elSystem::FrameClock.frameTime = 0.0f;
  UpdateBoss1FallingPair2();
  EXPECT_EQ(GameState.shipAlive, 0);
  // Pair 6 is drawn, inside its 40-pixel cell.
  kBoss1FallingPair2.pool[12] = {0, 0, 300.0f, 300.0f, 0, 0, 1};
  DrawBoss1FallingPair2();
  const shot_tests::LitArea lit = shot_tests::LitNow();
  EXPECT_FALSE(lit.Empty());
  EXPECT_GE(lit.left, 300);
  EXPECT_LE(lit.right, 340);
  // The animated formations advance every record's cell, parked ones too.
  kBoss2Formation8.pool[0].cell = 23;
  kBoss2Formation8.pool[49].cell = 2;
  DrawBoss2Formation8();
  EXPECT_EQ(kBoss2Formation8.pool[0].cell, 0);
  EXPECT_EQ(kBoss2Formation8.pool[49].cell, 3);
}

}  // namespace
