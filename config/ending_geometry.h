// Where the ending lays out its pictures. Laid out for the 800x600 screen; the other build moves them
// with the play field (x) and fits them into its shorter screen (y).
#pragma once

#include "config/geometry.h"

namespace Geometry {
// The two closing pictures fill the play field's height down to the bottom of the screen.
constexpr int kClosingPictureY = 120 + kBottomShiftY;
// The ranking block (the heading at 100, the seven rows down to 490) moves up by half the lines the
// screen lacks, so it keeps even margins above and below.
constexpr int kRankingShiftY = kBottomShiftY / 2;
}  // namespace Geometry
