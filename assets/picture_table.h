// The game's default pictures: one row per file, with its exact size, cell layout and the routine
// (plus parameters) that draws it. The generator walks this table; the asset tests read it too.
#pragma once

#include <cstdint>
#include <span>

#include "canvas.h"

namespace assetgen {

// Drawing routines. What `variant`, `angle` and `text` mean depends on the routine:
enum class Paint : uint8_t {
  Plain,       // a small black picture for files the game loads but never shows
  Burst,       // explosion growing and fading over the cells; variant 0 fireball, 1 flames, 2 flash, 3 big blast
  Blast,       // special-attack blast rising from the ship; variant = frame 1..16
  Fragments,   // glowing hull fragment, 15-frame cycle over an 8x2 grid
  PlayerShip,  // the ship, banking from cell 0 (full right) over 3 (level) to 6 (full left)
  BigDigits,   // digits 0..9, one per cell
  PartsSheet,  // small digits, star streaks and the two panel icons in row y 70..80
  Spark,       // tiny four-point spark
  Bolt,        // player shot; variant 1 needle, 2 wide wave, 3 lance up, 4 lances down; angle = lean (deg)
  Flash,       // muzzle flash; variant 0 narrow, 1 wide
  Orb,         // round glowing ball; variant 0 plain, 1 hook ring, 2 chain segment
  Capsule,     // power capsule
  PowerMark,   // power badge
  Craft,       // enemy craft; variant = hull design, angle = heading (0 up, 90 right, 180 down)
  Turret,      // enemy craft turning over five cells: cell 4 heading `angle`, cell 0 heading `variant`
  Boss,        // boss body; variant = boss * 4 + damage (0 intact .. 3 wrecked), boss 0/1/2 = stage 1/2/3
  BossEntry,   // boss seen from behind with its engines burning while it passes
  Bullet,      // enemy bullet strip; variant 0 pulsing ball, 1 spinning star, 2 drop leaning by cell
               // (cell c heads 180 + (centre - c) * angle degrees)
  Dart,        // opaque pointed bullet facing `angle`; drawn turned by the game, so kept in the circle
  Flame,       // engine flame flickering over the cells, exhaust pointing up
  Backdrop,    // 440x480 tile joining top to bottom; variant 0 deep-space base, 1..3 stage columns
  Title,       // the title picture; text lines separated by '|'
  Banner,      // words on a plate; text lines separated by '|'
  Ending,      // closing picture of the ending; variant 0..3
};

enum class Palette : uint8_t { Fire, Ember, Plasma, Gold, Violet, Green, Red, Blue, Steel, Sky, Magenta, Orange, Olive };

struct PictureSpec {
  const char* file;  // relative to the program directory, exact case
  int width, height;
  int cellW, cellH;  // cells laid left to right, then top to bottom; the whole picture when single
  Paint paint;
  Finish finish;  // how the game blends it (keyed sprite or light on black)
  Palette palette;
  int variant;
  int angle;
  uint32_t seed;
  const char* text;
  bool drawn;  // shown by the game (false: loaded only)

  int Columns() const { return width / cellW; }
  int Rows() const { return height / cellH; }
  int Cells() const { return Columns() * Rows(); }
};

// All 188 files, in the order the game loads them (the one file loaded twice is listed once).
std::span<const PictureSpec> Pictures();

}  // namespace assetgen
