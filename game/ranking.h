// The ranking table of the ending: seven fixed rows, of which the first one the high score (or the
// score) reaches shows the high score instead; the rows below it keep their values.
#pragma once

constexpr int kRankingRows = 7;
constexpr int kRankingValues[kRankingRows] = {100000000, 70000000, 30000000, 20000000, 1000000, 700000, 50000};

// The rows as last rebuilt, row 0 at the top.
extern int RankingTable[kRankingRows];
// The row that took the high score in the last rebuild; -1 when the high score reached no row.
extern int RankingChangedRow;

// Puts the fixed values back and lets the high score take the first row it (or the score) reaches.
void RebuildRankingTable();
// Rebuilds the table and draws its heading and its seven rows.
void DrawRanking();
