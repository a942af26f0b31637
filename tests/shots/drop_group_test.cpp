// The stage-2 boss's drop groups: spawn, fall, the group drift applied once per member, cull and contact.
#include <gtest/gtest.h>

#include <cstdlib>

#include "framework/el_input.h"
#include "game/game_state.h"
#include "shots/drop_group_kinds.h"
#include "stages/bosses.h"

namespace {

class DropGroupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetBoss2DropGroup8();
    ResetBoss2DropGroup11();
    ResetBoss2DropGroup16();
    Boss2.body.x = 150.0f;
    Boss2.body.y = 0.0f;
    GameState.shipX = 370.0f;
    GameState.shipY = 520.0f;
    GameState.shipAlive = 1;
    elSystem::FrameClock.frameTime = 0.1f;
  }
  void TearDown() override { Boss2.body = LargeEnemyRecord{}; }
};

TEST_F(DropGroupTest, SpawnPlacesOnlyTheMembersAtRest) {
  SpawnBoss2DropGroup16();
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(kBoss2DropGroup16.pool[k].active, 1);
    EXPECT_EQ(kBoss2DropGroup16.pool[k].x, 392.0f);
    EXPECT_EQ(kBoss2DropGroup16.pool[k].y, 200.0f);
  }
  UpdateBoss2DropGroup16();
  kBoss2DropGroup16.pool[2].active = 0;
  SpawnBoss2DropGroup16();
  EXPECT_EQ(kBoss2DropGroup16.pool[2].y, 200.0f);
  EXPECT_FLOAT_EQ(kBoss2DropGroup16.pool[0].y, 211.0f) << "a falling member is not restarted";
}

TEST_F(DropGroupTest, MembersSpreadAtTheMemberCountTimesTheirSpeed) {
  SpawnBoss2DropGroup8();
  SpawnBoss2DropGroup11();
  SpawnBoss2DropGroup16();
  UpdateBoss2DropGroup8();
  UpdateBoss2DropGroup11();
  UpdateBoss2DropGroup16();
  // 0.1 s: group 8 (two members) at -30 and +30 px/s, falling 140 px/s.
  EXPECT_NEAR(kBoss2DropGroup8.pool[0].x, 392.0f - 3.0f, 1e-4f);
  EXPECT_NEAR(kBoss2DropGroup8.pool[1].x, 392.0f + 3.0f, 1e-4f);
  EXPECT_NEAR(kBoss2DropGroup8.pool[0].y, 214.0f, 1e-4f);
  EXPECT_EQ(kBoss2DropGroup8.pool[1].fallSpeed, 140.0f);
  // Group 11 (three members): -39, 0, +39, falling 120; group 16 (four): -28, +28, -80, +80, falling 110.
  EXPECT_NEAR(kBoss2DropGroup11.pool[0].x, 392.0f - 3.9f, 1e-4f);
  EXPECT_EQ(kBoss2DropGroup11.pool[1].x, 392.0f);
  EXPECT_NEAR(kBoss2DropGroup11.pool[2].y, 212.0f, 1e-4f);
  const float spread16[] = {-2.8f, 2.8f, -8.0f, 8.0f};
  for (int k = 0; k < 4; ++k) EXPECT_NEAR(kBoss2DropGroup16.pool[k].x, 392.0f + spread16[k], 1e-4f);
  EXPECT_NEAR(kBoss2DropGroup16.pool[3].y, 211.0f, 1e-4f);
  // The drift runs on resting members too; they stay where they rest in y.
  const DropGroupShot& resting = kBoss2DropGroup16.pool[0];
  kBoss2DropGroup16.pool[0] = DropGroupShot{0, 0, -500.0f, 2550.0f, 0.0f, 0.0f, 0};
  UpdateBoss2DropGroup16();
  EXPECT_NEAR(resting.x, -502.8f, 1e-3f);
  EXPECT_EQ(resting.y, 2550.0f);
}

TEST_F(DropGroupTest, CulledOnlyBelowTheBottomEdgeAndContactLeavesTheMember) {
  elSystem::FrameClock.frameTime = 0.0f;
  SpawnBoss2DropGroup8();
  DropGroupShot* members = kBoss2DropGroup8.pool;
  members[0].y = 600.0f;
  members[1].x = -200.0f;  // far out sideways: not culled
  UpdateBoss2DropGroup8();
  EXPECT_EQ(members[0].active, 1);
  EXPECT_EQ(members[1].active, 1);
  members[0].y = 600.01f;
  UpdateBoss2DropGroup8();
  EXPECT_EQ(members[0].active, 0);
  EXPECT_EQ(members[0].x, -500.0f);
  EXPECT_EQ(members[0].y, 2550.0f);
  // Box 14..30 x 24..30 from the ship's corner, inclusive.
  struct Case {
    float ddx, ddy;
    int alive;
  };
  const Case cases[] = {{14, 24, 0}, {30, 30, 0}, {13.99f, 27, 1}, {30.01f, 27, 1}, {20, 23.99f, 1}, {20, 30.01f, 1}};
  for (const Case& c : cases) {
    GameState.shipAlive = 1;
    members[1].x = 370.0f + c.ddx;
    members[1].y = 520.0f + c.ddy;
    UpdateBoss2DropGroup8();
    EXPECT_EQ(GameState.shipAlive, c.alive) << c.ddx << "," << c.ddy;
    EXPECT_EQ(members[1].active, 1);
  }
}

TEST_F(DropGroupTest, RestStateDrawsEachCellFromRandInMemberOrder) {
  SpawnBoss2DropGroup11();
  UpdateBoss2DropGroup11();
  std::srand(3);
  const int first = std::rand() % 10, second = std::rand() % 10, third = std::rand() % 10;
  std::srand(3);
  ResetBoss2DropGroup11();
  EXPECT_EQ(kBoss2DropGroup11.pool[0].cell, first);
  EXPECT_EQ(kBoss2DropGroup11.pool[1].cell, second);
  EXPECT_EQ(kBoss2DropGroup11.pool[2].cell, third);
  for (int k = 0; k < 3; ++k) {
    const DropGroupShot& r = kBoss2DropGroup11.pool[k];
    EXPECT_EQ(r.active, 0);
    EXPECT_EQ(r.x, -500.0f);
    EXPECT_EQ(r.y, 2550.0f);
    EXPECT_EQ(r.fallSpeed, 0.0f);
    EXPECT_EQ(r.tickCount, 0);
  }
}

}  // namespace
