#include "shots/shot_census.h"

#include "shots/aimed_fan_kinds.h"
#include "shots/aimed_shot.h"
#include "shots/aimed_ring_kinds.h"
#include "shots/aimed_stream_kinds.h"
#include "shots/curving_chain_kinds.h"
#include "shots/drop_group_kinds.h"
#include "shots/dropped_shot.h"
#include "shots/falling_pair_kinds.h"
#include "shots/fixed_stream.h"
#include "shots/formation_kinds.h"
#include "shots/hook_sprite_kinds.h"
#include "shots/spiral_kinds.h"

namespace {

template <class Record>
int CountLive(const Record* pool, int count) {
  int live = 0;
  for (int i = 0; i < count; ++i) live += pool[i].active != 0 ? 1 : 0;
  return live;
}
int CountLive(const shots::AimedStreamKind& kind) { return CountLive(kind.pool, kind.groups * kind.groupSize); }
int CountLive(const shots::CurvingChainKind& kind) { return CountLive(kind.pool, shots::kChainSegments); }
int CountLive(const shots::DropGroupKind& kind) { return CountLive(kind.pool, kind.members); }
int CountLive(const shots::HookSpriteKind& kind) { return CountLive(kind.pool, shots::kHookSprites); }
int CountLive(const shots::AimedFanKind& kind) { return CountLive(kind.pool, shots::kFanGroups * kind.width); }
int CountLive(const shots::FallingPairKind& kind) { return CountLive(kind.pool, 2 * shots::kPairCount); }
int CountLive(const shots::FormationKind& kind) { return CountLive(kind.pool, kind.groups * kind.size); }
int CountLive(const shots::SpiralKind& kind) { return CountLive(kind.pool, shots::kSpiralRecords); }
int CountLive(const shots::AimedShotKind& kind) { return CountLive(kind.pool, kind.count); }
int CountLive(const shots::DroppedShotKind& kind) { return CountLive(kind.pool, kind.count); }
int CountLive(const shots::FixedStreamKind& kind) { return CountLive(kind.pool, kind.groups * kind.groupSize); }
int CountLive(const shots::AimedRingKind& kind) {
  return CountLive(kind.pool, kind.pattern->groups * kind.pattern->groupSize);
}

}  // namespace

int CountLiveEnemyShots() {
  int live = CountLive(kSquadAimedShot1.pool, kSquadAimedShot1.count) + CountLive(kSquadAimedStream1);
#define COUNT_BOSS_AIMED_STREAM(Name, ...) live += CountLive(k##Name);
  BOSS_AIMED_STREAM_KINDS(COUNT_BOSS_AIMED_STREAM)
#undef COUNT_BOSS_AIMED_STREAM
#define COUNT_KIND(Name, ...) live += CountLive(k##Name);
  BOSS2_DROP_GROUP_KINDS(COUNT_KIND)
  BOSS2_AIMED_RING_KINDS(COUNT_KIND)
  BOSS3_AIMED_RING_KINDS(COUNT_KIND)
  BOSS3_HOOK_SPRITE_KINDS(COUNT_KIND)
  BOSS3_CURVING_CHAIN_KINDS(COUNT_KIND)
  AIMED_FAN_KINDS(COUNT_KIND)
  FALLING_PAIR_KINDS(COUNT_KIND)
  FORMATION_KINDS(COUNT_KIND)
  SPIRAL_KINDS(COUNT_KIND)
  TURRET_AIMED_SHOT_KINDS(COUNT_KIND)
  DROPPED_SHOT_KINDS(COUNT_KIND)
  FIXED_STREAM_KINDS(COUNT_KIND)
#undef COUNT_KIND
  return live;
}
