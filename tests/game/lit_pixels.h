// Where a drawer lit the back buffer.
#pragma once
#include <gtest/gtest.h>

#include "framework/el_draw.h"

// Something is lit, and only inside left..right x top..bottom (right and bottom exclusive).
inline ::testing::AssertionResult LitOnlyWithin(int left, int top, int right, int bottom) {
  int pitch = 0;
  const std::uint16_t* pixels = elDraw::BackBufferPixels(pitch);
  int lit = 0;
  for (int y = 0; y < 600; ++y) {
    for (int x = 0; x < 800; ++x) {
      if (pixels[y * pitch + x] == 0) continue;
      if (x < left || x >= right || y < top || y >= bottom) {
        return ::testing::AssertionFailure() << "lit at " << x << ',' << y;
      }
      ++lit;
    }
  }
  if (lit == 0) return ::testing::AssertionFailure() << "nothing lit";
  return ::testing::AssertionSuccess();
}
