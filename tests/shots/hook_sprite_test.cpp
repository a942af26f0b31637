// The stage-3 boss's hook sprites: the spawn counter, the path windows and their gaps, the end below
// the screen and the absence of any contact.
#include <gtest/gtest.h>

#include "framework/el_input.h"
#include "game/game_state.h"
#include "shots/hook_sprite_kinds.h"
#include "stages/bosses.h"

namespace {

class HookSpriteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetBoss3HookSprite1();
    ResetBoss3HookSprite2();
    ResetBoss3HookSprite3();
    ResetBoss3HookSprite5();
    ResetBoss3HookSprite6();
    Boss3.body.x = 180.7f;  // truncated to 180 at the spawn
    Boss3.body.y = 20.9f;
    GameState.shipAlive = 1;
    elSystem::FrameClock.frameTime = 0.0f;
  }
  void TearDown() override { Boss3.body = LargeEnemyRecord{}; }
  // One Update with the timer set to `t` beforehand and no time passing: the step taken at t.
  static void StepAt(const shots::HookSpriteKind& kind, float t, int& dx, int& dy) {
    HookSpriteShot& r = kind.pool[1];
    r = HookSpriteShot{200, 200, t, 1};
    shots::UpdateHookSprites(kind);
    dx = r.x - 200;
    dy = r.y - 200;
  }
};

TEST_F(HookSpriteTest, EveryThirdTickSpawnsTheNextRecordAndRecordZeroNever) {
  TickBoss3HookSprite1();
  TickBoss3HookSprite1();
  EXPECT_EQ(kBoss3HookSprite1.pool[1].active, 0);
  TickBoss3HookSprite1();
  EXPECT_EQ(kBoss3HookSprite1.pool[1].active, 1);
  EXPECT_EQ(kBoss3HookSprite1.pool[1].x, 180 + 135);
  EXPECT_EQ(kBoss3HookSprite1.pool[1].y, 20 + 135);
  for (int i = 3; i < 150; ++i) TickBoss3HookSprite1();
  EXPECT_EQ(*kBoss3HookSprite1.counter, 0);
  for (int k = 1; k < 50; ++k) EXPECT_EQ(kBoss3HookSprite1.pool[k].active, 1) << k;
  EXPECT_EQ(kBoss3HookSprite1.pool[0].active, 0);
  // A second round finds them still falling and restarts none.
  kBoss3HookSprite1.pool[1].y = 300;
  for (int i = 0; i < 150; ++i) TickBoss3HookSprite1();
  EXPECT_EQ(kBoss3HookSprite1.pool[0].active, 0);
  EXPECT_EQ(kBoss3HookSprite1.pool[1].y, 300);
}

TEST_F(HookSpriteTest, PathWindowsAndTheirGaps) {
  struct Case {
    const shots::HookSpriteKind* kind;
    float t;
    int dx, dy;
  };
  const Case cases[] = {
      {&kBoss3HookSprite1, 0.0f, -6, 0},  {&kBoss3HookSprite1, 3.0f, -6, 0},   {&kBoss3HookSprite1, 3.5f, 0, 0},
      {&kBoss3HookSprite1, 4.0f, -6, 3},  {&kBoss3HookSprite1, 12.0f, -3, 6},  {&kBoss3HookSprite1, 15.5f, 0, 0},
      {&kBoss3HookSprite1, 22.0f, 3, 6},  {&kBoss3HookSprite1, 250.0f, 3, 6},  {&kBoss3HookSprite1, 250.5f, 0, 0},
      {&kBoss3HookSprite2, 4.0f, 6, 3},   {&kBoss3HookSprite2, 19.0f, -2, 6},  {&kBoss3HookSprite2, 100.0f, -3, 6},
      {&kBoss3HookSprite3, 25.0f, 4, 6},  {&kBoss3HookSprite3, 27.5f, 0, 0},   {&kBoss3HookSprite3, 30.5f, 5, 6},
      {&kBoss3HookSprite3, 251.0f, 0, 0}, {&kBoss3HookSprite5, 30.5f, 0, 0},   {&kBoss3HookSprite5, 37.0f, 8, 6},
      {&kBoss3HookSprite5, 40.0f, 10, 6}, {&kBoss3HookSprite5, 280.0f, 10, 6}, {&kBoss3HookSprite6, 40.0f, -10, 6},
  };
  for (const Case& c : cases) {
    int dx = 0, dy = 0;
    StepAt(*c.kind, c.t, dx, dy);
    EXPECT_EQ(dx, c.dx) << "T " << c.t;
    EXPECT_EQ(dy, c.dy) << "T " << c.t;
  }
  // A record whose timer jumped past the last window stays live and still.
  EXPECT_EQ(kBoss3HookSprite1.pool[1].active, 1);
}

TEST_F(HookSpriteTest, KindOneHookAtOneStepPerCallAndItsEndBelowTheScreen) {
  for (int i = 0; i < 3; ++i) TickBoss3HookSprite1();
  for (int i = 0; i < 3; ++i) TickBoss3HookSprite2();
  HookSpriteShot& left = kBoss3HookSprite1.pool[1];
  HookSpriteShot& right = kBoss3HookSprite2.pool[1];
  elSystem::FrameClock.frameTime = 0.05f;  // the timer rises by 1 a call: T = 1, 2, 3 ...
  for (int i = 0; i < 21; ++i) {
    UpdateBoss3HookSprite1();
    UpdateBoss3HookSprite2();
  }
  // Out 54 pixels to the side and down 99 by T = 21; from there 3 across and 6 down a call.
  EXPECT_EQ(left.x, 315 - 54);
  EXPECT_EQ(left.y, 155 + 99);
  EXPECT_EQ(right.x, 455 + 54);
  EXPECT_EQ(right.y, 155 + 99);
  // Down 6 a call from y 254: past 600 after 58 more calls, where it stops being live and stays.
  for (int i = 0; i < 57; ++i) UpdateBoss3HookSprite1();
  EXPECT_EQ(left.y, 596);
  EXPECT_EQ(left.active, 1);
  UpdateBoss3HookSprite1();
  EXPECT_EQ(left.active, 0);
  EXPECT_EQ(left.y, 602);
  EXPECT_EQ(left.x, 261 + 58 * 3);
  EXPECT_EQ(left.pathTimer, 0.0f);
}

TEST_F(HookSpriteTest, NeverTouchesTheShipAndRestsParked) {
  GameState.shipX = 300.0f;
  GameState.shipY = 300.0f;
  HookSpriteShot& r = kBoss3HookSprite3.pool[7];
  r = HookSpriteShot{310, 315, 13.0f, 1};
  UpdateBoss3HookSprite3();
  EXPECT_EQ(GameState.shipAlive, 1);
  ResetBoss3HookSprite3();
  EXPECT_EQ(*kBoss3HookSprite3.counter, 0);
  for (int k = 0; k < 50; ++k) {
    const HookSpriteShot& s = kBoss3HookSprite3.pool[k];
    EXPECT_EQ(s.active, 0);
    EXPECT_EQ(s.x, -500);
    EXPECT_EQ(s.y, 2550);
    EXPECT_EQ(s.pathTimer, 0.0f);
  }
}

}  // namespace
