#include "game/backdrops.h"

#include "config/geometry.h"
#include "framework/el_draw.h"
#include "framework/el_input.h"
#include "game/game_state.h"
#include "game/pictures.h"
#include "game/pixel.h"

BackdropTile BackdropColumns[BackdropColumnCount][kBackdropTiles];

namespace {

constexpr float kTileHeight = 480.0f;
constexpr float kColumnX = 180.0f + Geometry::kFieldShiftX;
constexpr float kWrappedX = 100.0f + Geometry::kFieldShiftX;
constexpr float kBaseLaidOutX = -500.0f;

struct SpeedWindow {
  float from;
  float to;  // closed at both ends
  float speed;
};

constexpr float kForever = 3.0e38f;

constexpr SpeedWindow kBaseSpeeds[] = {
    {0, 500, 150},    {500, 530, 200},   {530, 560, 300},    {560, 590, 400},      {590, 620, 300},
    {620, 650, 400},  {650, 1000, 250},  {1000, 1150, 200},  {1150, kForever, 150},
};
constexpr SpeedWindow kStage3Speeds[] = {
    {0, 500, 140},    {500, 530, 150},   {530, 560, 250},    {560, 590, 350},      {590, 620, 450},
    {620, 650, 550},  {650, 1000, 650},  {1000, 1150, 300},  {1150, kForever, 150},
};

template <int N>
float SpeedAt(const SpeedWindow (&windows)[N], float t) {
  float speed = 0.0f;
  for (const SpeedWindow& w : windows) {
    if (t >= w.from && t <= w.to) speed += w.speed;
  }
  return speed;
}

// Draws every tile, then moves it; the last tile's crossing into view sends it back to the top.
// Stage columns wrap once it is below the top edge and jump to the wrapped x; the base column wraps
// from the top edge on and keeps its x.
void ScrollColumn(BackdropColumnId column, Pic::Id picture, float speed) {
  BackdropTile* tiles = BackdropColumns[column];
  const int slot = Slot(picture);
  const float step = FrameTime() * speed;
  const bool stageColumn = column != BaseColumn;
  for (int k = 0; k < kBackdropTiles; ++k) {
    BackdropTile& tile = tiles[k];
    elDraw::DrawObject(ToPixel(tile.x), ToPixel(tile.y), slot, 0, 0, 440, 480);
    tile.x = kColumnX;
    tile.y += step;
    const float lastY = tiles[kBackdropTiles - 1].y;
    if (stageColumn ? lastY > 0.0f : lastY >= 0.0f) {
      if (stageColumn) tile.x = kWrappedX;
      tile.y = -kTileHeight * static_cast<float>(k);
    }
  }
}

}  // namespace

float BaseBackdropSpeed(float t) { return SpeedAt(kBaseSpeeds, t); }
float Stage3BackdropSpeed(float t) { return SpeedAt(kStage3Speeds, t); }

void LayOutBackdrops() {
  for (int column = 0; column < BackdropColumnCount; ++column) {
    const float x = column == BaseColumn ? kBaseLaidOutX : kColumnX;
    for (int k = 0; k < kBackdropTiles; ++k) {
      BackdropColumns[column][k] = BackdropTile{x, 120.0f - kTileHeight * static_cast<float>(k)};
    }
  }
}

void ScrollBaseBackdrop() { ScrollColumn(BaseColumn, Pic::BBACK8S, BaseBackdropSpeed(GameState.stageClock)); }
void ScrollStage1Backdrop() { ScrollColumn(Stage1Column, Pic::BBACK1S, 130.0f); }
void ScrollStage2Backdrop() { ScrollColumn(Stage2Column, Pic::BBACK2S, 100.0f); }
void ScrollStage3Backdrop() {
  ScrollColumn(Stage3Column, Pic::BBACK3S, Stage3BackdropSpeed(GameState.stageClock));
}
