// The score rule and the score panel along the top of the play field.
#pragma once

constexpr int kScoreLimit = 999999999;

int AddScore(int points);
void DrawScorePanel();
