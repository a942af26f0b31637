// Backdrops, the title and ending pictures, and the pictures that carry words or numbers.
#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "painters.h"
#include "stroke_font.h"

namespace assetgen {

namespace {

std::vector<std::string_view> Lines(const char* text) {
  std::vector<std::string_view> lines;
  std::string_view s = text ? text : "";
  while (!s.empty()) {
    const size_t bar = s.find('|');
    lines.push_back(s.substr(0, bar));
    if (bar == std::string_view::npos) break;
    s.remove_prefix(bar + 1);
  }
  return lines;
}

// Letter height that fits `text` into `width` pixels.
float FitHeight(std::string_view text, float width) { return width * 6.0f / (float(text.size()) * 5.6f - 1.6f); }

Rgb Lifted(Rgb c) { return {std::max(c.r, 0.06f), std::max(c.g, 0.06f), std::max(c.b, 0.1f)}; }

void Words(Canvas& canvas, std::string_view text, float cx, float top, float height, Palette pal) {
  PaintWords(canvas, Cell{0, 0, canvas.Width(), canvas.Height()}, text, cx, top, height, Ramp(pal, 0.97f),
             Ramp(pal, 0.5f), Lifted(Ramp(pal, 0.06f)));
}

// ---- backdrop tiles: every noise repeats after 480 pixels so the tiles join seamlessly --------

void DeepSpace(Canvas& canvas, const PictureSpec& spec) {
  for (int y = 0; y < spec.height; ++y)
    for (int x = 0; x < spec.width; ++x) {
      const float n = Fbm(x / 120.0f, y / 120.0f, spec.seed, 4, 4);
      const float m = Fbm(x / 60.0f + 31.0f, y / 60.0f, spec.seed + 5, 3, 8);
      const float glow = std::pow(std::clamp(n * 1.4f - 0.35f, 0.0f, 1.0f), 1.6f);
      Rgb c = Mix(Rgb{0.04f, 0.045f, 0.1f}, Ramp(spec.palette, 0.28f), glow * 0.8f);
      c = Mix(c, Ramp(Palette::Blue, 0.35f), std::clamp(m - 0.55f, 0.0f, 1.0f) * 0.9f);
      canvas.Set(x, y, c, 1.0f);
    }
  Rng rng(spec.seed);
  for (int i = 0; i < 260; ++i) {
    const int x = rng.Int(spec.width), y = rng.Int(spec.height);
    const float b = rng.Range(0.25f, 0.6f);
    canvas.Set(x, y, Mix(canvas.ColourAt(x, y), Rgb{b, b, b * 1.1f}, 0.85f), 1.0f);
  }
}

void CloudBanks(Canvas& canvas, const PictureSpec& spec) {
  for (int y = 0; y < spec.height; ++y)
    for (int x = 0; x < spec.width; ++x) {
      const float n = Fbm(x / 80.0f, y / 80.0f, spec.seed, 5, 6);
      const float side = std::fabs(x - 220.0f) / 180.0f;  // clouds gather at the sides, the middle stays open
      const float thr = 0.62f - 0.1f * side;
      if (n < thr) continue;
      const float up = Fbm(x / 80.0f, (y - 6) / 80.0f, spec.seed, 5, 6);
      const float lit = std::clamp(0.5f + (n - up) * 12.0f, 0.0f, 1.0f);
      const float depth = std::clamp((n - thr) * 5.0f, 0.0f, 1.0f);
      canvas.Set(x, y, Ramp(spec.palette, 0.1f + 0.22f * depth + 0.2f * lit), 1.0f);
    }
}

void Asteroids(Canvas& canvas, const PictureSpec& spec) {
  Rng rng(spec.seed);
  for (int i = 0; i < 16; ++i) {
    const float cx = rng.Range(30.0f, 410.0f), cy = rng.Range(0.0f, 480.0f), r = rng.Range(8.0f, 30.0f);
    const uint32_t seed = spec.seed + uint32_t(i) * 17u;
    for (float wrap : {-480.0f, 0.0f, 480.0f})
      for (int y = int(cy + wrap - r * 1.4f); y <= int(cy + wrap + r * 1.4f); ++y)
        for (int x = int(cx - r * 1.4f); x <= int(cx + r * 1.4f); ++x) {
          if (!canvas.Inside(x, y)) continue;
          const float dx = x + 0.5f - cx, dy = y + 0.5f - (cy + wrap);
          const float a = std::atan2(dy, dx);
          const float edge = r * (0.85f + 0.3f * ValueNoise(std::cos(a) * 2 + 5, std::sin(a) * 2 + 5, seed));
          const float d = std::hypot(dx, dy);
          if (d > edge) continue;
          const float nz = std::sqrt(std::max(0.0f, 1.0f - (d / edge) * (d / edge)));
          const float lit = std::clamp((-dx / edge * 0.6f - dy / edge * 0.6f + nz * 0.7f), 0.0f, 1.0f);
          const float crater = Fbm(x * 0.18f, y * 0.18f, seed + 3, 3);
          const Rgb rock = Mix(Hex(0x3A2E28), Ramp(spec.palette, 0.3f), 0.25f);
          canvas.Set(x, y, rock * (0.55f + 0.9f * lit) * (crater > 0.62f ? 0.7f : 1.0f), 1.0f);
        }
  }
}

void FortressWalls(Canvas& canvas, const PictureSpec& spec) {
  Rng rng(spec.seed);
  int leftW[8], rightW[8];
  for (int s = 0; s < 8; ++s) {
    leftW[s] = 30 + rng.Int(40);
    rightW[s] = 30 + rng.Int(40);
  }
  for (int y = 0; y < spec.height; ++y) {
    const int seg = y / 60, inSeg = y % 60;
    const bool girder = (seg == 2 || seg == 6) && inSeg >= 24 && inSeg < 34;
    for (int x = 0; x < spec.width; ++x) {
      const int fromLeft = x - 40, fromRight = 399 - x;
      const bool wall = fromLeft < leftW[seg] || fromRight < rightW[seg];
      if (!wall && !girder) continue;
      float tone = 0.22f + 0.08f * Fbm(x * 0.1f, y * 0.1f, spec.seed, 2, 48);
      if (inSeg == 0 || inSeg == 59 || (wall && (x % 30 == 0))) tone -= 0.1f;  // panel seams
      if (girder) tone = (inSeg == 24 || inSeg == 33) ? 0.18f : 0.3f + ((x / 6) % 2) * 0.04f;
      const int edgeDist = std::min(std::abs(fromLeft - leftW[seg]), std::abs(fromRight - rightW[seg]));
      if (wall && edgeDist < 3) tone += 0.12f;  // lit rim facing the corridor
      canvas.Set(x, y, Ramp(spec.palette, tone), 1.0f);
    }
    // Warning lamps near the inner edge of each wall section.
    if (inSeg == 30)
      for (int s : {0, 1}) {
        const float lx = s == 0 ? 40.0f + leftW[seg] - 8.0f : 399.0f - rightW[seg] + 8.0f;
        for (int yy = y - 3; yy <= y + 3; ++yy)
          for (int xx = int(lx) - 3; xx <= int(lx) + 3; ++xx)
            if (std::hypot(xx + 0.5f - lx, yy + 0.5f - y) < 3.2f) canvas.Set(xx, yy, Ramp(Palette::Red, 0.85f), 1.0f);
      }
  }
}

}  // namespace

void PaintBigDigits(Canvas& canvas, const PictureSpec& spec) {
  ForEachCell(spec, [&](const Cell& cell, int d) {
    const char digit[2] = {char('0' + d), 0};
    PaintWords(canvas, cell, digit, cell.Cx(), cell.y + 3.0f, 18.5f, Ramp(spec.palette, 1.0f), Ramp(spec.palette, 0.45f),
               Lifted(Ramp(spec.palette, 0.05f)));
  });
}

void PaintPartsSheet(Canvas& canvas, const PictureSpec& spec) {
  constexpr int kRow = 70;
  for (int d = 0; d < 10; ++d)
    for (int row = 0; row < 7; ++row)
      for (int col = 0; col < 5; ++col)
        if (SmallDigitPixel(d, col, row))
          canvas.Set(8 + 7 * d + 1 + col, kRow + 1 + row, Ramp(spec.palette, 0.95f - row * 0.05f), 1.0f);
  constexpr Palette kStreaks[7] = {Palette::Steel, Palette::Sky,     Palette::Blue, Palette::Gold,
                                   Palette::Orange, Palette::Magenta, Palette::Green};
  for (int n = 0; n < 7; ++n)
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 3; ++x) {
        const float head = 0.45f + 0.055f * y;  // brightest at the bottom, the falling end
        canvas.Set(139 + 3 * n + x, kRow + y, Ramp(kStreaks[n], x == 1 ? head + 0.1f : head - 0.15f), 1.0f);
      }
  // Icon A: a capsule.
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 24; ++x) {
      const float d = SdSegment({x + 0.5f, y + 0.5f}, {176 - 170.0f, 5}, {188 - 170.0f, 5}, 4.2f);
      if (d < 0) canvas.Set(170 + x, kRow + y, Ramp(Palette::Red, (x > 10 && x < 13) ? 0.95f : 0.55f - d * 0.05f), 1.0f);
    }
  // Icon B: a small ship.
  DrawShip(canvas, Cell{207, kRow, 10, 10}, 0.0f, 0.145f, 0.0f);
}

void PaintPowerMark(Canvas& canvas, const PictureSpec& spec) {
  for (int y = 0; y < spec.height; ++y)
    for (int x = 0; x < spec.width; ++x) {
      const Vec2 p{x + 0.5f, y + 0.5f};
      const Vec2 badge[6] = {{8, 6}, {52, 6}, {54, 26}, {30, 46}, {6, 26}, {8, 6}};
      const float d = SdPolygon(p, badge, 5);
      canvas.Over(x, y, Ramp(Palette::Gold, 0.7f), Coverage(d));
      canvas.Over(x, y, Ramp(spec.palette, 0.55f - (y / 50.0f) * 0.2f), Coverage(d + 2.5f));
    }
  Words(canvas, "P", 30.0f, 9.0f, 22.0f, Palette::Gold);
}

void PaintBackdrop(Canvas& canvas, const PictureSpec& spec) {
  switch (spec.variant) {
    case 0: DeepSpace(canvas, spec); break;
    case 1: CloudBanks(canvas, spec); break;
    case 2: Asteroids(canvas, spec); break;
    default: FortressWalls(canvas, spec); break;
  }
}

void PaintTitle(Canvas& canvas, const PictureSpec& spec) {
  const auto lines = Lines(spec.text);
  DrawShip(canvas, Cell{190, 20, 60, 70}, 0.0f, 1.0f, 0.0f);
  const float cx = spec.width * 0.5f;
  if (!lines.empty()) {
    const float h = std::min(40.0f, FitHeight(lines[0], 330.0f));
    PaintWords(canvas, Cell{0, 0, spec.width, spec.height}, lines[0], cx, 120.0f, h, Hex(0xF4FAFF), Ramp(spec.palette, 0.45f),
               Lifted(Hex(0x0A1850)));
    for (int y = 176; y < 181; ++y)
      for (int x = 60; x < 380; ++x) {
        const float t = 1.0f - std::fabs(x - cx) / 160.0f;
        if (t > 0.05f) canvas.Set(x, y, Ramp(spec.palette, 0.3f + 0.6f * t - std::abs(y - 178) * 0.08f), 1.0f);
      }
  }
  if (lines.size() > 1) Words(canvas, lines[1], cx, 380.0f, 16.0f, Palette::Gold);
}

void PaintBanner(Canvas& canvas, const PictureSpec& spec) {
  const auto lines = Lines(spec.text);
  if (lines.empty()) return;
  const float visible = std::min(float(spec.width), 360.0f) * 0.92f;
  // The first line is the headline; further lines are smaller.
  std::vector<float> heights;
  float total = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    const float slot = spec.height / (float(lines.size()) + 0.6f) * (i == 0 ? 0.75f : 0.55f);
    heights.push_back(std::min(slot, FitHeight(lines[i], visible)));
    total += heights.back() + (i ? heights.back() * 0.6f : 0.0f);
  }
  float top = (spec.height - total) * 0.5f;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i) top += heights[i] * 0.6f;
    Words(canvas, lines[i], spec.width * 0.5f, top, heights[i], i == 0 ? spec.palette : Palette::Steel);
    top += heights[i];
  }
}

void PaintEnding(Canvas& canvas, const PictureSpec& spec) {
  // The sky is left black (transparent) so the star field shows through.
  const float cx = spec.width * 0.5f;
  if (spec.variant == 0) {
    const Vec2 c{cx + 40.0f, 640.0f};
    const float r = 380.0f;
    for (int y = 0; y < spec.height; ++y)
      for (int x = 0; x < spec.width; ++x) {
        const float d = std::hypot(x + 0.5f - c.x, y + 0.5f - c.y);
        if (d > r + 5.0f) continue;
        if (d > r) {  // atmosphere rim
          canvas.Set(x, y, Ramp(Palette::Sky, 0.85f - (d - r) * 0.08f), 1.0f);
          continue;
        }
        const float band = Fbm(x / 50.0f, y / 14.0f, spec.seed, 4);
        const float land = Fbm(x / 40.0f + 9, y / 40.0f, spec.seed + 1, 4);
        const float light = std::clamp(1.0f - (x - c.x + r * 0.5f) / (r * 1.6f), 0.25f, 1.0f);
        Rgb col = land > 0.56f ? Ramp(Palette::Green, 0.2f + 0.25f * band) : Ramp(spec.palette, 0.25f + 0.3f * band);
        if (band > 0.62f) col = Mix(col, Rgb{0.9f, 0.93f, 1.0f}, 0.6f);  // clouds
        canvas.Set(x, y, col * light, 1.0f);
      }
    Disc(canvas, Cell{0, 0, spec.width, spec.height}, {80.0f, 110.0f}, 24.0f, Ramp(Palette::Steel, 0.55f));
    Disc(canvas, Cell{0, 0, spec.width, spec.height}, {74.0f, 104.0f}, 7.0f, Ramp(Palette::Steel, 0.4f));
    DrawShip(canvas, Cell{200, 150, 60, 70}, 0.3f, 0.8f, 15.0f);
  } else {
    const Vec2 c{cx, 880.0f};
    const float r = 560.0f;
    const Vec2 sun{cx - 30.0f, 322.0f};
    for (int y = 0; y < spec.height; ++y)
      for (int x = 0; x < spec.width; ++x) {
        const float d = std::hypot(x + 0.5f - c.x, y + 0.5f - c.y);
        const float s = std::hypot(x + 0.5f - sun.x, (y + 0.5f - sun.y) * 2.5f);
        const float glare = std::clamp(1.0f - s / 150.0f, 0.0f, 1.0f);
        if (d < r) {
          const float rim = std::clamp(1.0f - (r - d) / 30.0f, 0.0f, 1.0f);
          canvas.Set(x, y, Lifted(Mix(Ramp(Palette::Blue, 0.08f), Ramp(spec.palette, 0.8f), rim * glare)), 1.0f);
        } else if (glare > 0.3f) {
          canvas.Set(x, y, Ramp(spec.palette, 0.3f + 0.7f * glare), 1.0f);
        }
      }
    DrawShip(canvas, Cell{150, 150, 60, 70}, 0.0f, 0.6f, 0.0f);
    const auto lines = Lines(spec.text);
    if (!lines.empty()) Words(canvas, lines[0], cx, 410.0f, 30.0f, spec.palette);
  }
}

}  // namespace assetgen
