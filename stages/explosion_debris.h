// The destruction of the mid-sized enemies: pieces of an explosion strip flung out from the enemy's
// corner, one animation frame per draw, and the frame and cycle count that end it.
#pragma once

#include "game/pictures.h"

namespace debris {

enum class Blend : int { Add, Half };

// One piece: cell t of `picture` (cells `cell` pixels square) drawn at (x + kx*t + ox, y + ky*t + oy).
struct Piece {
  Blend blend;
  Pic::Id picture;
  int cell;
  int kx, ox, ky, oy;
};

// Draws every piece of a look for animation frame `t` round the corner (x, y).
void DrawPieces(const Piece* pieces, int count, int x, int y, int t);
template <int N>
void DrawPieces(const Piece (&pieces)[N], int x, int y, int t) {
  DrawPieces(pieces, N, x, y, t);
}

// One step of a destruction: the explosion sound on frame 0, then the frame advances and wraps after
// `lastFrame`, counting a cycle. True when the second cycle has ended (the enemy is removed).
bool StepDestruction(int& frame, int& cycle, int lastFrame);

}  // namespace debris
