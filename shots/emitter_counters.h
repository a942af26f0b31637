// Emitter counters of the shot kinds whose records carry their own tick count (fans, falling pairs,
// formations): every record's count advances together, and a group starts when its count meets the
// group's mark.
#pragma once

namespace shots {

// One Tick: every count of the pool += 1, wrapping to 0 when it reaches `cycle`; then, group by group,
// `start(record, first record of the group)` for each record whose count equals its group's mark.
// A mark at or above the cycle never holds, so that group never starts.
template <class Record, class Start>
void TickEmitterCounters(Record* pool, int groups, int groupSize, int cycle, const int* marks, Start start) {
  const int count = groups * groupSize;
  for (int i = 0; i < count; ++i) {
    pool[i].tickCount += 1;
    if (pool[i].tickCount >= cycle) pool[i].tickCount = 0;
  }
  for (int g = 0; g < groups; ++g) {
    const int first = g * groupSize;
    for (int i = first; i < first + groupSize; ++i) {
      if (pool[i].tickCount == marks[g]) start(i, first);
    }
  }
}

}  // namespace shots
