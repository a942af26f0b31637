// The volley weapons and the barrage: sequencers, slots, capsule powers, flight and culls, flashes.
#include "game/barrage.h"
#include "game/player_shots.h"
#include "game/volley_weapons.h"
#include "player_fixture.h"

namespace {

using VolleyTest = PlayerTest;

TEST_F(VolleyTest, AHeldKeyFiresEveryFourFramesThroughSlotsOneTo25AndSkipsShotsInFlight) {
  for (int tick = 1; tick <= 100; ++tick) {
    TickShotVolley1();
    EXPECT_EQ(GameState.muzzleFlash1, tick % 4 == 0 ? 1 : 0) << "tick " << tick;
    if (tick % 4 == 0) {
      EXPECT_EQ(VolleyShots1[tick / 4].active, 1) << "tick " << tick;
    }
    DrawPlayerShots();  // shows the flash once and clears it
    EXPECT_EQ(GameState.muzzleFlash1, 0);
  }
  EXPECT_EQ(GameState.volleyCounter1, 0);
  EXPECT_EQ(VolleyShots1[0].active, 0);
  EXPECT_EQ(CountLiveVolleyShots(1), 25);
  // Slot 1 is still in flight: the next volley launches nothing and raises no flash.
  for (int tick = 0; tick < 4; ++tick) TickShotVolley1();
  EXPECT_EQ(CountLiveVolleyShots(1), 25);
  EXPECT_EQ(GameState.muzzleFlash1, 0);
}

TEST_F(VolleyTest, CWithShiftAdvancesWeaponOneTwiceAFrame) {
  SetKey('C', true);
  SetKey(plat::VK_SHIFT, true);
  MoveShip();  // first frame down: nothing
  EXPECT_EQ(GameState.volleyCounter1, 0);
  MoveShipFrames(2);
  EXPECT_EQ(GameState.volleyCounter1, 4);
  EXPECT_EQ(VolleyShots1[1].active, 1);
  SetKey(plat::VK_SHIFT, false);
  MoveShipFrames(2);
  EXPECT_EQ(GameState.volleyCounter1, 6);  // C alone: once a frame
}

struct PowerCase {
  int weapon;
  int powers;  // doubleShot and wideShot
  int shots;
  int forwardStep;
  int sideSteps[6];   // per band, -1 where the band does not launch or keeps its step
  int startDX[6];
  int startDY[6];
};

class VolleyPowerTest : public PlayerTest, public ::testing::WithParamInterface<PowerCase> {};

TEST_P(VolleyPowerTest, CapsulePowersSetTheShotsAndTheirSteps) {
  const PowerCase& c = GetParam();
  GameState.doubleShot = GameState.wideShot = c.powers;
  for (int tick = 0; tick < 4; ++tick) {
    if (c.weapon == 1) TickShotVolley1();
    if (c.weapon == 2) TickShotVolley2();
    if (c.weapon == 3) TickShotVolley3();
  }
  EXPECT_EQ(CountLiveVolleyShots(c.weapon), c.shots);
  const VolleyPool pool = VolleyPoolOf(c.weapon);
  for (int band = 0; band * kVolleyBandSlots < pool.count; ++band) {
    const VolleyShot& shot = pool.shots[band * kVolleyBandSlots + 1];
    if (shot.active == 0) continue;
    EXPECT_EQ(shot.forwardStep, c.forwardStep) << "band " << band;
    if (c.sideSteps[band] >= 0) {
      EXPECT_EQ(shot.sideStep, c.sideSteps[band]) << "band " << band;
    }
    EXPECT_EQ(shot.x, 370 + c.startDX[band]) << "band " << band;
    EXPECT_EQ(shot.y, 520 + c.startDY[band]) << "band " << band;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Weapons, VolleyPowerTest,
    ::testing::Values(PowerCase{1, 0, 1, 10, {-1}, {0}, {-38}},
                      PowerCase{1, 1, 3, 20, {-1, 4, 4}, {0, -15, 15}, {-38, -38, -38}},
                      PowerCase{2, 0, 1, 10, {-1}, {0}, {-38}},
                      PowerCase{2, 1, 3, 20, {-1, 6, 6}, {0, -30, 30}, {-38, -38, -38}},
                      PowerCase{3, 0, 6, 10, {-1, 2, 1, -1, 1, 2}, {0, -15, -15, 0, 15, 15}, {-38, 28, 28, 28, 28, 28}},
                      PowerCase{3, 1, 6, 20, {-1, 4, 2, -1, 2, 4}, {0, -15, -15, 0, 15, 15}, {-38, 28, 28, 28, 28, 28}}));

TEST_F(VolleyTest, ShotsFlyTheirBandsWayAndAreCulledOffScreen) {
  GameState.doubleShot = GameState.wideShot = 1;
  SpawnShotVolley1(1, 27, 53);
  SpawnShotVolley3(1, 27, 53, 79, 105, 131);
  MoveVolleyShots(1);
  MoveVolleyShots(3);
  EXPECT_EQ(VolleyShots1[27].x, 355 - 4);
  EXPECT_EQ(VolleyShots1[27].y, 482 - 20);
  EXPECT_EQ(VolleyShots3[1].y, 482 - 20);   // forward
  EXPECT_EQ(VolleyShots3[27].x, 355 - 4);   // backwards, fanning left
  EXPECT_EQ(VolleyShots3[27].y, 548 + 20);
  EXPECT_EQ(VolleyShots3[131].x, 385 + 4);  // backwards, fanning right
  // Weapon 3's backward shots leave past the bottom; weapon 1's shots only past y -60.
  MoveVolleyShots(3);
  EXPECT_EQ(VolleyShots3[79].y, 588);
  MoveVolleyShots(3);
  EXPECT_EQ(VolleyShots3[79].active, 0);
  EXPECT_EQ(VolleyShots3[79].x, 5000);
  EXPECT_EQ(VolleyShots3[79].y, 5000);
  VolleyShots1[1].y = 600;
  VolleyShots1[1].forwardStep = -10;
  MoveVolleyShots(1);
  EXPECT_EQ(VolleyShots1[1].active, 1);
  VolleyShots1[1].y = -45;
  VolleyShots1[1].forwardStep = 20;
  MoveVolleyShots(1);
  EXPECT_EQ(VolleyShots1[1].active, 0);
  EXPECT_EQ(VolleyShots1[1].y, 5000);
}

void RunWholeBarrage() {
  GameState.barrageRunning = 1;
  for (int frame = 0; frame < 147; ++frame) {
    ASSERT_EQ(GameState.barrageRunning, 1) << "frame " << frame;
    TickBarrage();
  }
}

TEST_F(VolleyTest, ABarrageFires49VolleysIn147FramesAndThenStops) {
  RunWholeBarrage();
  EXPECT_EQ(GameState.barrageRunning, 0);
  EXPECT_EQ(GameState.barrageCounter, 0);
  EXPECT_EQ(CountLiveBarrageShots(), 2 * 49);
  for (int group = 0; group < 4; ++group) EXPECT_EQ(BarrageShots[50 * group].active, 0);

  ResetBarrageShots();
  GameState.doubleShot = GameState.wideShot = 1;
  RunWholeBarrage();
  EXPECT_EQ(CountLiveBarrageShots(), 4 * 49);
}

TEST_F(VolleyTest, NWhileABarrageRunsChangesNothing) {
  SetKey('N', true);
  MoveShipFrames(2);
  EXPECT_EQ(GameState.barrageRunning, 1);
  for (int frame = 0; frame < 10; ++frame) TickBarrage();
  MoveShipFrames(3);
  EXPECT_EQ(GameState.barrageCounter, 10);
}

TEST_F(VolleyTest, BarrageShotsSwingOutAndEndDriftingFiveOrThreePixels) {
  GameState.doubleShot = GameState.wideShot = 1;
  SpawnBarrageVolley(1, 51, 101, 151);
  EXPECT_EQ(BarrageShots[1].x, 382);
  EXPECT_EQ(BarrageShots[51].x, 398);
  EXPECT_EQ(BarrageShots[1].y, 530);
  elSystem::FrameClock.frameTime = 1.0f / 16.0f;  // 1.25 timer units a frame
  MoveBarrageShots();
  EXPECT_EQ(BarrageShots[1].x, 376);   // first window: out to the side
  EXPECT_EQ(BarrageShots[51].x, 404);  // mirrored
  EXPECT_EQ(BarrageShots[1].y, 530);
  MoveBarrageShots();
  MoveBarrageShots();  // 3.75: between two windows, no motion
  EXPECT_EQ(BarrageShots[1].x, 370);
  for (int record : {1, 51, 101, 151}) BarrageShots[record].flightTimer = 100.0f;
  const int x[4] = {BarrageShots[1].x, BarrageShots[51].x, BarrageShots[101].x, BarrageShots[151].x};
  MoveBarrageShots();
  EXPECT_EQ(BarrageShots[1].x - x[0], 5);
  EXPECT_EQ(BarrageShots[51].x - x[1], -5);
  EXPECT_EQ(BarrageShots[101].x - x[2], 3);
  EXPECT_EQ(BarrageShots[151].x - x[3], -3);
  // Past the last window a shot stands still.
  BarrageShots[101].flightTimer = 250.0f;
  const int y = BarrageShots[101].y;
  MoveBarrageShots();
  EXPECT_EQ(BarrageShots[101].y, y);
}

}  // namespace
