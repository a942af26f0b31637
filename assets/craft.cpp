// Ships: the player's fighter, the enemy craft, the turning turrets and the three bosses.
#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <vector>

#include "painters.h"

namespace assetgen {

namespace {

constexpr float kPi = 3.14159265f;

enum class Mat : uint8_t { Hull, Dark, Trim, Glass, Nozzle, Lamp };

// One piece of a ship in design space: y grows towards the tail, the nose points to -y.
struct Shape {
  enum Kind : uint8_t { Poly, Oval, Bar } kind = Poly;
  std::array<Vec2, 10> v{};
  int n = 0;
  float r = 0;  // Bar radius
  Mat mat = Mat::Hull;
  bool mirror = false;  // also drawn mirrored across x = 0
  float z = 0;          // height above the wing plane (shifts sideways when the ship rolls)
};

Shape Poly(Mat mat, bool mirror, std::initializer_list<Vec2> pts, float z = 0) {
  Shape s;
  s.kind = Shape::Poly;
  s.mat = mat;
  s.mirror = mirror;
  s.z = z;
  for (Vec2 p : pts) s.v[size_t(s.n++)] = p;
  return s;
}

Shape Oval(Mat mat, bool mirror, Vec2 c, float rx, float ry, float z = 0) {
  Shape s;
  s.kind = Shape::Oval;
  s.mat = mat;
  s.mirror = mirror;
  s.z = z;
  s.v[0] = c;
  s.v[1] = {rx, ry};
  return s;
}

Shape Bar(Mat mat, bool mirror, Vec2 a, Vec2 b, float r, float z = 0) {
  Shape s;
  s.kind = Shape::Bar;
  s.mat = mat;
  s.mirror = mirror;
  s.z = z;
  s.v[0] = a;
  s.v[1] = b;
  s.r = r;
  return s;
}

float Distance(const Shape& s, Vec2 p) {
  if (s.mirror) p.x = std::fabs(p.x);
  switch (s.kind) {
    case Shape::Poly: return SdPolygon(p, s.v.data(), s.n);
    case Shape::Oval: return SdEllipse(p, s.v[0], s.v[1].x, s.v[1].y);
    case Shape::Bar: return SdSegment(p, s.v[0], s.v[1], s.r);
  }
  return 1e9f;
}

// Where and how a design is placed in the picture.
struct Pose {
  Vec2 centre;
  float scale = 1;    // pixels per design unit
  float heading = 0;  // degrees, 0 = nose up
  float roll = 0;     // -1 .. 1
  float bevel = 3;    // pixels of rounded edge lighting
};

struct Look {
  Palette hull = Palette::Steel;
  Palette trim = Palette::Red;
  uint32_t seed = 1;
};

Rgb MaterialColour(Mat mat, const Look& look, float tone, float depth) {
  switch (mat) {
    case Mat::Hull: return Ramp(look.hull, 0.42f + tone);
    case Mat::Dark: return Ramp(Palette::Steel, 0.12f + tone * 0.8f);
    case Mat::Trim: return Ramp(look.trim, 0.45f + tone);
    case Mat::Glass: return Mix(Ramp(Palette::Sky, 0.25f), Ramp(Palette::Sky, 0.95f), std::clamp(0.5f + tone * 2.0f, 0.0f, 1.0f));
    case Mat::Nozzle: return Ramp(Palette::Fire, 0.45f + std::min(depth, 4.0f) * 0.13f);
    case Mat::Lamp: return Ramp(look.trim, 0.7f + std::min(depth, 6.0f) * 0.05f);
  }
  return {};
}

// Design point for a picture pixel, for a shape raised by z.
Vec2 ToDesign(const Pose& pose, Vec2 pixel, float z) {
  const float h = pose.heading * kPi / 180.0f;
  const float dx = pixel.x - pose.centre.x, dy = pixel.y - pose.centre.y;
  Vec2 d{(dx * std::cos(h) + dy * std::sin(h)) / pose.scale, (-dx * std::sin(h) + dy * std::cos(h)) / pose.scale};
  const float roll = pose.roll * 0.9f;
  d.x = (d.x - z * std::sin(roll)) / std::cos(roll);
  return d;
}

void RenderShapes(Canvas& canvas, const Cell& cell, const std::vector<Shape>& shapes, const Pose& pose, const Look& look) {
  const Vec2 light{-0.6f, -0.8f};
  for (int y = cell.y; y < cell.y + cell.h; ++y)
    for (int x = cell.x; x < cell.x + cell.w; ++x) {
      const Vec2 px{x + 0.5f, y + 0.5f};
      for (const Shape& s : shapes) {
        auto dist = [&](Vec2 q) { return Distance(s, ToDesign(pose, q, s.z)) * pose.scale; };
        const float d = dist(px);
        const float cov = Coverage(d);
        if (cov <= 0) continue;
        const float gx = dist({px.x + 0.5f, px.y}) - dist({px.x - 0.5f, px.y});
        const float gy = dist({px.x, px.y + 0.5f}) - dist({px.x, px.y - 0.5f});
        const float gl = std::max(1e-4f, std::hypot(gx, gy));
        const float lit = (gx * light.x + gy * light.y) / gl;
        const float depth = -d;
        const float rim = std::clamp(1.0f - depth / pose.bevel, 0.0f, 1.0f);
        float tone = rim * 0.22f * lit;
        // Rolling turns one wing towards the light and the other away.
        const Vec2 dp = ToDesign(pose, px, s.z);
        tone += pose.roll * (dp.x < 0 ? -0.12f : 0.12f) * std::min(1.0f, std::fabs(dp.x) * 3.0f);
        tone += (Fbm(px.x * 0.15f, px.y * 0.15f, look.seed, 2) - 0.5f) * 0.08f;
        if (depth < 1.0f) tone -= 0.18f;  // outline
        canvas.Over(x, y, MaterialColour(s.mat, look, tone, depth), cov);
      }
    }
}

// ---- designs ---------------------------------------------------------------------------------

std::vector<Shape> PlayerDesign() {
  return {
      Poly(Mat::Hull, true, {{0.12f, -0.15f}, {0.92f, 0.5f}, {0.9f, 0.72f}, {0.55f, 0.68f}, {0.12f, 0.55f}}),
      Bar(Mat::Trim, true, {0.35f, 0.28f}, {0.78f, 0.58f}, 0.05f),
      Bar(Mat::Dark, true, {0.84f, 0.08f}, {0.84f, 0.7f}, 0.06f),
      Poly(Mat::Dark, true, {{0.16f, 0.3f}, {0.34f, 0.3f}, {0.36f, 1.02f}, {0.15f, 1.02f}}),
      Oval(Mat::Nozzle, true, {0.255f, 1.0f}, 0.09f, 0.07f),
      Poly(Mat::Hull, true, {{0.0f, -1.08f}, {0.16f, -0.5f}, {0.2f, 0.3f}, {0.14f, 0.95f}, {0.0f, 0.95f}}, 0.1f),
      Oval(Mat::Glass, false, {0.0f, -0.32f}, 0.09f, 0.22f, 0.18f),
      Bar(Mat::Trim, false, {0.0f, 0.25f}, {0.0f, 0.85f}, 0.05f, 0.35f),
  };
}

std::vector<Shape> CraftDesign(int variant) {
  switch (variant) {
    case 0:  // dart fighter
      return {
          Poly(Mat::Hull, true, {{0.1f, -0.2f}, {0.88f, 0.45f}, {0.84f, 0.66f}, {0.1f, 0.5f}}),
          Bar(Mat::Dark, true, {0.55f, 0.25f}, {0.55f, 0.62f}, 0.07f),
          Poly(Mat::Hull, true, {{0.0f, -0.95f}, {0.22f, -0.2f}, {0.18f, 0.8f}, {0.0f, 0.8f}}),
          Bar(Mat::Trim, false, {0.0f, -0.1f}, {0.0f, 0.7f}, 0.06f),
          Oval(Mat::Glass, false, {0.0f, -0.3f}, 0.1f, 0.2f),
          Oval(Mat::Nozzle, true, {0.1f, 0.8f}, 0.07f, 0.06f),
      };
    case 1:  // twin-engine heavy fighter
      return {
          Poly(Mat::Hull, true, {{0.25f, -0.25f}, {0.88f, 0.15f}, {0.88f, 0.4f}, {0.25f, 0.35f}}),
          Poly(Mat::Dark, true, {{0.38f, 0.0f}, {0.6f, 0.0f}, {0.6f, 0.95f}, {0.38f, 0.95f}}),
          Oval(Mat::Nozzle, true, {0.49f, 0.93f}, 0.1f, 0.07f),
          Oval(Mat::Hull, false, {0.0f, 0.05f}, 0.34f, 0.82f),
          Bar(Mat::Trim, true, {0.16f, -0.2f}, {0.16f, 0.6f}, 0.05f),
          Oval(Mat::Glass, false, {0.0f, -0.45f}, 0.12f, 0.18f),
          Oval(Mat::Lamp, true, {0.84f, 0.28f}, 0.05f, 0.05f),
      };
    case 2:  // wide-wing fighter with engines on the tips
      return {
          Poly(Mat::Hull, true, {{0.1f, -0.35f}, {0.95f, 0.05f}, {0.95f, 0.4f}, {0.1f, 0.3f}}),
          Poly(Mat::Dark, true, {{0.6f, -0.15f}, {0.77f, -0.15f}, {0.77f, 0.95f}, {0.6f, 0.95f}}),
          Oval(Mat::Nozzle, true, {0.685f, 0.93f}, 0.08f, 0.06f),
          Poly(Mat::Hull, true, {{0.0f, -0.95f}, {0.18f, -0.4f}, {0.16f, 0.6f}, {0.0f, 0.75f}}),
          Bar(Mat::Trim, true, {0.25f, 0.05f}, {0.55f, 0.15f}, 0.05f),
          Oval(Mat::Glass, false, {0.0f, -0.35f}, 0.1f, 0.2f),
      };
    case 3:  // saucer; stays inside the circle because the game turns it
      return {
          Poly(Mat::Dark, true, {{0.3f, 0.4f}, {0.72f, 0.62f}, {0.55f, 0.82f}, {0.2f, 0.6f}}),
          Oval(Mat::Hull, false, {0.0f, 0.05f}, 0.76f, 0.76f),
          Oval(Mat::Dark, false, {0.0f, 0.05f}, 0.5f, 0.5f),
          Oval(Mat::Trim, false, {0.0f, 0.05f}, 0.38f, 0.38f),
          Oval(Mat::Glass, false, {0.0f, 0.0f}, 0.22f, 0.22f),
          Poly(Mat::Trim, true, {{0.0f, -0.95f}, {0.16f, -0.62f}, {0.0f, -0.68f}}),
          Oval(Mat::Lamp, true, {0.58f, 0.25f}, 0.06f, 0.06f),
      };
    case 4:  // single-engine interceptor
      return {
          Poly(Mat::Hull, true, {{0.1f, -0.35f}, {0.9f, 0.5f}, {0.85f, 0.62f}, {0.1f, 0.55f}}),
          Poly(Mat::Dark, true, {{0.0f, 0.35f}, {0.2f, 0.35f}, {0.2f, 1.0f}, {0.0f, 1.0f}}),
          Oval(Mat::Nozzle, false, {0.0f, 0.97f}, 0.14f, 0.07f),
          Poly(Mat::Hull, true, {{0.0f, -1.0f}, {0.16f, -0.45f}, {0.16f, 0.4f}, {0.0f, 0.45f}}),
          Bar(Mat::Trim, true, {0.35f, 0.3f}, {0.75f, 0.5f}, 0.05f),
          Oval(Mat::Glass, false, {0.0f, -0.35f}, 0.09f, 0.2f),
      };
    case 5:  // gunship
      return {
          Oval(Mat::Hull, true, {0.6f, 0.15f}, 0.2f, 0.5f),
          Bar(Mat::Dark, true, {0.6f, -0.3f}, {0.6f, -0.55f}, 0.07f),
          Oval(Mat::Nozzle, true, {0.6f, 0.62f}, 0.1f, 0.06f),
          Bar(Mat::Dark, false, {0.0f, -0.5f}, {0.0f, -0.95f}, 0.08f),
          Oval(Mat::Hull, false, {0.0f, 0.05f}, 0.44f, 0.84f),
          Bar(Mat::Trim, true, {0.22f, -0.3f}, {0.22f, 0.55f}, 0.06f),
          Oval(Mat::Glass, false, {0.0f, -0.3f}, 0.13f, 0.2f),
          Oval(Mat::Lamp, false, {0.0f, 0.45f}, 0.1f, 0.1f),
      };
    default:  // armoured turret craft
      return {
          Bar(Mat::Dark, true, {0.2f, -0.3f}, {0.2f, -0.95f}, 0.07f),
          Poly(Mat::Hull, true, {{0.0f, -0.8f}, {0.35f, -0.5f}, {0.58f, 0.3f}, {0.42f, 0.78f}, {0.0f, 0.88f}}),
          Bar(Mat::Trim, true, {0.4f, -0.1f}, {0.48f, 0.5f}, 0.06f),
          Oval(Mat::Dark, false, {0.0f, 0.12f}, 0.32f, 0.32f),
          Oval(Mat::Hull, false, {0.0f, 0.12f}, 0.24f, 0.24f),
          Oval(Mat::Lamp, false, {0.0f, 0.12f}, 0.09f, 0.09f),
          Oval(Mat::Nozzle, true, {0.2f, 0.84f}, 0.09f, 0.06f),
      };
  }
}

Palette TrimFor(Palette hull) {
  switch (hull) {
    case Palette::Red: return Palette::Gold;
    case Palette::Green: return Palette::Orange;
    case Palette::Violet: return Palette::Magenta;
    case Palette::Steel: return Palette::Red;
    case Palette::Orange: return Palette::Sky;
    case Palette::Olive: return Palette::Gold;
    default: return Palette::Red;
  }
}

// ---- bosses ----------------------------------------------------------------------------------
// Designs in pixels from the top centre of the picture, nose (front) down.

std::vector<Shape> BossDesign(int boss) {
  switch (boss) {
    case 0:  // stage 1: hammerhead cruiser
      return {
          Poly(Mat::Hull, true, {{190, 80}, {216, 58}, {218, 150}, {196, 132}}),
          Poly(Mat::Dark, true, {{0, 0}, {75, 0}, {75, 42}, {0, 42}}),
          Poly(Mat::Hull, true, {{0, 0}, {90, 0}, {150, 35}, {200, 70}, {205, 125}, {160, 165}, {80, 195}, {45, 250}, {0, 275}}),
          Bar(Mat::Dark, true, {60, 40}, {60, 180}, 2.5f),
          Bar(Mat::Dark, true, {20, 200}, {150, 120}, 2.5f),
          Poly(Mat::Hull, true, {{100, 62}, {152, 62}, {165, 150}, {138, 182}, {106, 165}}),
          Bar(Mat::Trim, true, {162, 80}, {172, 150}, 7),
          Oval(Mat::Dark, true, {125, 112}, 19, 19),
          Bar(Mat::Dark, true, {115, 112}, {115, 142}, 4.5f),
          Bar(Mat::Dark, true, {135, 112}, {135, 142}, 4.5f),
          Oval(Mat::Trim, true, {125, 112}, 9, 9),
          Oval(Mat::Trim, true, {90, 142}, 11, 11),
          Oval(Mat::Dark, false, {0, 145}, 33, 33),
          Oval(Mat::Lamp, false, {0, 145}, 24, 24),
          Oval(Mat::Glass, false, {0, 62}, 24, 14),
          Poly(Mat::Dark, true, {{0, 228}, {20, 240}, {0, 285}}),
          Oval(Mat::Nozzle, true, {35, 10}, 15, 8),
          Oval(Mat::Nozzle, true, {110, 22}, 12, 7),
      };
    case 1:  // stage 2: wide carrier
      return {
          Poly(Mat::Hull, true, {{200, 60}, {246, 88}, {246, 152}, {204, 142}}),
          Poly(Mat::Hull, true, {{0, 10}, {120, 10}, {215, 50}, {226, 110}, {190, 172}, {120, 216}, {60, 236}, {0, 246}}),
          Bar(Mat::Trim, true, {0, 88}, {185, 88}, 3),
          Bar(Mat::Dark, true, {150, 40}, {205, 160}, 2.5f),
          Poly(Mat::Dark, true, {{8, 118}, {62, 118}, {62, 196}, {8, 196}}),
          Oval(Mat::Dark, true, {122, 108}, 30, 40),
          Bar(Mat::Dark, true, {122, 112}, {122, 165}, 7),
          Oval(Mat::Trim, true, {122, 100}, 14, 14),
          Oval(Mat::Trim, true, {100, 140}, 12, 12),
          Oval(Mat::Lamp, false, {0, 208}, 12, 12),
          Oval(Mat::Lamp, true, {30, 114}, 8, 8),
          Oval(Mat::Lamp, true, {50, 154}, 8, 8),
          Oval(Mat::Lamp, true, {80, 114}, 8, 8),
          Poly(Mat::Hull, true, {{0, 18}, {42, 18}, {52, 72}, {0, 82}}),
          Oval(Mat::Glass, false, {0, 45}, 30, 9),
          Oval(Mat::Nozzle, true, {60, 14}, 16, 8),
          Oval(Mat::Nozzle, true, {150, 28}, 14, 7),
      };
    default:  // stage 3: crescent fortress
      return {
          Poly(Mat::Hull, true, {{40, 30}, {140, 40}, {200, 100}, {212, 190}, {176, 242}, {150, 170}, {118, 122}, {50, 96}}),
          Bar(Mat::Dark, true, {150, 70}, {195, 190}, 3),
          Oval(Mat::Trim, true, {160, 110}, 11, 11),
          Poly(Mat::Hull, true, {{0, 100}, {32, 110}, {22, 232}, {0, 262}}),
          Oval(Mat::Lamp, false, {0, 170}, 8, 8),
          Oval(Mat::Lamp, false, {0, 210}, 7, 7),
          Oval(Mat::Dark, true, {122, 106}, 17, 17),
          Bar(Mat::Dark, true, {122, 106}, {122, 134}, 5),
          Oval(Mat::Dark, true, {135, 146}, 14, 14),
          Bar(Mat::Dark, true, {135, 146}, {135, 172}, 4.5f),
          Oval(Mat::Trim, true, {75, 120}, 10, 10),
          Oval(Mat::Hull, false, {0, 55}, 62, 62),
          Oval(Mat::Dark, false, {0, 55}, 44, 44),
          Oval(Mat::Lamp, false, {0, 55}, 30, 30),
          Oval(Mat::Trim, false, {0, 28}, 8, 8),
          Oval(Mat::Trim, true, {40, 22}, 8, 8),
      };
  }
}

// Scorches, glowing cracks, holes and fires on a damaged boss.
void Damage(Canvas& canvas, int level, uint32_t seed) {
  if (level <= 0) return;
  const float scorch = 0.72f - 0.07f * float(level);
  const float hole = 0.86f - 0.04f * float(level);
  for (int y = 0; y < canvas.Height(); ++y)
    for (int x = 0; x < canvas.Width(); ++x) {
      if (canvas.AlphaAt(x, y) < 0.5f) continue;
      const Rgb c = canvas.ColourAt(x, y) * (1.0f / canvas.AlphaAt(x, y));
      const float n = Fbm(x * 0.025f, y * 0.025f, seed, 4);
      const float crack = Fbm(x * 0.06f, y * 0.06f, seed + 7, 3);
      if (level >= 2 && n > hole) {
        canvas.Set(x, y, {}, 0.0f);  // blown open
      } else if (level >= 2 && n > hole - 0.025f) {
        canvas.Set(x, y, Ramp(Palette::Fire, 0.75f + (n - hole) * 8.0f), 1.0f);
      } else if (n > scorch) {
        const float k = std::clamp((n - scorch) * 6.0f, 0.0f, 0.6f);
        canvas.Set(x, y, Mix(c, Rgb{0.12f, 0.1f, 0.1f}, k), 1.0f);
      }
      if (std::fabs(crack - 0.5f) < 0.008f * float(level) && n > scorch - 0.1f)
        canvas.Set(x, y, Ramp(Palette::Fire, 0.8f), 1.0f);
    }
  // Fires burning on the hull.
  Rng rng(seed);
  for (int i = 0; i < level * 3; ++i) {
    const float fx = rng.Range(canvas.Width() * 0.2f, canvas.Width() * 0.8f);
    const float fy = rng.Range(40.0f, 200.0f);
    const float r = rng.Range(5.0f, 10.0f);
    for (int y = int(fy - 3 * r); y < int(fy + r); ++y)
      for (int x = int(fx - r); x < int(fx + r); ++x) {
        if (!canvas.Inside(x, y) || canvas.AlphaAt(x, y) < 0.5f) continue;
        const float dx = (x - fx) / r, dy = (y - fy) / (y < fy ? 3 * r : r);
        const float t = 1.0f - std::hypot(dx, dy) - (Fbm(x * 0.3f, y * 0.2f, seed + 11u + uint32_t(i), 2) - 0.5f) * 0.6f;
        if (t > 0.1f) canvas.Set(x, y, Ramp(Palette::Fire, 0.45f + t * 0.6f), 1.0f);
      }
  }
}

// A keyed exhaust flame: white at the nozzle, orange then red towards the tip.
void KeyedFlame(Canvas& canvas, Vec2 root, float halfWidth, float length, uint32_t seed) {
  for (int y = int(root.y); y < int(root.y + length); ++y)
    for (int x = int(root.x - halfWidth - 1); x <= int(root.x + halfWidth + 1); ++x) {
      if (!canvas.Inside(x, y)) continue;
      const float t = (y + 0.5f - root.y) / length;
      const float wobble = (ValueNoise(y * 0.2f, float(seed % 97), seed) - 0.5f) * 0.5f;
      const float w = halfWidth * (1.0f - t) * (1.0f + wobble);
      const float dx = std::fabs(x + 0.5f - root.x);
      if (dx < w) canvas.Set(x, y, Ramp(Palette::Fire, 1.0f - 0.65f * t - 0.35f * dx / std::max(w, 1.0f)), 1.0f);
    }
}

}  // namespace

void DrawShip(Canvas& canvas, const Cell& cell, float roll, float scale, float heading) {
  Pose pose;
  pose.centre = {cell.Cx(), cell.y + cell.h * 0.5f + 1.0f * scale};
  pose.scale = 29.0f * scale;
  pose.roll = roll;
  pose.heading = heading;
  pose.bevel = 2.5f * scale;
  RenderShapes(canvas, cell, PlayerDesign(), pose, Look{Palette::Blue, Palette::Red, 27});
}

void PaintPlayerShip(Canvas& canvas, const PictureSpec& spec) {
  ForEachCell(spec, [&](const Cell& cell, int i) { DrawShip(canvas, cell, float(i - 3) / 3.0f, 1.0f, 0.0f); });
}

void PaintCraft(Canvas& canvas, const PictureSpec& spec) {
  ForEachCell(spec, [&](const Cell& cell, int) {
    Pose pose;
    pose.centre = {cell.Cx(), cell.Cy()};
    pose.scale = float(std::min(cell.w, cell.h)) * 0.46f;
    pose.heading = float(spec.angle);
    RenderShapes(canvas, cell, CraftDesign(spec.variant), pose, Look{spec.palette, TrimFor(spec.palette), spec.seed});
  });
}

void PaintTurret(Canvas& canvas, const PictureSpec& spec) {
  ForEachCell(spec, [&](const Cell& cell, int i) {
    const float t = float(i) / float(spec.Cells() - 1);  // last cell: entry heading, first: final heading
    Pose pose;
    pose.centre = {cell.Cx(), cell.Cy()};
    pose.scale = float(cell.w) * 0.44f;
    pose.heading = float(spec.variant) + (float(spec.angle) - float(spec.variant)) * t;
    RenderShapes(canvas, cell, CraftDesign(6), pose, Look{spec.palette, TrimFor(spec.palette), spec.seed});
  });
}

void PaintBoss(Canvas& canvas, const PictureSpec& spec) {
  const int boss = spec.variant / 4, damage = spec.variant % 4;
  Pose pose;
  pose.centre = {spec.width * 0.5f, 0.0f};
  pose.bevel = 7.0f;
  RenderShapes(canvas, Cell{0, 0, spec.width, spec.height}, BossDesign(boss), pose,
               Look{spec.palette, TrimFor(spec.palette), 1000u + uint32_t(boss)});
  Damage(canvas, damage, 2000u + uint32_t(boss) * 10u);
}

void PaintBossEntry(Canvas& canvas, const PictureSpec& spec) {
  // The cruiser overtakes the player from below, nose up, engines blazing.
  const float baseY = spec.height - 100.0f;
  for (float ex : {-110.0f, -35.0f, 35.0f, 110.0f})
    KeyedFlame(canvas, {spec.width * 0.5f + ex, baseY - 10.0f}, std::fabs(ex) > 60 ? 11.0f : 14.0f,
               std::fabs(ex) > 60 ? 70.0f : 95.0f, spec.seed + uint32_t(ex + 200));
  Pose pose;
  pose.centre = {spec.width * 0.5f, baseY};
  pose.heading = 180.0f;
  pose.bevel = 7.0f;
  RenderShapes(canvas, Cell{0, 0, spec.width, spec.height}, BossDesign(spec.variant), pose,
               Look{spec.palette, TrimFor(spec.palette), 1000u + uint32_t(spec.variant)});
}

}  // namespace assetgen
