// The diagonal streams of enemies D and F: a group of five per enemy at five speeds, partial
// restarts, the edges, and the contact box.
#include "shots/fixed_stream.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "framework/el_input.h"
#include "game/game_state.h"
#include "stages/stage1_enemies.h"

namespace {

class FixedStreamTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::srand(5);
    ResetStage1EnemyDFixedStream1();
    ResetStage1EnemyFFixedStream1();
    ResetStage1EnemyD();
    ResetStage1EnemyF();
    GameState.shipX = 370.0f;
    GameState.shipY = 520.0f;
    GameState.shipAlive = 1;
    elSystem::FrameClock.frameTime = 0.5f;
  }
};

TEST_F(FixedStreamTest, EachEnemyFiresAGroupThatStringsOutAlongItsDiagonal) {
  Stage1EnemiesD[1].x = 100.0f;
  Stage1EnemiesD[1].y = 60.0f;
  Stage1EnemiesF[0].x = 600.0f;
  Stage1EnemiesF[0].y = 60.0f;
  FireStage1EnemyDFixedStream1();
  FireStage1EnemyFFixedStream1();
  const float speeds[] = {140, 160, 180, 200, 220};
  for (int n = 0; n < 5; ++n) {
    const DroppedShot& d = kStage1EnemyDFixedStream1.pool[5 + n];
    const DroppedShot& f = kStage1EnemyFFixedStream1.pool[n];
    EXPECT_EQ(d.active, 1);
    EXPECT_EQ(d.x, 150.0f);
    EXPECT_EQ(d.y, 110.0f);
    EXPECT_EQ(d.vy, speeds[n]);
    EXPECT_EQ(d.vx, speeds[n]) << "down and right";
    EXPECT_EQ(f.x, 610.0f);
    EXPECT_EQ(f.y, 110.0f);
    EXPECT_EQ(f.vx, -speeds[n]) << "down and left";
  }
  UpdateStage1EnemyDFixedStream1();
  UpdateStage1EnemyFFixedStream1();
  EXPECT_EQ(kStage1EnemyDFixedStream1.pool[5].x, 220.0f);
  EXPECT_EQ(kStage1EnemyDFixedStream1.pool[5].y, 180.0f);
  EXPECT_EQ(kStage1EnemyDFixedStream1.pool[9].y, 220.0f);
  EXPECT_EQ(kStage1EnemyFFixedStream1.pool[4].x, 500.0f);
  // The parked enemies' groups start far below and end in the same update.
  EXPECT_EQ(kStage1EnemyDFixedStream1.pool[0].active, 0);
}

TEST_F(FixedStreamTest, RestartTakesOnlyTheFreeRecords) {
  Stage1EnemiesD[0].x = 100.0f;
  Stage1EnemiesD[0].y = 60.0f;
  FireStage1EnemyDFixedStream1();
  DroppedShot* group = kStage1EnemyDFixedStream1.pool;
  group[3].active = 0;
  group[0].x = 400.0f;
  Stage1EnemiesD[0].x = 200.0f;
  FireStage1EnemyDFixedStream1();
  EXPECT_EQ(group[0].x, 400.0f) << "a live record keeps its place";
  EXPECT_EQ(group[0].vy, 140.0f);
  EXPECT_EQ(group[3].x, 250.0f);
  EXPECT_EQ(group[3].vy, 200.0f);
}

TEST_F(FixedStreamTest, SidesNeverEndAShotTopAndBottomDo) {
  elSystem::FrameClock.frameTime = 0.0f;
  struct Case {
    float x, y;
    bool ends;
  };
  const Case cases[] = {{-300, 300, false},   {1200, 300, false}, {300, -30, false},
                        {300, -30.01f, true}, {300, 600, false},  {300, 600.01f, true}};
  DroppedShot& r = kStage1EnemyFFixedStream1.pool[7];
  for (const Case& c : cases) {
    r.active = 1;
    r.x = c.x;
    r.y = c.y;
    UpdateStage1EnemyFFixedStream1();
    EXPECT_EQ(r.active, c.ends ? 0 : 1) << c.x << "," << c.y;
  }
}

TEST_F(FixedStreamTest, ContactBoxIsInclusiveAndTheShotFliesOn) {
  elSystem::FrameClock.frameTime = 0.0f;
  struct Case {
    float ddx, ddy;
    int alive;
  };
  const Case cases[] = {{0, 10, 0}, {30, 30, 0}, {-0.01f, 20, 1}, {30.01f, 20, 1}, {15, 9.99f, 1}, {15, 30.01f, 1}};
  DroppedShot& r = kStage1EnemyDFixedStream1.pool[2];
  for (const Case& c : cases) {
    GameState.shipAlive = 1;
    r.active = 1;
    r.x = GameState.shipX + c.ddx;
    r.y = GameState.shipY + c.ddy;
    UpdateStage1EnemyDFixedStream1();
    EXPECT_EQ(GameState.shipAlive, c.alive) << c.ddx << "," << c.ddy;
    EXPECT_EQ(r.active, 1);
  }
  // With the ship already lost nothing is tested and the flag stays 0.
  GameState.shipAlive = 0;
  r.x = GameState.shipX + 200.0f;
  UpdateStage1EnemyDFixedStream1();
  EXPECT_EQ(GameState.shipAlive, 0);
}

}  // namespace
