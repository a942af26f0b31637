// The 100 falling star streaks drawn between the backdrop columns.
#include <cstdlib>

#include "config/geometry.h"
#include "framework/el_draw.h"
#include "framework/el_input.h"
#include "game/backdrops.h"
#include "game/pictures.h"
#include "game/pixel.h"

StarFieldStar StarField[kStarCount];

void ResetStarField() {
  for (StarFieldStar& star : StarField) {
    star.colour = std::rand() % 7;
    star.x = static_cast<float>(std::rand() % 1240 - 400);
    star.y = static_cast<float>(std::rand() % 480);
    star.fallSpeed = static_cast<float>(100 + std::rand() % 100);
  }
}

void DrawStarField(int spread, int base) {
  const int slot = Slot(Pic::MYMY);
  for (StarFieldStar& star : StarField) {
    const int n = star.colour;
    elDraw::DrawObject(ToPixel(star.x), ToPixel(star.y), slot, 139 + 3 * n, 70, 142 + 3 * n, 80);
    star.y += star.fallSpeed * FrameTime();
    if (star.y > static_cast<float>(Geometry::kScreenHeight)) {
      star.colour = std::rand() % 7;
      star.x = static_cast<float>(std::rand() % 640);
      star.y = static_cast<float>(-(std::rand() % 50));
      star.fallSpeed = static_cast<float>(base + std::rand() % spread);
    }
  }
}
