// The shared shot rules (aim, cull, contact) and the aimed-stream and aimed-shot kinds.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "framework/el_input.h"
#include "game/game_state.h"
#include "shots/aimed_shot.h"
#include "shots/aimed_stream_kinds.h"
#include "shots/shot_census.h"
#include "stages/bosses.h"
#include "stages/squadron.h"

namespace {

constexpr float kPi = 3.1415927f;
constexpr float kHalfPi = 1.5707964f;

class ShotTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::srand(7);
    ResetSquadAimedShot1();
    ResetSquadAimedStream1();
    ResetBoss1AimedStream3();
    ResetBoss1AimedStream4();
    ResetBoss3AimedStream29();
    ResetBoss3AimedStream30();
    for (SquadFighterRecord& f : SquadFighters) f = SquadFighterRecord{};
    Boss1.body.x = 180.0f;
    Boss1.body.y = 0.0f;
    Boss3.body.x = 180.0f;
    Boss3.body.y = 100.0f;
    GameState.shipX = 370.0f;
    GameState.shipY = 520.0f;
    GameState.shipAlive = 1;
    elSystem::FrameClock.frameTime = 1.0f / 60.0f;
  }
  void TearDown() override {
    ResetBoss1();
    ResetBoss2();
    ResetBoss3();
  }
  static AimedStreamShot* SquadGroup(int fighter) { return kSquadAimedStream1.pool + 5 * fighter; }
};

TEST(AimRuleTest, EachQuadrantAndTheAxes) {
  // Right and below: the plain arctangent; left (below or above) and straight above: half a turn more.
  EXPECT_FLOAT_EQ(shots::AimAngle(100.0f, 100.0f, 0.0f), std::atan(1.0f));
  EXPECT_FLOAT_EQ(shots::AimAngle(100.0f, -100.0f, 0.0f), -std::atan(1.0f));
  EXPECT_FLOAT_EQ(shots::AimAngle(-100.0f, 100.0f, 0.0f), -std::atan(1.0f) + kPi);
  EXPECT_FLOAT_EQ(shots::AimAngle(-100.0f, -100.0f, 0.0f), std::atan(1.0f) + kPi);
  // dx 0: straight below is a quarter turn, straight above and on the point three quarters.
  EXPECT_EQ(shots::AimAngle(0.0f, 50.0f, 0.0f), kHalfPi);
  EXPECT_EQ(shots::AimAngle(0.0f, -50.0f, 0.0f), kHalfPi + kPi);
  EXPECT_EQ(shots::AimAngle(0.0f, 0.0f, 0.0f), kHalfPi + kPi);
  // Level: left is half a turn, right is 0.
  EXPECT_FLOAT_EQ(shots::AimAngle(-80.0f, 0.0f, 0.0f), kPi);
  EXPECT_EQ(shots::AimAngle(80.0f, 0.0f, 0.0f), 0.0f);
  // The heading offset is added before the half turn.
  EXPECT_FLOAT_EQ(shots::AimAngle(-100.0f, -100.0f, shots::Radians(18)), std::atan(1.0f) + 0.31415927f + kPi);
}

TEST_F(ShotTest, BossStreamFiresOneGroupFromItsEmitterAtRisingSpeeds) {
  GameState.shipX = 250.0f;  // aim point (265, 535) lies straight below the emitter (265, 100)
  FireBoss1AimedStream3();
  const float speeds[] = {260, 280, 300, 320, 340};
  for (int i = 0; i < 5; ++i) {
    const AimedStreamShot& r = kBoss1AimedStream3.pool[i];
    EXPECT_EQ(r.active, 1);
    EXPECT_EQ(r.x, 265.0f);
    EXPECT_EQ(r.y, 100.0f);
    EXPECT_EQ(r.startX, 265.0f);
    EXPECT_EQ(r.aimDx, 0.0f);
    EXPECT_EQ(r.aimDy, 435.0f);
    EXPECT_FLOAT_EQ(r.angle, 1.8849556f);  // a quarter turn plus 18 degrees
    EXPECT_EQ(r.speed, speeds[i]);
  }
  // Stream 4 aims at the ship plus 9 with no offset.
  FireBoss1AimedStream4();
  EXPECT_EQ(kBoss1AimedStream4.pool[0].aimDx, 250.0f + 9.0f - 265.0f);
  // A second fire while the group lives changes nothing.
  GameState.shipX = 100.0f;
  FireBoss1AimedStream3();
  EXPECT_FLOAT_EQ(kBoss1AimedStream3.pool[0].angle, 1.8849556f);
}

TEST_F(ShotTest, GroupEndsWhenItsFirstRecordPassesAnEdge) {
  elSystem::FrameClock.frameTime = 0.0f;  // no motion: the positions below are tested as they stand
  struct Edge {
    float x, y;
    bool ends;
  };
  const Edge edges[] = {{-30.0f, 300.0f, false}, {-30.01f, 300.0f, true}, {800.0f, 300.0f, false},
                        {800.01f, 300.0f, true}, {300.0f, -30.0f, false}, {300.0f, -30.01f, true},
                        {300.0f, 600.0f, false}, {300.0f, 600.01f, true}};
  for (const Edge& e : edges) {
    AimedStreamShot* group = SquadGroup(3);
    for (int i = 0; i < 5; ++i) group[i] = AimedStreamShot{0, 300.0f, 300.0f, 0, 0, 0, 0, 0, 0, 0, 1};
    group[0].x = e.x;
    group[0].y = e.y;
    UpdateSquadAimedStream1(3);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(group[i].active, e.ends ? 0 : 1) << e.x << "," << e.y << " record " << i;
    // An ended record is not parked: it keeps its place.
    EXPECT_EQ(group[0].x, e.x);
  }
  // An aimed shot tests its own position and is parked when it leaves.
  AimedStreamShot& shot = kSquadAimedShot1.pool[2];
  shot = AimedStreamShot{0, 300.0f, 600.01f, 0, 0, 0, 0, 0, 0, 0, 1};
  UpdateSquadAimedShot1(2);
  EXPECT_EQ(shot.active, 0);
  EXPECT_EQ(shot.y, 2550.0f);
}

TEST_F(ShotTest, ContactBoxIsInclusiveAtBothEnds) {
  elSystem::FrameClock.frameTime = 0.0f;
  // Squadron stream box 10..30 x 10..30 from the ship's corner (370, 520).
  struct Case {
    float ddx, ddy;
    int alive;
  };
  const Case cases[] = {{10, 10, 0}, {30, 30, 0}, {10, 30, 0}, {9.99f, 20, 1},
                        {30.01f, 20, 1}, {20, 9.99f, 1}, {20, 30.01f, 1}};
  for (const Case& c : cases) {
    GameState.shipAlive = 1;
    AimedStreamShot* group = SquadGroup(2);
    for (int i = 0; i < 5; ++i) group[i] = AimedStreamShot{0, 300.0f, 300.0f, 0, 0, 0, 0, 0, 0, 0, 1};
    group[2].x = 370.0f + c.ddx;
    group[2].y = 520.0f + c.ddy;
    UpdateSquadAimedStream1(2);
    EXPECT_EQ(GameState.shipAlive, c.alive) << c.ddx << "," << c.ddy;
    EXPECT_EQ(group[2].active, 1) << "a touch does not end the shot";
  }
  // The aimed shot's box starts 20 pixels down: 10..30 x 20..30.
  GameState.shipAlive = 1;
  AimedStreamShot& shot = kSquadAimedShot1.pool[0];
  shot = AimedStreamShot{0, 380.0f, 539.0f, 0, 0, 0, 0, 0, 0, 0, 1};
  UpdateSquadAimedShot1(0);
  EXPECT_EQ(GameState.shipAlive, 1);
  shot.y = 540.0f;
  UpdateSquadAimedShot1(0);
  EXPECT_EQ(GameState.shipAlive, 0);
}

TEST_F(ShotTest, ShipFlagIsClearedOnceAndNeverRaised) {
  elSystem::FrameClock.frameTime = 0.0f;
  AimedStreamShot* group = SquadGroup(4);
  for (int i = 0; i < 5; ++i) group[i] = AimedStreamShot{0, 390.0f, 540.0f, 0, 0, 0, 0, 0, 0, 0, 1};
  UpdateSquadAimedStream1(4);
  EXPECT_EQ(GameState.shipAlive, 0);
  // With the flag already 0 no test runs and nothing raises it again.
  for (int i = 0; i < 5; ++i) group[i].x = 100.0f;
  UpdateSquadAimedStream1(4);
  EXPECT_EQ(GameState.shipAlive, 0);
  // An ended record keeps its position and is still tested there.
  GameState.shipAlive = 1;
  for (int i = 0; i < 5; ++i) group[i] = AimedStreamShot{0, 390.0f, 540.0f, 0, 0, 0, 0, 0, 0, 0, 0};
  UpdateSquadAimedStream1(4);
  EXPECT_EQ(GameState.shipAlive, 0);
}

TEST_F(ShotTest, SquadronShotsFireFromTheirFighter) {
  SquadFighters[5].x = 300.0f;
  SquadFighters[5].y = 100.0f;
  std::srand(11);
  const int expectedSpeed = std::rand() % 50 + 130;
  std::srand(11);
  FireSquadAimedShot1(5);
  const AimedStreamShot& shot = kSquadAimedShot1.pool[5];
  EXPECT_EQ(shot.active, 1);
  EXPECT_EQ(shot.x, 325.0f);
  EXPECT_EQ(shot.y, 150.0f);
  EXPECT_EQ(shot.speed, static_cast<float>(expectedSpeed));
  EXPECT_EQ(shot.aimDx, 370.0f + 15.0f - 325.0f);
  EXPECT_EQ(shot.aimDy, 520.0f + 15.0f - 150.0f);
  EXPECT_FLOAT_EQ(shot.angle, std::atan((535.0f - 150.0f) / (385.0f - 325.0f)));

  FireSquadAimedStream1(5);
  const AimedStreamShot* group = SquadGroup(5);
  EXPECT_EQ(group[0].x, 325.0f);
  EXPECT_EQ(group[0].y, 125.0f);
  EXPECT_EQ(SquadGroup(4)[0].active, 0) << "only the fighter's own group fires";
}

TEST_F(ShotTest, SideSteppingStreamsDriftForTheirFirst300Units) {
  Boss3.body.x = 200.0f;
  GameState.shipX = 290.0f;  // straight below the left emitter (305, 200)
  FireBoss3AimedStream29();
  FireBoss3AimedStream30();
  elSystem::FrameClock.frameTime = 0.5f;
  UpdateBoss3AimedStream29();
  UpdateBoss3AimedStream30();
  const AimedStreamShot& left = kBoss3AimedStream29.pool[0];
  const AimedStreamShot& right = kBoss3AimedStream30.pool[0];
  EXPECT_EQ(left.sideStep, 130.0f);
  EXPECT_NEAR(left.x, 305.0f - 0.5f * 260.0f * 0.5f, 1e-3f);
  EXPECT_NEAR(left.y, 200.0f + 260.0f * 0.5f / 10.0f + 260.0f * 0.5f, 1e-3f);
  EXPECT_NEAR(right.x, 505.0f + 0.5f * 260.0f * 0.5f + std::cos(right.angle) * 130.0f, 1e-2f);
  // Past 300 the timer holds and the shot flies straight on its heading.
  elSystem::FrameClock.frameTime = 0.7f;
  UpdateBoss3AimedStream29();
  const float x = left.x;
  UpdateBoss3AimedStream29();
  EXPECT_EQ(left.sideStep, 300.0f);
  EXPECT_NEAR(left.x, x, 1e-3f);
  // A new fire starts the drift again.
  kBoss3AimedStream29.pool[0].active = 0;
  FireBoss3AimedStream29();
  EXPECT_EQ(left.sideStep, 0.0f);
}

}  // namespace
