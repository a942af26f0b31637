#include "shots/shot_census.h"

#include "shots/aimed_shot.h"
#include "shots/aimed_stream_kinds.h"

namespace {

int CountLive(const AimedStreamShot* pool, int count) {
  int live = 0;
  for (int i = 0; i < count; ++i) live += pool[i].active != 0 ? 1 : 0;
  return live;
}
int CountLive(const shots::AimedStreamKind& kind) { return CountLive(kind.pool, kind.groups * kind.groupSize); }

}  // namespace

int CountLiveEnemyShots() {
  int live = CountLive(kSquadAimedShot1.pool, kSquadAimedShot1.count) + CountLive(kSquadAimedStream1);
#define COUNT_BOSS_AIMED_STREAM(Name, ...) live += CountLive(k##Name);
  BOSS_AIMED_STREAM_KINDS(COUNT_BOSS_AIMED_STREAM)
#undef COUNT_BOSS_AIMED_STREAM
  return live;
}
