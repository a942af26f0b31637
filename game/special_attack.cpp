// The special attack: sixteen blast frames above the ship, one per frame, and on the sixteenth a
// strike on the squadron. The power mark floats above the ship while doubleShot is held.
#include "game/special_attack.h"

#include "framework/el_draw.h"
#include "game/game_state.h"
#include "game/pictures.h"
#include "game/pixel.h"
#include "game/score.h"
#include "stages/squadron.h"

SpecialAttackRecord SpecialAttack[kSpecialAttackRecords];

namespace {

constexpr int kBlastWidth = 240;
constexpr int kBlastHeight = 280;
constexpr int kBlastDX = -90;  // the blast's corner against the ship
constexpr int kBlastDY = -170;
constexpr int kMarkWidth = 60;
constexpr int kMarkHeight = 50;
constexpr float kMarkDY = -160.0f;
// The strike point against the blast's corner, and the fighters it can reach.
constexpr int kStrikeDX = 120;
constexpr int kStrikeDY = 4;
constexpr int kFighterBox = 80;
constexpr float kStrikeTopY = -10.0f;

// Every squadron fighter whose 80x80 box holds the strike point is struck, whatever its flags.
void Strike(const SpecialAttackRecord& r) {
  const int px = r.x + kStrikeDX;
  const int py = r.y + kStrikeDY;
  for (int i = 0; i < kSquadFighterCount; ++i) {
    const SquadFighterRecord& f = SquadFighters[i];
    if (f.y < kStrikeTopY) continue;
    const int fx = ToPixel(f.x);
    const int fy = ToPixel(f.y);
    if (fx <= px && px <= fx + kFighterBox && fy <= py && py <= fy + kFighterBox) {
      SetHitFlagSquad(i);
      AddScore(kSpecialAttackScore);
    }
  }
}

// Frame k (1..16) of the blast, drawn where record k-1 stands at this moment: records armed
// together share the ship's position.
void DrawBlastFrame(int k) {
  const SpecialAttackRecord& at = SpecialAttack[k - 1];
  const auto picture = static_cast<Pic::Id>(Pic::MYRCL51 + k - 1);
  elDraw::DrawHalfBlend(at.x, at.y, Slot(picture), 0, 0, kBlastWidth, kBlastHeight);
}

}  // namespace

void ArmSpecialAttack() {
  for (SpecialAttackRecord& r : SpecialAttack) {
    if (r.active == 0) r.active = 1;
  }
}

void RunSpecialAttack() {
  if (GameState.ControlMode != 1) return;
  if (GameState.doubleShot == 1) {
    elDraw::DrawObject(ToPixel(GameState.shipX), ToPixel(GameState.shipY + kMarkDY), Slot(Pic::RPANEL3R), 0, 0,
                       kMarkWidth, kMarkHeight);
  }
  for (SpecialAttackRecord& r : SpecialAttack) {
    if (r.active != 0) {
      r.x = ToPixel(GameState.shipX) + kBlastDX;
      r.y = ToPixel(GameState.shipY) + kBlastDY;
      ++r.step;
      if (r.step <= kSpecialAttackFrames) {
        DrawBlastFrame(r.step);
      } else {
        r.step = 0;
        r.active = 0;
      }
    }
    if (r.step == kSpecialAttackFrames) Strike(r);
  }
}

void ResetSpecialAttack() {
  for (SpecialAttackRecord& r : SpecialAttack) r = SpecialAttackRecord{.x = -500, .y = 500};
}
