#include "game/ranking.h"

#include "config/ending_geometry.h"
#include "framework/el_draw.h"
#include "framework/el_system.h"
#include "game/game_state.h"
#include "game/pictures.h"

int RankingTable[kRankingRows];
int RankingChangedRow = -1;

namespace {

constexpr int kShift = Geometry::kFieldShiftX;
constexpr int kHeadingX = 200 + kShift;
constexpr int kHeadingY = 100 + Geometry::kRankingShiftY;
constexpr int kFirstRowY = 225 + Geometry::kRankingShiftY;
constexpr int kRowSpacing = 40;
constexpr int kRankX = 230 + kShift;
constexpr int kValueX = 310 + kShift;
constexpr int kDigitWidth = 20;
constexpr int kDigitHeight = 25;
constexpr int kValueDigits = 9;

// One large digit of SUJI09.
void DrawLargeDigit(int digit, int x, int y) {
  elDraw::DrawObject(x, y, Slot(Pic::SUJI09), kDigitWidth * digit, 0, kDigitWidth * digit + kDigitWidth, kDigitHeight);
}

}  // namespace

void RebuildRankingTable() {
  RankingChangedRow = -1;
  for (int row = 0; row < kRankingRows; ++row) RankingTable[row] = kRankingValues[row];
  for (int row = 0; row < kRankingRows; ++row) {
    if (GameState.highScore >= RankingTable[row] || GameState.score >= RankingTable[row]) {
      RankingTable[row] = GameState.highScore;
      RankingChangedRow = row;
      return;
    }
  }
}

void DrawRanking() {
  RebuildRankingTable();
  elDraw::DrawObject(kHeadingX, kHeadingY, Slot(Pic::RANKING1), 0, 0, 400, 100);
  char text[elSystem::kShortFormatSize];
  for (int row = 0; row < kRankingRows; ++row) {
    const int y = kFirstRowY + kRowSpacing * row;
    DrawLargeDigit(row + 1, kRankX, y);
    elSystem::FormatShortString(text, "%09d", RankingTable[row]);
    for (int i = 0; i < kValueDigits; ++i) DrawLargeDigit(text[i] - '0', kValueX + kDigitWidth * i, y);
  }
}
