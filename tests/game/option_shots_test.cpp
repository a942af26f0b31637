// The option shots: launches from the ship's key poll, the index guard, the draw.
#include "game/option_shots.h"

#include <cstring>

#include "lit_pixels.h"
#include "player_fixture.h"
#include "stages/stage_frame.h"

namespace {

using OptionShotTest = PlayerTest;

OptionShot* const kPools[] = {OptionShots1, OptionShots2, OptionShots3, OptionShots4};

TEST_F(OptionShotTest, HeldCtrlLaunchesRecordZeroOfEveryKindAndRelaunchesItOnlyOnceParked) {
  SetKey(plat::VK_CONTROL, true);
  MoveAfterPresent();  // first frame down: not yet held
  EXPECT_EQ(CountLiveOptionShots(), 0);
  MoveAfterPresent();  // launched at ship (370, 520) + (20, 10), then flown once (timer 0.5)
  EXPECT_EQ(CountLiveOptionShots(), 4);
  for (OptionShot* pool : kPools) {
    EXPECT_EQ(pool[0].y, 533.0f);
    EXPECT_NEAR(pool[0].flightTimer, 0.5f, 1e-5);
  }
  EXPECT_EQ(OptionShots1[0].x, 384.0f);
  EXPECT_EQ(OptionShots2[0].x, 396.0f);
  MoveAfterPresent();  // still live: not launched again
  EXPECT_NEAR(OptionShots2[0].flightTimer, 1.0f, 1e-5);
  ParkOptionShot(OptionShots1[0]);
  ParkOptionShot(OptionShots2[0]);
  MoveShip();
  EXPECT_EQ(OptionShots2[0].active, 1);
  EXPECT_EQ(OptionShots2[0].x, 390.0f);
  EXPECT_EQ(OptionShots2[0].flightTimer, 0.0f);
  // Kind 1 turns by half a circle at each launch; the others keep minus 3 degrees.
  EXPECT_NEAR(OptionShots1[0].angle, 2 * 3.14159265 - 0.05235988, 1e-6);
  EXPECT_EQ(OptionShots2[0].angle, -0.05235988f);
}

TEST_F(OptionShotTest, AnIndexOutsideThePoolLaunchesNothing) {
  OptionShot before[4][kOptionShotCount];
  for (int k = 0; k < 4; ++k) std::memcpy(before[k], kPools[k], sizeof before[k]);
  const int bad[][2] = {{0, 5000}, {0, 15}, {0, -1}, {3, 0}, {-1, 0}, {1, 5000}};
  for (const auto& index : bad) {
    SpawnOptionShot1(index[0], index[1]);
    SpawnOptionShot2(index[0], index[1]);
    SpawnOptionShot3(index[0], index[1]);
    SpawnOptionShot4(index[0], index[1]);
  }
  for (int k = 0; k < 4; ++k) EXPECT_EQ(std::memcmp(before[k], kPools[k], sizeof before[k]), 0) << "kind " << k + 1;
  SpawnOptionShot3(2, 14);
  EXPECT_EQ(OptionShots3[44].active, 1);

  // In play: once a sideways key has been held, Ctrl launches nothing for the rest of the run.
  SetKey(plat::VK_LEFT, true);
  MoveShipFrames(2);
  SetKey(plat::VK_LEFT, false);
  SetKey(plat::VK_CONTROL, true);
  MoveShipFrames(5);
  EXPECT_GT(GameState.volleyCounter2, 0);
  EXPECT_EQ(CountLiveOptionShots(), 1);
}

TEST_F(OptionShotTest, LiveShotsAreDrawnOnlyInAGame) {
  OptionShots3[7] = {400.7f, 300.9f, 1, 0.0f, 0.0f};
  OptionShots4[8] = {450.0f, 200.0f, 0, 0.0f, 0.0f};  // not live
  elDraw::ClearBackBuffer();
  DrawOptionShots3();
  DrawOptionShots4();
  EXPECT_TRUE(LitOnlyWithin(400, 300, 420, 320));
  GameState.ControlMode = 0;
  elDraw::ClearBackBuffer();
  DrawOptionShots3();
  EXPECT_FALSE(LitOnlyWithin(0, 0, 800, 600));
}

}  // namespace
