// The three boss paths. Each is a table of legs over the path timer (tenths of a second); every leg
// whose range holds the timer acts on this frame, in table order, then the timer may jump back to
// repeat the sway. Fractional gaps between ranges are frames on which nothing moves.
#include <iterator>

#include "config/geometry.h"
#include "framework/el_draw.h"
#include "framework/el_input.h"
#include "game/pictures.h"
#include "game/pixel.h"
#include "stages/bosses.h"

namespace {

constexpr float kPathTimerRate = 10.0f;
// The entry picture is parked once it has flown this far above the screen.
constexpr float kEntryGoneAbove = -480.0f;
// The entry picture starts at the bottom edge of the screen.
constexpr float kEntryStartY = static_cast<float>(Geometry::kScreenHeight);

// Positions of the 800x600 layout, moved with the play field.
constexpr float FieldX(float x) { return x + static_cast<float>(Geometry::kFieldShiftX); }

enum class LegAct {
  EntryStart,  // draw the entry picture where it is, then put it at the bottom with its speed
  EntryRise,   // draw the entry picture and fly it up; park it once it is gone
  Place,       // the boss at (a, b)
  Drift,       // the boss moves by (a, b) pixels per second
};

struct PathLeg {
  bool fromOpen;  // the range starts after `from` rather than at it
  float from, to;  // `to` is inclusive
  LegAct act;
  float a, b;
};

struct EntryLook {
  Pic::Id picture;
  int width, height;
  float x;
  float speed;
};

struct BossPath {
  BossRecord& boss;
  BossEffectsRecord& effects;
  const EntryLook* entry;
  const PathLeg* legs;
  int legCount;
  float wrapAt, wrapTo;  // once the timer reaches wrapAt it goes back to wrapTo
};

constexpr PathLeg Leg(float from, float to, LegAct act, float a = 0.0f, float b = 0.0f) {
  return {false, from, to, act, a, b};
}
constexpr PathLeg LegAfter(float from, float to, LegAct act, float a = 0.0f, float b = 0.0f) {
  return {true, from, to, act, a, b};
}
constexpr PathLeg Place(float from, float to, float x, float y) { return Leg(from, to, LegAct::Place, FieldX(x), y); }
constexpr PathLeg PlaceAfter(float from, float to, float x, float y) {
  return LegAfter(from, to, LegAct::Place, FieldX(x), y);
}
constexpr PathLeg Drift(float from, float to, float vx, float vy) { return Leg(from, to, LegAct::Drift, vx, vy); }

// Boss 1: flies up behind its entry picture, comes down to (180, 0) and holds there; from 160 the
// timer cycles 138..160, so the hold never ends.
constexpr EntryLook kBoss1Entry = {Pic::BOS111, 480, 480, FieldX(160.0f), 400.0f};
constexpr PathLeg kBoss1Legs[] = {
    Leg(0, 20, LegAct::EntryStart),
    LegAfter(21, 59, LegAct::EntryRise),
    PlaceAfter(60, 90, 180.0f, -360.0f),
    Drift(91, 135, 0.0f, 80.0f),
    Place(135, 162, 180.0f, 0.0f),
};

// Boss 2: the same entry, then a sway left and right that repeats from 145.
constexpr EntryLook kBoss2Entry = {Pic::BOSS71, 500, 400, FieldX(150.0f), 500.0f};
constexpr PathLeg kBoss2Legs[] = {
    Leg(0, 13, LegAct::EntryStart),
    LegAfter(14, 59, LegAct::EntryRise),
    PlaceAfter(60, 90, 150.0f, -400.0f),
    Drift(91, 135, 0.0f, 93.0f),
    Place(135, 162, 150.0f, 0.0f),
    Drift(162, 171, 80.0f, 0.0f),
    Drift(172, 190, -80.0f, 0.0f),
    Drift(191, 200, 80.0f, 0.0f),
    Drift(201, 210, 100.0f, 0.0f),
    Drift(211, 220, -100.0f, 0.0f),
    Drift(221, 230, -100.0f, 0.0f),
    Drift(231, 240, 100.0f, 0.0f),
    Place(241, 250, 150.0f, 0.0f),
    Drift(251, 270, 100.0f, 0.0f),
    Drift(271, 290, -100.0f, 0.0f),
    Drift(291, 310, -100.0f, 0.0f),
    Drift(311, 330, 100.0f, 0.0f),
};

// Boss 3: no entry picture; it dips, sways and weaves, repeating from 80.
constexpr PathLeg kBoss3Legs[] = {
    PlaceAfter(0, 30, 180.0f, -480.0f),
    Drift(31, 75, 0.0f, 104.0f),
    Place(75, 90, 180.0f, 0.0f),
    Drift(91, 115, 0.0f, 60.0f),
    Drift(116, 140, 0.0f, -60.0f),
    Place(141, 162, 180.0f, 0.0f),
    Drift(162, 171, 80.0f, 0.0f),
    Drift(172, 190, -80.0f, 0.0f),
    Drift(191, 200, 80.0f, 0.0f),
    Drift(201, 210, 100.0f, 50.0f),
    Drift(211, 220, -100.0f, -50.0f),
    Drift(221, 230, -100.0f, 50.0f),
    Drift(231, 240, 100.0f, -50.0f),
    Place(240, 250, 180.0f, 0.0f),
    Drift(250, 260, 150.0f, 0.0f),
    Drift(261, 280, -150.0f, 0.0f),
    Drift(281, 290, 150.0f, 0.0f),
    Drift(291, 300, 200.0f, 100.0f),
    Drift(301, 310, -200.0f, -100.0f),
    Drift(311, 320, -200.0f, 100.0f),
    Drift(321, 330, 200.0f, -100.0f),
};

const BossPath kBoss1Path = {Boss1, Boss1Effects, &kBoss1Entry, kBoss1Legs, static_cast<int>(std::size(kBoss1Legs)),
                             160.0f, 138.0f};
const BossPath kBoss2Path = {Boss2, Boss2Effects, &kBoss2Entry, kBoss2Legs, static_cast<int>(std::size(kBoss2Legs)),
                             331.0f, 145.0f};
const BossPath kBoss3Path = {Boss3, Boss3Effects, nullptr, kBoss3Legs, static_cast<int>(std::size(kBoss3Legs)),
                             331.0f, 80.0f};

bool Holds(const PathLeg& leg, float t) {
  const bool afterStart = leg.fromOpen ? leg.from < t : leg.from <= t;
  return afterStart && t <= leg.to;
}

void DrawEntry(const BossEntryPicture& entry, const EntryLook& look) {
  elDraw::DrawObject(ToPixel(entry.x), ToPixel(entry.y), Slot(look.picture), 0, 0, look.width, look.height);
}

void ActLeg(const BossPath& path, const PathLeg& leg) {
  LargeEnemyRecord& body = path.boss.body;
  BossEntryPicture& entry = path.effects.entry;
  const float dt = FrameTime();
  switch (leg.act) {
    case LegAct::EntryStart:
      DrawEntry(entry, *path.entry);
      entry.x = path.entry->x;
      entry.y = kEntryStartY;
      entry.speed = path.entry->speed;
      break;
    case LegAct::EntryRise:
      DrawEntry(entry, *path.entry);
      entry.y -= entry.speed * dt;
      if (entry.y < kEntryGoneAbove) {
        entry.speed = 0.0f;
        entry.x = kBossParkedX;
        entry.y = kBossParkedY;
      }
      break;
    case LegAct::Place:
      body.x = leg.a;
      body.y = leg.b;
      break;
    case LegAct::Drift:
      body.x += leg.a * dt;
      body.y += leg.b * dt;
      break;
  }
}

void MoveBoss(const BossPath& path) {
  float& t = path.boss.body.pathTimer;
  t += FrameTime() * kPathTimerRate;
  for (int i = 0; i < path.legCount; ++i) {
    if (Holds(path.legs[i], t)) ActLeg(path, path.legs[i]);
  }
  if (t >= path.wrapAt) t = path.wrapTo;
}

}  // namespace

void MoveBoss1() { MoveBoss(kBoss1Path); }
void MoveBoss2() { MoveBoss(kBoss2Path); }
void MoveBoss3() { MoveBoss(kBoss3Path); }
