// The ship's death explosion: five rings of 16 fragments fly out from where the ship was hit; the
// last ring costs the ships. Also the end of the game when the stock runs out.
#include "game/ship_death.h"

#include <cmath>
#include <numbers>

#include "config/ship_geometry.h"
#include "framework/el_draw.h"
#include "framework/el_input.h"
#include "game/game_state.h"
#include "game/pictures.h"
#include "game/pixel.h"

ShipExplosionFragment ShipExplosion[kFragmentCount];

namespace {

constexpr float kDegree = std::numbers::pi_v<float> / 180.0f;
constexpr float kRestHeading = -3.0f * kDegree;
constexpr float kRingSpacing = 22.5f * kDegree;
constexpr int kCell = 60;
constexpr int kCellCycle = 15;  // row 0 columns 0..7, then row 1 columns 1..7
constexpr int kCullMargin = -60;
constexpr int kContinueWidth = 200;
constexpr int kContinueHeight = 100;

void Rest(ShipExplosionFragment& f) { f = ShipExplosionFragment{.x = -500.0f, .y = 2550.0f, .heading = kRestHeading}; }

// Record i leaves the ship aimed at the point (20, 20), turned by i x 22.5 degrees.
void Launch(ShipExplosionFragment& f, int i) {
  f.active = 1;
  f.x = f.startX = GameState.shipX;
  f.y = f.startY = GameState.shipY;
  f.speed = kFragmentSpeed;
  f.aimDX = 20.0f - f.x;
  f.aimDY = 20.0f - f.y;
  const float turn = static_cast<float>(i) * kRingSpacing;
  f.heading = f.aimDX == 0.0f ? 90.0f * kDegree + turn : std::atan(f.aimDY / f.aimDX) + turn;
  if ((f.aimDX <= 0.0f && f.aimDY <= 0.0f) || (f.aimDX < 0.0f && f.aimDY > 0.0f)) f.heading += 180.0f * kDegree;
}

void AdvanceCell(ShipExplosionFragment& f) {
  ++f.cellCounter;
  if (f.cellCounter >= kCellCycle) {
    f.cellColumn = f.cellRow = f.cellCounter = 0;
  } else if (f.cellCounter == 8) {
    f.cellColumn = 1;
    f.cellRow = 1;
  } else {
    ++f.cellColumn;
    f.cellRow = f.cellCounter < 8 ? 0 : 1;
  }
}

}  // namespace

void RunShipExplosion() {
  for (ShipExplosionFragment& f : ShipExplosion) ++f.count;
  const int count = ShipExplosion[0].count;
  if (count == kDeathFrames) {
    GameState.shipAlive = 1;
    GameState.respawning = 1;
  }
  for (int g = 0; g < kFragmentGroups; ++g) {
    if (count != kFragmentLaunchCount[g]) continue;
    for (int i = g * kFragmentsPerGroup; i < (g + 1) * kFragmentsPerGroup; ++i) {
      if (ShipExplosion[i].active != 0) continue;
      Launch(ShipExplosion[i], i);
      // Every fragment of the last ring costs a ship.
      if (g == kFragmentGroups - 1) --GameState.shipStock;
    }
  }
}

void DrawShipExplosion() {
  for (ShipExplosionFragment& f : ShipExplosion) {
    const int left = kCell * f.cellColumn;
    const int top = kCell * f.cellRow;
    elDraw::DrawAdditive(ToPixel(f.x), ToPixel(f.y), Slot(Pic::GFBAK1), left, top, left + kCell, top + kCell);
    AdvanceCell(f);
  }
}

void MoveShipExplosion() {
  const float dt = FrameTime();
  for (ShipExplosionFragment& f : ShipExplosion) {
    if (f.active == 0) continue;
    f.y += std::sin(f.heading) * f.speed * dt;
    f.x += std::cos(f.heading) * f.speed * dt;
    if (f.x > Geometry::kScreenWidth || f.x < kCullMargin || f.y > Geometry::kScreenHeight || f.y < kCullMargin) {
      f.active = 0;
      f.x = -500.0f;
      f.y = 2550.0f;
    }
  }
}

void ResetShipExplosion() {
  for (ShipExplosionFragment& f : ShipExplosion) Rest(f);
}

int CountLiveFragments() {
  int live = 0;
  for (const ShipExplosionFragment& f : ShipExplosion) live += f.active != 0 ? 1 : 0;
  return live;
}

void CheckGameOver() {
  if (GameState.shipStock > 0 || GameState.gameOver != 0) return;
  elDraw::DrawObject(Geometry::kContinueX, Geometry::kContinueY, Slot(Pic::CONTINU1), 0, 0, kContinueWidth,
                     kContinueHeight);
  GameState.shipVelX = 0.0f;
  GameState.shipVelY = 0.0f;
  GameState.gameOver = 1;
  GameState.paused = 1;
  GameState.shipAlive = 0;
}
