// Screen geometry of the 800x600 build.
#pragma once

namespace Geometry {
constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;
// The play field: the band every sprite is clipped to (right and bottom exclusive).
constexpr int kPlayLeft = 220;
constexpr int kPlayTop = 0;
constexpr int kPlayRight = 580;
constexpr int kPlayBottom = 600;
// Horizontal shift of everything laid out around the play field, against the 800x600 layout.
constexpr int kFieldShiftX = 0;
// Where a new game puts the ship (top-left corner of its sprite).
constexpr float kShipStartX = 370.0f;
constexpr float kShipStartY = 520.0f;
}  // namespace Geometry
