// The option-shot launches. The pools and their flight are not in the game yet: a launch only checks
// that it names a record of its pool (the ship's key poll passes shot 5000 once a sideways key has
// been held, which names none, so the launch does nothing).
#include "game/option_shots.h"

namespace {
void SpawnOptionShot(int row, int shot) {
  if (!OptionShotInPool(row, shot)) return;
  // The record's launch joins here with the option pools.
}
}  // namespace

void SpawnOptionShot1(int row, int shot) { SpawnOptionShot(row, shot); }
void SpawnOptionShot2(int row, int shot) { SpawnOptionShot(row, shot); }
void SpawnOptionShot3(int row, int shot) { SpawnOptionShot(row, shot); }
void SpawnOptionShot4(int row, int shot) { SpawnOptionShot(row, shot); }
