// The trails: sparks that burst from the player's shots where they strike a stage's boss, then jitter
// and sink each frame until they pass a random line below the boss. Each stage has three sets, one per
// shot family (weapon-1 volley, weapon-2 volley, barrage), each 30 spark slots per source shot.
#pragma once

#include "shots/shot_owners.h"

constexpr int kTrailSlotsPerSource = 30;
constexpr int kTrailSparkSize = 14;  // the spark picture is 14x14
// Where every idle spark waits.
constexpr float kTrailRestX = 1000.0f;
constexpr float kTrailRestY = 5000.0f;
// A spark dies at boss y + this + rand() % the set's spread, or deeper.
constexpr float kTrailDeathDepth = 320.0f;

struct TrailParticle {
  float x = 0.0f;  // top-left corner of the spark
  float y = 0.0f;
  int active = 0;
};

// The shot family a set sparks from.
enum class TrailSource : int { Volley1, Volley2, Barrage };

// One set: its slots (30 per source shot), how many of each source's slots it uses, where a spark
// starts from its source shot, the spread of its death line and the boss it sinks below.
struct TrailSet {
  TrailParticle* slots;
  TrailSource source;
  int sources;
  int usedPerSource;
  int seedDX, seedDY;
  int deathSpread;
  shots::ShotOwner boss;
};

// The sets: name, boss, source family, slots used per source, seed offset, death-line spread.
#define TRAIL_SETS(X)                             \
  X(Stage1Trail1, Boss1, Volley1, 30, 23, -6, 80) \
  X(Stage1Trail2, Boss1, Volley2, 30, 23, -6, 80) \
  X(Stage1Trail3, Boss1, Barrage, 3, 23, 0, 40)   \
  X(Stage2Trail1, Boss2, Volley1, 30, 23, -6, 80) \
  X(Stage2Trail2, Boss2, Volley2, 30, 23, -6, 80) \
  X(Stage2Trail3, Boss2, Barrage, 3, 23, 0, 40)   \
  X(Stage3Trail1, Boss3, Volley1, 30, 23, -6, 80) \
  X(Stage3Trail2, Boss3, Volley2, 30, 23, -6, 80) \
  X(Stage3Trail3, Boss3, Barrage, 3, 23, 0, 40)

// Per set: Seed (a hit on the stage's boss by the set's family: every idle used slot starts at its
// source shot, live or parked) and Reset (every slot at rest). The stage frame drifts and draws each
// set with DriftTrail and DrawTrail.
#define DECLARE_TRAIL_SET(Name, ...) \
  extern const TrailSet k##Name;     \
  void Seed##Name();                 \
  void Reset##Name();
TRAIL_SETS(DECLARE_TRAIL_SET)
#undef DECLARE_TRAIL_SET

void SeedTrail(const TrailSet& set);
// Five rand() calls per live slot (four for the jitter, one for the death line), one per idle slot.
void DriftTrail(const TrailSet& set);
void DrawTrail(const TrailSet& set);
void ResetTrail(const TrailSet& set);
// Every slot of the set's array, used or not.
int TrailSlotCount(const TrailSet& set);

// Live sparks of all nine sets.
int CountLiveTrailParticles();
