// The score rule, the backdrop speeds and wrap, and the star field.
#include <gtest/gtest.h>

#include <cstdlib>

#include "framework/el_input.h"
#include "game/backdrops.h"
#include "game/game_state.h"
#include "game/score.h"

namespace {

TEST(ScoreTest, ClampsAtTheLimitAndTheHighScoreFollows) {
  GameState.score = 999999900;
  GameState.highScore = 500;
  EXPECT_EQ(AddScore(500), 999999999);
  EXPECT_EQ(GameState.highScore, 999999999);
  GameState.score = 0;
  GameState.highScore = 500;
  EXPECT_EQ(AddScore(100), 100);
  EXPECT_EQ(GameState.highScore, 500);
  EXPECT_EQ(AddScore(401), 501);  // the high score rises the moment the score passes it
  EXPECT_EQ(GameState.highScore, 501);
}

TEST(BackdropTest, OverlappingSpeedWindowsAdd) {
  struct Case {
    float t, base, stage3;
  };
  const Case cases[] = {
      {0, 150, 140},      {250, 150, 140},    {500, 350, 290},     {515, 200, 150},   {530, 500, 400},
      {560, 700, 600},    {590, 700, 800},    {620, 700, 1000},    {650, 650, 1200},  {800, 250, 650},
      {1000, 450, 950},   {1100, 200, 300},   {1150, 350, 450},    {5000, 150, 150},  {999.99f, 250, 650},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BaseBackdropSpeed(c.t), c.base) << c.t;
    EXPECT_EQ(Stage3BackdropSpeed(c.t), c.stage3) << c.t;
  }
}

class ColumnTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LayOutBackdrops();
    GameState.stageClock = 0.0f;
  }
  void TearDown() override { elSystem::FrameClock.frameTime = 0.0f; }
};

TEST_F(ColumnTest, TilesAreLaidOutFromTheBottomUp) {
  EXPECT_EQ(BackdropColumns[BaseColumn][0].x, -500.0f);
  EXPECT_EQ(BackdropColumns[Stage1Column][0].x, 180.0f);
  EXPECT_EQ(BackdropColumns[Stage2Column][3].y, 120.0f - 1440.0f);
  EXPECT_EQ(BackdropColumns[Stage3Column][4999].y, 120.0f - 480.0f * 4999);
}

TEST_F(ColumnTest, ScrollMovesAfterDrawingAndTheBaseColumnJoinsOnItsSecondFrame) {
  elSystem::FrameClock.frameTime = 0.1f;
  ScrollBaseBackdrop();
  EXPECT_EQ(BackdropColumns[BaseColumn][0].x, 180.0f);
  EXPECT_FLOAT_EQ(BackdropColumns[BaseColumn][0].y, 135.0f);  // 150 px/s after a reset
  ScrollStage2Backdrop();
  EXPECT_FLOAT_EQ(BackdropColumns[Stage2Column][0].y, 130.0f);
}

TEST_F(ColumnTest, NothingMovesWithAFrameTimeOfZero) {
  elSystem::FrameClock.frameTime = 0.0f;
  ScrollStage1Backdrop();
  EXPECT_EQ(BackdropColumns[Stage1Column][0].y, 120.0f);
  StarField[0] = StarFieldStar{2, 300.0f, 599.0f, 150.0f};
  DrawStarField(80, 80);
  EXPECT_EQ(StarField[0].y, 599.0f);
}

TEST_F(ColumnTest, TheLastTileWrapsBackToTheTopWhenItCrosses) {
  elSystem::FrameClock.frameTime = 0.01f;
  BackdropColumns[Stage1Column][4999].y = -1.0f;  // crosses below the top edge this frame
  ScrollStage1Backdrop();
  EXPECT_EQ(BackdropColumns[Stage1Column][4999].y, -480.0f * 4999);
  EXPECT_EQ(BackdropColumns[Stage1Column][4999].x, 100.0f);  // shown at x 100 for one frame
  EXPECT_FLOAT_EQ(BackdropColumns[Stage1Column][4998].y, 120.0f - 480.0f * 4998 + 1.3f);
  // The base column wraps from the top edge on and keeps its x.
  BackdropColumns[BaseColumn][4999] = BackdropTile{180.0f, -1.5f};
  ScrollBaseBackdrop();
  EXPECT_EQ(BackdropColumns[BaseColumn][4999].y, -480.0f * 4999);
  EXPECT_EQ(BackdropColumns[BaseColumn][4999].x, 180.0f);
}

TEST_F(ColumnTest, AStarPastTheBottomRespawnsAboveTheTopAtItsNewSpeed) {
  std::srand(7);
  elSystem::FrameClock.frameTime = 0.02f;
  for (int i = 0; i < kStarCount; ++i) StarField[i] = StarFieldStar{0, 300.0f, 0.0f, 100.0f};
  StarField[5] = StarFieldStar{3, 300.0f, 599.0f, 100.0f};  // 599 + 2 = 601: past the bottom
  DrawStarField(200, 150);
  const StarFieldStar& s = StarField[5];
  EXPECT_GE(s.colour, 0);
  EXPECT_LE(s.colour, 6);
  EXPECT_GE(s.x, 0.0f);
  EXPECT_LE(s.x, 639.0f);
  EXPECT_GE(s.y, -49.0f);
  EXPECT_LE(s.y, 0.0f);
  EXPECT_GE(s.fallSpeed, 150.0f);
  EXPECT_LE(s.fallSpeed, 349.0f);
  EXPECT_FLOAT_EQ(StarField[4].y, 2.0f);
}

}  // namespace
