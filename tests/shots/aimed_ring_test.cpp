// The aimed rings: the group marks of the cycle, the spread of three and the ring of twelve about the
// aim line, flight, cull, contact and the rest state.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "framework/el_input.h"
#include "game/game_state.h"
#include "shots/aimed_ring_kinds.h"
#include "stages/bosses.h"

namespace {

constexpr float kHalfPi = 1.5707964f;
constexpr float kPi = 3.1415927f;

class AimedRingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetBoss3AimedRing3();
    ResetBoss2AimedRing1();
    Boss3.body.x = 180.0f;
    Boss3.body.y = 0.0f;
    Boss2.body.x = 150.0f;
    Boss2.body.y = 0.0f;
    // Straight below the left Boss3 emitter (240, 100): the aim point is the ship + 20.
    GameState.shipX = 220.0f;
    GameState.shipY = 500.0f;
    GameState.shipAlive = 1;
    elSystem::FrameClock.frameTime = 0.0f;
  }
  void TearDown() override {
    Boss2.body = LargeEnemyRecord{};
    Boss3.body = LargeEnemyRecord{};
  }
  static void Ticks(void (*tick)(), int n) {
    for (int i = 0; i < n; ++i) tick();
  }
};

TEST_F(AimedRingTest, SpreadOfThreeFiresEachGroupOnItsMarkAboutTheAimLine) {
  Ticks(TickBoss3AimedRing3, 19);
  EXPECT_EQ(kBoss3AimedRing3.pool[0].active, 0);
  TickBoss3AimedRing3();
  const AimedRingShot* pool = kBoss3AimedRing3.pool;
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(pool[i].active, 1);
    EXPECT_EQ(pool[i].x, 240.0f);
    EXPECT_EQ(pool[i].startY, 100.0f);
    EXPECT_EQ(pool[i].aimDx, 0.0f);
    EXPECT_EQ(pool[i].aimDy, 420.0f);
    EXPECT_EQ(pool[i].speed, 150.0f);
    EXPECT_EQ(pool[i].tickCount, 20);
  }
  EXPECT_EQ(pool[3].active, 0);
  EXPECT_FLOAT_EQ(pool[0].angle, kHalfPi - 0.20943952f);
  EXPECT_FLOAT_EQ(pool[1].angle, kHalfPi);
  EXPECT_FLOAT_EQ(pool[2].angle, kHalfPi + 0.20943952f);
  // Group 1 at 40, spread about its own first record; groups 2 to 4 at 90, 110 and 160.
  GameState.shipX = 420.0f;  // the aim line now heads 45 degrees down-right
  GameState.shipY = 280.0f;
  Ticks(TickBoss3AimedRing3, 20);
  EXPECT_FLOAT_EQ(pool[3].angle, std::atan(1.0f) - 0.20943952f);
  EXPECT_FLOAT_EQ(pool[5].angle, std::atan(1.0f) + 0.20943952f);
  EXPECT_EQ(pool[6].active, 0);
  Ticks(TickBoss3AimedRing3, 120);
  for (int i = 0; i < 15; ++i) EXPECT_EQ(pool[i].active, 1) << i;
  // The counters wrap at 200 and the marks come round again.
  Ticks(TickBoss3AimedRing3, 40);
  EXPECT_EQ(pool[0].tickCount, 0);
  // A ship straight above the emitter: a quarter turn plus a half turn, so the middle shot heads up.
  ResetBoss3AimedRing3();
  GameState.shipY = 0.0f;
  GameState.shipX = 220.0f;
  Ticks(TickBoss3AimedRing3, 20);
  EXPECT_FLOAT_EQ(pool[1].angle, kHalfPi + kPi);
}

TEST_F(AimedRingTest, RingOfTwelveCoversTheCircleWithItsFirstShotOnTheAimLine) {
  GameState.shipX = 270.0f;  // straight below the left Boss2 emitter (290, 130)
  Ticks(TickBoss2AimedRing1, 30);
  const AimedRingShot* pool = kBoss2AimedRing1.pool;
  EXPECT_EQ(pool[12].active, 0);
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(pool[i].active, 1);
    EXPECT_EQ(pool[i].x, 290.0f);
    EXPECT_EQ(pool[i].y, 130.0f);
    EXPECT_FLOAT_EQ(pool[i].angle, kHalfPi + static_cast<float>(i) * 0.5235988f) << i;
  }
  // Group 1 fires at 50; its offsets run on (360 .. 690 degrees) and still put record 12 on the aim line.
  Ticks(TickBoss2AimedRing1, 20);
  for (int i = 12; i < 24; ++i) {
    EXPECT_NEAR(std::cos(pool[i].angle), std::cos(pool[i - 12].angle), 1e-5f) << i;
    EXPECT_NEAR(std::sin(pool[i].angle), std::sin(pool[i - 12].angle), 1e-5f) << i;
  }
  EXPECT_EQ(pool[24].active, 0);
  Ticks(TickBoss2AimedRing1, 100);
  for (int i = 24; i < 72; ++i) EXPECT_EQ(pool[i].active, 1) << i;
}

TEST_F(AimedRingTest, FlightCullAndContact) {
  GameState.shipX = 270.0f;
  Ticks(TickBoss2AimedRing1, 30);
  AimedRingShot* pool = kBoss2AimedRing1.pool;
  elSystem::FrameClock.frameTime = 0.5f;
  UpdateBoss2AimedRing1();
  EXPECT_NEAR(pool[0].y, 130.0f + 70.0f, 1e-3f);  // straight down at 140 px/s
  EXPECT_NEAR(pool[0].x, 290.0f, 1e-3f);
  EXPECT_NEAR(pool[3].x, 290.0f - 70.0f, 1e-3f);  // 90 degrees on: straight left
  elSystem::FrameClock.frameTime = 0.0f;
  // Bounds -20 / 800 / 600, strict; the shot is parked when it leaves.
  struct Edge {
    float x, y;
    bool ends;
  };
  const Edge edges[] = {{-20.0f, 300.0f, false}, {-20.01f, 300.0f, true}, {800.0f, 300.0f, false},
                        {800.01f, 300.0f, true}, {300.0f, -20.01f, true}, {300.0f, 600.01f, true}};
  for (const Edge& e : edges) {
    pool[5].active = 1;
    pool[5].x = e.x;
    pool[5].y = e.y;
    UpdateBoss2AimedRing1();
    EXPECT_EQ(pool[5].active, e.ends ? 0 : 1) << e.x << "," << e.y;
    if (e.ends) {
      EXPECT_EQ(pool[5].y, 2550.0f);
    }
  }
  // Box 10..30 x 20..30 from the ship's corner (270, 500), inclusive; a touch leaves the shot.
  pool[5].active = 1;
  pool[5].x = 300.0f;
  pool[5].y = 519.99f;
  UpdateBoss2AimedRing1();
  EXPECT_EQ(GameState.shipAlive, 1);
  pool[5].y = 520.0f;
  UpdateBoss2AimedRing1();
  EXPECT_EQ(GameState.shipAlive, 0);
  EXPECT_EQ(pool[5].active, 1);
}

TEST_F(AimedRingTest, RestStateDrawsTheAnimationFrameFromRand) {
  Ticks(TickBoss3AimedRing4, 25);
  std::srand(9);
  int expected[15];
  for (int& e : expected) e = std::rand() % 7;
  std::srand(9);
  ResetBoss3AimedRing4();
  for (int i = 0; i < 15; ++i) {
    const AimedRingShot& r = kBoss3AimedRing4.pool[i];
    EXPECT_EQ(r.cell, expected[i]);
    EXPECT_EQ(r.tickCount, 0);
    EXPECT_EQ(r.active, 0);
    EXPECT_EQ(r.x, -500.0f);
    EXPECT_EQ(r.y, 2550.0f);
    EXPECT_EQ(r.aimDx + r.aimDy + r.startX + r.startY + r.speed, 0.0f);
  }
  std::srand(9);
  const int first = std::rand() % 10;
  std::srand(9);
  ResetBoss2AimedRing2();
  EXPECT_EQ(kBoss2AimedRing2.pool[0].cell, first);
}

}  // namespace
