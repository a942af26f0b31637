// The player's shots against the bosses: boxes, a boss still above the screen, damage, points, and
// the volley shot that stops where it strikes.
#include <gtest/gtest.h>

#include "framework/el_input.h"
#include "game/player_shot_hits.h"
#include "game/trails.h"
#include "stages/bosses.h"
#include "stages/strike_shots.h"

namespace {

constexpr float kFrame = 1.0f / 60.0f;

class BossHitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    strike_shots::ClearTheField();
    ResetBoss1();
    ResetBoss2();
    ResetBoss3();
    ResetStage1Trail1();
    elSystem::FrameClock.frameTime = kFrame;
  }
  static void Place(BossRecord& boss, float x, float y) {
    boss.body.x = x;
    boss.body.y = y;
  }
  // A still volley shot of weapon 1 or 2 at (x, y).
  static VolleyShot& VolleyAt(int weapon, int x, int y) {
    VolleyShot* pool = VolleyPoolOf(weapon).shots;
    strike_shots::StillVolleyShot(pool, x, y);
    return pool[1];
  }
  static BarrageShot& BarrageAt(int x, int y) {
    BarrageShot& s = BarrageShots[1];
    s.active = 1;
    s.x = x;
    s.y = y;
    s.flightTimer = 300.0f;  // past every window of its flight: it stands still
    return s;
  }
};

TEST_F(BossHitTest, VolleyShotDamagesScoresAndStops) {
  Place(Boss1, 180.0f, 0.0f);
  VolleyShot& shot = VolleyAt(1, 180 + 80, 10);
  HitTestPlayerShots();
  EXPECT_EQ(Boss1.body.hit, 1);
  EXPECT_EQ(GameState.score, 50);
  EXPECT_FLOAT_EQ(Boss1.body.life, 1020.0f - 100.0f * kFrame);
  EXPECT_EQ(shot.active, 0);
  EXPECT_EQ(shot.x, 5000);
  EXPECT_EQ(shot.y, 5000);
  int sparks = 0;
  for (int i = 0; i < kStage1Trail1.sources * kTrailSlotsPerSource; ++i) sparks += kStage1Trail1.slots[i].active;
  EXPECT_GT(sparks, 0) << "a weapon-1 hit on boss 1 starts the stage-1 sparks";
}

TEST_F(BossHitTest, BarrageDamagesSlowlyAndFliesOn) {
  Place(Boss2, 150.0f, 0.0f);
  BarrageShot& shot = BarrageAt(150 + 430, 200);
  HitTestPlayerShots();
  EXPECT_EQ(Boss2.body.hit, 1);
  EXPECT_EQ(GameState.score, 60);
  EXPECT_FLOAT_EQ(Boss2.body.life, 1000.0f - 3.0f * kFrame);
  EXPECT_EQ(shot.active, 1);
  HitTestPlayerShots();
  EXPECT_EQ(GameState.score, 120) << "and strikes again on the next frame";
}

TEST_F(BossHitTest, BoxesAreInclusiveAndPerBoss) {
  struct Case {
    BossRecord* boss;
    int weapon;  // 1 or 2
    int dx, dy;
    int points;  // 0: a miss
  };
  const Case cases[] = {
      {&Boss1, 1, 80, 10, 50},  {&Boss1, 1, 300, 200, 50}, {&Boss1, 1, 79, 100, 0}, {&Boss1, 1, 301, 100, 0},
      {&Boss1, 1, 100, 9, 0},   {&Boss1, 1, 100, 201, 0},  {&Boss1, 2, 200, 100, 100}, {&Boss3, 1, 80, 10, 50},
      {&Boss3, 2, 300, 200, 100}, {&Boss3, 1, 301, 50, 0}, {&Boss2, 1, 50, 10, 60},  {&Boss2, 1, 390, 200, 60},
      {&Boss2, 2, 200, 100, 250}, {&Boss2, 1, 49, 100, 0}, {&Boss2, 1, 391, 100, 0},
  };
  for (const Case& c : cases) {
    SetUp();
    Place(*c.boss, 180.0f, 40.0f);
    VolleyAt(c.weapon, 180 + c.dx, 40 + c.dy);
    HitTestPlayerShots();
    EXPECT_EQ(GameState.score, c.points) << c.dx << "," << c.dy;
    EXPECT_EQ(c.boss->body.hit, c.points > 0 ? 1 : 0) << c.dx << "," << c.dy;
  }
}

TEST_F(BossHitTest, BossAboveTheScreenCannotBeHit) {
  Place(Boss1, 180.0f, -0.5f);  // truncates to 0, but the float is still above the top
  VolleyShot& shot = VolleyAt(1, 300, 100);
  HitTestPlayerShots();
  EXPECT_EQ(Boss1.body.hit, 0);
  EXPECT_EQ(Boss1.body.life, 1020.0f);
  EXPECT_EQ(shot.active, 1);
  Place(Boss1, 180.0f, 0.0f);
  HitTestPlayerShots();
  EXPECT_EQ(Boss1.body.hit, 1);
}

}  // namespace
