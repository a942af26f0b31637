// The squadron rows of a stage's wave table: each row, on every frame of its clock window (strict),
// spawns its slot and fires the slot's aimed shot and aimed stream, as the row says. A slot is started
// only when it is free, and a shot only when its records are free.
#pragma once

enum class SquadArms : int { None, AimedShot, AimedShotAndStream };

struct SquadWaveRow {
  float lo, hi;
  int slot;
  SquadArms arms;
};

// Runs the rows whose windows hold the stage clock, in table order.
void RunSquadWaves(const SquadWaveRow* rows, int count);
template <int N>
void RunSquadWaves(const SquadWaveRow (&rows)[N]) {
  RunSquadWaves(rows, N);
}

// The squadron shots a stage moves and draws, each kind's update then its draw: the aimed shots of
// slots 0 to 8, then the streams of slots 1 to 4, 7 and 8, each slot in its own look. The shots that
// the other slots fire are never moved, drawn or tested: they stay where they were fired until the
// next game-wide reset.
void UpdateAndDrawSquadShots();
