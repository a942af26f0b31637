#include "stages/squadron_waves.h"

#include "shots/aimed_shot.h"
#include "shots/aimed_stream_kinds.h"
#include "stages/squadron.h"
#include "stages/stage_frame.h"

void RunSquadWaves(const SquadWaveRow* rows, int count) {
  for (int i = 0; i < count; ++i) {
    const SquadWaveRow& row = rows[i];
    if (!ClockBetween(row.lo, row.hi)) continue;
    SpawnSquadFighter(row.slot);
    if (row.arms != SquadArms::None) FireSquadAimedShot1(row.slot);
    if (row.arms == SquadArms::AimedShotAndStream) FireSquadAimedStream1(row.slot);
  }
}
