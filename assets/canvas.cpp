#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

Rgb Hex(uint32_t rgb) {
  return {float((rgb >> 16) & 255) / 255.0f, float((rgb >> 8) & 255) / 255.0f, float(rgb & 255) / 255.0f};
}

uint64_t Rng::Next() {
  uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

namespace {

float Lattice(int x, int y, uint32_t seed) {
  uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return float(h & 0xFFFFFF) / float(0xFFFFFF);
}

float Smooth(float t) { return t * t * (3.0f - 2.0f * t); }

}  // namespace

float ValueNoise(float x, float y, uint32_t seed, int wrapY) {
  const float fx = std::floor(x), fy = std::floor(y);
  const int ix = int(fx);
  int iy = int(fy);
  const float tx = Smooth(x - fx), ty = Smooth(y - fy);
  int iy1 = iy + 1;
  if (wrapY > 0) {
    iy = ((iy % wrapY) + wrapY) % wrapY;
    iy1 = ((iy1 % wrapY) + wrapY) % wrapY;
  }
  const float a = Lattice(ix, iy, seed), b = Lattice(ix + 1, iy, seed);
  const float c = Lattice(ix, iy1, seed), d = Lattice(ix + 1, iy1, seed);
  return (a + (b - a) * tx) * (1 - ty) + (c + (d - c) * tx) * ty;
}

float Fbm(float x, float y, uint32_t seed, int octaves, int wrapY) {
  float sum = 0, amp = 0.5f, norm = 0;
  for (int o = 0; o < octaves; ++o) {
    sum += amp * ValueNoise(x, y, seed + uint32_t(o) * 101u, wrapY);
    norm += amp;
    x *= 2.0f;
    y *= 2.0f;
    wrapY *= 2;
    amp *= 0.5f;
  }
  return sum / norm;
}

void Canvas::Over(int x, int y, Rgb c, float a) {
  if (!Inside(x, y) || a <= 0.0f) return;
  const size_t i = size_t(y) * w_ + x;
  col_[i] = col_[i] * (1.0f - a) + c * a;
  alpha_[i] = alpha_[i] * (1.0f - a) + a;
}

void Canvas::Add(int x, int y, Rgb c) {
  if (!Inside(x, y)) return;
  const size_t i = size_t(y) * w_ + x;
  col_[i] = col_[i] + c;
  alpha_[i] = std::min(1.0f, alpha_[i] + std::max({c.r, c.g, c.b}));
}

std::vector<uint32_t> Canvas::Finished(Finish finish) const {
  std::vector<uint32_t> out(col_.size(), 0);
  for (size_t i = 0; i < col_.size(); ++i) {
    Rgb c = col_[i];
    const float a = alpha_[i];
    if (finish == Finish::Keyed) {
      if (a < 0.5f) continue;
      c = c * (1.0f / a);
    }
    int r = std::clamp(int(std::lround(c.r * 255.0f)), 0, 255);
    int g = std::clamp(int(std::lround(c.g * 255.0f)), 0, 255);
    int b = std::clamp(int(std::lround(c.b * 255.0f)), 0, 255);
    const int peak = std::max({r, g, b});
    switch (finish) {
      case Finish::Keyed:
        // An opaque pixel must never fall into the 16-bit transparent range: lift the darkest
        // shades to a deep blue-grey that still reads as shadow.
        if (peak < 24) {
          r = std::max(r, 14);
          g = std::max(g, 14);
          b = std::max(b, 24);
        }
        break;
      case Finish::Additive:
        if (r < 8 && g < 4 && b < 8) r = g = b = 0;
        break;
      case Finish::Half:
      case Finish::Mixed:
        if (peak < 40) r = g = b = 0;
        break;
    }
    out[i] = uint32_t(r) << 16 | uint32_t(g) << 8 | uint32_t(b);
  }
  return out;
}

float SdCircle(Vec2 p, Vec2 c, float r) { return std::hypot(p.x - c.x, p.y - c.y) - r; }

float SdSegment(Vec2 p, Vec2 a, Vec2 b, float r) {
  const float px = p.x - a.x, py = p.y - a.y, bx = b.x - a.x, by = b.y - a.y;
  const float len2 = bx * bx + by * by;
  const float h = len2 > 0 ? std::clamp((px * bx + py * by) / len2, 0.0f, 1.0f) : 0.0f;
  return std::hypot(px - bx * h, py - by * h) - r;
}

float SdPolygon(Vec2 p, const Vec2* v, int n) {
  float d = (p.x - v[0].x) * (p.x - v[0].x) + (p.y - v[0].y) * (p.y - v[0].y);
  float s = 1.0f;
  for (int i = 0, j = n - 1; i < n; j = i, ++i) {
    const float ex = v[j].x - v[i].x, ey = v[j].y - v[i].y;
    const float wx = p.x - v[i].x, wy = p.y - v[i].y;
    const float h = std::clamp((wx * ex + wy * ey) / (ex * ex + ey * ey), 0.0f, 1.0f);
    const float bx = wx - ex * h, by = wy - ey * h;
    d = std::min(d, bx * bx + by * by);
    const bool c1 = p.y >= v[i].y, c2 = p.y < v[j].y, c3 = ex * wy > ey * wx;
    if ((c1 && c2 && c3) || (!c1 && !c2 && !c3)) s = -s;
  }
  return s * std::sqrt(d);
}

float SdEllipse(Vec2 p, Vec2 c, float rx, float ry) {
  // Scaled-circle approximation; close enough for pixel art of this size.
  const float dx = (p.x - c.x) / rx, dy = (p.y - c.y) / ry;
  const float k = std::hypot(dx, dy);
  return (k - 1.0f) * std::min(rx, ry);
}

namespace {

template <typename DistanceFn>
void GlowShape(Canvas& c, const Cell& cell, float radius, Rgb colour, float power, DistanceFn dist) {
  for (int y = cell.y; y < cell.y + cell.h; ++y)
    for (int x = cell.x; x < cell.x + cell.w; ++x) {
      const float d = dist(Vec2{x + 0.5f, y + 0.5f});
      if (d >= radius) continue;
      const float t = 1.0f - std::max(0.0f, d) / radius;
      c.Add(x, y, colour * std::pow(t, power));
    }
}

}  // namespace

void Glow(Canvas& c, const Cell& cell, Vec2 centre, float radius, Rgb colour, float power) {
  GlowShape(c, cell, radius, colour, power, [&](Vec2 p) { return std::hypot(p.x - centre.x, p.y - centre.y); });
}

void GlowSegment(Canvas& c, const Cell& cell, Vec2 a, Vec2 b, float radius, Rgb colour, float power) {
  GlowShape(c, cell, radius, colour, power, [&](Vec2 p) { return SdSegment(p, a, b, 0.0f); });
}

void Disc(Canvas& c, const Cell& cell, Vec2 centre, float r, Rgb colour) {
  for (int y = cell.y; y < cell.y + cell.h; ++y)
    for (int x = cell.x; x < cell.x + cell.w; ++x)
      c.Over(x, y, colour, Coverage(SdCircle(Vec2{x + 0.5f, y + 0.5f}, centre, r)));
}

}  // namespace assetgen
