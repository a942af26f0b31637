// The power capsule: spawn, fall, the pick-up reach, counting and the two powers.
#include <gtest/gtest.h>

#include <cstdlib>

#include "framework/el_input.h"
#include "game/game_state.h"
#include "game/player_shot_hits.h"
#include "game/power_capsule.h"
#include "game/volley_weapons.h"
#include "game/barrage.h"
#include "stages/squadron.h"

namespace {

class PowerCapsuleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetPowerCapsule();
    ResetVolleyShots();
    ResetBarrageShots();
    for (SquadFighterRecord& f : SquadFighters) f = SquadFighterRecord{};
    GameState.score = 0;
    GameState.capsuleCounter = 5;
    GameState.capsulesSpawned = 0;
    GameState.doubleShot = GameState.wideShot = 0;
    GameState.shipX = 300.0f;
    GameState.shipY = 400.0f;
    elSystem::FrameClock.frameTime = 1.0f / 60.0f;
  }
  static void FallingAt(float x, float y) {
    PowerCapsule.active = 1;
    PowerCapsule.x = x;
    PowerCapsule.y = y;
  }
};

TEST_F(PowerCapsuleTest, SpawnStartsOneCapsuleAboveTheField) {
  std::srand(5);
  const int x = std::rand() % 320 + 210;
  const int speed = std::rand() % 130 + 100;
  std::srand(5);
  SpawnPowerCapsule();
  EXPECT_EQ(PowerCapsule.x, static_cast<float>(x));
  EXPECT_EQ(PowerCapsule.y, -60.0f);
  EXPECT_EQ(PowerCapsule.fallSpeed, static_cast<float>(speed));
  EXPECT_EQ(PowerCapsule.active, 1);
  EXPECT_EQ(GameState.capsulesSpawned, 1);
  // Only one capsule lives at a time.
  SpawnPowerCapsule();
  EXPECT_EQ(GameState.capsulesSpawned, 1);
  EXPECT_EQ(PowerCapsule.y, -60.0f);
}

TEST_F(PowerCapsuleTest, ShipReachesWithinSixtyPixelsBelowY50) {
  struct Case {
    float cx, cy;
    bool collected;
  };
  // The ship's corner is (300, 400).
  const Case cases[] = {{240, 400, true},  {360, 400, true},  {300, 340, true},  {300, 460, true},
                        {239, 400, false}, {361, 400, false}, {300, 339, false}, {300, 461, false}};
  for (const Case& c : cases) {
    SetUp();
    FallingAt(c.cx, c.cy);
    HitTestPlayerShots();
    EXPECT_EQ(PowerCapsule.collected, c.collected ? 1 : 0) << c.cx << "," << c.cy;
    EXPECT_EQ(GameState.score, c.collected ? 500 : 0);
  }
  SetUp();
  GameState.shipY = 40.0f;
  FallingAt(300.0f, 50.0f);
  HitTestPlayerShots();
  EXPECT_EQ(PowerCapsule.collected, 0) << "not before it comes below y 50";
  PowerCapsule.y = 50.5f;
  HitTestPlayerShots();
  EXPECT_EQ(PowerCapsule.collected, 1);
}

TEST_F(PowerCapsuleTest, CollectedCapsuleScoresOnceAndGivesBothPowers) {
  GameState.capsulesSpawned = 1;
  FallingAt(300.0f, 400.0f);
  HitTestPlayerShots();
  EXPECT_EQ(GameState.score, 500);
  DrawPowerCapsule();  // the next frame counts it and puts it to rest
  MovePowerCapsule();
  HitTestPlayerShots();
  EXPECT_EQ(GameState.score, 500);
  EXPECT_EQ(GameState.capsuleCounter, 6);
  EXPECT_EQ(GameState.doubleShot, 1);
  EXPECT_EQ(GameState.wideShot, 1);
  EXPECT_EQ(PowerCapsule.active, 0);
  EXPECT_EQ(PowerCapsule.y, 2550.0f);
}

TEST_F(PowerCapsuleTest, CounterAddsOneForTheFirstTwoAndTwoAfter) {
  const int expected[] = {2, 1, 1, 2, 2};  // by capsules spawned: 0 (after a death), 1, 2, 3, 4
  for (int n = 0; n < 5; ++n) {
    GameState.capsuleCounter = 5;
    GameState.capsulesSpawned = n;
    PowerCapsule.collected = 1;
    DrawPowerCapsule();
    EXPECT_EQ(GameState.capsuleCounter, 5 + expected[n]) << n;
  }
  GameState.capsulesSpawned = 0;
  PowerCapsule.collected = 1;
  DrawPowerCapsule();
  EXPECT_EQ(GameState.capsulesSpawned, 1);
}

}  // namespace
