// Every enemy shot kind's pool under the kind's name, for the code that counts or lists the shots.
#pragma once

#include "shots/aimed_fan_kinds.h"
#include "shots/aimed_ring_kinds.h"
#include "shots/aimed_shot.h"
#include "shots/aimed_stream_kinds.h"
#include "shots/curving_chain_kinds.h"
#include "shots/drop_group_kinds.h"
#include "shots/dropped_shot.h"
#include "shots/falling_pair_kinds.h"
#include "shots/fixed_stream.h"
#include "shots/formation_kinds.h"
#include "shots/hook_sprite_kinds.h"
#include "shots/spiral_kinds.h"

namespace shots {

// Records in a kind's pool.
inline int PoolRecords(const AimedStreamKind& kind) { return kind.groups * kind.groupSize; }
inline int PoolRecords(const CurvingChainKind&) { return kChainSegments; }
inline int PoolRecords(const DropGroupKind& kind) { return kind.members; }
inline int PoolRecords(const HookSpriteKind&) { return kHookSprites; }
inline int PoolRecords(const AimedFanKind& kind) { return kFanGroups * kind.width; }
inline int PoolRecords(const FallingPairKind&) { return 2 * kPairCount; }
inline int PoolRecords(const FormationKind& kind) { return kind.groups * kind.size; }
inline int PoolRecords(const SpiralKind&) { return kSpiralRecords; }
inline int PoolRecords(const AimedShotKind& kind) { return kind.count; }
inline int PoolRecords(const DroppedShotKind& kind) { return kind.count; }
inline int PoolRecords(const FixedStreamKind& kind) { return kind.groups * kind.groupSize; }
inline int PoolRecords(const AimedRingKind& kind) { return kind.pattern->groups * kind.pattern->groupSize; }

// The emitter counter a kind keeps beside its records (spirals and hook sprites), or null.
template <class Kind>
const int* KindCounter(const Kind&) {
  return nullptr;
}
inline const int* KindCounter(const SpiralKind& kind) { return kind.timer; }
inline const int* KindCounter(const HookSpriteKind& kind) { return kind.counter; }

// Calls visit(name, pool, records, counter) for every kind, the squadron's first.
template <class Visit>
void ForEachEnemyShotPool(Visit&& visit) {
#define VISIT_ENEMY_SHOT_KIND(Name, ...) visit(#Name, k##Name.pool, PoolRecords(k##Name), KindCounter(k##Name));
  VISIT_ENEMY_SHOT_KIND(SquadAimedShot1)
  VISIT_ENEMY_SHOT_KIND(SquadAimedStream1)
  BOSS_AIMED_STREAM_KINDS(VISIT_ENEMY_SHOT_KIND)
  BOSS2_DROP_GROUP_KINDS(VISIT_ENEMY_SHOT_KIND)
  BOSS2_AIMED_RING_KINDS(VISIT_ENEMY_SHOT_KIND)
  BOSS3_AIMED_RING_KINDS(VISIT_ENEMY_SHOT_KIND)
  BOSS3_HOOK_SPRITE_KINDS(VISIT_ENEMY_SHOT_KIND)
  BOSS3_CURVING_CHAIN_KINDS(VISIT_ENEMY_SHOT_KIND)
  AIMED_FAN_KINDS(VISIT_ENEMY_SHOT_KIND)
  FALLING_PAIR_KINDS(VISIT_ENEMY_SHOT_KIND)
  FORMATION_KINDS(VISIT_ENEMY_SHOT_KIND)
  SPIRAL_KINDS(VISIT_ENEMY_SHOT_KIND)
  TURRET_AIMED_SHOT_KINDS(VISIT_ENEMY_SHOT_KIND)
  DROPPED_SHOT_KINDS(VISIT_ENEMY_SHOT_KIND)
  FIXED_STREAM_KINDS(VISIT_ENEMY_SHOT_KIND)
#undef VISIT_ENEMY_SHOT_KIND
}

}  // namespace shots
