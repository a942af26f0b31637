// The trail sets: seeding at the player's shots, the jitter and sink, the draw and the rest state.
#include "game/trails.h"

#include <cstdlib>

#include "framework/el_draw.h"
#include "game/barrage.h"
#include "game/pictures.h"
#include "game/pixel.h"
#include "game/volley_weapons.h"

namespace {

constexpr int kVolleySources = 3 * kVolleyBandSlots;
constexpr int SourceCount(TrailSource source) {
  return source == TrailSource::Barrage ? kBarrageShotCount : kVolleySources;
}

struct SourcePoint {
  int x, y;
};
SourcePoint SourceShot(TrailSource source, int s) {
  switch (source) {
    case TrailSource::Volley1:
      return {VolleyShots1[s].x, VolleyShots1[s].y};
    case TrailSource::Volley2:
      return {VolleyShots2[s].x, VolleyShots2[s].y};
    case TrailSource::Barrage:
      return {BarrageShots[s].x, BarrageShots[s].y};
  }
  return {0, 0};
}

void RestSpark(TrailParticle& p) {
  p.x = kTrailRestX;
  p.y = kTrailRestY;
  p.active = 0;
}

// Calls `visit` on every used slot of the set, source by source.
template <class Visit>
void ForEachUsedSlot(const TrailSet& set, Visit visit) {
  for (int s = 0; s < set.sources; ++s) {
    TrailParticle* group = set.slots + s * kTrailSlotsPerSource;
    for (int j = 0; j < set.usedPerSource; ++j) visit(s, group[j]);
  }
}

}  // namespace

#define DEFINE_TRAIL_SET(Name, boss, source, used, dx, dy, spread)                                              \
  namespace {                                                                                                   \
  TrailParticle Name##Slots[SourceCount(TrailSource::source) * kTrailSlotsPerSource];                           \
  }                                                                                                             \
  const TrailSet k##Name = {Name##Slots, TrailSource::source,   SourceCount(TrailSource::source), used, dx, dy, \
                            spread,      shots::ShotOwner::boss};                                               \
  void Seed##Name() { SeedTrail(k##Name); }                                                                     \
  void Reset##Name() { ResetTrail(k##Name); }
TRAIL_SETS(DEFINE_TRAIL_SET)
#undef DEFINE_TRAIL_SET

int TrailSlotCount(const TrailSet& set) { return set.sources * kTrailSlotsPerSource; }

// The source's own state is not looked at: parked shots get sparks too, where no one sees them.
void SeedTrail(const TrailSet& set) {
  ForEachUsedSlot(set, [&set](int s, TrailParticle& p) {
    if (p.active != 0) return;
    const SourcePoint from = SourceShot(set.source, s);
    p.active = 1;
    p.x = static_cast<float>(from.x + set.seedDX);
    p.y = static_cast<float>(from.y + set.seedDY);
  });
}

// Per frame, not scaled by the frame time: up to 4 pixels sideways, 4 pixels down on average. Idle
// slots take their death-line number too and are put back at rest.
void DriftTrail(const TrailSet& set) {
  const float bossY = shots::OwnerPoint(set.boss, 0).y;
  ForEachUsedSlot(set, [&set, bossY](int, TrailParticle& p) {
    if (p.active != 0) {
      const int right = std::rand() % 5;
      const int left = std::rand() % 5;
      p.x = (p.x + static_cast<float>(right)) - static_cast<float>(left);
      const int down = std::rand() % 20;
      const int up = std::rand() % 12;
      p.y = (p.y + static_cast<float>(down)) - static_cast<float>(up);
    }
    const int depth = std::rand() % set.deathSpread;
    if (bossY + kTrailDeathDepth + static_cast<float>(depth) <= p.y) RestSpark(p);
  });
}

// Idle slots are drawn too: they lie far outside the play field and the clip drops them.
void DrawTrail(const TrailSet& set) {
  const int picture = Slot(Pic::HAHEN2);
  ForEachUsedSlot(set, [picture](int, TrailParticle& p) {
    elDraw::DrawAdditive(ToPixel(p.x), ToPixel(p.y), picture, 0, 0, kTrailSparkSize, kTrailSparkSize);
  });
}

void ResetTrail(const TrailSet& set) {
  for (int i = 0; i < TrailSlotCount(set); ++i) RestSpark(set.slots[i]);
}

int CountLiveTrailParticles() {
  int live = 0;
#define COUNT_TRAIL_SET(Name, ...) \
  ForEachUsedSlot(k##Name, [&live](int, TrailParticle& p) { live += p.active != 0 ? 1 : 0; });
  TRAIL_SETS(COUNT_TRAIL_SET)
#undef COUNT_TRAIL_SET
  return live;
}
