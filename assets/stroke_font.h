// The generator's own lettering: capitals, digits and a few signs drawn as thick strokes.
#pragma once

#include <string_view>
#include <vector>

#include "canvas.h"

namespace assetgen {

// Segments of a line of text laid out at (x, top), letters `height` pixels high.
struct TextLayout {
  std::vector<Vec2> a, b;  // segment ends in pixels
  float width = 0;
};
TextLayout LayOutText(std::string_view text, float x, float top, float height);
float TextWidth(std::string_view text, float height);

// Distance in pixels from p to the nearest stroke centre line.
float StrokeDistance(const TextLayout& t, Vec2 p);

// Small 5x7 bitmap digits for the tiniest panel numbers; returns whether (col, row) is lit.
bool SmallDigitPixel(int digit, int col, int row);

}  // namespace assetgen
