// The boss phase of a stage frame: inside the stage's clock window the boss moves and is drawn (its
// defeat runs from the drawer); while it is hurt but alive its attack counter advances and the attack
// timeline runs; from the time-out on, a boss still alive is destroyed and its defeat runs again.
#pragma once

// One row of an attack timeline: `run` on every frame whose counter (after this frame's increment)
// lies in from..to, inclusive.
struct TimelineRow {
  int from, to;
  void (*run)();
};
template <int N>
void RunTimelineRows(const TimelineRow (&rows)[N], int counter) {
  for (const TimelineRow& row : rows) {
    if (row.from <= counter && counter <= row.to) row.run();
  }
}

// A stage's timeline: runs the rows that hold the new counter value.
using BossTimeline = void (*)(int counter);

// Stage 1: clock 1460..10100, attacks below life 1010, counter wraps at 4300, time-out at 10000.
void RunBoss1Phase(BossTimeline timeline);
// Stage 2: clock 150..11100, attacks below life 980, counter wraps at 2300, time-out at 11000.
void RunBoss2Phase(BossTimeline timeline);
// Stage 3: clock 10..11100, attacks below life 780, counter wraps at 4900, time-out at 11000.
void RunBoss3Phase(BossTimeline timeline);
