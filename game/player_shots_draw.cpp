// Drawing the barrage and volley shots, and the muzzle flash of each weapon's last volley.
#include "framework/el_draw.h"
#include "game/barrage.h"
#include "game/game_state.h"
#include "game/pictures.h"
#include "game/pixel.h"
#include "game/player_shots.h"
#include "game/volley_weapons.h"

namespace {

struct Picture {
  Pic::Id picture;
  int left, top, right, bottom;
};

// A band's shot picture, drawn `dx` pixels from the shot's x.
struct BandLook {
  Picture picture;
  int dx;
};

// A muzzle flash against the ship; the wide flash is added while doubleShot is held.
struct Flash {
  Picture picture;
  int dx, dy;
};

struct WeaponLook {
  BandLook bands[kVolleyMaxBands];
  Flash flash;
  bool hasWideFlash;
  Flash wideFlash;
  bool flashUnderShots;  // the flash is drawn before the shots
};

constexpr Picture Whole(Pic::Id picture, int width, int height) { return Picture{picture, 0, 0, width, height}; }
constexpr Picture Cell(Pic::Id picture, int cell) { return Picture{picture, 60 * cell, 0, 60 * cell + 60, 60}; }

const WeaponLook kWeaponLooks[kVolleyWeapons] = {
    {{{Whole(Pic::SFLH6, 60, 60), 0}, {Whole(Pic::SFLH7, 60, 60), 0}, {Whole(Pic::SFLH8, 60, 60), 0}},
     {Whole(Pic::FLHST12, 70, 50), -5, -15}, false, {}, true},
    {{{Whole(Pic::FLW1_3, 120, 60), -30}, {Whole(Pic::FLW2_1, 60, 60), 0}, {Whole(Pic::FLW3_2, 60, 60), 0}},
     {Whole(Pic::FLHST2, 70, 36), -5, -15}, true, {Whole(Pic::FLHST22, 124, 70), -32, -40}, false},
    {{{Cell(Pic::SFLHV1, 2), 0}, {Cell(Pic::SFLHV2, 0), 0}, {Cell(Pic::SFLHV2, 1), 0}, {Cell(Pic::SFLHV2, 2), 0},
      {Cell(Pic::SFLHV2, 3), 0}, {Cell(Pic::SFLHV2, 4), 0}},
     {Whole(Pic::FLHST2, 70, 36), -5, -15}, true, {Whole(Pic::FLHST22, 124, 70), -32, 5}, false},
};

// Barrage groups 0 and 1 and groups 2 and 3.
constexpr Picture kBarrageLarge = Whole(Pic::GLIM1, 30, 30);
constexpr Picture kBarrageSmall = Whole(Pic::GLIM2, 20, 20);

void Draw(const Picture& p, int x, int y) {
  elDraw::DrawAdditive(x, y, Slot(p.picture), p.left, p.top, p.right, p.bottom);
}

void DrawBarrageGroup(int group, const Picture& picture) {
  for (int i = group * kBarrageGroupSize; i < (group + 1) * kBarrageGroupSize; ++i) {
    if (BarrageShots[i].active != 0) Draw(picture, BarrageShots[i].x, BarrageShots[i].y);
  }
}

void DrawFlash(const WeaponLook& look, int& flashFlag) {
  if (flashFlag != 1) return;
  const int sx = ToPixel(GameState.shipX);
  const int sy = ToPixel(GameState.shipY);
  Draw(look.flash.picture, sx + look.flash.dx, sy + look.flash.dy);
  if (look.hasWideFlash && GameState.doubleShot == 1) {
    Draw(look.wideFlash.picture, sx + look.wideFlash.dx, sy + look.wideFlash.dy);
  }
}

void DrawWeapon(int weapon, int& flashFlag) {
  const WeaponLook& look = kWeaponLooks[weapon - 1];
  if (look.flashUnderShots) DrawFlash(look, flashFlag);
  const VolleyPool pool = VolleyPoolOf(weapon);
  for (int i = 0; i < pool.count; ++i) {
    const VolleyShot& shot = pool.shots[i];
    if (shot.active == 0) continue;
    const BandLook& band = look.bands[i / kVolleyBandSlots];
    Draw(band.picture, shot.x + band.dx, shot.y);
  }
  if (!look.flashUnderShots) DrawFlash(look, flashFlag);
  flashFlag = 0;
}

}  // namespace

void DrawPlayerShots() {
  if (GameState.ControlMode != 1) return;
  DrawBarrageGroup(2, kBarrageSmall);
  DrawBarrageGroup(3, kBarrageSmall);
  DrawBarrageGroup(0, kBarrageLarge);
  DrawBarrageGroup(1, kBarrageLarge);
  DrawWeapon(1, GameState.muzzleFlash1);
  DrawWeapon(2, GameState.muzzleFlash2);
  DrawWeapon(3, GameState.muzzleFlash3);
}
