// The score panel: which digits show where.
#include <gtest/gtest.h>

#include <vector>

#include "framework/el_draw.h"
#include "game/assets.h"
#include "game/game_state.h"
#include "game/pictures.h"
#include "game/score.h"
#include "support/headless_game.h"

namespace {

class ScorePanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::FreshHost();
    LoadAssets();
    GameState.score = 123456789;
    GameState.highScore = 987654321;
    GameState.shipStock = 1;
    GameState.capsuleCounter = 5;
  }
  static std::vector<std::uint16_t> Picture() {
    int pitch = 0;
    const std::uint16_t* pixels = elDraw::BackBufferPixels(pitch);
    std::vector<std::uint16_t> out;
    for (int y = 0; y < 40; ++y) out.insert(out.end(), pixels + y * pitch, pixels + y * pitch + 800);
    return out;
  }
  static std::vector<std::uint16_t> Panel() {
    elDraw::ClearBackBuffer();
    DrawScorePanel();
    return Picture();
  }
  static bool Blank(const std::vector<std::uint16_t>& p, int left, int top, int right, int bottom) {
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) {
        if (p[static_cast<std::size_t>(y * 800 + x)] != 0) return false;
      }
    }
    return true;
  }
  // The area of the panel picture with only the small digits `text` drawn at x, 10 apart.
  static std::vector<std::uint16_t> SmallDigits(const char* text, int x) {
    elDraw::ClearBackBuffer();
    for (int i = 0; text[i] != '\0'; ++i) {
      const int d = text[i] - '0';
      elDraw::DrawObject(x + 10 * i, 6, Slot(Pic::MYMY), 8 + 7 * d, 70, 15 + 7 * d, 80);
    }
    return Picture();
  }
  static bool SameArea(const std::vector<std::uint16_t>& a, const std::vector<std::uint16_t>& b, int left, int right) {
    for (int y = 0; y < 40; ++y) {
      for (int x = left; x < right; ++x) {
        if (a[static_cast<std::size_t>(y * 800 + x)] != b[static_cast<std::size_t>(y * 800 + x)]) return false;
      }
    }
    return true;
  }
};

TEST_F(ScorePanelTest, TheFirstScoreDigitIsClippedAndEightShow) {
  const auto panel = Panel();
  EXPECT_TRUE(Blank(panel, 200, 0, 220, 25));
  for (int i = 1; i < 9; ++i) EXPECT_FALSE(Blank(panel, 200 + 20 * i, 0, 220 + 20 * i, 25)) << i;
}

TEST_F(ScorePanelTest, ANegativeStockDrawsNoDigits) {
  GameState.shipStock = -15;
  EXPECT_TRUE(Blank(Panel(), 500, 6, 530, 16));
  GameState.shipStock = 0;
  EXPECT_FALSE(Blank(Panel(), 500, 6, 530, 16));  // "000"
}

TEST_F(ScorePanelTest, StockOf999ShowsThreeNines) {
  GameState.shipStock = 999;
  EXPECT_TRUE(SameArea(Panel(), SmallDigits("999", 500), 500, 530));
}

TEST_F(ScorePanelTest, ACapsuleCounterOf100ShowsItsFirstTwoCharacters) {
  GameState.capsuleCounter = 100;
  EXPECT_TRUE(SameArea(Panel(), SmallDigits("10", 560), 560, 580));
  GameState.capsuleCounter = 7;
  EXPECT_TRUE(SameArea(Panel(), SmallDigits("07", 560), 560, 580));
}

TEST_F(ScorePanelTest, TheHighScoreShowsAsNineSmallDigits) {
  EXPECT_TRUE(SameArea(Panel(), SmallDigits("987654321", 380), 380, 470));
}

}  // namespace
