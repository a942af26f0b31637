// The ending: congratulation, ranking, credits and two closing pictures on a clock, while the ship
// still flies and fires; back to the title when the clock runs out or on Space.
#include "config/ending_geometry.h"
#include "framework/el_draw.h"
#include "framework/el_input.h"
#include "framework/el_sound.h"
#include "game/assets.h"
#include "game/backdrops.h"
#include "game/barrage.h"
#include "game/ending_scene.h"
#include "game/game_state.h"
#include "game/pictures.h"
#include "game/player_shot_hits.h"
#include "game/player_shots.h"
#include "game/ranking.h"
#include "game/scene.h"
#include "game/scene_music.h"
#include "game/score.h"
#include "game/ship.h"
#include "platform/win_types.h"
#include "platform/window_system.h"

// Six years of the studio and its games, and the team.
const char* const kEndingCreditLines[kEndingCreditLineCount] = {
    "2024  テッシヴェイン工房 設立",
    "2025  星屑の回廊",
    "2025  ルミナ・ドリフト",
    "2026  氷砂の塔",
    "2026  Tessivane 体験版",
    "2026  Tessivane",
    "制作  テッシヴェイン工房 開発チーム",
};

namespace {

constexpr int kShift = Geometry::kFieldShiftX;
constexpr float kEndingClockRate = 18.0f;  // clock units per second
constexpr float kEndingClockEnd = 1001.0f;
constexpr int kStarSpread = 80;
constexpr int kStarBase = 80;
constexpr unsigned kFrameSleepMs = 10;
constexpr int kLeaveKey = plat::VK_SPACE;

// The credits, one line every 20 pixels.
constexpr int kCreditX = 280 + kShift;
constexpr int kCreditTopY = 180;
constexpr int kCreditSpacing = 20;

void DrawCongratulation() { elDraw::DrawObject(250 + kShift, 100, Slot(Pic::MYGOODN), 0, 0, 300, 100); }

void DrawCredits() {
  int y = kCreditTopY;
  for (const char* line : kEndingCreditLines) {
    elDraw::DrawTextLine(kCreditX, y, line);
    y += kCreditSpacing;
  }
}

void DrawShotsAndShip() {
  DrawPlayerShots();
  DrawShip();
}

constexpr int kClosingPictureX = 220 + kShift;
void DrawClosingPicture1() {
  elDraw::DrawObject(kClosingPictureX, Geometry::kClosingPictureY, Slot(Pic::QWCG1), 0, 0, 360, 480);
}
void DrawClosingPicture2() {
  elDraw::DrawObject(kClosingPictureX, Geometry::kClosingPictureY, Slot(Pic::QWCG2), 0, 0, 360, 480);
}

// What the ending shows, by clock window (both ends inside), tested in this order each frame.
struct EndingWindow {
  float from;
  float to;
  void (*draw)();
};
constexpr EndingWindow kEndingWindows[] = {
    {0, 100, DrawCongratulation},    {101, 250, DrawRanking},          {251, 400, DrawCredits},
    {0, 400, DrawShotsAndShip},      {401, 500, DrawClosingPicture1},  {501, 1000, DrawClosingPicture2},
    {0, 400, DrawScorePanel},
};

void LeaveForTitle() { ChangeScene(SceneId::Title, kWipeEndingToTitle); }

}  // namespace

void RunEndingScene() {
  if (SceneState.sceneEntered == 1) GameState.stageClock = 0.0f;
  CountSceneMusic(kEndingMusic);
  elDraw::ClearBackBuffer();
  GameState.stageClock += FrameTime() * kEndingClockRate;
  DrawStarField(kStarSpread, kStarBase);
  for (const EndingWindow& window : kEndingWindows) {
    if (window.from <= GameState.stageClock && GameState.stageClock <= window.to) window.draw();
  }
  elDraw::SetVSyncWait(1);
  elDraw::Present();
  plat::Sleep(kFrameSleepMs);

  MoveShip();
  if (GameState.barrageRunning == 1) TickBarrage();
  HitTestPlayerShots();

  // Both ways out are tested in the same frame: the clock's end and a Space typed with it change the
  // scene twice (the second change snapshots the same picture again).
  if (GameState.stageClock >= kEndingClockEnd) {
    ResetGameObjects1();
    ResetGameObjects2();
    LeaveForTitle();
  }
  if (elInput::LastTypedKey == kLeaveKey) {
    ResetGameObjects1();
    ResetGameObjects2();
    ResetPlayerStart();
    LeaveForTitle();
  }
}
