// The three volley weapons: frame-counting sequencers that launch volleys into fixed pools divided
// into bands of 26 slots, each band flying its own way by whole pixels per frame.
#pragma once

constexpr int kVolleyWeapons = 3;
constexpr int kVolleyBandSlots = 26;
constexpr int kVolleyMaxBands = 6;
constexpr int kVolleyInterval = 4;    // frames between volleys while a key is held
constexpr int kVolleyCycle = 100;     // the sequencer wraps here: slots 1..25 in turn
constexpr int kVolleyCullTop = -60;   // a shot above this is put to rest
constexpr int kPlayerShotStoppedAt = 5000;
// Where the game-wide reset parks every volley and barrage shot.
constexpr int kPlayerShotRestX = -500;
constexpr int kPlayerShotRestY = 500;

struct VolleyShot {
  int x = 0;  // top-left corner
  int y = 0;
  int sideStep = 0;     // pixels per frame sideways
  int forwardStep = 0;  // pixels per frame along the band's direction
  int active = 0;
};

// Pools of weapons 1, 2 and 3: 3, 3 and 6 bands.
extern VolleyShot VolleyShots1[3 * kVolleyBandSlots];
extern VolleyShot VolleyShots2[3 * kVolleyBandSlots];
extern VolleyShot VolleyShots3[6 * kVolleyBandSlots];

struct VolleyPool {
  VolleyShot* shots;
  int count;
};
// The pool of weapon 1, 2 or 3.
VolleyPool VolleyPoolOf(int weapon);

// The sequencers, one call per frame that the weapon's key is held (twice with both of its keys).
void TickShotVolley1();
void TickShotVolley2();
void TickShotVolley3();
// A volley into one slot of each band.
void SpawnShotVolley1(int a, int b, int c);
void SpawnShotVolley2(int a, int b, int c);
void SpawnShotVolley3(int a, int b, int c, int d, int e, int f);

// The motion and cull of one record (nothing when it is not active), and of a whole pool.
void MoveVolleyShot(int weapon, int record);
void MoveVolleyShots(int weapon);
// A shot stopped in flight (culled, or stopped by a boss) rests at (5000, 5000).
void StopVolleyShot(VolleyShot& shot);

int CountLiveVolleyShots(int weapon);
void ResetVolleyShots();
