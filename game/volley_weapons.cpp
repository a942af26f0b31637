// The volley sequencers, their launches and the flight of the volley shots.
#include "game/volley_weapons.h"

#include "config/geometry.h"
#include "framework/el_sound.h"
#include "game/game_state.h"
#include "game/pictures.h"
#include "game/pixel.h"
#include "game/special_attack.h"

VolleyShot VolleyShots1[3 * kVolleyBandSlots];
VolleyShot VolleyShots2[3 * kVolleyBandSlots];
VolleyShot VolleyShots3[6 * kVolleyBandSlots];

namespace {

constexpr int kKeep = -1;  // a launch that leaves the step as it was

// One band's launch: where the shot starts against the ship, the steps it gets with no capsule
// power ("plain") and with the powers ("wide"), the flash it raises and whether it sounds.
struct BandLaunch {
  int dx, dy;
  int sidePlain, sideWide;
  int forwardPlain, forwardWide;
  int flash;            // muzzle flash raised: 0 none, else weapon 1..3's flash
  bool sound;           // plays the shot sound
  bool needsDouble;     // launched only while doubleShot is held
  bool wideNeedsDouble; // the wide steps need doubleShot as well as wideShot
};

// One band's flight: the sign of each step (x: -1 left, +1 right; y: -1 up, +1 down).
struct BandMotion {
  int side, forward;
};

struct VolleyWeapon {
  VolleyShot* shots;
  int bands;
  int* counter;
  bool culledBelow;  // shots flying down are culled past the bottom of the screen
  BandLaunch launch[kVolleyMaxBands];
  BandMotion motion[kVolleyMaxBands];
};

const VolleyWeapon kWeapons[kVolleyWeapons] = {
    {VolleyShots1, 3, &GameState.volleyCounter1, false,
     {{0, -38, kKeep, kKeep, 10, 20, 1, true, false, false},
      {-15, -38, 2, 4, 10, 20, 0, false, true, false},
      {15, -38, 2, 4, 10, 20, 0, false, true, false}},
     {{0, -1}, {-1, -1}, {1, -1}}},
    {VolleyShots2, 3, &GameState.volleyCounter2, false,
     {{0, -38, kKeep, kKeep, 10, 20, 2, true, false, true},
      {-30, -38, 3, 6, 10, 20, 0, false, true, false},
      {30, -38, 3, 6, 10, 20, 0, false, true, false}},
     {{0, -1}, {-1, -1}, {1, -1}}},
    {VolleyShots3, 6, &GameState.volleyCounter3, true,
     {{0, -38, kKeep, kKeep, 10, 20, 3, true, false, false},
      {-15, 28, 2, 4, 10, 20, 0, false, false, false},
      {-15, 28, 1, 2, 10, 20, 0, false, false, false},
      {0, 28, kKeep, kKeep, 10, 20, 1, false, false, false},
      {15, 28, 1, 2, 10, 20, 0, false, false, false},
      {15, 28, 2, 4, 10, 20, 0, false, false, false}},
     {{0, -1}, {-1, 1}, {-1, 1}, {0, 1}, {1, 1}, {1, 1}}},
};

int* FlashOf(int weapon) {
  int* const flags[kVolleyWeapons] = {&GameState.muzzleFlash1, &GameState.muzzleFlash2, &GameState.muzzleFlash3};
  return flags[weapon - 1];
}

void SetStep(int& step, int plainValue, int wideValue, bool plain, bool wide) {
  const int value = plain ? plainValue : wide ? wideValue : kKeep;
  if (value != kKeep) step = value;
}

// Launches slot `slot` of band `band`; nothing when the slot is still in flight.
void LaunchBand(const BandLaunch& band, VolleyShot& shot) {
  const bool doubleShot = GameState.doubleShot == 1;
  if (band.needsDouble && !doubleShot) return;
  if (shot.active != 0) return;
  const bool plain = GameState.doubleShot == 0 && GameState.wideShot == 0;
  const bool wide = GameState.wideShot == 1 && (!band.wideNeedsDouble || doubleShot);
  shot.active = 1;
  shot.x = ToPixel(GameState.shipX) + band.dx;
  shot.y = ToPixel(GameState.shipY) + band.dy;
  SetStep(shot.forwardStep, band.forwardPlain, band.forwardWide, plain, wide);
  SetStep(shot.sideStep, band.sidePlain, band.sideWide, plain, wide);
  if (band.flash != 0) *FlashOf(band.flash) = 1;
  if (band.sound) elSound::Play(SoundHandles.shot, -1);
}

void LaunchVolley(int weapon, const int* slots) {
  const VolleyWeapon& w = kWeapons[weapon - 1];
  for (int band = 0; band < w.bands; ++band) LaunchBand(w.launch[band], w.shots[slots[band]]);
}

// Slot k of every band, through the weapon's own launch (weapon 3's also arms the special attack).
void SpawnVolleyInSlot(int weapon, int k) {
  constexpr int b = kVolleyBandSlots;
  switch (weapon) {
    case 1:
      SpawnShotVolley1(k, b + k, 2 * b + k);
      break;
    case 2:
      SpawnShotVolley2(k, b + k, 2 * b + k);
      break;
    default:
      SpawnShotVolley3(k, b + k, 2 * b + k, 3 * b + k, 4 * b + k, 5 * b + k);
      break;
  }
}

void TickVolley(int weapon) {
  int& counter = *kWeapons[weapon - 1].counter;
  ++counter;
  if (counter % kVolleyInterval == 0 && counter >= kVolleyInterval && counter <= kVolleyCycle) {
    SpawnVolleyInSlot(weapon, counter / kVolleyInterval);
  }
  if (counter == kVolleyCycle) counter = 0;
}

}  // namespace

VolleyPool VolleyPoolOf(int weapon) {
  const VolleyWeapon& w = kWeapons[weapon - 1];
  return VolleyPool{w.shots, w.bands * kVolleyBandSlots};
}

void TickShotVolley1() { TickVolley(1); }
void TickShotVolley2() { TickVolley(2); }
void TickShotVolley3() { TickVolley(3); }

void SpawnShotVolley1(int a, int b, int c) {
  const int slots[] = {a, b, c};
  LaunchVolley(1, slots);
}

void SpawnShotVolley2(int a, int b, int c) {
  const int slots[] = {a, b, c};
  LaunchVolley(2, slots);
}

void SpawnShotVolley3(int a, int b, int c, int d, int e, int f) {
  const int slots[] = {a, b, c, d, e, f};
  LaunchVolley(3, slots);
  if (GameState.doubleShot == 1) ArmSpecialAttack();
}

void StopVolleyShot(VolleyShot& shot) {
  shot.active = 0;
  shot.x = kPlayerShotStoppedAt;
  shot.y = kPlayerShotStoppedAt;
}

void MoveVolleyShot(int weapon, int record) {
  const VolleyWeapon& w = kWeapons[weapon - 1];
  VolleyShot& shot = w.shots[record];
  if (shot.active == 0) return;
  const BandMotion& m = w.motion[record / kVolleyBandSlots];
  shot.y += m.forward * shot.forwardStep;
  shot.x += m.side * shot.sideStep;
  if (shot.y < kVolleyCullTop || (w.culledBelow && shot.y > Geometry::kScreenHeight)) StopVolleyShot(shot);
}

void MoveVolleyShots(int weapon) {
  const VolleyPool pool = VolleyPoolOf(weapon);
  for (int i = 0; i < pool.count; ++i) MoveVolleyShot(weapon, i);
}

int CountLiveVolleyShots(int weapon) {
  const VolleyPool pool = VolleyPoolOf(weapon);
  int live = 0;
  for (int i = 0; i < pool.count; ++i) live += pool.shots[i].active != 0 ? 1 : 0;
  return live;
}

// Rest: parked at (-500, 500); the steps keep their values.
void ResetVolleyShots() {
  for (int weapon = 1; weapon <= kVolleyWeapons; ++weapon) {
    const VolleyPool pool = VolleyPoolOf(weapon);
    for (int i = 0; i < pool.count; ++i) {
      pool.shots[i].active = 0;
      pool.shots[i].x = kPlayerShotRestX;
      pool.shots[i].y = kPlayerShotRestY;
    }
  }
}
