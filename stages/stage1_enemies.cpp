#include "stages/stage1_enemies.h"

#include <cstdlib>

#include "config/geometry.h"
#include "framework/el_draw.h"
#include "framework/el_input.h"
#include "game/pictures.h"
#include "game/pixel.h"
#include "stages/explosion_debris.h"

Stage1EnemyRecord Stage1EnemiesD[kStage1EnemyDCount];
Stage1EnemyRecord Stage1EnemiesE[kStage1EnemyECount];
Stage1EnemyRecord Stage1EnemiesF[kStage1EnemyFCount];
Stage1EnemyRecord Stage1EnemiesG[kStage1EnemyGCount];

namespace {

constexpr float kParkedX = -500.0f;
constexpr float kParkedY = 2550.0f;
constexpr float kShift = static_cast<float>(Geometry::kFieldShiftX);
// The two upper corners the enemies come in from, which are also the side edges that end them.
constexpr float kLeftX = 90.0f + kShift;
constexpr float kRightX = 620.0f + kShift;
constexpr float kTopEdge = -90.0f;
constexpr float kBottomEdge = static_cast<float>(Geometry::kScreenHeight);
// D and F wait in the middle of the field, far below it.
constexpr float kMiddleParkX = 355.0f + kShift;

constexpr float kRandomEntryY = 60.0f;  // D and F
constexpr float kSteadyEntryY = 20.0f;  // E and G
constexpr float kSteadySpeed = 200.0f;
constexpr int kSpawnerWrap = 500;
constexpr int kSpawnerSpacing = 100;

struct Stage1EnemyKind {
  Stage1EnemyRecord* records;
  int count;
  float entryX;
  float across;  // x += across * vx * dt: F flies left on a positive vx
  float leaveParkX;
  float steadyVx;  // E and G: the sideways speed of their spawn
  Pic::Id body;
  bool stopsWhenHit;  // F and G hang in place while they explode; D and E fly on
};

// E and G rush in at 200 px/s on both axes.
const Stage1EnemyKind kD = {Stage1EnemiesD, kStage1EnemyDCount, kLeftX, 1.0f, kMiddleParkX, 0.0f, Pic::SZAK21, false};
const Stage1EnemyKind kE = {Stage1EnemiesE, kStage1EnemyECount, kLeftX, 1.0f, kParkedX, 200.0f, Pic::SZAK21, false};
const Stage1EnemyKind kF = {Stage1EnemiesF, kStage1EnemyFCount, kRightX, -1.0f, kMiddleParkX, 0.0f, Pic::SZAK22, true};
const Stage1EnemyKind kG = {Stage1EnemiesG, kStage1EnemyGCount, kRightX, 1.0f, kParkedX, -200.0f, Pic::SZAK22, true};

void ParkAt(Stage1EnemyRecord& e, float x) {
  e.active = 0;
  e.x = x;
  e.y = kParkedY;
}

void Reset(const Stage1EnemyKind& kind) {
  for (int i = 0; i < kind.count; ++i) {
    Stage1EnemyRecord& e = kind.records[i];
    e = Stage1EnemyRecord{};
    e.x = kParkedX;
    e.y = kParkedY;
  }
}

// The cycle count is left as it stands: a record culled while exploding keeps it.
void Launch(Stage1EnemyRecord& e, float x, float y, float vx, float vy) {
  e.x = x;
  e.y = y;
  e.vx = vx;
  e.vy = vy;
  e.active = 1;
  e.hit = 0;
  e.explosionFrame = 0;
}

void SpawnRandom(const Stage1EnemyKind& kind) {
  for (int i = 0; i < kind.count; ++i) {
    Stage1EnemyRecord& e = kind.records[i];
    if (e.active != 0) continue;
    const float vx = static_cast<float>(std::rand() % 80 + 70);
    const float vy = static_cast<float>(std::rand() % 80 + 80);
    Launch(e, kind.entryX, kRandomEntryY, vx, vy);
  }
}

void SpawnSteady(const Stage1EnemyKind& kind, int index) {
  Stage1EnemyRecord& e = kind.records[index];
  if (e.active != 0) return;
  Launch(e, kind.entryX, kSteadyEntryY, kind.steadyVx, kSteadySpeed);
}

void TickSpawner(const Stage1EnemyKind& kind) {
  for (int i = 0; i < kind.count; ++i) {
    int& counter = kind.records[i].spawnCounter;
    counter += 1;
    if (counter > kSpawnerWrap) counter = 0;
  }
  for (int i = 0; i < kind.count; ++i) {
    if (kind.records[i].spawnCounter == kSpawnerSpacing * (i + 1)) SpawnSteady(kind, i);
  }
}

void Move(const Stage1EnemyKind& kind) {
  const float dt = FrameTime();
  for (int i = 0; i < kind.count; ++i) {
    Stage1EnemyRecord& e = kind.records[i];
    if (e.active != 0) {
      e.x += kind.across * e.vx * dt;
      e.y += e.vy * dt;
    }
    if (e.x < kLeftX || e.x > kRightX || e.y < kTopEdge || e.y > kBottomEdge) ParkAt(e, kind.leaveParkX);
  }
}

// The destruction: the large blast where the enemy was, six small flashes flung outward.
constexpr debris::Piece kDestruction[] = {
    {debris::Blend::Add, Pic::ZBAK2B, 80, 0, 0, 0, 0},    {debris::Blend::Add, Pic::ZBAK6B, 40, -4, 20, -6, 20},
    {debris::Blend::Add, Pic::ZBAK6B, 40, 1, 20, 7, 20},  {debris::Blend::Add, Pic::ZBAK6B, 40, 7, 20, -1, 20},
    {debris::Blend::Add, Pic::ZBAK6B, 40, -6, 20, 3, 20}, {debris::Blend::Add, Pic::ZBAK6B, 40, 7, 20, 6, 20},
    {debris::Blend::Add, Pic::ZBAK6B, 40, 5, 20, -8, 20},
};
constexpr int kLastDestructionFrame = 7;
constexpr int kBodySize = 90;

void Draw(const Stage1EnemyKind& kind) {
  for (int i = 0; i < kind.count; ++i) {
    Stage1EnemyRecord& e = kind.records[i];
    if (e.active == 0) continue;  // a record culled while exploding stops where it was
    const int x = ToPixel(e.x);
    const int y = ToPixel(e.y);
    if (e.hit <= 0) {
      elDraw::DrawObject(x, y, Slot(kind.body), 0, 0, kBodySize, kBodySize);
      continue;
    }
    debris::DrawPieces(kDestruction, x, y, e.explosionFrame);
    if (kind.stopsWhenHit) e.vx = e.vy = 0.0f;
    if (debris::StepDestruction(e.explosionFrame, e.explosionCycle, kLastDestructionFrame)) {
      ParkAt(e, kParkedX);
      e.hit = 0;
      e.explosionFrame = 0;
      e.explosionCycle = 0;
    }
  }
}

int CountLive(const Stage1EnemyKind& kind) {
  int n = 0;
  for (int i = 0; i < kind.count; ++i) n += (kind.records[i].active != 0 || kind.records[i].hit != 0) ? 1 : 0;
  return n;
}

}  // namespace

void ResetStage1EnemyD() { Reset(kD); }
void ResetStage1EnemyE() { Reset(kE); }
void ResetStage1EnemyF() { Reset(kF); }
void ResetStage1EnemyG() { Reset(kG); }

void SpawnStage1EnemyD() { SpawnRandom(kD); }
void SpawnStage1EnemyF() { SpawnRandom(kF); }
void SpawnStage1EnemyE(int index) { SpawnSteady(kE, index); }
void SpawnStage1EnemyG(int index) { SpawnSteady(kG, index); }
void TickStage1EnemyESpawner() { TickSpawner(kE); }
void TickStage1EnemyGSpawner() { TickSpawner(kG); }

void MoveStage1EnemyD() { Move(kD); }
void MoveStage1EnemyE() { Move(kE); }
void MoveStage1EnemyF() { Move(kF); }
void MoveStage1EnemyG() { Move(kG); }

void SetHitFlagStage1EnemyD(int index) { Stage1EnemiesD[index].hit = 1; }
void SetHitFlagStage1EnemyE(int index) { Stage1EnemiesE[index].hit = 1; }
void SetHitFlagStage1EnemyF(int index) { Stage1EnemiesF[index].hit = 1; }
void SetHitFlagStage1EnemyG(int index) { Stage1EnemiesG[index].hit = 1; }

void DrawStage1EnemyD() { Draw(kD); }
void DrawStage1EnemyE() { Draw(kE); }
void DrawStage1EnemyF() { Draw(kF); }
void DrawStage1EnemyG() { Draw(kG); }

int CountLiveStage1Enemies() { return CountLive(kD) + CountLive(kE) + CountLive(kF) + CountLive(kG); }
