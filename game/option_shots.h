// The option shots: four kinds, each a pool of 3 rows of 15 records.
#pragma once

constexpr int kOptionShotRows = 3;
constexpr int kOptionShotsPerRow = 15;

// True when (row, shot) names a record of an option pool.
inline bool OptionShotInPool(int row, int shot) {
  return row >= 0 && row < kOptionShotRows && shot >= 0 && shot < kOptionShotsPerRow;
}

// Launches record 15 x row + shot of the kind at the ship; an index outside the pool launches nothing.
void SpawnOptionShot1(int row, int shot);
void SpawnOptionShot2(int row, int shot);
void SpawnOptionShot3(int row, int shot);
void SpawnOptionShot4(int row, int shot);
