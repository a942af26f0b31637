// The barrage sequencer, its volleys and the curved flight of its shots.
#include "game/barrage.h"

#include <iterator>

#include "framework/el_input.h"
#include "game/game_state.h"
#include "game/pixel.h"
#include "game/volley_weapons.h"

BarrageShot BarrageShots[kBarrageShotCount];

namespace {

// While the flight timer lies in [from, to] (inclusive) the shot moves (dx, dy) pixels per frame;
// between windows and past the last one it stands still.
struct FlightWindow {
  float from, to;
  int dx, dy;
};

// Groups 0 and 1: a wide swing that ends drifting 5 pixels per frame.
constexpr FlightWindow kWideArc[] = {
    {0, 3, -6, 0},   {4, 6, -6, -3},  {7, 9, -6, -6},   {10, 12, -3, -6}, {13, 15, 0, -6},
    {16, 18, 1, -6}, {19, 21, 2, -6}, {22, 24, 3, -6},  {25, 27, 4, -6},  {28, 200, 5, -6},
};
// Groups 2 and 3: the same start, ending drifting 3 pixels per frame.
constexpr FlightWindow kNarrowArc[] = {
    {0, 3, -6, 0},   {4, 6, -6, -3},  {7, 9, -6, -6},   {10, 12, -3, -6},
    {13, 15, 0, -6}, {16, 18, 1, -6}, {19, 21, 2, -6},  {22, 250, 3, -6},
};

struct BarrageGroup {
  const FlightWindow* path;
  int windows;
  int mirror;        // 1, or -1 for the groups that swing the other way
  int launchDX;      // launch point against the ship
  bool needsDouble;  // launched only while doubleShot is held
};

constexpr int kLaunchDY = 10;

constexpr BarrageGroup kGroups[kBarrageGroups] = {
    {kWideArc, static_cast<int>(std::size(kWideArc)), 1, 12, true},
    {kWideArc, static_cast<int>(std::size(kWideArc)), -1, 28, true},
    {kNarrowArc, static_cast<int>(std::size(kNarrowArc)), 1, 12, false},
    {kNarrowArc, static_cast<int>(std::size(kNarrowArc)), -1, 28, false},
};

void Launch(int group, int record) {
  const BarrageGroup& g = kGroups[group];
  if (g.needsDouble && GameState.doubleShot != 1) return;
  BarrageShot& shot = BarrageShots[record];
  if (shot.active != 0) return;
  shot.active = 1;
  shot.x = ToPixel(GameState.shipX) + g.launchDX;
  shot.y = ToPixel(GameState.shipY) + kLaunchDY;
}

}  // namespace

void TickBarrage() {
  int& counter = GameState.barrageCounter;
  ++counter;
  if (counter % kBarrageInterval == 0 && counter >= kBarrageInterval &&
      counter <= kBarrageInterval * kBarrageVolleys) {
    const int k = counter / kBarrageInterval;
    SpawnBarrageVolley(k, kBarrageGroupSize + k, 2 * kBarrageGroupSize + k, 3 * kBarrageGroupSize + k);
  }
  if (counter == kBarrageInterval * kBarrageVolleys) {
    counter = 0;
    GameState.barrageRunning = 0;
  }
}

void SpawnBarrageVolley(int i, int j, int k, int l) {
  Launch(0, i);
  Launch(1, j);
  Launch(2, k);
  Launch(3, l);
}

void MoveBarrageShot(int record) {
  BarrageShot& shot = BarrageShots[record];
  if (shot.active == 0) return;
  const BarrageGroup& g = kGroups[record / kBarrageGroupSize];
  shot.flightTimer += kBarrageTimerRate * FrameTime();
  for (int w = 0; w < g.windows; ++w) {
    const FlightWindow& window = g.path[w];
    if (window.from <= shot.flightTimer && shot.flightTimer <= window.to) {
      shot.x += g.mirror * window.dx;
      shot.y += window.dy;
      break;
    }
  }
  if (shot.y < kBarrageCullTop) {
    shot.active = 0;
    shot.x = kPlayerShotStoppedAt;
    shot.y = kPlayerShotStoppedAt;
    shot.flightTimer = 0.0f;
  }
}

void MoveBarrageShots() {
  for (int i = 0; i < kBarrageShotCount; ++i) MoveBarrageShot(i);
}

int CountLiveBarrageShots() {
  int live = 0;
  for (const BarrageShot& shot : BarrageShots) live += shot.active != 0 ? 1 : 0;
  return live;
}

void ResetBarrageShots() {
  for (BarrageShot& shot : BarrageShots) {
    shot.active = 0;
    shot.x = kPlayerShotRestX;
    shot.y = kPlayerShotRestY;
    shot.flightTimer = 0.0f;
  }
}
