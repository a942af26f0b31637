// The option shots' flight: the scripted curve, the straight leg and the cull.
#include "game/option_flight.h"

#include <cmath>

#include "config/geometry.h"
#include "framework/el_input.h"

namespace {

// One window of the curve (timer bounds inclusive): pixels per call, not scaled by the frame time.
// The x step goes to the kind's side; a timer between two windows moves the shot by nothing.
struct ScriptStep {
  float from, to;
  float xStep, yStep;
};
constexpr ScriptStep kScript[] = {
    {0.0f, 5.0f, 6.0f, 3.0f},    {6.0f, 10.0f, 6.0f, 1.0f},   {11.0f, 15.0f, 7.0f, 0.0f},  {16.0f, 20.0f, 7.0f, -2.0f},
    {21.0f, 25.0f, 7.0f, -7.0f}, {26.0f, 30.0f, 3.0f, -7.0f}, {31.0f, 40.0f, 1.0f, -7.0f}, {41.0f, 45.0f, 0.0f, -7.0f},
};

// A shot wholly outside these (strictly) is parked: the play field with a 40-pixel margin at the sides.
constexpr float kCullLeft = 180.0f + Geometry::kFieldShiftX;
constexpr float kCullRight = 620.0f + Geometry::kFieldShiftX;
constexpr float kCullTop = 0.0f;
constexpr float kCullBottom = static_cast<float>(Geometry::kScreenHeight);

void FollowScript(OptionShot& r, const OptionShotKind& kind) {
  const float side = static_cast<float>(kind.side);
  for (const ScriptStep& step : kScript) {
    if (step.from <= r.flightTimer && r.flightTimer <= step.to) {
      r.x += side * step.xStep;
      r.y += step.yStep;
    }
  }
}

void FlyStraight(OptionShot& r, const OptionShotKind& kind) {
  const double angle = static_cast<double>(r.angle);
  r.x += static_cast<float>(kind.straightX * std::cos(angle));
  r.y += static_cast<float>(kind.straightY * std::sin(angle));
}

bool OutsideCull(const OptionShot& r) {
  const float size = static_cast<float>(kOptionShotSize);
  return r.x + size < kCullLeft || r.x > kCullRight || r.y + size < kCullTop || r.y > kCullBottom;
}

}  // namespace

void FlyOptionShots(const OptionShotKind& kind) {
  const float dt = FrameTime();
  for (int i = 0; i < kOptionShotCount; ++i) {
    OptionShot& r = kind.pool[i];
    if (r.active != 0) {
      r.flightTimer += kOptionTimerRate * dt;
      FollowScript(r, kind);
      // At exactly 45 the last scripted step and the first straight step come in the same call.
      if (r.flightTimer >= kOptionScriptEnd) FlyStraight(r, kind);
    }
    // Parked records are caught again on every call; their heading stays.
    if (OutsideCull(r)) ParkOptionShot(r);
  }
}

#define DEFINE_FLY_OPTION_SHOTS(K, ...) \
  void FlyOptionShots##K() { FlyOptionShots(kOptionShotKind##K); }
OPTION_SHOT_KINDS(DEFINE_FLY_OPTION_SHOTS)
#undef DEFINE_FLY_OPTION_SHOTS
