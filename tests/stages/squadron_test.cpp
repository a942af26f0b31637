// The squadron fighters: spawn, the ten movement patterns, the cull, and the destruction.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "framework/el_input.h"
#include "game/game_state.h"
#include "stages/squadron.h"

namespace {

// A frame time of 0.1 s makes every pattern timer step by whole units.
constexpr float kStep = 0.1f;

class SquadronTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (SquadFighterRecord& f : SquadFighters) f = SquadFighterRecord{};
    elSystem::FrameClock.frameTime = kStep;
    GameState.shipX = 370.0f;
    GameState.shipY = 520.0f;
  }
  // A live fighter at (x, y) with the velocities a spawn gave it.
  static SquadFighterRecord& Fly(int slot, float x, float y, float vx, float vy) {
    SquadFighterRecord& f = SquadFighters[slot];
    f.active = 1;
    f.x = x;
    f.y = y;
    f.vx = vx;
    f.vy = vy;
    return f;
  }
  static void Move(int slot, int pattern, int frames) {
    for (int i = 0; i < frames; ++i) MoveSquadFighter(slot, pattern);
  }
};

TEST_F(SquadronTest, SpawnDrawsFourRandomNumbersInOrder) {
  std::srand(99);
  const int x = std::rand() % 320 + 200, kind = std::rand() % 4, vy = std::rand() % 70 + 70,
            vx = std::rand() % 20 + 20;
  SquadFighters[3].explosionCycle = 1;
  SquadFighters[3].speed = 170.0f;
  SquadFighters[3].angle = 2.0f;
  std::srand(99);
  SpawnSquadFighter(3);
  const SquadFighterRecord& f = SquadFighters[3];
  EXPECT_EQ(f.x, static_cast<float>(x));
  EXPECT_EQ(f.y, -80.0f);
  EXPECT_EQ(f.kind, kind);
  EXPECT_EQ(f.vy, static_cast<float>(vy));
  EXPECT_EQ(f.vx, static_cast<float>(vx));
  EXPECT_EQ(f.active, 1);
  EXPECT_EQ(f.angle, 0.0f);
  EXPECT_EQ(f.explosionCycle, 1) << "the spawn leaves the cycle count";
  EXPECT_EQ(f.speed, 170.0f) << "and the speed";
  // A live slot, even one playing its destruction, is not spawned again.
  SquadFighters[3].hit = 1;
  SpawnSquadFighter(3);
  EXPECT_EQ(SquadFighters[3].x, static_cast<float>(x));
  EXPECT_EQ(SquadFighters[3].hit, 1);
}

TEST_F(SquadronTest, CullIsStrictAtEveryEdge) {
  elSystem::FrameClock.frameTime = 0.0f;
  struct Case {
    float x, y;
    bool culled;
  };
  const Case cases[] = {{300, -80, false}, {300, -80.01f, true}, {-80, 300, false}, {-80.01f, 300, true},
                        {800, 300, false}, {800.01f, 300, true}, {300, 600, false}, {300, 600.01f, true}};
  for (const Case& c : cases) {
    Fly(0, c.x, c.y, 0, 0);
    MoveSquadFighter(0, 1);
    EXPECT_EQ(SquadFighters[0].active, c.culled ? 0 : 1) << c.x << "," << c.y;
    if (c.culled) {
      EXPECT_EQ(SquadFighters[0].x, -500.0f);
      EXPECT_EQ(SquadFighters[0].y, 2550.0f);
    }
  }
}

TEST_F(SquadronTest, Pattern1SlidesTowardTheShipColumn) {
  SquadFighterRecord& f = Fly(0, 300, 0, 30, 100);
  MoveSquadFighter(0, 1);
  EXPECT_FLOAT_EQ(f.y, 10.0f);
  EXPECT_FLOAT_EQ(f.x, 303.0f);  // the spawn vx first, then 50 px/s toward the ship
  MoveSquadFighter(0, 1);
  EXPECT_FLOAT_EQ(f.x, 308.0f);
  f.x = 400.0f;
  MoveSquadFighter(0, 1);
  MoveSquadFighter(0, 1);
  EXPECT_FLOAT_EQ(f.x, 400.0f + 5.0f - 5.0f);
  f.x = 370.0f;
  f.vx = 0.0f;
  const float vx = f.vx;
  MoveSquadFighter(0, 1);
  EXPECT_EQ(f.vx, vx) << "level with the ship: unchanged";
}

TEST_F(SquadronTest, Pattern2ZigzagsWithAStillFrameAtTimer20) {
  SquadFighterRecord& f = Fly(1, 300, 0, 30, 100);
  Move(1, 2, 19);
  EXPECT_NEAR(f.x, 300.0f + 19 * 3.0f, 1e-3f);
  Move(1, 2, 1);  // timer 20: right and left in the same frame
  EXPECT_NEAR(f.x, 357.0f, 1e-3f);
  Move(1, 2, 20);  // timer 21..40: left
  EXPECT_NEAR(f.x, 297.0f, 1e-3f);
  Move(1, 2, 1);  // timer 41: only falls, and the timer starts again
  EXPECT_NEAR(f.x, 297.0f, 1e-3f);
  EXPECT_EQ(f.patternTimer, 0.0f);
  EXPECT_NEAR(f.y, 41 * 10.0f, 1e-3f);
}

TEST_F(SquadronTest, Patterns3And4DriftFasterAtFixedFallSpeed) {
  SquadFighterRecord& right = Fly(3, 300, 0, 25, 100);
  SquadFighterRecord& left = Fly(4, 300, 0, 25, 100);
  Move(3, 3, 21);
  Move(4, 4, 21);
  // Frame 1 at the spawn vx, then 10 px/s while the timer is 1..20; at 21 vx becomes 15.
  EXPECT_NEAR(right.x, 300.0f + 2.5f + 20 * 1.0f, 1e-3f);
  EXPECT_NEAR(left.x, 300.0f - 2.5f - 20 * 1.0f, 1e-3f);
  EXPECT_NEAR(right.y, 21 * 12.0f, 1e-3f);
  EXPECT_EQ(right.vx, 15.0f);
  right.patternTimer = 19.5f;
  Move(3, 3, 1);  // timer 20.5 lies in no window: vx stays
  EXPECT_EQ(right.vx, 15.0f);
  right.patternTimer = 220.0f;
  Move(3, 3, 1);  // the last window, 161..380: 180 px/s
  EXPECT_EQ(right.vx, 180.0f);
  right.patternTimer = 380.0f;
  Move(3, 3, 1);  // timer 381 starts over
  EXPECT_EQ(right.patternTimer, 0.0f);
}

TEST_F(SquadronTest, Patterns5And6DiveThenStopFalling) {
  SquadFighterRecord& right = Fly(5, 300, 0, 30, 100);
  SquadFighterRecord& left = Fly(6, 300, 0, 30, 100);
  Move(5, 5, 4);
  Move(6, 6, 4);
  // Timer 4 and 8: (220, 0); 12: (220, 40).
  EXPECT_NEAR(right.y, 10.0f + 3 * 22.0f, 1e-3f);
  EXPECT_NEAR(right.x, 303.0f + 4.0f, 1e-3f);
  EXPECT_NEAR(left.x, 297.0f - 4.0f, 1e-3f);
  // Timer 92 (frame 23) stops the dive: from then on it drifts 9 pixels a frame.
  right.y = 0.0f;
  Move(5, 5, 19);
  EXPECT_EQ(right.vy, 0.0f);
  EXPECT_EQ(right.vx, 90.0f);
  const float x = right.x, y = right.y;
  Move(5, 5, 1);
  EXPECT_FLOAT_EQ(right.y, y);
  EXPECT_NEAR(right.x, x + 9.0f, 1e-3f);
}

TEST_F(SquadronTest, Patterns7And8LoopBackAndClimb) {
  SquadFighterRecord& right = Fly(7, 300, 0, 30, 100);
  SquadFighterRecord& left = Fly(8, 300, 0, 30, 100);
  Move(7, 7, 2);
  Move(8, 8, 2);
  // Timer 8: (320, 0); 16: (280, 40).
  EXPECT_NEAR(right.y, 10.0f + 32.0f, 1e-3f);
  EXPECT_NEAR(right.x, 303.0f, 1e-3f);
  EXPECT_EQ(right.vx, 40.0f);
  EXPECT_NEAR(left.x, 297.0f, 1e-3f);
  // Timer 104 (frame 13): (-90, 0), climbing on the next frame.
  right.y = 300.0f;
  Move(7, 7, 11);
  EXPECT_EQ(right.vy, -90.0f);
  const float y = right.y;
  Move(7, 7, 1);
  EXPECT_NEAR(right.y, y - 9.0f, 1e-3f);
}

TEST_F(SquadronTest, Patterns9And10CircleOneDegreeAFrame) {
  SquadFighterRecord& ccw = Fly(9, 300, 200, 0, 0);
  SquadFighterRecord& cw = Fly(10, 300, 200, 0, 0);
  elSystem::FrameClock.frameTime = 1.0f / 60.0f;
  MoveSquadFighter(9, 9);
  MoveSquadFighter(10, 10);
  EXPECT_EQ(ccw.x, 300.0f) << "speed 0 before the first call: no motion";
  EXPECT_EQ(ccw.speed, 170.0f);
  EXPECT_FLOAT_EQ(ccw.angle, 0.017453292f);
  EXPECT_FLOAT_EQ(cw.angle, -0.017453292f);
  MoveSquadFighter(9, 9);
  MoveSquadFighter(10, 10);
  EXPECT_LT(ccw.x, 300.0f);  // pattern 9 starts flying left and turns down
  EXPECT_GT(ccw.y, 200.0f);
  EXPECT_GT(cw.x, 300.0f);  // pattern 10 starts flying right and turns down
  EXPECT_GT(cw.y, 200.0f);
  // A quarter turn later pattern 9 flies down: x still, y rising by speed x dt.
  ccw.angle = 1.5707964f;
  const float x = ccw.x, y = ccw.y;
  MoveSquadFighter(9, 9);
  EXPECT_NEAR(ccw.x, x, 1e-3f);
  EXPECT_NEAR(ccw.y, y + 170.0f / 60.0f, 1e-3f);
  // After a full turn the angle starts again at one degree, not zero.
  ccw.angle = 6.2831855f - 0.017453292f;
  MoveSquadFighter(9, 9);
  EXPECT_FLOAT_EQ(ccw.angle, 0.017453292f);
  cw.angle = -6.2831855f + 0.017453292f;
  MoveSquadFighter(10, 10);
  EXPECT_FLOAT_EQ(cw.angle, -0.017453292f);
}

TEST_F(SquadronTest, DestructionLastsTwentyFramesThenParks) {
  SquadFighterRecord& f = Fly(2, 300, 200, 30, 100);
  f.kind = 2;
  SetHitFlagSquad(2);
  for (int frame = 0; frame < 19; ++frame) {
    DrawSquadFighter(2, 1);
    EXPECT_EQ(f.vx, 0.0f);
    EXPECT_EQ(f.vy, 0.0f);
    EXPECT_EQ(f.active, 1) << frame;
  }
  EXPECT_EQ(f.explosionCycle, 1);
  EXPECT_EQ(f.explosionFrame, 9);
  DrawSquadFighter(2, 1);
  EXPECT_EQ(f.active, 0);
  EXPECT_EQ(f.hit, 0);
  EXPECT_EQ(f.x, -500.0f);
  EXPECT_EQ(f.y, 2550.0f);
  EXPECT_EQ(f.explosionCycle, 0);
}

}  // namespace
