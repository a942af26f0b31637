// The special attack: a 16-frame blast above the ship that strikes the squadron on its 16th frame.
#pragma once

constexpr int kSpecialAttackRecords = 16;
constexpr int kSpecialAttackFrames = 16;
constexpr int kSpecialAttackScore = 500;

struct SpecialAttackRecord {
  int x = 0;  // top-left corner of the blast picture: the ship minus (90, 170)
  int y = 0;
  int step = 0;  // 0 idle, 1..16 the frame shown, 17 the end
  int active = 0;
};
extern SpecialAttackRecord SpecialAttack[kSpecialAttackRecords];

// Arms every idle record (the third volley weapon, while the first capsule power is held).
void ArmSpecialAttack();
// Once per stage frame before the score panel: the power mark, the blast frames and the strike.
void RunSpecialAttack();
void ResetSpecialAttack();
