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

namespace {
// The look of each moved aimed shot (slots 0..8) and each moved stream: {slot, look}.
constexpr int kSquadShotStyles[9] = {0, 1, 1, 0, 0, 0, 0, 1, 1};
constexpr int kSquadStreamSlots[][2] = {{1, 0}, {2, 0}, {3, 1}, {4, 1}, {7, 0}, {8, 0}};
}  // namespace

void UpdateAndDrawSquadShots() {
  for (int slot = 0; slot < 9; ++slot) {
    UpdateSquadAimedShot1(slot);
    DrawSquadAimedShot1(slot, kSquadShotStyles[slot]);
  }
  for (const auto& stream : kSquadStreamSlots) {
    UpdateSquadAimedStream1(stream[0]);
    DrawSquadAimedStream1(stream[0], stream[1]);
  }
}
