// Light effects: explosions, the special-attack blast, shots, flashes and bullets.
#include <algorithm>
#include <cmath>

#include "painters.h"
#include "stroke_font.h"

namespace assetgen {

namespace {

constexpr float kPi = 3.14159265f;

Vec2 Rotate(Vec2 v, float degrees) {
  const float a = degrees * kPi / 180.0f;
  return {v.x * std::cos(a) - v.y * std::sin(a), v.x * std::sin(a) + v.y * std::cos(a)};
}

Vec2 Along(Vec2 c, Vec2 dir, float k) { return {c.x + dir.x * k, c.y + dir.y * k}; }

// Fireball of radius r at `centre`; `age` 0..1 turns it from white-hot to dull embers that break up.
void Fireball(Canvas& canvas, const Cell& cell, Vec2 centre, float r, float age, Palette pal, uint32_t seed, float rise) {
  const float limit = std::min(cell.w, cell.h) * 0.5f - 1.0f;
  for (int y = cell.y; y < cell.y + cell.h; ++y)
    for (int x = cell.x; x < cell.x + cell.w; ++x) {
      const float dx = x + 0.5f - centre.x, dy = y + 0.5f - centre.y;
      const float dist = std::hypot(dx, dy);
      if (dist > limit) continue;
      const float n = Fbm(dx * 0.12f + 7.3f, (dy + rise * age * 8.0f) * 0.12f * (1.0f + rise), seed, 3);
      const float edge = std::clamp(1.0f - dist / std::max(r, 1.0f) + (n - 0.5f) * 0.9f, 0.0f, 1.0f);
      const float broken = std::clamp((n - age * 0.55f) * 2.5f, 0.0f, 1.0f);
      const float heat = edge * broken * (1.0f - age * 0.7f);
      if (heat <= 0.0f) continue;
      // Keep the rim of the cell dark so nothing is cut off at the cell border.
      const float fade = std::clamp((limit - dist) / 4.0f, 0.0f, 1.0f);
      canvas.Add(x, y, Ramp(pal, std::min(1.0f, heat * 1.3f)) * (std::min(1.0f, heat * 2.2f) * fade));
    }
}

}  // namespace

void PaintBurst(Canvas& canvas, const PictureSpec& spec) {
  ForEachCell(spec, [&](const Cell& cell, int i) {
    const float age = (float(i) + 0.5f) / float(spec.Cells());
    const float half = std::min(cell.w, cell.h) * 0.5f;
    const Vec2 c{cell.Cx(), cell.Cy()};
    const uint32_t seed = spec.seed * 31u + uint32_t(i);
    switch (spec.variant) {
      case 0:  // fireball
        Fireball(canvas, cell, c, half * (0.3f + 0.62f * std::sqrt(age)), age, spec.palette, seed, 0.0f);
        break;
      case 1:  // fire with rising tongues
        Fireball(canvas, cell, {c.x, c.y + half * 0.1f}, half * (0.45f + 0.45f * std::sqrt(age)), age * 0.85f,
                 spec.palette, seed, 1.0f);
        break;
      case 2: {  // white flash throwing sparks
        const float fade = 1.0f - age;
        Glow(canvas, cell, c, half * (0.35f + 0.5f * fade), Ramp(spec.palette, 1.0f) * fade, 2.0f);
        Rng rng(seed);
        for (int k = 0; k < 6; ++k) {
          const Vec2 dir = Heading(rng.Range(0.0f, 360.0f));
          const Vec2 tip = Along(c, dir, half * (0.3f + 0.6f * age));
          GlowSegment(canvas, cell, Along(c, dir, half * 0.5f * age), tip, 2.5f, Ramp(spec.palette, 0.8f) * fade, 1.5f);
        }
        break;
      }
      default: {  // big blast with a shock ring
        Fireball(canvas, cell, c, half * (0.35f + 0.55f * std::sqrt(age)), age * 0.9f, spec.palette, seed, 0.0f);
        const float ringR = half * (0.3f + 0.6f * age);
        for (int y = cell.y; y < cell.y + cell.h; ++y)
          for (int x = cell.x; x < cell.x + cell.w; ++x) {
            const float d = std::fabs(std::hypot(x + 0.5f - c.x, y + 0.5f - c.y) - ringR);
            if (d < 5.0f) canvas.Add(x, y, Ramp(Palette::Gold, 0.9f) * ((1.0f - d / 5.0f) * (1.0f - age) * 0.8f));
          }
        break;
      }
    }
  });
}

void PaintBlast(Canvas& canvas, const PictureSpec& spec) {
  // Frames 1-4: a beam climbs from the ship (120, 180) to the strike point (120, 4);
  // 5-12: it holds while a sphere bursts at the top; 13-16: everything fades.
  const int k = spec.variant;
  const Cell all{0, 0, spec.width, spec.height};
  const Vec2 ship{120, 182}, strike{120, 24};
  const float grow = std::min(1.0f, float(k) / 4.0f);
  const float fade = k <= 12 ? 1.0f : 1.0f - float(k - 12) / 5.0f;
  const Vec2 top{120, ship.y - (ship.y - strike.y) * grow};
  const float width = 6.0f + 10.0f * grow + (k > 12 ? float(k - 12) * 4.0f : 0.0f);
  GlowSegment(canvas, all, ship, top, width * 2.2f, Ramp(spec.palette, 0.55f) * (0.9f * fade), 1.4f);
  GlowSegment(canvas, all, ship, top, width * 0.7f, Ramp(spec.palette, 1.0f) * fade, 1.0f);
  // Energy gathering round the ship.
  Glow(canvas, all, ship, 26.0f + 4.0f * float(std::min(k, 6)), Ramp(spec.palette, 0.9f) * (fade * 0.9f), 1.6f);
  // Spiral sparks climbing the beam.
  Rng rng(spec.seed);
  for (int s = 0; s < 14; ++s) {
    const float t = rng.Unit();
    const float y = ship.y - (ship.y - top.y) * t;
    const float x = 120.0f + std::sin(t * 12.0f + float(k) * 0.8f + float(s)) * (width + 6.0f);
    Glow(canvas, all, {x, y}, 5.0f, Ramp(spec.palette, 0.95f) * fade, 1.5f);
  }
  if (k >= 4) {
    const float burst = std::min(1.0f, float(k - 3) / 6.0f);
    const float r = 16.0f + 80.0f * burst;
    Glow(canvas, all, strike, r, Ramp(spec.palette, 0.85f) * fade, 1.3f);
    Glow(canvas, all, strike, r * 0.45f, Ramp(spec.palette, 1.0f) * fade, 1.0f);
    const float ringR = 20.0f + 95.0f * burst;
    for (int y = 0; y < spec.height; ++y)
      for (int x = 0; x < spec.width; ++x) {
        const float d = std::fabs(std::hypot(x + 0.5f - strike.x, y + 0.5f - strike.y) - ringR);
        if (d < 6.0f) canvas.Add(x, y, Ramp(spec.palette, 0.9f) * ((1.0f - d / 6.0f) * fade * 0.7f));
      }
  }
}

void PaintFragments(Canvas& canvas, const PictureSpec& spec) {
  // Frame order of the game: row 0 columns 0..7, then row 1 columns 1..7.
  ForEachCell(spec, [&](const Cell& cell, int i) {
    const int row = i / 8, col = i % 8;
    const float f = row == 0 ? float(col) : 7.0f + float(std::max(col, 1));
    const float age = f / 15.0f;
    const Vec2 c{cell.Cx(), cell.Cy()};
    const Vec2 dir = Heading(f * 40.0f);
    const float len = 16.0f * (1.0f - age * 0.5f);
    GlowSegment(canvas, cell, Along(c, dir, -len * 0.5f), Along(c, dir, len * 0.5f), 9.0f * (1.0f - age * 0.4f),
                Ramp(spec.palette, 0.9f - age * 0.5f) * (1.0f - age * 0.6f), 1.6f);
    Glow(canvas, cell, c, 6.0f, Ramp(spec.palette, 1.0f) * (1.0f - age), 1.5f);
    Rng rng(spec.seed + uint32_t(i));
    for (int s = 0; s < 3; ++s)
      Glow(canvas, cell, {c.x + rng.Range(-18, 18), c.y + rng.Range(-18, 18)}, 3.0f, Ramp(Palette::Gold, 0.9f) * (1.0f - age),
           1.2f);
  });
}

void PaintSpark(Canvas& canvas, const PictureSpec& spec) {
  const Cell all{0, 0, spec.width, spec.height};
  const Vec2 c{spec.width * 0.5f, spec.height * 0.5f};
  GlowSegment(canvas, all, {c.x - 6, c.y}, {c.x + 6, c.y}, 2.2f, Ramp(spec.palette, 0.85f), 1.5f);
  GlowSegment(canvas, all, {c.x, c.y - 6}, {c.x, c.y + 6}, 2.2f, Ramp(spec.palette, 0.85f), 1.5f);
  Glow(canvas, all, c, 4.0f, Ramp(spec.palette, 1.0f), 1.2f);
}

void PaintBolt(Canvas& canvas, const PictureSpec& spec) {
  ForEachCell(spec, [&](const Cell& cell, int i) {
    const Vec2 c{cell.Cx(), cell.Cy()};
    float heading = float(spec.angle);
    if (spec.variant == 4) heading = 180.0f - float(i - 2) * 5.5f;  // backward shots drift by cell
    const Vec2 dir = Heading(heading);
    switch (spec.variant) {
      case 1:  // needle
        GlowSegment(canvas, cell, Along(c, dir, -18), Along(c, dir, 18), 7.0f, Ramp(spec.palette, 0.5f), 1.8f);
        GlowSegment(canvas, cell, Along(c, dir, -15), Along(c, dir, 16), 2.2f, Ramp(spec.palette, 1.0f), 1.0f);
        break;
      case 2: {  // wave: an arc bowed forwards
        const float span = cell.w * 0.36f;
        const Vec2 side = Heading(heading + 90.0f);
        for (int s = 0; s < 24; ++s) {
          const float u = float(s) / 23.0f * 2.0f - 1.0f;
          const float bow = (1.0f - u * u) * 10.0f;
          const Vec2 p = Along(Along({c.x, c.y + 6}, side, u * span), dir, bow);
          const float w = 1.0f - std::fabs(u) * 0.6f;
          Glow(canvas, cell, p, 7.0f * w, Ramp(spec.palette, 0.5f) * (0.35f * w), 1.6f);
          Glow(canvas, cell, p, 2.6f * w, Ramp(spec.palette, 1.0f) * (0.6f * w), 1.0f);
        }
        break;
      }
      default: {  // lances (up, or down by cell)
        GlowSegment(canvas, cell, Along(c, dir, -24), Along(c, dir, 22), 10.0f, Ramp(spec.palette, 0.5f), 1.8f);
        GlowSegment(canvas, cell, Along(c, dir, -20), Along(c, dir, 20), 3.2f, Ramp(spec.palette, 1.0f), 1.0f);
        Glow(canvas, cell, Along(c, dir, 18), 6.0f, Ramp(spec.palette, 1.0f), 1.5f);
        break;
      }
    }
  });
}

void PaintFlash(Canvas& canvas, const PictureSpec& spec) {
  const Cell all{0, 0, spec.width, spec.height};
  if (spec.variant == 0) {
    const Vec2 c{spec.width * 0.5f, spec.height * 0.3f + 2.0f};
    Glow(canvas, all, c, spec.height * 0.42f, Ramp(spec.palette, 0.6f), 1.8f);
    Glow(canvas, all, c, spec.height * 0.2f, Ramp(spec.palette, 1.0f), 1.2f);
    for (float a : {-30.0f, 0.0f, 30.0f})
      GlowSegment(canvas, all, c, Along(c, Heading(a), spec.height * 0.3f), 3.0f, Ramp(spec.palette, 0.9f), 1.4f);
  } else {
    const Vec2 c{spec.width * 0.5f, spec.height * 0.55f};
    Glow(canvas, all, c, spec.height * 0.4f, Ramp(spec.palette, 0.6f), 1.8f);
    Glow(canvas, all, c, spec.height * 0.18f, Ramp(spec.palette, 1.0f), 1.2f);
    for (float a : {-70.0f, -40.0f, 0.0f, 40.0f, 70.0f})
      GlowSegment(canvas, all, c, Along(c, Heading(a), spec.height * 0.42f), 3.0f, Ramp(spec.palette, 0.85f), 1.4f);
  }
}

void PaintOrb(Canvas& canvas, const PictureSpec& spec) {
  const Cell all{0, 0, spec.width, spec.height};
  const Vec2 c{spec.width * 0.5f, spec.height * 0.5f};
  const float r = spec.width * 0.5f - 0.5f;
  switch (spec.variant) {
    case 0:
      Glow(canvas, all, c, r, Ramp(spec.palette, 0.55f), 1.6f);
      Glow(canvas, all, c, r * 0.5f, Ramp(spec.palette, 1.0f), 1.0f);
      break;
    case 1:  // hook: a ring with four claws
      for (int y = 0; y < spec.height; ++y)
        for (int x = 0; x < spec.width; ++x) {
          const float d = std::fabs(std::hypot(x + 0.5f - c.x, y + 0.5f - c.y) - r * 0.55f);
          if (d < r * 0.2f) canvas.Add(x, y, Ramp(spec.palette, 0.85f) * (1.0f - d / (r * 0.2f)));
        }
      for (int k = 0; k < 4; ++k) {
        const Vec2 a = Along(c, Heading(45.0f + 90.0f * k), r * 0.55f);
        const Vec2 b = Along(a, Heading(90.0f + 90.0f * k), r * 0.38f);
        GlowSegment(canvas, all, a, b, r * 0.16f, Ramp(spec.palette, 0.8f), 1.2f);
      }
      Glow(canvas, all, c, r * 0.3f, Ramp(spec.palette, 1.0f), 1.2f);
      break;
    default:  // chain segment (angle 1: the leading one, with a brighter eye)
      Glow(canvas, all, c, r * 0.95f, Ramp(spec.palette, 0.6f), 1.3f);
      for (int y = 0; y < spec.height; ++y)
        for (int x = 0; x < spec.width; ++x) {
          const float d = std::fabs(std::hypot(x + 0.5f - c.x, y + 0.5f - c.y) - r * 0.62f);
          if (d < 1.6f) canvas.Add(x, y, Ramp(spec.palette, 0.95f) * (1.0f - d / 1.6f));
        }
      Glow(canvas, all, c, r * (spec.angle ? 0.5f : 0.35f), Ramp(spec.angle ? Palette::Gold : spec.palette, 1.0f), 1.0f);
      break;
  }
}

void PaintCapsule(Canvas& canvas, const PictureSpec& spec) {
  const Cell all{0, 0, spec.width, spec.height};
  const Vec2 c{spec.width * 0.5f, spec.height * 0.5f};
  Glow(canvas, all, c, 29.0f, Ramp(spec.palette, 0.45f) * 0.6f, 2.0f);
  for (int y = 0; y < spec.height; ++y)
    for (int x = 0; x < spec.width; ++x) {
      const float d = std::fabs(SdSegment({x + 0.5f, y + 0.5f}, {c.x - 10, c.y}, {c.x + 10, c.y}, 12.0f));
      if (d < 2.2f) canvas.Add(x, y, Ramp(spec.palette, 0.9f) * (1.0f - d / 2.2f));
    }
  const TextLayout p = LayOutText("P", c.x - 5.0f, c.y - 8.0f, 16.0f);
  for (int y = 0; y < spec.height; ++y)
    for (int x = 0; x < spec.width; ++x) {
      const float d = StrokeDistance(p, {x + 0.5f, y + 0.5f});
      if (d < 3.0f) canvas.Add(x, y, Ramp(Palette::Gold, 1.0f) * std::clamp(2.0f - d * 0.7f, 0.0f, 1.0f));
    }
}

void PaintBullet(Canvas& canvas, const PictureSpec& spec) {
  const float centre = float(spec.Cells() - 1) * 0.5f;
  ForEachCell(spec, [&](const Cell& cell, int i) {
    const Vec2 c{cell.Cx(), cell.Cy()};
    const float r = cell.w * 0.5f - 0.5f;
    const float phase = float(i) / float(spec.Cells()) * 2.0f * kPi;
    switch (spec.variant) {
      case 0: {  // pulsing ball with a spark circling it
        const float pulse = 0.85f + 0.15f * std::sin(phase * 2.0f);
        Glow(canvas, cell, c, r * pulse, Ramp(spec.palette, 0.55f), 1.6f);
        Glow(canvas, cell, c, r * 0.45f * pulse, Ramp(spec.palette, 1.0f), 1.0f);
        const Vec2 s{c.x + std::cos(phase) * r * 0.55f, c.y + std::sin(phase) * r * 0.55f};
        Glow(canvas, cell, s, r * 0.3f, Ramp(spec.palette, 0.95f) * 0.7f, 1.2f);
        break;
      }
      case 1: {  // spinning four-point star, opaque
        for (int y = cell.y; y < cell.y + cell.h; ++y)
          for (int x = cell.x; x < cell.x + cell.w; ++x) {
            const Vec2 q = Rotate({x + 0.5f - c.x, y + 0.5f - c.y}, -float(i) * 90.0f / float(spec.Cells()));
            const float star = std::min(std::fabs(q.x), std::fabs(q.y)) * 2.2f + std::hypot(q.x, q.y) * 0.35f;
            const float d = std::max(star - r * 0.75f, std::hypot(q.x, q.y) - (r - 1.0f));
            const float t = std::clamp(1.0f - std::hypot(q.x, q.y) / r, 0.0f, 1.0f);
            canvas.Over(x, y, Ramp(spec.palette, 0.5f + 0.5f * t), Coverage(d));
          }
        break;
      }
      default: {  // drop leaning with its drift
        const float heading = 180.0f + (centre - float(i)) * float(spec.angle);
        const Vec2 dir = Heading(heading);
        const Vec2 head = Along(c, dir, r * 0.3f);
        GlowSegment(canvas, cell, Along(c, dir, -r * 0.6f), head, r * 0.45f, Ramp(spec.palette, 0.5f) * 0.8f, 1.5f);
        Glow(canvas, cell, head, r * 0.5f, Ramp(spec.palette, 0.7f), 1.4f);
        Glow(canvas, cell, head, r * 0.25f, Ramp(spec.palette, 1.0f), 1.0f);
        break;
      }
    }
  });
}

void PaintDart(Canvas& canvas, const PictureSpec& spec) {
  // Opaque arrowhead pointing along `angle`, inside the circle the game turns it in.
  const Vec2 c{(spec.width - 1) * 0.5f + 0.5f, (spec.height - 1) * 0.5f + 0.5f};
  const float r = spec.width * 0.5f - 1.5f;
  Vec2 arrow[5] = {{0, -0.95f}, {0.5f, 0.55f}, {0.18f, 0.35f}, {-0.18f, 0.35f}, {-0.5f, 0.55f}};
  if (spec.variant == 1) {  // chain head: round skull with a snout
    arrow[1] = {0.62f, 0.05f};
    arrow[2] = {0.5f, 0.6f};
    arrow[3] = {-0.5f, 0.6f};
    arrow[4] = {-0.62f, 0.05f};
  }
  for (Vec2& v : arrow) v = Rotate({v.x * r, v.y * r}, float(spec.angle));
  for (Vec2& v : arrow) v = {v.x + c.x, v.y + c.y};
  const Vec2 tip = arrow[0];
  for (int y = 0; y < spec.height; ++y)
    for (int x = 0; x < spec.width; ++x) {
      const Vec2 p{x + 0.5f, y + 0.5f};
      const float d = std::min(SdPolygon(p, arrow, 5), SdCircle(p, c, r * 0.32f));
      const float cov = Coverage(d);
      if (cov <= 0) continue;
      const float toTip = std::hypot(p.x - tip.x, p.y - tip.y) / (2.0f * r);
      const float t = d > -1.2f ? 0.3f : std::clamp(1.05f - toTip, 0.45f, 1.0f);
      canvas.Over(x, y, Ramp(spec.palette, t), cov);
    }
}

void PaintFlame(Canvas& canvas, const PictureSpec& spec) {
  // Exhaust pointing up: the root sits low in the cell, over the craft's nozzle.
  ForEachCell(spec, [&](const Cell& cell, int i) {
    const float rootY = cell.y + 50.0f;
    const float flicker = ValueNoise(float(i) * 0.9f, 0.5f, spec.seed);
    const float length = 26.0f + 20.0f * flicker;
    for (int y = cell.y; y < cell.y + cell.h; ++y)
      for (int x = cell.x; x < cell.x + cell.w; ++x) {
        const float up = rootY - (y + 0.5f);  // distance towards the tip
        const float t = up / length;
        if (t < -0.12f || t > 1.0f) continue;
        const float wob = (ValueNoise(float(y) * 0.25f, float(i) * 1.7f, spec.seed + 3) - 0.5f) * 2.0f;
        const float halfW = 7.5f * (t < 0 ? 1.0f + t * 6.0f : 1.0f - t * t) + wob * t * 1.5f;
        const float dx = std::fabs(x + 0.5f - cell.Cx() - wob * t * 2.0f);
        if (dx >= halfW) continue;
        const float heat = (1.0f - std::max(t, 0.0f)) * (1.0f - 0.5f * dx / std::max(halfW, 0.5f));
        canvas.Set(x, y, Ramp(spec.palette, 0.35f + 0.65f * heat), 1.0f);
      }
  });
}

}  // namespace assetgen
