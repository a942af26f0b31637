// Where the shot drawers lit the back buffer: the box around every non-black pixel.
#pragma once
#include <algorithm>
#include <cstdint>

#include "framework/el_draw.h"

namespace shot_tests {

struct LitArea {
  int left = 800, top = 600, right = 0, bottom = 0;  // right and bottom exclusive
  bool Empty() const { return right <= left; }
};

inline LitArea LitNow() {
  int pitch = 0;
  const std::uint16_t* pixels = elDraw::BackBufferPixels(pitch);
  LitArea area;
  for (int y = 0; y < 600; ++y) {
    for (int x = 0; x < 800; ++x) {
      if (pixels[y * pitch + x] == 0) continue;
      area = {std::min(area.left, x), std::min(area.top, y), std::max(area.right, x + 1), std::max(area.bottom, y + 1)};
    }
  }
  return area;
}

}  // namespace shot_tests
