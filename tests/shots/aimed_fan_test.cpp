// The aimed fans: volleys on the tick marks, the spread about the aim line, flight, cull, contact,
// rest state and the two strip looks.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "framework/el_input.h"
#include "game/game_state.h"
#include "lit_area.h"
#include "game/player_fixture.h"
#include "shots/aimed_fan_kinds.h"
#include "stages/bosses.h"

namespace {

constexpr float kHalfPi = 1.5707964f;
constexpr float kPi = 3.1415927f;
constexpr double kDegrees = 57.29577951308232;

class AimedFanTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::srand(3);
    ResetBoss1AimedFan1();
    ResetBoss1AimedFan2();
    ResetBoss1AimedFan3();
    ResetBoss3AimedFan2();
    ResetBoss3AimedFan19();
    Boss1.body.x = 180.0f;
    Boss1.body.y = 0.0f;
    Boss3.body.x = 180.25f;
    Boss3.body.y = 144.0f;
    GameState.shipX = 370.0f;
    GameState.shipY = 520.0f;
    GameState.shipAlive = 1;
    elSystem::FrameClock.frameTime = 0.0f;
  }
  void TearDown() override {
    ResetBoss1();
    ResetBoss3();
  }
  static void Ticks(void (*tick)(), int n) {
    for (int i = 0; i < n; ++i) tick();
  }
  static int LiveIn(const shots::AimedFanKind& kind, int first, int count) {
    int live = 0;
    for (int i = first; i < first + count; ++i) live += kind.pool[i].active;
    return live;
  }
};

TEST_F(AimedFanTest, GroupsFireOnTheirMarksAndAgainEachCycle) {
  // Fan 1 of the first boss: five groups of five, marks 40, 80 .. 200 in a cycle of 260.
  Ticks(TickBoss1AimedFan1, 39);
  EXPECT_EQ(LiveIn(kBoss1AimedFan1, 0, 25), 0);
  TickBoss1AimedFan1();
  EXPECT_EQ(LiveIn(kBoss1AimedFan1, 0, 5), 5);
  EXPECT_EQ(LiveIn(kBoss1AimedFan1, 5, 20), 0);
  Ticks(TickBoss1AimedFan1, 160);  // tick 200: every group has fired once
  EXPECT_EQ(LiveIn(kBoss1AimedFan1, 0, 25), 25);
  // A live group is not restarted; one that has ended fires again 260 ticks after its first volley.
  for (int i = 0; i < 5; ++i) shots::Park(kBoss1AimedFan1.pool[i]);
  Ticks(TickBoss1AimedFan1, 99);  // tick 299
  EXPECT_EQ(LiveIn(kBoss1AimedFan1, 0, 5), 0);
  EXPECT_EQ(kBoss1AimedFan1.pool[0].tickCount, 39);
  TickBoss1AimedFan1();
  EXPECT_EQ(LiveIn(kBoss1AimedFan1, 0, 5), 5);
}

TEST_F(AimedFanTest, FirstBossFanThreeNeverFiresItsLastGroup) {
  // Seven shots a group, marks 30 .. 150 in a cycle of 150: the count is back at 0 before 150 is seen.
  for (int cycle = 0; cycle < 3; ++cycle) {
    Ticks(TickBoss1AimedFan3, 150);
    for (int g = 0; g < 4; ++g) EXPECT_EQ(LiveIn(kBoss1AimedFan3, 7 * g, 7), 7) << "group " << g;
    EXPECT_EQ(LiveIn(kBoss1AimedFan3, 28, 7), 0);
    for (int i = 0; i < 35; ++i) shots::Park(kBoss1AimedFan3.pool[i]);
  }
}

TEST_F(AimedFanTest, PlacesSpreadTwelveDegreesApartAboutTheAimLine) {
  // Emitter (180 + 200, 0 + 130); aim point (370 + 10, 520 + 10) lies straight below it.
  Ticks(TickBoss1AimedFan1, 40);
  for (int p = 0; p < 5; ++p) {
    const AimedFanShot& r = kBoss1AimedFan1.pool[p];
    EXPECT_EQ(r.x, 380.0f);
    EXPECT_EQ(r.y, 130.0f);
    EXPECT_EQ(r.startX, 380.0f);
    EXPECT_EQ(r.startY, 130.0f);
    EXPECT_EQ(r.aimDx, 0.0f);
    EXPECT_EQ(r.aimDy, 400.0f);
    EXPECT_EQ(r.speed, 220.0f);
    // Straight below: place x 12 degrees, then the quarter turn, then the 24-degree start, in float.
    EXPECT_EQ(r.angle, static_cast<float>(p) * 0.20943951f + 1.5707964f - 0.41887903f) << "place " << p;
  }
  // The sum's order shows in the drawn turn: place 3 is drawn at 101 degrees, not 102.
  DrawBoss1AimedFan1();
  EXPECT_EQ(kBoss1AimedFan1.pool[3].drawDegrees, 101);
  EXPECT_EQ(kBoss1AimedFan1.pool[4].drawDegrees, 114);
  // Ship up and to the left of the emitter: the aim line turns half a turn and the spread follows it.
  GameState.shipX = 100.0f;
  GameState.shipY = 50.0f;
  Ticks(TickBoss1AimedFan1, 40);  // tick 80: group 1
  const float aim = std::atan((60.0f - 130.0f) / (110.0f - 380.0f));
  for (int p = 0; p < 5; ++p) {
    EXPECT_FLOAT_EQ(kBoss1AimedFan1.pool[5 + p].angle, aim + (p * 0.20943951f - 0.41887903f) + kPi);
  }
}

TEST_F(AimedFanTest, SideEmittersAddTheCentreThenTheSide) {
  // Stage-3 fan 2: boss x + 200, then - 100; fan 19 (fifteen wide) from the centre, 84 degrees each way.
  GameState.shipX = 270.25f;
  GameState.shipY = 600.0f;
  Ticks(TickBoss3AimedFan2, 40);
  EXPECT_EQ(kBoss3AimedFan2.pool[0].x, 180.25f + 200.0f - 100.0f);
  EXPECT_EQ(kBoss3AimedFan2.pool[0].y, 274.0f);
  EXPECT_EQ(kBoss3AimedFan2.pool[2].aimDx, 0.0f);
  EXPECT_EQ(kBoss3AimedFan2.pool[0].angle, 1.5707964f - 0.20943951f);
  EXPECT_EQ(kBoss3AimedFan2.pool[2].angle, 2.0f * 0.20943951f + 1.5707964f - 0.20943951f);
  GameState.shipX = 370.25f;
  Ticks(TickBoss3AimedFan19, 40);
  EXPECT_EQ(kBoss3AimedFan19.pool[0].angle, 1.5707964f - 1.4660766f);
  EXPECT_EQ(kBoss3AimedFan19.pool[14].angle, 14.0f * 0.20943951f + 1.5707964f - 1.4660766f);
}

TEST_F(AimedFanTest, ShotsFlyStraightAreParkedPastTheirBoundsAndHitWithoutEnding) {
  elSystem::FrameClock.frameTime = 0.5f;
  AimedFanShot& r = kBoss1AimedFan1.pool[3];
  r.active = 1;
  r.x = 300.0f;
  r.y = 200.0f;
  r.angle = kHalfPi;
  r.speed = 220.0f;
  UpdateBoss1AimedFan1();
  EXPECT_FLOAT_EQ(r.y, 310.0f);
  EXPECT_NEAR(r.x, 300.0f, 1e-4);

  // Fan 1 culls left and top at -40, fan 2 at -20; right and bottom at the screen's edges.
  elSystem::FrameClock.frameTime = 0.0f;
  struct Edge {
    const shots::AimedFanKind* kind;
    void (*update)();
    float x, y;
    bool parked;
  };
  const Edge edges[] = {{&kBoss1AimedFan1, UpdateBoss1AimedFan1, -40.0f, -40.0f, false},
                        {&kBoss1AimedFan1, UpdateBoss1AimedFan1, -40.01f, 300.0f, true},
                        {&kBoss1AimedFan2, UpdateBoss1AimedFan2, 300.0f, -20.01f, true},
                        {&kBoss1AimedFan2, UpdateBoss1AimedFan2, 800.0f, 600.0f, false},
                        {&kBoss1AimedFan2, UpdateBoss1AimedFan2, 800.01f, 300.0f, true}};
  for (const Edge& e : edges) {
    AimedFanShot& s = e.kind->pool[7];
    s.active = 1;
    s.x = e.x;
    s.y = e.y;
    e.update();
    EXPECT_EQ(s.active, e.parked ? 0 : 1) << e.x << "," << e.y;
    EXPECT_EQ(s.y, e.parked ? 2550.0f : e.y);
  }

  // Contact: turned kinds -10..30 x 0..30, the small stage-1 kinds 10..30 x 20..30; the shot flies on.
  r.x = 370.0f - 10.0f;
  r.y = 520.0f;
  UpdateBoss1AimedFan1();
  EXPECT_EQ(GameState.shipAlive, 0);
  EXPECT_EQ(r.active, 1);
  GameState.shipAlive = 1;
  AimedFanShot& small = kBoss1AimedFan2.pool[0];
  small.active = 1;
  small.x = 370.0f + 10.0f;
  small.y = 520.0f + 19.99f;
  UpdateBoss1AimedFan2();
  EXPECT_EQ(GameState.shipAlive, 1);
  small.y = 520.0f + 20.0f;
  UpdateBoss1AimedFan2();
  EXPECT_EQ(GameState.shipAlive, 0);
}

TEST_F(AimedFanTest, RestStateDrawsOneNumberPerRecordAndKeepsTheStripKindsTurn) {
  std::srand(11);
  int expected[25];
  for (int& v : expected) v = std::rand() % 7;
  kBoss1AimedFan1.pool[4].drawDegrees = 77;
  kBoss1AimedFan2.pool[4].drawDegrees = 77;
  kBoss1AimedFan1.pool[4].tickCount = 12;
  std::srand(11);
  ResetBoss1AimedFan1();
  for (int i = 0; i < 25; ++i) {
    const AimedFanShot& r = kBoss1AimedFan1.pool[i];
    EXPECT_EQ(r.cell, expected[i]);
    EXPECT_EQ(r.x, -500.0f);
    EXPECT_EQ(r.y, 2550.0f);
    EXPECT_EQ(r.angle, -0.05235988f);
    EXPECT_EQ(r.active, 0);
  }
  EXPECT_EQ(kBoss1AimedFan1.pool[4].tickCount, 0);
  EXPECT_EQ(kBoss1AimedFan1.pool[4].drawDegrees, 0);
  ResetBoss1AimedFan2();
  EXPECT_EQ(kBoss1AimedFan2.pool[4].drawDegrees, 77);
}

using AimedFanDrawTest = PlayerTest;

TEST_F(AimedFanDrawTest, StripKindsAdvanceEveryCellAndTurnedKindsKeepTheirTurn) {
  // Parked records advance too; cell 23 wraps to 0.
  kBoss1AimedFan2.pool[0].cell = 23;
  kBoss1AimedFan2.pool[1].cell = 5;
  DrawBoss1AimedFan2();
  EXPECT_EQ(kBoss1AimedFan2.pool[0].cell, 0);
  EXPECT_EQ(kBoss1AimedFan2.pool[1].cell, 6);
  // The still kind never moves its cell.
  kBoss1AimedFan3.pool[2].cell = 4;
  DrawBoss1AimedFan3();
  EXPECT_EQ(kBoss1AimedFan3.pool[2].cell, 4);
  // A turned shot heading down-right at 45 degrees is drawn at 270 - 45, inside the play field.
  AimedFanShot& r = kBoss1AimedFan1.pool[0];
  r.active = 1;
  r.x = 300.0f;
  r.y = 300.0f;
  r.angle = 0.7853982f;
  elDraw::ClearBackBuffer();
  DrawBoss1AimedFan1();
  EXPECT_EQ(r.drawDegrees, 45);
  EXPECT_EQ(kBoss1AimedFan1.pool[1].drawDegrees, -3);  // parked, at its rest heading
  const shot_tests::LitArea lit = shot_tests::LitNow();
  EXPECT_FALSE(lit.Empty());
  EXPECT_GE(lit.left, 300);
  EXPECT_LE(lit.right, 339);
  EXPECT_GE(lit.top, 300);
  EXPECT_LE(lit.bottom, 339);
}

}  // namespace
