// The stage-2 boss's attack timeline: counter windows (inclusive) over 1..2300, in this order. Where
// two windows of a formation meet, it ticks twice on that counter: 9 to 12 on 250, 9 and 10 on 700.
#include "stages/boss2_timeline.h"

#include "shots/aimed_fan_kinds.h"
#include "shots/aimed_ring_kinds.h"
#include "shots/aimed_stream_kinds.h"
#include "shots/drop_group_kinds.h"
#include "shots/falling_pair_kinds.h"
#include "shots/formation_kinds.h"
#include "stages/boss_phase.h"

namespace {

// The twelve aimed streams, fired together: six from the left gun, six from the right.
void FireBoss2AimedStreams() {
  FireBoss2AimedStream1();
  FireBoss2AimedStream2();
  FireBoss2AimedStream3();
  FireBoss2AimedStream4();
  FireBoss2AimedStream5();
  FireBoss2AimedStream6();
  FireBoss2AimedStream7();
  FireBoss2AimedStream8();
  FireBoss2AimedStream9();
  FireBoss2AimedStream10();
  FireBoss2AimedStream11();
  FireBoss2AimedStream12();
}

// The nine drop groups, dropped together at the start of each round.
void SpawnBoss2DropGroups() {
  SpawnBoss2DropGroup8();
  SpawnBoss2DropGroup9();
  SpawnBoss2DropGroup10();
  SpawnBoss2DropGroup11();
  SpawnBoss2DropGroup12();
  SpawnBoss2DropGroup13();
  SpawnBoss2DropGroup14();
  SpawnBoss2DropGroup15();
  SpawnBoss2DropGroup16();
}

constexpr TimelineRow kBoss2Timeline[] = {
    {30, 150, TickBoss2Formation1},
    {30, 150, TickBoss2Formation2},
    {110, 200, TickBoss2FallingPair1},
    {110, 200, TickBoss2FallingPair2},
    {200, 250, TickBoss2Formation11},
    {200, 250, TickBoss2Formation12},
    {200, 250, TickBoss2Formation9},
    {200, 250, TickBoss2Formation10},
    {250, 400, TickBoss2Formation11},
    {250, 400, TickBoss2Formation12},
    {250, 400, TickBoss2Formation9},
    {250, 400, TickBoss2Formation10},
    {350, 380, FireBoss2AimedStreams},
    {400, 500, TickBoss2AimedRing1},
    {400, 500, TickBoss2AimedRing2},
    {450, 500, TickBoss2Formation8},
    {500, 700, TickBoss2Formation9},
    {500, 700, TickBoss2Formation10},
    {480, 580, TickBoss2FallingPair5},
    {480, 580, TickBoss2FallingPair6},
    {580, 700, TickBoss2Formation13},
    {580, 700, TickBoss2Formation14},
    {800, 900, FireBoss2AimedStreams},
    {700, 1000, TickBoss2Formation9},
    {700, 1000, TickBoss2Formation10},
    {750, 1100, TickBoss2Formation11},
    {750, 1100, TickBoss2Formation12},
    {1050, 1300, TickBoss2Formation13},
    {1050, 1300, TickBoss2Formation14},
    {1320, 1500, TickBoss2AimedFan1},
    {1320, 1500, TickBoss2AimedFan2},
    {1520, 1800, TickBoss2AimedFan3},
    {1520, 1800, TickBoss2AimedFan4},
    {1820, 2000, TickBoss2AimedFan5},
    {2020, 2300, TickBoss2AimedFan6},
    {2020, 2300, TickBoss2AimedFan7},
    {1, 30, SpawnBoss2DropGroups},
};

}  // namespace

void RunBoss2Timeline(int counter) { RunTimelineRows(kBoss2Timeline, counter); }
