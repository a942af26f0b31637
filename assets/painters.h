// The drawing routines of the picture table, grouped by what they draw.
#pragma once

#include <string_view>

#include "canvas.h"
#include "picture_table.h"

namespace assetgen {

// Colour ramp of a palette: 0 = deep shade, 0.4 main colour, 0.75 light, 1 white-hot.
Rgb Ramp(Palette palette, float t);

// Heading in degrees (0 up, 90 right, 180 down) to a unit direction on screen.
Vec2 Heading(float degrees);

// Calls fn(cell, index) for every cell of the picture, left to right then top to bottom.
template <typename Fn>
void ForEachCell(const PictureSpec& spec, Fn fn) {
  int index = 0;
  for (int r = 0; r < spec.Rows(); ++r)
    for (int c = 0; c < spec.Columns(); ++c) fn(Cell{c * spec.cellW, r * spec.cellH, spec.cellW, spec.cellH}, index++);
}

// Words on a keyed picture: fill graded from `top` to `bottom` colour with an outline.
void PaintWords(Canvas& canvas, const Cell& area, std::string_view text, float cx, float top, float height,
                Rgb topColour, Rgb bottomColour, Rgb outline);

// craft.cpp
void PaintPlayerShip(Canvas& canvas, const PictureSpec& spec);
void PaintCraft(Canvas& canvas, const PictureSpec& spec);
void PaintTurret(Canvas& canvas, const PictureSpec& spec);
void PaintBoss(Canvas& canvas, const PictureSpec& spec);
void PaintBossEntry(Canvas& canvas, const PictureSpec& spec);
// Draws the player ship into `cell` rolled by `roll` (-1 full right .. 1 full left), scale 1 = one 60x70 cell.
void DrawShip(Canvas& canvas, const Cell& cell, float roll, float scale, float heading);

// effects.cpp
void PaintBurst(Canvas& canvas, const PictureSpec& spec);
void PaintBlast(Canvas& canvas, const PictureSpec& spec);
void PaintFragments(Canvas& canvas, const PictureSpec& spec);
void PaintSpark(Canvas& canvas, const PictureSpec& spec);
void PaintBolt(Canvas& canvas, const PictureSpec& spec);
void PaintFlash(Canvas& canvas, const PictureSpec& spec);
void PaintOrb(Canvas& canvas, const PictureSpec& spec);
void PaintCapsule(Canvas& canvas, const PictureSpec& spec);
void PaintBullet(Canvas& canvas, const PictureSpec& spec);
void PaintDart(Canvas& canvas, const PictureSpec& spec);
void PaintFlame(Canvas& canvas, const PictureSpec& spec);

// scenery.cpp
void PaintBigDigits(Canvas& canvas, const PictureSpec& spec);
void PaintPartsSheet(Canvas& canvas, const PictureSpec& spec);
void PaintPowerMark(Canvas& canvas, const PictureSpec& spec);
void PaintBackdrop(Canvas& canvas, const PictureSpec& spec);
void PaintTitle(Canvas& canvas, const PictureSpec& spec);
void PaintBanner(Canvas& canvas, const PictureSpec& spec);
void PaintEnding(Canvas& canvas, const PictureSpec& spec);

// Draws the picture of one table row.
Canvas PaintPicture(const PictureSpec& spec);

}  // namespace assetgen
