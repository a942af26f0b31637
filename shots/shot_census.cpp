#include "shots/shot_census.h"

#include "shots/enemy_shot_pools.h"

int CountLiveEnemyShots() {
  int live = 0;
  shots::ForEachEnemyShotPool([&live](const char*, const auto* pool, int records, const int*) {
    for (int i = 0; i < records; ++i) live += pool[i].active != 0 ? 1 : 0;
  });
  return live;
}
