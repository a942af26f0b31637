// Enemy shots: how every shot kind is built.
//
// A shot kind is one static pool of plain records and four or five named operations
// (FireBoss1AimedStream3, UpdateBoss1AimedStream3, DrawBoss1AimedStream3, ResetBoss1AimedStream3, ...).
// The behaviour lives once per template (aimed_stream.h, aimed_shot.h, ...): a record type, a kind
// descriptor holding the kind's data (pool, groups x records, owner and emitter offset, aim offset,
// speeds, picture, contact box) and template functions that take the descriptor. Each kind is then one
// row of its template's kind table; the row defines the pool and the descriptor, and the named
// operations are one-line wrappers stamped out from the row. A new template adds its record, its
// descriptor, its functions built on the helpers below, and a kind table in the same shape.
//
// The helpers here are the rules every template shares: the parked rest point, the aim rule, motion
// along a heading, the strict cull, the contact test that clears the ship-alive flag, and the two
// sprite drawers (a cell of an additive strip, or one sprite turned to the heading).
#pragma once

#include <cmath>

#include "config/geometry.h"
#include "framework/el_draw.h"
#include "framework/el_input.h"
#include "game/game_state.h"
#include "game/pictures.h"
#include "game/pixel.h"

namespace shots {

// Where a record at rest waits, far outside the screen.
constexpr float kParkedX = -500.0f;
constexpr float kParkedY = 2550.0f;
// The heading every record of the rotated kinds rests at: minus 3 degrees.
constexpr float kRestAngle = -0.05235988f;

constexpr float kHalfPi = 1.5707964f;
constexpr float kPi = 3.1415927f;
constexpr double kDegreesPerRadian = 57.29577951308232;

// A heading offset in whole degrees as the float radians the kinds add to their aim.
constexpr float Radians(int degrees) { return static_cast<float>(degrees * 3.14159265358979323846 / 180.0); }

// The heading from the aim distances, turned by `headingOffset` (radians, clockwise on screen).
inline float AimAngle(float aimDx, float aimDy, float headingOffset) {
  float angle = aimDx == 0.0f ? kHalfPi + headingOffset : std::atan(aimDy / aimDx) + headingOffset;
  if ((aimDx <= 0.0f && aimDy <= 0.0f) || (aimDx < 0.0f && aimDy > 0.0f)) angle += kPi;
  return angle;
}

// One frame of flight along `angle` at `speed` pixels per second: y first, then x.
inline void MoveAlongHeading(float& x, float& y, float angle, float speed) {
  const float dt = FrameTime();
  const float down = static_cast<float>(std::sin(static_cast<double>(angle)) * speed);
  y += down * dt;
  const float across = static_cast<float>(std::cos(static_cast<double>(angle)) * speed);
  x += across * dt;
}

// Cull bounds: a record strictly outside any of them ends.
struct ShotBounds {
  float left, top, right, bottom;
};
// The common bounds of most kinds: small margins above and left, the screen's right and bottom edges.
constexpr ShotBounds ScreenBounds(float left, float top) {
  return {left, top, static_cast<float>(Geometry::kScreenWidth), static_cast<float>(Geometry::kScreenHeight)};
}
inline bool OutsideBounds(float x, float y, const ShotBounds& b) {
  return x < b.left || x > b.right || y < b.top || y > b.bottom;
}

// Contact box: the shot's offset from the ship's corner that touches it, bounds inclusive.
struct ContactBox {
  float left, right, top, bottom;
};

// The contact test of one Update call: the ship-alive flag is read once at the start, a touch clears
// it and stops the testing, and the flag is written back when the call ends.
class ShipContactPass {
 public:
  ShipContactPass() : alive_(GameState.shipAlive) {}
  ~ShipContactPass() { GameState.shipAlive = alive_; }
  ShipContactPass(const ShipContactPass&) = delete;
  ShipContactPass& operator=(const ShipContactPass&) = delete;

  void Test(float x, float y, const ContactBox& box) {
    if (alive_ == 0) return;
    const float ddx = x - GameState.shipX;
    const float ddy = y - GameState.shipY;
    if (box.left <= ddx && ddx <= box.right && box.top <= ddy && ddy <= box.bottom) alive_ = 0;
  }

 private:
  int alive_;
};

// Puts a record at rest.
template <class Record>
void Park(Record& r) {
  r.active = 0;
  r.x = kParkedX;
  r.y = kParkedY;
}

// One Update of the kinds whose records fly straight on: each live record moves along its heading,
// is parked when it leaves `bounds`, and is otherwise tested against the ship (a touch leaves it).
template <class Record>
void FlyStraightParkAndTest(Record* pool, int count, const ShotBounds& bounds, const ContactBox& box) {
  ShipContactPass contact;
  for (int i = 0; i < count; ++i) {
    Record& r = pool[i];
    if (r.active == 0) continue;
    MoveAlongHeading(r.x, r.y, r.angle, r.speed);
    if (OutsideBounds(r.x, r.y, bounds)) {
      Park(r);
      continue;
    }
    contact.Test(r.x, r.y, box);
  }
}

// The turn of a sprite that points up in its picture, for a heading in radians.
inline int TurnDegrees(float angle) {
  return 270 - static_cast<int>(static_cast<double>(angle) * kDegreesPerRadian);
}

// A horizontal strip of equal cells drawn additively; the record's cell advances once per draw.
struct ShotStrip {
  Pic::Id picture;
  int cellWidth, cellHeight, cells;
};
template <class Record>
void DrawStripCell(Record& r, const ShotStrip& strip, int dx, int dy) {
  const int left = r.cell * strip.cellWidth;
  elDraw::DrawAdditive(ToPixel(r.x) + dx, ToPixel(r.y) + dy, Slot(strip.picture), left, 0, left + strip.cellWidth,
                       strip.cellHeight);
  r.cell += 1;
  if (r.cell >= strip.cells) r.cell = 0;
}

// One sprite of `size` x `size` turned to the record's heading, its box grown by `inset` on the
// top-left side.
template <class Record>
void DrawTurned(const Record& r, Pic::Id picture, int size, int inset) {
  const int x = ToPixel(r.x);
  const int y = ToPixel(r.y);
  elDraw::DrawRotated(x - inset, y - inset, x + size, y + size, TurnDegrees(r.angle), Slot(picture), 0, 0, size,
                      size);
}

}  // namespace shots
