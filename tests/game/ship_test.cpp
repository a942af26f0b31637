// The ship: keys, bank walk, flight box, death, respawn, game over and the special attack.
#include <cmath>

#include "game/option_shots.h"
#include "game/ship_death.h"
#include "game/special_attack.h"
#include "game/volley_weapons.h"
#include "player_fixture.h"
#include "stages/squadron.h"

namespace {

using ShipTest = PlayerTest;

TEST_F(ShipTest, BankWalksOneCellPerFrameAndWalksBackToLevelOnRelease) {
  SetKey(plat::VK_LEFT, true);
  MoveShip();  // down for one frame only: no movement yet
  EXPECT_EQ(GameState.shipX, 370.0f);
  EXPECT_EQ(GameState.bankFrame, 3);
  int banks[5];
  for (int& b : banks) {
    MoveShip();
    b = GameState.bankFrame;
  }
  EXPECT_EQ(banks[0], 3);  // the step asked in a frame is taken in the next
  EXPECT_EQ(banks[1], 4);
  EXPECT_EQ(banks[3], 6);
  EXPECT_EQ(banks[4], 6);
  EXPECT_NEAR(GameState.shipX, 370.0f - 5 * 160.0f * kFrame, 1e-3f);

  // Held Up keeps the full bank; once every key is up it walks back and stops at 3.
  SetKey(plat::VK_UP, true);
  MoveShip();
  SetKey(plat::VK_LEFT, false);
  MoveShipFrames(4);
  EXPECT_EQ(GameState.bankFrame, 6);
  SetKey(plat::VK_UP, false);
  int back[6];
  for (int& b : back) {
    MoveShip();
    b = GameState.bankFrame;
  }
  EXPECT_EQ(back[0], 6);
  EXPECT_EQ(back[1], 5);
  EXPECT_EQ(back[3], 3);
  EXPECT_EQ(back[5], 3);
  EXPECT_EQ(GameState.bankStep, 0);
}

TEST_F(ShipTest, RightWinsOverLeftAndDownOverUp) {
  for (int key : {plat::VK_LEFT, plat::VK_RIGHT, plat::VK_UP, plat::VK_DOWN}) SetKey(key, true);
  MoveShipFrames(4);
  EXPECT_EQ(GameState.shipVelX, 160.0f);
  EXPECT_EQ(GameState.shipVelY, 160.0f);
  EXPECT_EQ(GameState.bankFrame, 1);  // walking towards cell 0, as Right alone
}

TEST_F(ShipTest, TheShipStaysInItsBoxWhateverTheFrameTime) {
  elSystem::FrameClock.frameTime = 1000.0f;
  SetKey(plat::VK_LEFT, true);
  SetKey(plat::VK_UP, true);
  MoveShipFrames(2);
  EXPECT_EQ(GameState.shipX, 220.0f);
  EXPECT_EQ(GameState.shipY, 220.0f);
  SetKey(plat::VK_LEFT, false);
  SetKey(plat::VK_UP, false);
  SetKey(plat::VK_RIGHT, true);
  SetKey(plat::VK_DOWN, true);
  MoveShipFrames(2);
  EXPECT_EQ(GameState.shipX, 520.0f);
  EXPECT_EQ(GameState.shipY, 540.0f);
}

TEST_F(ShipTest, OnceASidewaysKeyIsHeldTheOptionLaunchesNameNoRecord) {
  EXPECT_TRUE(OptionShotInPool(ShipControls.optionRow, ShipControls.optionShot));
  SetKey(plat::VK_RIGHT, true);
  MoveShipFrames(2);
  SetKey(plat::VK_RIGHT, false);
  MoveShipFrames(2);
  EXPECT_EQ(ShipControls.optionShot, kOptionShotAfterSideways);
  EXPECT_FALSE(OptionShotInPool(ShipControls.optionRow, ShipControls.optionShot));
  EXPECT_FALSE(OptionShotInPool(3, 0));
  EXPECT_FALSE(OptionShotInPool(-1, 0));
  EXPECT_TRUE(OptionShotInPool(2, 14));
  SetKey(plat::VK_CONTROL, true);
  MoveShipFrames(3);  // launches with shot 5000 do nothing and touch no pool
}

bool GroupActive(int group) {
  for (int i = group * kFragmentsPerGroup; i < (group + 1) * kFragmentsPerGroup; ++i) {
    if (ShipExplosion[i].active == 0) return false;
  }
  return true;
}

TEST_F(ShipTest, ADeathLaunchesFiveRingsCostsSixteenShipsAtFrame40AndLastsFiftyFrames) {
  GameState.doubleShot = GameState.wideShot = 1;
  GameState.shipAlive = 0;
  for (int frame = 1; frame <= 50; ++frame) {
    DrawShip();
    for (int g = 0; g < kFragmentGroups; ++g) {
      if (frame == kFragmentLaunchCount[g]) {
        EXPECT_TRUE(GroupActive(g)) << "ring " << g << " at frame " << frame;
      }
      if (frame == kFragmentLaunchCount[g] - 1) {
        EXPECT_EQ(ShipExplosion[g * 16].active, 0) << "frame " << frame;
      }
    }
    EXPECT_EQ(GameState.shipStock, frame < 40 ? 100 : 84) << "frame " << frame;
    EXPECT_EQ(GameState.shipAlive, frame < 50 ? 0 : 1) << "frame " << frame;
  }
  EXPECT_EQ(GameState.respawning, 1);
  EXPECT_EQ(GameState.doubleShot, 0);
  EXPECT_EQ(GameState.wideShot, 0);
}

TEST_F(ShipTest, FragmentsFlyTowardsTheTopLeftCornerAndRingsAreSixteenWide) {
  GameState.shipAlive = 0;
  DrawShip();
  const ShipExplosionFragment& f = ShipExplosion[0];
  // From (370, 520) towards (20, 20): the direction (-350, -500).
  const float length = std::hypot(350.0f, 500.0f);
  EXPECT_NEAR(std::cos(f.heading), -350.0f / length, 1e-4f);
  EXPECT_NEAR(std::sin(f.heading), -500.0f / length, 1e-4f);
  EXPECT_LT(f.x, 370.0f);
  EXPECT_NEAR(ShipExplosion[4].heading - f.heading, 4 * 22.5f * 3.14159265f / 180.0f, 1e-4f);
}

TEST_F(ShipTest, HitsDuringThe249RespawnFramesAreUndone) {
  GameState.shipAlive = 0;
  for (int frame = 0; frame < 50; ++frame) DrawShip();
  for (int frame = 1; frame <= 249; ++frame) {
    GameState.shipAlive = 0;  // an enemy shot
    DrawShip();
    ASSERT_EQ(GameState.shipAlive, 1);
    DrawShip();
  }
  EXPECT_EQ(GameState.respawning, 0);
  EXPECT_EQ(ShipExplosion[0].count, 0);  // every fragment back at rest
  EXPECT_EQ(ShipExplosion[79].x, -500.0f);
  GameState.shipAlive = 0;
  DrawShip();
  EXPECT_EQ(GameState.shipAlive, 0);  // a new death
  EXPECT_EQ(ShipExplosion[0].count, 1);
}

TEST_F(ShipTest, TheInvincibleShipStaysFlaggedDeadAndNeverExplodes) {
  GameState.invincible = 1;
  GameState.shipAlive = 0;
  for (int frame = 0; frame < 60; ++frame) DrawShip();
  EXPECT_EQ(GameState.shipAlive, 0);
  EXPECT_EQ(GameState.shipStock, 100);
  EXPECT_EQ(CountLiveFragments(), 0);
}

TEST_F(ShipTest, TheSpecialAttackStrikesOnItsSixteenthFrameOncePerRecord) {
  // Weapon 3's volleys arm it only while doubleShot is held: here the volley of sequencer count 4.
  for (int tick = 0; tick < 4; ++tick) TickShotVolley3();
  for (const SpecialAttackRecord& r : SpecialAttack) ASSERT_EQ(r.active, 0);
  GameState.doubleShot = GameState.wideShot = 1;
  for (int tick = 0; tick < 3; ++tick) TickShotVolley3();
  for (const SpecialAttackRecord& r : SpecialAttack) ASSERT_EQ(r.active, 0);
  TickShotVolley3();
  for (const SpecialAttackRecord& r : SpecialAttack) ASSERT_EQ(r.active, 1);
  // With the ship at (370, 220) the strike point is (400, 54).
  GameState.shipY = 220.0f;
  SquadFighters[0].x = 320.0f;
  SquadFighters[0].y = -10.0f;
  SquadFighters[1].x = 320.0f;
  SquadFighters[1].y = -10.5f;  // above the reach, though its truncated box holds the point
  SquadFighters[2].x = 401.0f;  // one pixel too far right
  SquadFighters[2].y = 0.0f;
  const int score = GameState.score;
  for (int frame = 1; frame <= 15; ++frame) RunSpecialAttack();
  EXPECT_EQ(GameState.score, score);
  RunSpecialAttack();
  EXPECT_EQ(GameState.score, score + 16 * 500);
  EXPECT_EQ(SquadFighters[0].hit, 1);
  EXPECT_EQ(SquadFighters[1].hit, 0);
  EXPECT_EQ(SquadFighters[2].hit, 0);
  RunSpecialAttack();
  EXPECT_EQ(SpecialAttack[0].step, 0);
  EXPECT_EQ(SpecialAttack[15].active, 0);
}

}  // namespace
