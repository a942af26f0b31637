// The stage-3 boss's attack timeline: counter windows (inclusive) over 1..4900, in this order. No row
// holds 1..29, 1501..1509 or 1901..1919: no new attack starts there.
#include "stages/boss3_timeline.h"

#include "shots/aimed_fan_kinds.h"
#include "shots/aimed_ring_kinds.h"
#include "shots/aimed_stream_kinds.h"
#include "shots/curving_chain_kinds.h"
#include "shots/falling_pair_kinds.h"
#include "shots/formation_kinds.h"
#include "shots/hook_sprite_kinds.h"
#include "stages/boss_phase.h"

namespace {

// The side guns' streams: 3..9 from the left gun, turned 90, 60, 30, 0, -30, -60 and -90 degrees from
// its aim; 15..21 from the right gun, mirrored.
constexpr void (*kLeftGunStreams[])() = {FireBoss3AimedStream3, FireBoss3AimedStream4, FireBoss3AimedStream5,
                                         FireBoss3AimedStream6, FireBoss3AimedStream7, FireBoss3AimedStream8,
                                         FireBoss3AimedStream9};
constexpr void (*kRightGunStreams[])() = {FireBoss3AimedStream15, FireBoss3AimedStream16, FireBoss3AimedStream17,
                                          FireBoss3AimedStream18, FireBoss3AimedStream19, FireBoss3AimedStream20,
                                          FireBoss3AimedStream21};

// The first `ways` streams of the left gun, then of the right.
template <int ways>
void FireBoss3SideStreams() {
  for (int i = 0; i < ways; ++i) kLeftGunStreams[i]();
  for (int i = 0; i < ways; ++i) kRightGunStreams[i]();
}

// The six hooks, falling from both sides in three lengths.
void TickBoss3HookSprites() {
  TickBoss3HookSprite1();
  TickBoss3HookSprite2();
  TickBoss3HookSprite3();
  TickBoss3HookSprite4();
  TickBoss3HookSprite5();
  TickBoss3HookSprite6();
}

constexpr TimelineRow kBoss3Timeline[] = {
    {30, 60, TickBoss3AimedRing3},
    {30, 60, TickBoss3AimedRing4},
    {60, 80, TickBoss3FallingPair1},
    {60, 80, TickBoss3FallingPair2},
    {60, 80, TickBoss3FallingPair3},
    {100, 200, FireBoss3AimedStream29},
    {100, 200, FireBoss3AimedStream30},
    {160, 200, FireBoss3AimedStream25},
    {160, 200, FireBoss3AimedStream26},
    {200, 300, TickBoss3Formation6},
    {200, 300, TickBoss3Formation7},
    {250, 280, FireBoss3SideStreams<6>},
    {300, 500, FireBoss3AimedStream27},
    {300, 500, FireBoss3AimedStream28},
    {380, 500, FireBoss3AimedStream25},
    {380, 500, FireBoss3AimedStream26},
    {450, 500, TickBoss3FallingPair1},
    {450, 500, TickBoss3FallingPair2},
    {450, 500, TickBoss3FallingPair3},
    {510, 540, FireBoss3SideStreams<6>},
    {400, 500, TickBoss3Formation4},
    {400, 500, TickBoss3Formation5},
    {500, 550, TickBoss3AimedRing3},
    {500, 550, TickBoss3AimedRing4},
    {550, 800, TickBoss3Formation4},
    {550, 800, TickBoss3Formation5},
    {600, 750, FireBoss3CurvingChain1},
    {600, 750, FireBoss3CurvingChain2},
    {800, 950, TickBoss3Formation1},
    {950, 1200, FireBoss3AimedStream29},
    {950, 1200, FireBoss3AimedStream30},
    {1000, 1200, FireBoss3AimedStream27},
    {1000, 1200, FireBoss3AimedStream28},
    {1050, 1200, FireBoss3AimedStream25},
    {1050, 1200, FireBoss3AimedStream26},
    {1200, 1250, FireBoss3SideStreams<7>},
    {1250, 1500, FireBoss3CurvingChain1},
    {1250, 1500, FireBoss3CurvingChain2},
    {1250, 1500, FireBoss3CurvingChain3},
    {1250, 1500, FireBoss3CurvingChain4},
    {1510, 1900, TickBoss3HookSprites},
    {1920, 2100, TickBoss3AimedFan1},
    {2120, 2300, TickBoss3AimedFan4},
    {2320, 2500, TickBoss3AimedFan7},
    {2520, 2700, TickBoss3AimedFan10},
    {2720, 2900, TickBoss3AimedFan13},
    {2920, 3100, TickBoss3AimedFan16},
    {3120, 3300, TickBoss3AimedFan19},
    {3320, 3500, TickBoss3AimedFan2},
    {3320, 3500, TickBoss3AimedFan3},
    {3520, 3700, TickBoss3AimedFan5},
    {3520, 3700, TickBoss3AimedFan6},
    {3720, 3900, TickBoss3AimedFan8},
    {3720, 3900, TickBoss3AimedFan9},
    {3920, 4100, TickBoss3AimedFan11},
    {3920, 4100, TickBoss3AimedFan12},
    {4120, 4300, TickBoss3AimedFan14},
    {4120, 4300, TickBoss3AimedFan15},
    {4320, 4500, TickBoss3AimedFan17},
    {4320, 4500, TickBoss3AimedFan18},
    {4520, 4700, TickBoss3AimedFan20},
    {4520, 4700, TickBoss3AimedFan21},
    {4720, 4900, TickBoss3AimedFan5},
    {4720, 4900, TickBoss3AimedFan6},
};

}  // namespace

void RunBoss3Timeline(int counter) { RunTimelineRows(kBoss3Timeline, counter); }
