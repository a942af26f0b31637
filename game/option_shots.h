// The option shots: four kinds, each a pool of 3 rows of 15 records, launched at the ship's side while
// Ctrl or the right mouse button is held, and drawn additively. Their flight is in option_flight.h.
#pragma once

constexpr int kOptionShotRows = 3;
constexpr int kOptionShotsPerRow = 15;
constexpr int kOptionShotCount = kOptionShotRows * kOptionShotsPerRow;
constexpr int kOptionShotSize = 20;  // the shot picture is 20x20
// Where a launch puts the shot's corner, from the ship's corner.
constexpr float kOptionLaunchDX = 20.0f;
constexpr float kOptionLaunchDY = 10.0f;
// The heading every record rests at: minus 3 degrees.
constexpr float kOptionRestAngle = -0.05235988f;

// True when (row, shot) names a record of an option pool.
inline bool OptionShotInPool(int row, int shot) {
  return row >= 0 && row < kOptionShotRows && shot >= 0 && shot < kOptionShotsPerRow;
}

struct OptionShot {
  float x = 0.0f;  // top-left corner of the 20x20 shot
  float y = 0.0f;
  int active = 0;
  float angle = 0.0f;        // radians: the heading of the straight leg of the flight
  float flightTimer = 0.0f;  // thirtieths of a second since launch
};

// Which way a kind's scripted curve bends.
enum class OptionSide : int { Left = -1, Right = +1 };
// Whether a launch turns the record's heading by half a circle (kind 1 does, at every launch).
enum class OptionLaunch : int { KeepsHeading, TurnsHeading };

// What sets one kind apart: its pool, its launch, the side of its curve, and its straight leg
// (x += straightX * cos(angle), y += straightY * sin(angle) per call).
struct OptionShotKind {
  OptionShot* pool;
  OptionLaunch launch;
  OptionSide side;
  float straightX, straightY;
};

// The kinds: number, launch, curve side, straight-leg factors.
#define OPTION_SHOT_KINDS(X)                \
  X(1, TurnsHeading, Left, 10.0f, 16.0f)    \
  X(2, KeepsHeading, Right, -10.0f, -16.0f) \
  X(3, KeepsHeading, Left, 10.0f, 16.0f)    \
  X(4, KeepsHeading, Right, -10.0f, -10.0f)

// Per kind K: the pool OptionShotsK, its descriptor, the launch of record 15 x row + shot at the ship
// (an index outside the pool launches nothing), the draw (in a game only) and the reset.
#define DECLARE_OPTION_SHOT_KIND(K, ...)              \
  extern OptionShot OptionShots##K[kOptionShotCount]; \
  extern const OptionShotKind kOptionShotKind##K;     \
  void SpawnOptionShot##K(int row, int shot);         \
  void DrawOptionShots##K();                          \
  void ResetOptionShots##K();
OPTION_SHOT_KINDS(DECLARE_OPTION_SHOT_KIND)
#undef DECLARE_OPTION_SHOT_KIND

void SpawnOptionShot(const OptionShotKind& kind, int row, int shot);
void DrawOptionShots(const OptionShotKind& kind);
void ResetOptionShots(const OptionShotKind& kind);
// Puts one record at rest, keeping its heading (the flight's cull).
void ParkOptionShot(OptionShot& shot);

// Live option shots of all four kinds.
int CountLiveOptionShots();
