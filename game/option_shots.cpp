// The option-shot pools, their launch at the ship and their drawing.
#include "game/option_shots.h"

#include <initializer_list>
#include <numbers>

#include "framework/el_draw.h"
#include "game/game_state.h"
#include "game/pictures.h"
#include "game/pixel.h"

namespace {
constexpr float kParkedX = -500.0f;
constexpr float kParkedY = 2550.0f;
}  // namespace

#define DEFINE_OPTION_SHOT_KIND(K, launch, side, straightX, straightY)                                          \
  OptionShot OptionShots##K[kOptionShotCount];                                                                  \
  const OptionShotKind kOptionShotKind##K = {OptionShots##K, OptionLaunch::launch, OptionSide::side, straightX, \
                                             straightY};                                                        \
  void SpawnOptionShot##K(int row, int shot) { SpawnOptionShot(kOptionShotKind##K, row, shot); }                \
  void DrawOptionShots##K() { DrawOptionShots(kOptionShotKind##K); }                                            \
  void ResetOptionShots##K() { ResetOptionShots(kOptionShotKind##K); }
OPTION_SHOT_KINDS(DEFINE_OPTION_SHOT_KIND)
#undef DEFINE_OPTION_SHOT_KIND

// The ship's key poll passes shot 5000 once a sideways key has been held: that names no record, so
// from then on nothing launches.
void SpawnOptionShot(const OptionShotKind& kind, int row, int shot) {
  if (!OptionShotInPool(row, shot)) return;
  OptionShot& r = kind.pool[row * kOptionShotsPerRow + shot];
  if (r.active != 0) return;
  r.active = 1;
  r.x = GameState.shipX + kOptionLaunchDX;
  r.y = GameState.shipY + kOptionLaunchDY;
  r.flightTimer = 0.0f;
  // Kind 1 turns by half a circle at every launch, so its straight leg alternates between the sides.
  if (kind.launch == OptionLaunch::TurnsHeading) {
    r.angle = static_cast<float>(static_cast<double>(r.angle) + std::numbers::pi);
  }
}

void DrawOptionShots(const OptionShotKind& kind) {
  if (GameState.ControlMode != 1) return;
  const int picture = Slot(Pic::GLIM10);
  for (int i = 0; i < kOptionShotCount; ++i) {
    const OptionShot& r = kind.pool[i];
    if (r.active == 0) continue;
    elDraw::DrawAdditive(ToPixel(r.x), ToPixel(r.y), picture, 0, 0, kOptionShotSize, kOptionShotSize);
  }
}

void ParkOptionShot(OptionShot& shot) {
  shot.x = kParkedX;
  shot.y = kParkedY;
  shot.active = 0;
  shot.flightTimer = 0.0f;
}

void ResetOptionShots(const OptionShotKind& kind) {
  for (int i = 0; i < kOptionShotCount; ++i) {
    kind.pool[i] = OptionShot{};
    ParkOptionShot(kind.pool[i]);
    kind.pool[i].angle = kOptionRestAngle;
  }
}

int CountLiveOptionShots() {
  int live = 0;
  for (const OptionShot* pool : {OptionShots1, OptionShots2, OptionShots3, OptionShots4}) {
    for (int i = 0; i < kOptionShotCount; ++i) live += pool[i].active != 0 ? 1 : 0;
  }
  return live;
}
