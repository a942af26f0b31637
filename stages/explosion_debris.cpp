#include "stages/explosion_debris.h"

#include "framework/el_draw.h"
#include "framework/el_sound.h"

namespace debris {

void DrawPieces(const Piece* pieces, int count, int x, int y, int t) {
  for (int i = 0; i < count; ++i) {
    const Piece& p = pieces[i];
    const int px = x + p.kx * t + p.ox;
    const int py = y + p.ky * t + p.oy;
    const int left = p.cell * t;
    if (p.blend == Blend::Add) {
      elDraw::DrawAdditive(px, py, Slot(p.picture), left, 0, left + p.cell, p.cell);
    } else {
      elDraw::DrawHalfBlend(px, py, Slot(p.picture), left, 0, left + p.cell, p.cell);
    }
  }
}

bool StepDestruction(int& frame, int& cycle, int lastFrame) {
  if (frame == 0) elSound::Play(SoundHandles.bomb, -1);
  frame += 1;
  if (frame > lastFrame) {
    frame = 0;
    cycle += 1;
  }
  return cycle > 1;
}

}  // namespace debris
