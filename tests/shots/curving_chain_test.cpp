// The stage-3 boss's curving chains: launch, curve, drift, the whole-chain end and contact.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "framework/el_draw.h"
#include "framework/el_input.h"
#include "game/assets.h"
#include "game/game_state.h"
#include "platform/png_writer.h"
#include "shots/aimed_ring_kinds.h"
#include "shots/curving_chain_kinds.h"
#include "shots/drop_group_kinds.h"
#include "shots/hook_sprite_kinds.h"
#include "stages/bosses.h"
#include "support/headless_game.h"

namespace {

constexpr float kStart = 0.6283185f;

class CurvingChainTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetBoss3CurvingChain1();
    ResetBoss3CurvingChain2();
    ResetBoss3CurvingChain3();
    Boss3.body.x = 180.0f;
    Boss3.body.y = 0.0f;
    GameState.shipX = 370.0f;
    GameState.shipY = 520.0f;
    GameState.shipAlive = 1;
    elSystem::FrameClock.frameTime = 0.05f;  // the turn timer rises by exactly 1 a call
  }
  void TearDown() override { Boss3.body = LargeEnemyRecord{}; }
  static CurvingFanShot* Chain1() { return kBoss3CurvingChain1.pool; }
  static CurvingFanShot* Chain2() { return kBoss3CurvingChain2.pool; }
};

TEST_F(CurvingChainTest, FireStartsEverySegmentFromTheLaunchPointOnce) {
  FireBoss3CurvingChain1();
  FireBoss3CurvingChain3();
  const float speeds[] = {163, 171, 178, 184, 188, 191, 193};
  for (int k = 0; k < 7; ++k) {
    const CurvingFanShot& s = Chain1()[k];
    EXPECT_EQ(s.active, 1);
    EXPECT_EQ(s.x, 385.0f);
    EXPECT_EQ(s.y, 30.0f);
    EXPECT_EQ(s.angle, -kStart);
    EXPECT_EQ(s.speed, speeds[k]);
    EXPECT_EQ(s.turnTimer, 0.0f);
    EXPECT_EQ(kBoss3CurvingChain3.pool[k].x, 345.0f);
    EXPECT_EQ(kBoss3CurvingChain3.pool[k].y, 20.0f);
  }
  // A Fire while the chain flies changes nothing.
  UpdateBoss3CurvingChain1();
  const float x = Chain1()[3].x;
  Boss3.body.x = 0.0f;
  FireBoss3CurvingChain1();
  EXPECT_EQ(Chain1()[3].x, x);
}

TEST_F(CurvingChainTest, ChainOneHeadsDownLeftTurnsOnceACallAndDriftsFromTheSecondFrame) {
  FireBoss3CurvingChain1();
  UpdateBoss3CurvingChain1();
  // First frame: against the heading of -36 degrees, no member drift yet.
  const CurvingFanShot& tail = Chain1()[0];
  EXPECT_NEAR(tail.x, 385.0f - std::cos(kStart) * 163.0f * 0.05f, 1e-4f);
  EXPECT_NEAR(tail.y, 30.0f + std::sin(kStart) * 163.0f * 0.05f, 1e-4f);
  EXPECT_FLOAT_EQ(tail.angle, -kStart - 0.0224399f);
  EXPECT_EQ(tail.driftX, 16.0f);
  EXPECT_EQ(Chain1()[6].driftY, -26.0f);
  // Second frame: the drift set last frame moves segment k by -m(k) in both axes.
  const float x = tail.x, y = tail.y, a = tail.angle;
  UpdateBoss3CurvingChain1();
  EXPECT_NEAR(tail.x, x - std::cos(a) * 163.0f * 0.05f - 16.0f * 0.05f, 1e-4f);
  EXPECT_NEAR(tail.y, y - std::sin(a) * 163.0f * 0.05f - 16.0f * 0.05f, 1e-4f);
  // The turn: timer 1 .. 17 turns (17 steps), then it holds at 18 and the heading is fixed.
  for (int i = 2; i < 30; ++i) UpdateBoss3CurvingChain1();
  EXPECT_EQ(tail.turnTimer, 18.0f);
  EXPECT_NEAR(tail.angle, -kStart - 17 * 0.0224399f, 1e-5f);
  // A slower frame rate gives fewer steps: timer 5, 10, 15 turn, 20 does not.
  ResetBoss3CurvingChain3();
  FireBoss3CurvingChain3();
  elSystem::FrameClock.frameTime = 0.25f;
  for (int i = 0; i < 4; ++i) UpdateBoss3CurvingChain3();
  EXPECT_NEAR(kBoss3CurvingChain3.pool[0].angle, -kStart - 3 * 0.0196350f, 1e-6f);
}

TEST_F(CurvingChainTest, SegmentsStringOutWithTheLeaderAheadAndChainTwoIsTheMirrorImage) {
  FireBoss3CurvingChain1();
  FireBoss3CurvingChain2();
  for (int i = 0; i < 20; ++i) {
    UpdateBoss3CurvingChain1();
    UpdateBoss3CurvingChain2();
  }
  // After 1 s (20 calls, 17 turn steps): chain 1 has gone down and to the left, the tail drifting up
  // and left, the leader down and right, and chain 2 is its mirror image about the launch point.
  EXPECT_NEAR(Chain1()[0].x, 261.62f, 0.01f);
  EXPECT_NEAR(Chain1()[0].y, 135.04f, 0.01f);
  EXPECT_NEAR(Chain1()[6].x, 281.61f, 0.01f);
  EXPECT_NEAR(Chain1()[6].y, 197.07f, 0.01f);
  const float gaps[] = {12.62f, 11.98f, 11.39f, 10.40f, 10.01f, 9.71f};
  for (int k = 1; k < 7; ++k) {
    const float gap = std::hypot(Chain1()[k].x - Chain1()[k - 1].x, Chain1()[k].y - Chain1()[k - 1].y);
    EXPECT_NEAR(gap, gaps[k - 1], 0.01f) << k;
  }
  for (int k = 0; k < 7; ++k) {
    EXPECT_NEAR(Chain2()[k].x - 385.0f, 385.0f - Chain1()[k].x, 1e-3f) << k;
    EXPECT_NEAR(Chain2()[k].y, Chain1()[k].y, 1e-3f) << k;
    EXPECT_FLOAT_EQ(Chain2()[k].angle, -Chain1()[k].angle);
  }
}

TEST_F(CurvingChainTest, WholeChainEndsWithSegmentZeroAndEndedSegmentsStayTouchable) {
  FireBoss3CurvingChain1();
  elSystem::FrameClock.frameTime = 0.0f;
  // Exactly 30 to the left of the screen stays; beyond it the chain ends.
  Chain1()[0].x = -30.0f;
  Chain1()[4].x = 700.0f;
  UpdateBoss3CurvingChain1();
  EXPECT_EQ(Chain1()[4].active, 1);
  Chain1()[0].y = 600.01f;
  Chain1()[4].turnTimer = 6.0f;
  UpdateBoss3CurvingChain1();
  for (int k = 0; k < 7; ++k) {
    EXPECT_EQ(Chain1()[k].active, 0) << k;
    EXPECT_EQ(Chain1()[k].angle, -kStart);
    EXPECT_EQ(Chain1()[k].driftX, 0.0f);
  }
  EXPECT_EQ(Chain1()[4].x, 700.0f) << "an ended segment keeps its place";
  EXPECT_EQ(Chain1()[4].turnTimer, 0.0f);
  // Segment 5 ended on screen over the ship: the box is 0..30 x 10..30, inclusive.
  Chain1()[5].x = 370.0f + 30.0f;
  Chain1()[5].y = 520.0f + 10.0f;
  UpdateBoss3CurvingChain1();
  EXPECT_EQ(GameState.shipAlive, 0);
  GameState.shipAlive = 1;
  Chain1()[5].y = 520.0f + 9.99f;
  UpdateBoss3CurvingChain1();
  EXPECT_EQ(GameState.shipAlive, 1);
  // The next Fire starts them all again.
  FireBoss3CurvingChain1();
  EXPECT_EQ(Chain1()[4].x, 385.0f);
}

TEST_F(CurvingChainTest, RestState) {
  FireBoss3CurvingChain2();
  UpdateBoss3CurvingChain2();
  ResetBoss3CurvingChain2();
  for (int k = 0; k < 7; ++k) {
    const CurvingFanShot& s = Chain2()[k];
    EXPECT_EQ(s.active, 0);
    EXPECT_EQ(s.x + s.y, -500.0f + 2550.0f);
    EXPECT_EQ(s.speed + s.driftX + s.driftY + s.turnTimer, 0.0f);
    EXPECT_EQ(s.angle, -0.05235988f);
  }
}

// Every kind of the four boss templates in flight, drawn into the back buffer and written as
// boss_shots_stage2.png and boss_shots_stage3.png in the build directory for a person to look at.
class BossShotPictures : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::FreshHost();
    LoadAssets();
    GameState.shipX = 370.0f;
    GameState.shipY = 520.0f;
    GameState.shipAlive = 0;  // no contact while the picture is made
    elSystem::FrameClock.frameTime = 1.0f / 60.0f;
  }
  void TearDown() override {
    Boss2.body = LargeEnemyRecord{};
    Boss3.body = LargeEnemyRecord{};
  }
  // Writes the back buffer and says how many pixels of the play field are lit.
  static int WriteBackBuffer(const char* name) {
    int pitch = 0;
    const std::uint16_t* pixels = elDraw::BackBufferPixels(pitch);
    const std::string path = testing_support::BuildDir() + "/" + name;
    EXPECT_TRUE(plat::WritePngRgb565(path.c_str(), pixels, 800, 600, pitch)) << path;
    std::printf("written %s\n", path.c_str());
    int lit = 0;
    for (int y = 0; y < 600; ++y)
      for (int x = 0; x < 800; ++x) lit += pixels[y * pitch + x] != 0 ? 1 : 0;
    return lit;
  }
};

#define TICK(Name, ...) Tick##Name();
#define SPAWN(Name, ...) Spawn##Name();
#define UPDATE(Name, ...) Update##Name();
#define DRAW(Name, ...) Draw##Name();

TEST_F(BossShotPictures, StageThreeChainsHooksAndSpreads) {
  Boss3.body.x = 180.0f;
  Boss3.body.y = 0.0f;
  FireBoss3CurvingChain1();
  FireBoss3CurvingChain2();
  for (int f = 0; f < 60; ++f) {
    if (f == 30) {
      FireBoss3CurvingChain3();
      FireBoss3CurvingChain4();
    }
    BOSS3_HOOK_SPRITE_KINDS(TICK)
    BOSS3_AIMED_RING_KINDS(TICK)
    BOSS3_CURVING_CHAIN_KINDS(UPDATE)
    BOSS3_HOOK_SPRITE_KINDS(UPDATE)
    BOSS3_AIMED_RING_KINDS(UPDATE)
  }
  elDraw::ClearBackBuffer();
  BOSS3_HOOK_SPRITE_KINDS(DRAW)
  BOSS3_AIMED_RING_KINDS(DRAW)
  BOSS3_CURVING_CHAIN_KINDS(DRAW)
  EXPECT_GT(WriteBackBuffer("boss_shots_stage3.png"), 2000);
}

TEST_F(BossShotPictures, StageTwoDropGroupsAndRings) {
  Boss2.body.x = 150.0f;
  Boss2.body.y = 0.0f;
  for (int f = 0; f < 90; ++f) {
    if (f % 30 == 0) {
      BOSS2_DROP_GROUP_KINDS(SPAWN)
    }
    BOSS2_AIMED_RING_KINDS(TICK)
    BOSS2_AIMED_RING_KINDS(UPDATE)
    BOSS2_DROP_GROUP_KINDS(UPDATE)
  }
  elDraw::ClearBackBuffer();
  kBoss2AimedRing1.pool[0].cell = 23;
  kBoss2DropGroup8.pool[0].cell = 15;
  BOSS2_AIMED_RING_KINDS(DRAW)
  BOSS2_DROP_GROUP_KINDS(DRAW)
  EXPECT_GT(WriteBackBuffer("boss_shots_stage2.png"), 2000);
  // Each draw advanced the animation: the ring's 23 and the drop's 15 wrapped to 0.
  EXPECT_EQ(kBoss2AimedRing1.pool[0].cell, 0);
  EXPECT_EQ(kBoss2DropGroup8.pool[0].cell, 0);
}

#undef TICK
#undef SPAWN
#undef UPDATE
#undef DRAW

}  // namespace
