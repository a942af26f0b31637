// The spirals: one shot every ten ticks turning 10 degrees a step, the wrap that skips the last
// record, flight against the heading, cull, contact and rest state.
#include <gtest/gtest.h>

#include <cstdlib>

#include "framework/el_input.h"
#include "game/game_state.h"
#include "shots/spiral_kinds.h"
#include "stages/bosses.h"

namespace {

constexpr double kDegrees = 57.29577951308232;

class SpiralTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::srand(9);
    ResetBoss1Spiral1();
    ResetBoss1Spiral2();
    ResetBoss1Spiral5();
    Boss1.body.x = 180.0f;
    Boss1.body.y = 0.0f;
    GameState.shipX = 370.0f;
    GameState.shipY = 520.0f;
    GameState.shipAlive = 1;
    elSystem::FrameClock.frameTime = 0.0f;
  }
  void TearDown() override { ResetBoss1(); }
  static void Ticks(void (*tick)(), int n) {
    for (int i = 0; i < n; ++i) tick();
  }
  static int Live(const shots::SpiralKind& kind) {
    int live = 0;
    for (int i = 0; i < shots::kSpiralRecords; ++i) live += kind.pool[i].active;
    return live;
  }
};

TEST_F(SpiralTest, OneShotEveryTenTicksAndTheLastRecordNeverFlies) {
  Ticks(TickBoss1Spiral1, 9);
  EXPECT_EQ(Live(kBoss1Spiral1), 0);
  TickBoss1Spiral1();
  EXPECT_EQ(Live(kBoss1Spiral1), 1);
  const SpiralShot& first = kBoss1Spiral1.pool[0];
  EXPECT_EQ(first.x, 390.0f);  // boss + (210, 130)
  EXPECT_EQ(first.y, 130.0f);
  EXPECT_EQ(first.speed, 110.0f);
  EXPECT_EQ(first.angle, 0.0f);
  Ticks(TickBoss1Spiral1, 340);  // tick 350: records 0..34
  EXPECT_EQ(Live(kBoss1Spiral1), 35);
  EXPECT_EQ(kBoss1Spiral1.pool[35].active, 0);
  EXPECT_NEAR(kBoss1Spiral1.pool[34].angle * kDegrees, -340.0, 1e-3);
  EXPECT_EQ(*kBoss1Spiral1.timer, 350);
  // Tick 360 counts as 10: record 0 starts again once it has been parked.
  shots::Park(kBoss1Spiral1.pool[0]);
  Ticks(TickBoss1Spiral1, 10);
  EXPECT_EQ(*kBoss1Spiral1.timer, 10);
  EXPECT_EQ(kBoss1Spiral1.pool[0].active, 1);
  EXPECT_EQ(kBoss1Spiral1.pool[35].active, 0);
  // Kind 5 starts from boss + (300, 130) and turns the other way.
  Ticks(TickBoss1Spiral5, 20);
  EXPECT_EQ(kBoss1Spiral5.pool[1].x, 480.0f);
  EXPECT_NEAR(kBoss1Spiral5.pool[1].angle * kDegrees, 10.0, 1e-4);
}

TEST_F(SpiralTest, ShotsFlyAgainstTheirHeading) {
  elSystem::FrameClock.frameTime = 0.5f;
  // Step 0 moves straight left; step 9 of kind 1 (-90 degrees) straight down; of kind 2 straight up.
  shots::SpawnSpiral(kBoss1Spiral1, 0, 0);
  shots::SpawnSpiral(kBoss1Spiral1, 9, 9);
  shots::SpawnSpiral(kBoss1Spiral2, 9, 9);
  UpdateBoss1Spiral1();
  UpdateBoss1Spiral2();
  EXPECT_FLOAT_EQ(kBoss1Spiral1.pool[0].x, 335.0f);
  EXPECT_FLOAT_EQ(kBoss1Spiral1.pool[0].y, 130.0f);
  EXPECT_NEAR(kBoss1Spiral1.pool[9].x, 390.0f, 1e-3);
  EXPECT_FLOAT_EQ(kBoss1Spiral1.pool[9].y, 185.0f);
  EXPECT_FLOAT_EQ(kBoss1Spiral2.pool[9].y, 75.0f);
  // Going up it is parked once above y -20.
  UpdateBoss1Spiral2();  // y 20
  EXPECT_EQ(kBoss1Spiral2.pool[9].active, 1);
  UpdateBoss1Spiral2();  // y -35
  EXPECT_EQ(kBoss1Spiral2.pool[9].active, 0);
  EXPECT_EQ(kBoss1Spiral2.pool[9].x, -500.0f);
  EXPECT_EQ(kBoss1Spiral2.pool[9].y, 2550.0f);
}

TEST_F(SpiralTest, CullBoundsAndContactBox) {
  struct Edge {
    float x, y;
    bool parked;
  };
  const Edge edges[] = {{-20.0f, -20.0f, false}, {-20.01f, 300.0f, true}, {800.0f, 600.0f, false},
                        {800.01f, 300.0f, true}, {300.0f, 600.01f, true}};
  for (const Edge& e : edges) {
    SpiralShot& r = kBoss1Spiral1.pool[3];
    r.active = 1;
    r.x = e.x;
    r.y = e.y;
    UpdateBoss1Spiral1();
    EXPECT_EQ(r.active, e.parked ? 0 : 1) << e.x << "," << e.y;
  }
  // 10..30 x 20..30 from the ship's corner; the shot flies on.
  SpiralShot& r = kBoss1Spiral1.pool[4];
  r.active = 1;
  r.x = 370.0f + 9.99f;
  r.y = 520.0f + 30.0f;
  UpdateBoss1Spiral1();
  EXPECT_EQ(GameState.shipAlive, 1);
  r.x = 370.0f + 30.0f;
  UpdateBoss1Spiral1();
  EXPECT_EQ(GameState.shipAlive, 0);
  EXPECT_EQ(r.active, 1);
}

TEST_F(SpiralTest, RestStateAndTimer) {
  Ticks(TickBoss1Spiral2, 25);
  std::srand(4);
  int expected[shots::kSpiralRecords];
  for (int& v : expected) v = std::rand() % 7;
  std::srand(4);
  ResetBoss1Spiral2();
  EXPECT_EQ(*kBoss1Spiral2.timer, 0);
  for (int i = 0; i < shots::kSpiralRecords; ++i) {
    const SpiralShot& r = kBoss1Spiral2.pool[i];
    EXPECT_EQ(r.cell, expected[i]);
    EXPECT_EQ(r.active, 0);
    EXPECT_EQ(r.x, -500.0f);
    EXPECT_EQ(r.y, 2550.0f);
    EXPECT_EQ(r.angle, -0.0523599f);
    EXPECT_EQ(r.speed, 0.0f);
  }
}

}  // namespace
