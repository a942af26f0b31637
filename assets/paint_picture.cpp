// Palettes, shared helpers and the dispatch from a table row to its drawing routine.
#include <algorithm>
#include <cmath>

#include "painters.h"
#include "stroke_font.h"

namespace assetgen {

namespace {

// deep, main, light, white-hot
constexpr uint32_t kPaletteStops[][4] = {
    {0x801000, 0xE04010, 0xFFA020, 0xFFF0C0},  // Fire
    {0x702008, 0xD05018, 0xFFB040, 0xFFF8E0},  // Ember
    {0x103080, 0x2080FF, 0x80E0FF, 0xF0FFFF},  // Plasma
    {0x704000, 0xD09010, 0xFFE040, 0xFFFFE0},  // Gold
    {0x401070, 0x8030D0, 0xC080FF, 0xF8E8FF},  // Violet
    {0x085010, 0x20B040, 0x80FF80, 0xF0FFF0},  // Green
    {0x600810, 0xD02020, 0xFF7060, 0xFFF0F0},  // Red
    {0x102058, 0x3060C0, 0x80B0F0, 0xF0F8FF},  // Blue
    {0x283038, 0x607080, 0xA8B8C8, 0xF0F8FF},  // Steel
    {0x084060, 0x20A0E0, 0x90E8FF, 0xF0FFFF},  // Sky
    {0x600848, 0xD020A0, 0xFF80E0, 0xFFF0FF},  // Magenta
    {0x602000, 0xE06010, 0xFFB050, 0xFFF8E8},  // Orange
    {0x2C3810, 0x6A7A28, 0xB0C060, 0xF8FFE0},  // Olive
};

}  // namespace

Rgb Ramp(Palette palette, float t) {
  const uint32_t* s = kPaletteStops[int(palette)];
  t = std::clamp(t, 0.0f, 1.0f);
  constexpr float kAt[4] = {0.0f, 0.4f, 0.75f, 1.0f};
  int k = 0;
  while (k < 2 && t > kAt[k + 1]) ++k;
  const float u = (t - kAt[k]) / (kAt[k + 1] - kAt[k]);
  return Mix(Hex(s[k]), Hex(s[k + 1]), u);
}

Vec2 Heading(float degrees) {
  const float a = degrees * 3.14159265f / 180.0f;
  return {std::sin(a), -std::cos(a)};
}

void PaintWords(Canvas& canvas, const Cell& area, std::string_view text, float cx, float top, float height,
                Rgb topColour, Rgb bottomColour, Rgb outline) {
  const TextLayout t = LayOutText(text, cx - TextWidth(text, height) * 0.5f, top, height);
  const float stroke = std::max(1.2f, height * 0.075f);
  const float rim = std::max(1.2f, height * 0.05f);
  for (int y = area.y; y < area.y + area.h; ++y)
    for (int x = area.x; x < area.x + area.w; ++x) {
      const float d = StrokeDistance(t, {x + 0.5f, y + 0.5f});
      if (d > stroke + rim + 1.0f) continue;
      canvas.Over(x, y, outline, Coverage(d - stroke - rim));
      const float v = std::clamp((y + 0.5f - top) / height, 0.0f, 1.0f);
      canvas.Over(x, y, Mix(topColour, bottomColour, v), Coverage(d - stroke));
    }
}

Canvas PaintPicture(const PictureSpec& spec) {
  Canvas canvas(spec.width, spec.height);
  switch (spec.paint) {
    case Paint::Plain: break;
    case Paint::Burst: PaintBurst(canvas, spec); break;
    case Paint::Blast: PaintBlast(canvas, spec); break;
    case Paint::Fragments: PaintFragments(canvas, spec); break;
    case Paint::PlayerShip: PaintPlayerShip(canvas, spec); break;
    case Paint::BigDigits: PaintBigDigits(canvas, spec); break;
    case Paint::PartsSheet: PaintPartsSheet(canvas, spec); break;
    case Paint::Spark: PaintSpark(canvas, spec); break;
    case Paint::Bolt: PaintBolt(canvas, spec); break;
    case Paint::Flash: PaintFlash(canvas, spec); break;
    case Paint::Orb: PaintOrb(canvas, spec); break;
    case Paint::Capsule: PaintCapsule(canvas, spec); break;
    case Paint::PowerMark: PaintPowerMark(canvas, spec); break;
    case Paint::Craft: PaintCraft(canvas, spec); break;
    case Paint::Turret: PaintTurret(canvas, spec); break;
    case Paint::Boss: PaintBoss(canvas, spec); break;
    case Paint::BossEntry: PaintBossEntry(canvas, spec); break;
    case Paint::Bullet: PaintBullet(canvas, spec); break;
    case Paint::Dart: PaintDart(canvas, spec); break;
    case Paint::Flame: PaintFlame(canvas, spec); break;
    case Paint::Backdrop: PaintBackdrop(canvas, spec); break;
    case Paint::Title: PaintTitle(canvas, spec); break;
    case Paint::Banner: PaintBanner(canvas, spec); break;
    case Paint::Ending: PaintEnding(canvas, spec); break;
  }
  return canvas;
}

}  // namespace assetgen
