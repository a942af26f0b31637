#include "stages/turrets.h"

#include "config/geometry.h"
#include "framework/el_draw.h"
#include "framework/el_input.h"
#include "game/pictures.h"
#include "game/pixel.h"
#include "shots/aimed_shot.h"
#include "stages/explosion_debris.h"

TurretRecord Turrets1[kTurretCount];
TurretRecord Turrets2[kTurretCount];
TurretRecord Turrets3[kTurretCount];
TurretRecord Turrets4[kTurretCount];

namespace {

constexpr float kShift = static_cast<float>(Geometry::kFieldShiftX);
// The sides the turrets come in from, which are also the side edges they leave by.
constexpr float kLeftX = 80.0f + kShift;
constexpr float kRightX = 620.0f + kShift;
constexpr float kDiveEntryY = 100.0f;
constexpr float kClimbEntryY = 240.0f;
constexpr float kBottomEdge = static_cast<float>(Geometry::kScreenHeight);
constexpr float kTopEdge = -100.0f;
constexpr float kResetX = -500.0f;
constexpr float kResetY = -500.0f;
constexpr float kParkedX = -500.0f;
constexpr float kParkedY = 2550.0f;
constexpr float kCruiseSpeed = 220.0f;
constexpr float kTimerWrap = 101.0f;

struct TurretKind {
  TurretRecord* records;
  float entryX, entryY;
  float timerRate;  // timer units per second
  float across;     // +1 flies right, -1 left
  float down;       // +1 dives, -1 climbs
  Pic::Id body;
  void (*fire)();  // the aimed shot fired while the turret turns (none for the climbing kinds)
};

const TurretKind kTurret1 = {Turrets1, kLeftX, kDiveEntryY, 30.0f, 1.0f, 1.0f, Pic::SZAK30, FireTurret1AimedShot1};
const TurretKind kTurret2 = {Turrets2, kRightX, kDiveEntryY, 25.0f, -1.0f, 1.0f, Pic::SZAK31, FireTurret2AimedShot1};
const TurretKind kTurret3 = {Turrets3, kLeftX, kClimbEntryY, 30.0f, 1.0f, -1.0f, Pic::SZAK32, nullptr};
const TurretKind kTurret4 = {Turrets4, kRightX, kClimbEntryY, 30.0f, -1.0f, -1.0f, Pic::SZAK33, nullptr};

// The legs of the path, by the timer (inclusive; between two legs the velocity stays as it was).
enum class Sideways : int { Cruise, Keep, Stop };
struct Leg {
  float lo, hi;
  float vertical;  // along the kind's dive or climb
  Sideways sideways;
  bool fires;
};
constexpr Leg kLegs[] = {
    {0.0f, 10.0f, 0.0f, Sideways::Cruise, false},   {11.0f, 20.0f, 110.0f, Sideways::Keep, true},
    {21.0f, 30.0f, 210.0f, Sideways::Keep, false},  {31.0f, 40.0f, 310.0f, Sideways::Keep, false},
    {41.0f, 100.0f, 410.0f, Sideways::Stop, false},
};

// The body cell the timer shows (inclusive; on a shared bound both cells are drawn).
struct BodyCell {
  float lo, hi;
  int left;
};
constexpr BodyCell kBodyCells[] = {
    {0.0f, 10.0f, 400}, {10.0f, 20.0f, 300}, {20.0f, 30.0f, 200}, {30.0f, 40.0f, 100}, {40.0f, 100.0f, 0},
};
constexpr int kBodySize = 100;

constexpr debris::Piece kExplosion[] = {
    {debris::Blend::Add, Pic::ZBAK2B, 80, -6, 20, 1, 20}, {debris::Blend::Half, Pic::ZBAK2B, 80, -6, 20, -6, 20},
    {debris::Blend::Add, Pic::ZBAK2B, 80, 6, 20, -4, 20}, {debris::Blend::Half, Pic::ZBAK2B, 80, -2, 20, 6, 20},
    {debris::Blend::Add, Pic::ZBAK2B, 80, 0, 0, 0, 0},    {debris::Blend::Add, Pic::ZBAK2B, 80, 6, 20, 6, 20},
};
constexpr int kLastExplosionFrame = 7;

// Ticks 0..149; the record marks, in record order.
constexpr int kTickWrap = 150;
constexpr int kSpawnMarks[kTurretCount] = {30, 60, 90, 120, 150};

void Park(TurretRecord& t) {
  t.active = 0;
  t.x = kParkedX;
  t.y = kParkedY;
}

void Reset(const TurretKind& kind) {
  for (int i = 0; i < kTurretCount; ++i) {
    TurretRecord& t = kind.records[i];
    t = TurretRecord{};
    t.x = kResetX;
    t.y = kResetY;
  }
}

void Spawn(const TurretKind& kind, int index) {
  TurretRecord& t = kind.records[index];
  if (t.active != 0) return;
  t.active = 1;
  t.hit = 0;
  t.explosionCycle = 0;
  t.explosionFrame = 0;
  t.pathTimer = 0.0f;
  t.x = kind.entryX;
  t.y = kind.entryY;
  t.vx = t.vy = 0.0f;
}

void TickSpawner(const TurretKind& kind) {
  for (int i = 0; i < kTurretCount; ++i) {
    int& tick = kind.records[i].spawnTick;
    tick += 1;
    if (tick >= kTickWrap) tick = 0;
  }
  for (int i = 0; i < kTurretCount; ++i) {
    if (kind.records[i].spawnTick == kSpawnMarks[i]) Spawn(kind, i);
  }
}

void FlyLegs(const TurretKind& kind, TurretRecord& t) {
  for (const Leg& leg : kLegs) {
    if (!(leg.lo <= t.pathTimer && t.pathTimer <= leg.hi)) continue;
    t.vy = kind.down * leg.vertical;
    if (leg.sideways == Sideways::Cruise) t.vx = kind.across * kCruiseSpeed;
    if (leg.sideways == Sideways::Stop) t.vx = 0.0f;
    if (leg.fires && kind.fire != nullptr) kind.fire();
  }
}

bool PastLeaveEdges(const TurretKind& kind, const TurretRecord& t) {
  const bool pastVertical = kind.down > 0.0f ? t.y > kBottomEdge : t.y < kTopEdge;
  const bool pastSide = kind.across > 0.0f ? t.x > kRightX : t.x < kLeftX;
  return pastVertical || pastSide;
}

void Move(const TurretKind& kind) {
  const float dt = FrameTime();
  for (int i = 0; i < kTurretCount; ++i) {
    TurretRecord& t = kind.records[i];
    if (t.active != 0) {
      t.y += t.vy * dt;
      t.x += t.vx * dt;
      t.pathTimer += dt * kind.timerRate;
      FlyLegs(kind, t);
      if (t.pathTimer >= kTimerWrap) t.pathTimer = 0.0f;
    }
    if (PastLeaveEdges(kind, t)) Park(t);
  }
}

// Every record, live or not: parked ones lie outside the clip rectangle.
void Draw(const TurretKind& kind) {
  for (int i = 0; i < kTurretCount; ++i) {
    TurretRecord& t = kind.records[i];
    const int x = ToPixel(t.x);
    const int y = ToPixel(t.y);
    if (t.hit == 0) {
      for (const BodyCell& cell : kBodyCells) {
        if (cell.lo <= t.pathTimer && t.pathTimer <= cell.hi) {
          elDraw::DrawObject(x, y, Slot(kind.body), cell.left, 0, cell.left + kBodySize, kBodySize);
        }
      }
      continue;
    }
    debris::DrawPieces(kExplosion, x, y, t.explosionFrame);
    t.vx = t.vy = 0.0f;
    if (debris::StepDestruction(t.explosionFrame, t.explosionCycle, kLastExplosionFrame)) {
      Park(t);
      t.hit = 0;
      t.explosionFrame = 0;
      t.explosionCycle = 0;
    }
  }
}

int CountLive(const TurretKind& kind) {
  int n = 0;
  for (int i = 0; i < kTurretCount; ++i) n += (kind.records[i].active != 0 || kind.records[i].hit != 0) ? 1 : 0;
  return n;
}

}  // namespace

#define TURRET_OPERATIONS(N)                                   \
  void ResetTurret##N() { Reset(kTurret##N); }                 \
  void SpawnTurret##N(int index) { Spawn(kTurret##N, index); } \
  void TickTurret##N##Spawner() { TickSpawner(kTurret##N); }   \
  void MoveTurret##N() { Move(kTurret##N); }                   \
  void DrawTurret##N() { Draw(kTurret##N); }                   \
  void SetHitFlagTurret##N(int index) { Turrets##N[index].hit = 1; }
TURRET_OPERATIONS(1)
TURRET_OPERATIONS(2)
TURRET_OPERATIONS(3)
TURRET_OPERATIONS(4)
#undef TURRET_OPERATIONS

int CountLiveTurrets() { return CountLive(kTurret1) + CountLive(kTurret2) + CountLive(kTurret3) + CountLive(kTurret4); }
