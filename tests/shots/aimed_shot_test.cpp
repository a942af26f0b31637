// The turrets' aimed shots: one per turret, fired for every turret of the kind, aimed at the ship
// + 22 at a random speed, with the squadron aimed shot's edges and contact box.
#include "shots/aimed_shot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "framework/el_input.h"
#include "game/game_state.h"
#include "stages/turrets.h"

namespace {

class TurretAimedShotTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetTurret1();
    ResetTurret2();
    ResetTurret1AimedShot1();
    ResetTurret2AimedShot1();
    GameState.shipX = 370.0f;
    GameState.shipY = 520.0f;
    GameState.shipAlive = 1;
    elSystem::FrameClock.frameTime = 0.5f;
  }
};

TEST_F(TurretAimedShotTest, FireAimsEveryFreeRecordFromItsTurretAtARandomSpeed) {
  Turrets2[1].x = 350.0f;  // (392, 150): the aim point (392, 542) lies straight below
  Turrets2[1].y = 100.0f;
  Turrets2[3].x = 200.0f;
  Turrets2[3].y = 100.0f;
  std::srand(21);
  int speeds[5];
  for (int& s : speeds) s = std::rand() % 100 + 210;
  std::srand(21);
  FireTurret2AimedShot1();
  const AimedStreamShot& below = kTurret2AimedShot1.pool[1];
  EXPECT_EQ(below.startX, 392.0f);
  EXPECT_EQ(below.startY, 150.0f);
  EXPECT_EQ(below.aimDx, 0.0f);
  EXPECT_EQ(below.aimDy, 392.0f);
  EXPECT_EQ(below.angle, 1.5707964f);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(kTurret2AimedShot1.pool[i].speed, static_cast<float>(speeds[i])) << i;
  const AimedStreamShot& right = kTurret2AimedShot1.pool[3];
  EXPECT_FLOAT_EQ(right.angle, std::atan((542.0f - 150.0f) / (392.0f - 242.0f)));
  // A live record keeps its heading; the shots of the other kind are untouched.
  GameState.shipX = 100.0f;
  FireTurret2AimedShot1();
  EXPECT_EQ(below.angle, 1.5707964f);
  EXPECT_EQ(kTurret1AimedShot1.pool[0].active, 0);
}

TEST_F(TurretAimedShotTest, FliesOnItsHeadingAndParksPastAnEdge) {
  Turrets1[0].x = 350.0f;
  Turrets1[0].y = 100.0f;
  FireTurret1AimedShot1();
  AimedStreamShot& r = kTurret1AimedShot1.pool[0];
  r.speed = 200.0f;
  UpdateTurret1AimedShot1();
  EXPECT_NEAR(r.x, 392.0f, 1e-3);
  EXPECT_FLOAT_EQ(r.y, 250.0f);
  EXPECT_EQ(r.active, 1);
  elSystem::FrameClock.frameTime = 0.0f;
  const float edges[][3] = {{-30.0f, 300.0f, 1},  {-30.01f, 300.0f, 0}, {800.0f, 300.0f, 1},
                            {800.01f, 300.0f, 0}, {300.0f, -30.01f, 0}, {300.0f, 600.01f, 0}};
  for (const auto& e : edges) {
    r.active = 1;
    r.x = e[0];
    r.y = e[1];
    UpdateTurret1AimedShot1();
    EXPECT_EQ(r.active, static_cast<int>(e[2])) << e[0] << "," << e[1];
    if (e[2] == 0.0f) {
      EXPECT_EQ(r.y, 2550.0f);
    }
  }
}

TEST_F(TurretAimedShotTest, ContactBoxIsTheSquadronAimedShotsAndTheShotFliesOn) {
  elSystem::FrameClock.frameTime = 0.0f;
  const float cases[][3] = {{10, 20, 0},     {30, 30, 0},     {9.99f, 25, 1},
                            {30.01f, 25, 1}, {20, 19.99f, 1}, {20, 30.01f, 1}};
  AimedStreamShot& r = kTurret2AimedShot1.pool[4];
  for (const auto& c : cases) {
    GameState.shipAlive = 1;
    r.active = 1;
    r.x = GameState.shipX + c[0];
    r.y = GameState.shipY + c[1];
    UpdateTurret2AimedShot1();
    EXPECT_EQ(GameState.shipAlive, static_cast<int>(c[2])) << c[0] << "," << c[1];
    EXPECT_EQ(r.active, 1);
  }
}

}  // namespace
