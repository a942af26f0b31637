// The player's shots against the squadron: boxes, thresholds, points, and shots that fly on.
#include <gtest/gtest.h>

#include "framework/el_input.h"
#include "game/barrage.h"
#include "game/game_state.h"
#include "game/player_shot_hits.h"
#include "game/power_capsule.h"
#include "game/volley_weapons.h"
#include "stages/squadron.h"
#include "stages/strike_shots.h"

namespace {

class PlayerShotHitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    strike_shots::ClearTheField();
    elSystem::FrameClock.frameTime = 1.0f / 60.0f;
  }
  // Squadron records 15..49 sit at (0, 0): keep the shots of these tests away from them.
  static SquadFighterRecord& Fighter(int slot, float x, float y) {
    SquadFighterRecord& f = SquadFighters[slot];
    f.active = 1;
    f.x = x;
    f.y = y;
    return f;
  }
  // A weapon-1 shot (band 0, straight up at 10 px a frame) that will stand at (x, y) after its move.
  static VolleyShot& Weapon1Shot(int x, int y) {
    VolleyShot& s = VolleyShots1[1];
    s.active = 1;
    s.x = x;
    s.y = y + 10;
    s.forwardStep = 10;
    s.sideStep = 0;
    return s;
  }
};

TEST_F(PlayerShotHitTest, ShotInsideTheBoxScoresOnceAFrameAndFliesOn) {
  Fighter(0, 300.0f, 200.0f);
  VolleyShot& shot = Weapon1Shot(300, 250);
  HitTestPlayerShots();
  EXPECT_EQ(shot.y, 250);
  EXPECT_EQ(SquadFighters[0].hit, 1);
  EXPECT_EQ(GameState.score, 100);
  EXPECT_EQ(GameState.highScore, 100);
  EXPECT_EQ(shot.active, 1) << "a volley shot passes through a fighter";
  // Still inside on the next frame: struck and scored again, also while it plays its destruction.
  HitTestPlayerShots();
  EXPECT_EQ(GameState.score, 200);
}

TEST_F(PlayerShotHitTest, BoxIsInclusiveOnEveryEdge) {
  struct Case {
    int dx, dy;
    bool hits;
  };
  const Case cases[] = {{-40, 0, true}, {50, 0, true}, {0, -60, true}, {0, 50, true},
                        {-41, 0, false}, {51, 0, false}, {0, -61, false}, {0, 51, false}};
  for (const Case& c : cases) {
    SetUp();
    Fighter(2, 300.0f, 300.0f);
    Weapon1Shot(300 + c.dx, 300 + c.dy);
    HitTestPlayerShots();
    EXPECT_EQ(SquadFighters[2].hit, c.hits ? 1 : 0) << c.dx << "," << c.dy;
    EXPECT_EQ(GameState.score, c.hits ? 100 : 0) << c.dx << "," << c.dy;
  }
}

TEST_F(PlayerShotHitTest, PositionsAreTruncatedAndFightersAboveYMinus10AreSkipped) {
  Fighter(3, 300.9f, -10.0f);  // (300, -10) in whole pixels: y exactly -10 is tested
  Fighter(4, 300.0f, -10.5f);
  Weapon1Shot(260, 0);  // the left edge of fighter 3's box, x + -40
  HitTestPlayerShots();
  EXPECT_EQ(SquadFighters[3].hit, 1);
  EXPECT_EQ(SquadFighters[4].hit, 0);
}

TEST_F(PlayerShotHitTest, CulledShotHitsNothing) {
  Fighter(6, 300.0f, -10.0f);
  VolleyShot& shot = Weapon1Shot(300, -61);  // culled above -60: it rests at (5000, 5000)
  HitTestPlayerShots();
  EXPECT_EQ(shot.active, 0);
  EXPECT_EQ(shot.x, 5000);
  EXPECT_EQ(SquadFighters[6].hit, 0);
}

TEST_F(PlayerShotHitTest, EveryPoolIsMovedAndTested) {
  Fighter(7, 300.0f, 300.0f);
  // A weapon-3 rear shot (band 3, straight down) and a barrage shot of group 2 at timer 13..15 (up 6).
  VolleyShot& rear = VolleyShots3[3 * kVolleyBandSlots + 1];
  rear.active = 1;
  rear.x = 300;
  rear.y = 290;
  rear.forwardStep = 10;
  BarrageShot& barrage = BarrageShots[2 * kBarrageGroupSize + 1];
  barrage.active = 1;
  barrage.x = 320;
  barrage.y = 306;
  barrage.flightTimer = 13.0f;
  HitTestPlayerShots();
  EXPECT_EQ(rear.y, 300);
  EXPECT_EQ(barrage.y, 300);
  EXPECT_EQ(GameState.score, 200);
}

}  // namespace
