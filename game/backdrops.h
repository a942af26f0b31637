// The scrolling backdrop columns and the falling star field behind the play field.
#pragma once

constexpr int kBackdropTiles = 5000;
constexpr int kStarCount = 100;

struct BackdropTile {
  float x = 0.0f;
  float y = 0.0f;
};

enum BackdropColumnId : int { BaseColumn, Stage1Column, Stage2Column, Stage3Column, BackdropColumnCount };

struct StarFieldStar {
  int colour = 0;
  float x = 0.0f;
  float y = 0.0f;
  float fallSpeed = 0.0f;
};

extern BackdropTile BackdropColumns[BackdropColumnCount][kBackdropTiles];
extern StarFieldStar StarField[kStarCount];

// Lays the four columns out for a new game.
void LayOutBackdrops();
// The speed of the base and stage-3 columns at stage clock t: every window holding t adds its speed.
float BaseBackdropSpeed(float t);
float Stage3BackdropSpeed(float t);

void ScrollBaseBackdrop();
void ScrollStage1Backdrop();
void ScrollStage2Backdrop();
void ScrollStage3Backdrop();

void ResetStarField();
void DrawStarField(int spread, int base);
