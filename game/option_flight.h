// The option shots' flight: a scripted curve for the first 45 timer units (1.5 s) after launch, then
// a straight leg along the record's heading until the shot leaves the play field.
#pragma once

#include "game/option_shots.h"

// The flight timer runs at 30 units per second.
constexpr float kOptionTimerRate = 30.0f;
// From this timer on the shot flies straight.
constexpr float kOptionScriptEnd = 45.0f;

// One call per stage frame, after the hit tests: every record of the kind, in row order.
void FlyOptionShots(const OptionShotKind& kind);

#define DECLARE_FLY_OPTION_SHOTS(K, ...) void FlyOptionShots##K();
OPTION_SHOT_KINDS(DECLARE_FLY_OPTION_SHOTS)
#undef DECLARE_FLY_OPTION_SHOTS
