// Where the player's ship may fly and where the game-over picture sits. Laid out for the 800x600
// screen and moved with the play field (x) and the bottom of the screen (y) in the other build.
#pragma once

#include "config/geometry.h"

namespace Geometry {
constexpr float kShipMinX = 220.0f + kFieldShiftX;
constexpr float kShipMaxX = 520.0f + kFieldShiftX;
constexpr float kShipMinY = 220.0f + kBottomShiftY;
constexpr float kShipMaxY = 540.0f + kBottomShiftY;
constexpr int kContinueX = 300 + kFieldShiftX;
constexpr int kContinueY = 310 + kBottomShiftY;
}  // namespace Geometry
