// Screen geometry of the 640x480 build.
#pragma once

namespace Geometry {
constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;
// The play field: the band every sprite is clipped to (right and bottom exclusive).
constexpr int kPlayLeft = 140;
constexpr int kPlayTop = 0;
constexpr int kPlayRight = 500;
constexpr int kPlayBottom = 480;
// Horizontal shift of everything laid out around the play field, against the 800x600 layout.
constexpr int kFieldShiftX = -80;
// Where a new game puts the ship (top-left corner of its sprite).
constexpr float kShipStartX = 290.0f;
constexpr float kShipStartY = 400.0f;
}  // namespace Geometry
