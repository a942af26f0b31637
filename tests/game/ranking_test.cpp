// The ranking table: seven fixed rows, the high score takes the first row it reaches and nothing moves.
#include <gtest/gtest.h>

#include "game/game_state.h"
#include "game/ranking.h"

namespace {

constexpr int kFixed[7] = {100000000, 70000000, 30000000, 20000000, 1000000, 700000, 50000};

// The table after a rebuild with this high score and score, and the row that changed.
int RowTaken(int highScore, int score) {
  GameState.highScore = highScore;
  GameState.score = score;
  RebuildRankingTable();
  return RankingChangedRow;
}

void ExpectFixedExcept(int row, int value) {
  for (int r = 0; r < 7; ++r) EXPECT_EQ(RankingTable[r], r == row ? value : kFixed[r]) << "row " << r;
}

TEST(RankingTest, AHighScoreBelowTheLastRowLeavesTheFixedValues) {
  EXPECT_EQ(RowTaken(500, 0), -1);
  ExpectFixedExcept(-1, 0);
  EXPECT_EQ(RowTaken(49999, 49999), -1);
  ExpectFixedExcept(-1, 0);
}

TEST(RankingTest, OnlyTheFirstRowReachedTakesTheHighScoreAndNothingShiftsDown) {
  EXPECT_EQ(RowTaken(25000000, 0), 3);  // between 20000000 and 30000000: the row of 20000000
  ExpectFixedExcept(3, 25000000);
  EXPECT_EQ(RowTaken(20000000, 0), 3);  // equal to a row's value reaches it
  ExpectFixedExcept(3, 20000000);
  EXPECT_EQ(RowTaken(50000, 0), 6);
  ExpectFixedExcept(6, 50000);
  EXPECT_EQ(RowTaken(999999999, 999999999), 0);
  ExpectFixedExcept(0, 999999999);
  EXPECT_EQ(RowTaken(800000, 0), 5);  // every rebuild starts again from the fixed values
  ExpectFixedExcept(5, 800000);
}

TEST(RankingTest, TheScoreAlsoQualifiesButTheRowShowsTheHighScore) {
  EXPECT_EQ(RowTaken(600000, 800000), 5);
  ExpectFixedExcept(5, 600000);
}

}  // namespace
