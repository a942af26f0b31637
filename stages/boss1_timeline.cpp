// The stage-1 boss's attack timeline: counter windows (inclusive) over 1..4300, in this order.
#include "stages/boss1_timeline.h"

#include "shots/aimed_fan_kinds.h"
#include "shots/aimed_stream_kinds.h"
#include "shots/falling_pair_kinds.h"
#include "shots/formation_kinds.h"
#include "shots/spiral_kinds.h"
#include "shots/formation_kinds.h"
#include "shots/spiral_kinds.h"
#include "stages/boss_phase.h"

namespace {

constexpr TimelineRow kBoss1Timeline[] = {
    {1, 200, TickBoss1AimedFan1},
    {600, 900, TickBoss1AimedFan1},
    {1400, 1900, TickBoss1AimedFan1},
    {2300, 2800, FireBoss1AimedStream9},
    {2300, 2800, FireBoss1AimedStream10},
    {3300, 3600, FireBoss1AimedStream9},
    {3300, 3600, FireBoss1AimedStream10},
    {3600, 4250, FireBoss1AimedStream3},
    {3600, 4250, FireBoss1AimedStream4},
    {3600, 4250, FireBoss1AimedStream5},
    {3600, 4250, FireBoss1AimedStream6},
    {3600, 4250, FireBoss1AimedStream7},
    {3600, 4250, FireBoss1AimedStream8},
    {1, 3000, TickBoss1Spiral3},
    {1, 3000, TickBoss1Spiral5},
    {1400, 4300, TickBoss1Spiral1},
    {1400, 4300, TickBoss1Spiral2},
    {2000, 4300, TickBoss1Spiral4},
    {2000, 4300, TickBoss1Spiral6},
    {100, 170, FireBoss1AimedStream9},
    {100, 170, FireBoss1AimedStream10},
    {170, 200, FireBoss1AimedStream3},
    {170, 200, FireBoss1AimedStream4},
    {170, 200, FireBoss1AimedStream5},
    {170, 200, FireBoss1AimedStream6},
    {170, 200, FireBoss1AimedStream7},
    {170, 200, FireBoss1AimedStream8},
    {200, 300, TickBoss1AimedFan2},
    {250, 460, TickBoss1AimedFan3},
    {400, 580, TickBoss1AimedFan4},
    {500, 600, TickBoss1FallingPair1},
    {500, 600, TickBoss1FallingPair2},
    {600, 800, TickBoss1FallingPair3},
    {600, 800, TickBoss1FallingPair4},
    {600, 720, FireBoss1AimedStream9},
    {600, 720, FireBoss1AimedStream10},
    {720, 760, FireBoss1AimedStream3},
    {720, 760, FireBoss1AimedStream4},
    {720, 760, FireBoss1AimedStream5},
    {720, 760, FireBoss1AimedStream6},
    {720, 760, FireBoss1AimedStream7},
    {720, 760, FireBoss1AimedStream8},
    {800, 900, TickBoss1Formation1},
    {800, 900, TickBoss1Formation2},
    {800, 900, TickBoss1FallingPair1},
    {800, 900, TickBoss1FallingPair2},
    {900, 1100, TickBoss1Formation3},
    {1100, 1400, FireBoss1AimedStream3},
    {1100, 1400, FireBoss1AimedStream4},
    {1100, 1400, FireBoss1AimedStream5},
    {1100, 1400, FireBoss1AimedStream6},
    {1100, 1400, FireBoss1AimedStream7},
    {1100, 1400, FireBoss1AimedStream8},
};

}  // namespace

void RunBoss1Timeline(int counter) { RunTimelineRows(kBoss1Timeline, counter); }
