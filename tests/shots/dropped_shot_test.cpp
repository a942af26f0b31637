// The dropped shots of enemies E and G: fire from every enemy, fall and drift, the top and bottom
// edges (never the sides), and the contact box.
#include "shots/dropped_shot.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "framework/el_input.h"
#include "game/game_state.h"
#include "stages/stage1_enemies.h"

namespace {

class DroppedShotTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::srand(3);
#define RESET_KIND(Name, ...) Reset##Name();
    DROPPED_SHOT_KINDS(RESET_KIND)
#undef RESET_KIND
    ResetStage1EnemyE();
    ResetStage1EnemyG();
    GameState.shipX = 370.0f;
    GameState.shipY = 520.0f;
    GameState.shipAlive = 1;
    elSystem::FrameClock.frameTime = 0.5f;
  }
};

TEST_F(DroppedShotTest, RestStateAndFireFromEveryEnemyLiveOrNot) {
  const DroppedShot& rest = kStage1EnemyGDroppedShot3.pool[4];
  EXPECT_EQ(rest.x, -500.0f);
  EXPECT_EQ(rest.y, 2550.0f);
  EXPECT_GE(rest.cell, 0);
  EXPECT_LT(rest.cell, 10);

  Stage1EnemiesE[1].x = 200.0f;
  Stage1EnemiesE[1].y = 100.0f;
  FireStage1EnemyEDroppedShot1();
  FireStage1EnemyEDroppedShot2();
  FireStage1EnemyEDroppedShot4();
  EXPECT_EQ(kStage1EnemyEDroppedShot1.pool[1].x, 237.0f);
  EXPECT_EQ(kStage1EnemyEDroppedShot1.pool[1].y, 140.0f);
  EXPECT_EQ(kStage1EnemyEDroppedShot2.pool[1].y, 144.0f);
  EXPECT_EQ(kStage1EnemyEDroppedShot4.pool[1].y, 130.0f);
  EXPECT_EQ(kStage1EnemyEDroppedShot1.pool[1].vy, 130.0f);
  EXPECT_EQ(kStage1EnemyEDroppedShot1.pool[1].vx, 0.0f) << "kind 1 has no drift";
  EXPECT_EQ(kStage1EnemyEDroppedShot4.pool[1].vx, 40.0f) << "the drift is stored positive";
  // The parked enemies fire too, far below the screen; the next update parks those shots.
  EXPECT_EQ(kStage1EnemyEDroppedShot1.pool[0].active, 1);
  EXPECT_EQ(kStage1EnemyEDroppedShot1.pool[0].y, 2590.0f);
  UpdateStage1EnemyEDroppedShot1();
  EXPECT_EQ(kStage1EnemyEDroppedShot1.pool[0].active, 0);
  EXPECT_EQ(kStage1EnemyEDroppedShot1.pool[1].active, 1);
  // A live record is not fired again.
  Stage1EnemiesE[1].x = 300.0f;
  FireStage1EnemyEDroppedShot1();
  EXPECT_EQ(kStage1EnemyEDroppedShot1.pool[1].x, 237.0f);
}

TEST_F(DroppedShotTest, FallAndDriftEachWay) {
  Stage1EnemiesG[2].x = 400.0f;
  Stage1EnemiesG[2].y = 100.0f;
  FireStage1EnemyGDroppedShot1();
  FireStage1EnemyGDroppedShot2();
  FireStage1EnemyGDroppedShot3();
  FireStage1EnemyGDroppedShot4();
  UpdateStage1EnemyGDroppedShot1();
  UpdateStage1EnemyGDroppedShot2();
  UpdateStage1EnemyGDroppedShot3();
  UpdateStage1EnemyGDroppedShot4();
  // Half a second: 65 down; 10 left, 10 right, 20 left.
  EXPECT_EQ(kStage1EnemyGDroppedShot1.pool[2].x, 437.0f);
  EXPECT_EQ(kStage1EnemyGDroppedShot1.pool[2].y, 205.0f);
  EXPECT_EQ(kStage1EnemyGDroppedShot2.pool[2].x, 427.0f);
  EXPECT_EQ(kStage1EnemyGDroppedShot3.pool[2].x, 447.0f);
  EXPECT_EQ(kStage1EnemyGDroppedShot4.pool[2].x, 417.0f);
  EXPECT_EQ(kStage1EnemyGDroppedShot4.pool[2].y, 195.0f);
}

TEST_F(DroppedShotTest, OnlyTheTopAndBottomEdgesEndAShot) {
  elSystem::FrameClock.frameTime = 0.0f;
  struct Case {
    float x, y;
    bool ends;
  };
  const Case cases[] = {{300, 600, false},    {300, 600.01f, true}, {300, -16, false},
                        {300, -16.01f, true}, {-200, 300, false},   {1000, 300, false}};
  DroppedShot& r = kStage1EnemyEDroppedShot3.pool[0];
  for (const Case& c : cases) {
    r.active = 1;
    r.x = c.x;
    r.y = c.y;
    UpdateStage1EnemyEDroppedShot3();
    EXPECT_EQ(r.active, c.ends ? 0 : 1) << c.x << "," << c.y;
    if (c.ends) {
      EXPECT_EQ(r.y, 2550.0f);
    }
  }
}

TEST_F(DroppedShotTest, ContactBoxIsInclusiveAndTheShotFliesOn) {
  elSystem::FrameClock.frameTime = 0.0f;
  struct Case {
    float ddx, ddy;
    int alive;
  };
  const Case cases[] = {{14, 24, 0}, {30, 30, 0}, {13.99f, 27, 1}, {30.01f, 27, 1}, {20, 23.99f, 1}, {20, 30.01f, 1}};
  DroppedShot& r = kStage1EnemyGDroppedShot2.pool[4];
  for (const Case& c : cases) {
    GameState.shipAlive = 1;
    r.active = 1;
    r.x = GameState.shipX + c.ddx;
    r.y = GameState.shipY + c.ddy;
    UpdateStage1EnemyGDroppedShot2();
    EXPECT_EQ(GameState.shipAlive, c.alive) << c.ddx << "," << c.ddy;
    EXPECT_EQ(r.active, 1);
  }
}

}  // namespace
