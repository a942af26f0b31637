// Drawing surface and the small toolkit every picture routine paints with.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace assetgen {

struct Rgb {
  float r = 0, g = 0, b = 0;
};
inline Rgb operator*(Rgb c, float k) { return {c.r * k, c.g * k, c.b * k}; }
inline Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Rgb Mix(Rgb a, Rgb b, float t) { return a * (1.0f - t) + b * t; }
Rgb Hex(uint32_t rgb);

struct Vec2 {
  float x = 0, y = 0;
};

// Deterministic generator (splitmix64); the game art never depends on the C library's rand().
class Rng {
 public:
  explicit Rng(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull) {}
  uint64_t Next();
  float Unit() { return float(Next() >> 40) / float(1 << 24); }  // [0, 1)
  float Range(float lo, float hi) { return lo + (hi - lo) * Unit(); }
  int Int(int n) { return int(Next() % uint64_t(n)); }

 private:
  uint64_t state_;
};

// Smooth value noise in [0, 1], periodic with period `wrap` cells on y when wrap > 0.
float ValueNoise(float x, float y, uint32_t seed, int wrapY = 0);
float Fbm(float x, float y, uint32_t seed, int octaves, int wrapY = 0);

// How the finished picture is keyed when it is written: a colour-keyed sprite has hard edges and no
// pixel dark enough to turn transparent; a light picture is read as light on black.
enum class Finish : uint8_t {
  Keyed,     // hard alpha edge, opaque pixels lifted out of the transparent range
  Additive,  // light on black, faint light kept
  Half,      // light on black, dim pixels cut (a half blend would darken the scene under them)
  Mixed,     // light on black that may also be colour-keyed: dim pixels cut
};

// Premultiplied colour plus coverage, floats, row-major, top row first.
class Canvas {
 public:
  Canvas(int w, int h) : w_(w), h_(h), col_(size_t(w) * h), alpha_(size_t(w) * h, 0.0f) {}
  int Width() const { return w_; }
  int Height() const { return h_; }
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < w_ && y < h_; }

  // Paints colour c over the pixel with coverage a (0..1).
  void Over(int x, int y, Rgb c, float a);
  // Adds light (glow) to the pixel.
  void Add(int x, int y, Rgb c);
  Rgb ColourAt(int x, int y) const { return col_[size_t(y) * w_ + x]; }
  float AlphaAt(int x, int y) const { return alpha_[size_t(y) * w_ + x]; }
  void Set(int x, int y, Rgb c, float a) {
    col_[size_t(y) * w_ + x] = c * a;
    alpha_[size_t(y) * w_ + x] = a;
  }

  // 0x00RRGGBB pixels, row-major, top row first.
  std::vector<uint32_t> Finished(Finish finish) const;

 private:
  int w_, h_;
  std::vector<Rgb> col_;
  std::vector<float> alpha_;
};

// A rectangle of the canvas that one cell's drawing is confined to.
struct Cell {
  int x = 0, y = 0, w = 0, h = 0;
  float Cx() const { return x + w * 0.5f; }
  float Cy() const { return y + h * 0.5f; }
};

// Signed distances in pixels (negative inside).
float SdCircle(Vec2 p, Vec2 c, float r);
float SdSegment(Vec2 p, Vec2 a, Vec2 b, float r);
float SdPolygon(Vec2 p, const Vec2* v, int n);
float SdEllipse(Vec2 p, Vec2 c, float rx, float ry);

// Coverage of a pixel whose centre lies at signed distance d.
inline float Coverage(float d) { return d <= -0.5f ? 1.0f : (d >= 0.5f ? 0.0f : 0.5f - d); }

// A soft radial light: core colour at the centre, falling off to nothing at radius.
void Glow(Canvas& c, const Cell& cell, Vec2 centre, float radius, Rgb colour, float power = 2.0f);
// A soft light stretched along a segment.
void GlowSegment(Canvas& c, const Cell& cell, Vec2 a, Vec2 b, float radius, Rgb colour, float power = 2.0f);
// Fills a disc with a flat colour.
void Disc(Canvas& c, const Cell& cell, Vec2 centre, float r, Rgb colour);

}  // namespace assetgen
