// The squadron's looks: six drawing styles of a flying fighter, and the destruction animation.
#include <iterator>

#include "framework/el_draw.h"
#include "game/pictures.h"
#include "game/pixel.h"
#include "stages/explosion_debris.h"
#include "stages/squadron.h"

namespace {

constexpr double kDegreesPerRadian = 57.29577951308232;

// Engine flames: a 20x70 cell of the strip, drawn at one or two offsets from the fighter's corner.
struct FlameLook {
  Pic::Id picture;
  int flames;
  int dx[2], dy;
};
struct BodyLook {
  Pic::Id picture;
  int width, height;
  int dx, dy;
};
struct FighterLook {
  FlameLook flame;  // flames 0: none
  BodyLook body;
};

// The upright styles 0, 1, 2 and 4 (style 0 has no flames).
constexpr FighterLook kStyle0 = {{Pic::ZFIRE1, 0, {0, 0}, 0}, {Pic::SZAK1, 60, 60, 5, 10}};
constexpr FighterLook kStyle1 = {{Pic::ZFIRE1, 1, {25, 0}, -40}, {Pic::SZAK10, 70, 80, 0, 0}};
constexpr FighterLook kStyle2 = {{Pic::ZFIRE2, 2, {5, 55}, -54}, {Pic::SZAK9, 80, 80, 0, 0}};
constexpr FighterLook kStyle4 = {{Pic::ZFIRE2, 2, {12, 48}, -42}, {Pic::SZAK8, 80, 80, 0, 0}};

void DrawUpright(SquadFighterRecord& f, const FighterLook& look) {
  const int x = ToPixel(f.x);
  const int y = ToPixel(f.y);
  const FlameLook& flame = look.flame;
  if (flame.flames > 0) {
    const int left = 20 * f.flameFrame;
    for (int i = 0; i < flame.flames; ++i) {
      elDraw::DrawObject(x + flame.dx[i], y + flame.dy, Slot(flame.picture), left, 0, left + 20, 70);
    }
    f.flameFrame += 1;
    if (f.flameFrame > 19) f.flameFrame = 0;
  }
  const BodyLook& body = look.body;
  elDraw::DrawObject(x + body.dx, y + body.dy, Slot(body.picture), 0, 0, body.width, body.height);
}

// Styles 5 and 6 face the heading of the circling patterns; a quarter turn of headings is drawn upright.
void DrawTurned(const SquadFighterRecord& f, Pic::Id picture, int baseDegrees) {
  const int d = static_cast<int>(static_cast<double>(f.angle) * -kDegreesPerRadian);
  const int r = baseDegrees - d;
  const int x = ToPixel(f.x);
  const int y = ToPixel(f.y);
  if (-90 <= r && r <= 0) {
    elDraw::DrawObject(x, y, Slot(picture), 0, 0, 80, 80);
  } else {
    elDraw::DrawRotated(x, y, x + 80, y + 80, r, Slot(picture), 0, 0, 80, 80);
  }
}

using debris::Blend;
using DebrisPiece = debris::Piece;
struct DestructionLook {
  const DebrisPiece* pieces;
  int count;
};

constexpr DebrisPiece kBlastPieces[] = {
    {Blend::Add, Pic::ZBAK3B, 80, 0, 0, 0, 0},     {Blend::Half, Pic::ZBAK3B, 80, -6, 20, -6, 20},
    {Blend::Add, Pic::ZBAK3B, 80, 6, 20, 2, 20},   {Blend::Add, Pic::ZBAK3B, 80, -6, 20, 6, 20},
    {Blend::Add, Pic::ZBAK3B, 80, 1, 20, -6, 20},
};
constexpr DebrisPiece kScatterPieces[] = {
    {Blend::Half, Pic::ZBAK2B, 80, 0, 0, 0, 0},   {Blend::Add, Pic::ZBAK6B, 40, -4, 20, -6, 20},
    {Blend::Add, Pic::ZBAK6B, 40, 1, 20, 7, 20},  {Blend::Add, Pic::ZBAK6B, 40, 7, 20, -1, 20},
    {Blend::Add, Pic::ZBAK6B, 40, -6, 20, 3, 20}, {Blend::Add, Pic::ZBAK6B, 40, -7, 20, -6, 20},
    {Blend::Add, Pic::ZBAK6B, 40, 5, 20, -8, 20},
};
constexpr DebrisPiece kBurstPieces[] = {
    {Blend::Add, Pic::ZBAK2B, 80, 6, 20, -1, 20},  {Blend::Half, Pic::ZBAK2B, 80, 6, 20, 6, 20},
    {Blend::Add, Pic::ZBAK2B, 80, -6, 20, 4, 20},  {Blend::Half, Pic::ZBAK2B, 80, 2, 20, -6, 20},
    {Blend::Add, Pic::ZBAK2B, 80, 0, 0, 0, 0},     {Blend::Add, Pic::ZBAK2B, 80, -6, 20, -6, 20},
};
constexpr DestructionLook kDestructions[] = {
    {kBlastPieces, static_cast<int>(std::size(kBlastPieces))},
    {kBlastPieces, static_cast<int>(std::size(kBlastPieces))},
    {kScatterPieces, static_cast<int>(std::size(kScatterPieces))},
    {kBurstPieces, static_cast<int>(std::size(kBurstPieces))},
};

void DrawDestruction(SquadFighterRecord& f) {
  if (0 <= f.kind && f.kind < static_cast<int>(std::size(kDestructions))) {
    const DestructionLook& look = kDestructions[f.kind];
    debris::DrawPieces(look.pieces, look.count, ToPixel(f.x), ToPixel(f.y), f.explosionFrame);
  }
  f.vx = 0.0f;
  f.vy = 0.0f;
  if (debris::StepDestruction(f.explosionFrame, f.explosionCycle, 9)) {
    f.x = -500.0f;
    f.y = 2550.0f;
    f.active = 0;
    f.hit = 0;
    f.explosionFrame = 0;
    f.explosionCycle = 0;
  }
}

}  // namespace

void DrawSquadFighter(int slot, int style) {
  SquadFighterRecord& f = SquadFighters[slot];
  if (f.hit >= 1) {
    DrawDestruction(f);
    return;
  }
  switch (style) {
    case 0:
      DrawUpright(f, kStyle0);
      break;
    case 1:
      DrawUpright(f, kStyle1);
      break;
    case 2:
      DrawUpright(f, kStyle2);
      break;
    case 4:
      DrawUpright(f, kStyle4);
      break;
    case 5:
      DrawTurned(f, Pic::SZAK6_1, -90);
      break;
    case 6:
      DrawTurned(f, Pic::SZAK6_2, 270);
      break;
    default:
      break;
  }
}
