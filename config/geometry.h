// The screen geometry this build was made for (TESSIVANE_GEOMETRY is 800 or 640).
#pragma once

#if TESSIVANE_GEOMETRY == 640
#include "config/geometry640.h"
#elif TESSIVANE_GEOMETRY == 800
#include "config/geometry800.h"
#else
#error "TESSIVANE_GEOMETRY must be 800 or 640"
#endif

namespace Geometry {
// How much lower the bottom of the screen lies than in the 800x600 layout (-120 in the 640x480 build).
constexpr int kBottomShiftY = kScreenHeight - 600;
}  // namespace Geometry
