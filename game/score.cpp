#include "game/score.h"

#include "config/geometry.h"
#include "framework/el_draw.h"
#include "framework/el_system.h"
#include "game/game_state.h"
#include "game/pictures.h"

int AddScore(int points) {
  GameState.score += points;
  if (GameState.score > kScoreLimit) GameState.score = kScoreLimit;
  if (GameState.score > GameState.highScore) GameState.highScore = GameState.score;
  return GameState.score;
}

namespace {

constexpr int kShift = Geometry::kFieldShiftX;

// Draws the first `count` characters of `text` as MYMY's small digits, 10 pixels apart.
void DrawSmallDigits(const char* text, int count, int x, int y) {
  for (int i = 0; i < count && text[i] != '\0'; ++i) {
    const int d = text[i] - '0';
    elDraw::DrawObject(x + 10 * i, y, Slot(Pic::MYMY), 8 + 7 * d, 70, 15 + 7 * d, 80);
  }
}

}  // namespace

void DrawScorePanel() {
  char text[elSystem::kShortFormatSize];
  elSystem::FormatShortString(text, "%09d", GameState.score);
  for (int i = 0; i < 9; ++i) {
    const int d = text[i] - '0';
    elDraw::DrawObject(200 + kShift + 20 * i, 0, Slot(Pic::SUJI09), 20 * d, 0, 20 * d + 20, 25);
  }
  elSystem::FormatShortString(text, "%09d", GameState.highScore);
  DrawSmallDigits(text, 9, 380 + kShift, 6);
  if (GameState.shipStock >= 0) {
    elSystem::FormatShortString(text, "%03d", GameState.shipStock);
    DrawSmallDigits(text, 3, 500 + kShift, 6);
  }
  if (GameState.capsuleCounter >= 0) {
    elSystem::FormatShortString(text, "%02d", GameState.capsuleCounter);
    DrawSmallDigits(text, 2, 560 + kShift, 6);
  }
  elDraw::DrawObject(475 + kShift, 6, Slot(Pic::MYMY), 200, 70, 224, 80);
  elDraw::DrawObject(535 + kShift, 6, Slot(Pic::MYMY), 170, 70, 194, 80);
}
