// Stage 1's turret and stage-1 enemy rows, run through the stage frame.
#include "game/player_fixture.h"
#include "shots/aimed_shot.h"
#include "shots/dropped_shot.h"
#include "shots/fixed_stream.h"
#include "stages/stage1_enemies.h"
#include "stages/turrets.h"

namespace {

class Stage1EnemyRowsTest : public PlayerTest {
 protected:
  void SetUp() override {
    PlayerTest::SetUp();
    SceneState = SceneStateRecord{SceneId::Stage1, SceneId::Stage1, 0};
    elSystem::FrameClock.frameTime = 0.0f;  // the clock stays where a test puts it
  }
  static void FramesAt(float clock, int frames) {
    for (int i = 0; i < frames; ++i) {
      GameState.stageClock = clock;
      RunStage1Scene();
    }
  }
};

TEST_F(Stage1EnemyRowsTest, TurretSpawnersTickOnlyInsideTheirWindows) {
  FramesAt(160.0f, 40);
  EXPECT_EQ(Turrets1[0].spawnTick, 0) << "the window is strict";
  FramesAt(160.01f, 30);
  EXPECT_EQ(Turrets1[0].active, 1);
  EXPECT_EQ(Turrets2[0].spawnTick, 0);
  FramesAt(200.0f, 5);
  EXPECT_EQ(Turrets1[0].spawnTick, 30);
  EXPECT_EQ(Turrets2[0].spawnTick, 0);
  FramesAt(225.0f, 5);
  EXPECT_EQ(Turrets2[0].spawnTick, 5);
  // Both diving kinds tick together at 900..960, the climbing kinds at 950..1000 and 1150..1200.
  FramesAt(930.0f, 2);
  EXPECT_EQ(Turrets1[0].spawnTick, 32);
  EXPECT_EQ(Turrets2[0].spawnTick, 7);
  FramesAt(1175.0f, 3);
  EXPECT_EQ(Turrets3[0].spawnTick, 3);
  EXPECT_EQ(Turrets4[0].spawnTick, 3);
}

TEST_F(Stage1EnemyRowsTest, EnemiesDAndFComeInFiringTheirStreams) {
  FramesAt(550.0f, 1);
  EXPECT_EQ(Stage1EnemiesD[0].active, 0);
  FramesAt(550.01f, 1);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(Stage1EnemiesD[i].active, 1);
    EXPECT_EQ(Stage1EnemiesF[i].active, 1);
    EXPECT_EQ(kStage1EnemyDFixedStream1.pool[5 * i].x, 140.0f);
    EXPECT_EQ(kStage1EnemyFFixedStream1.pool[5 * i].x, 630.0f);
    EXPECT_EQ(kStage1EnemyDFixedStream1.pool[5 * i].active, 1);
  }
}

TEST_F(Stage1EnemyRowsTest, EnemiesEAndGComeInOneByOneDroppingShots) {
  FramesAt(1075.0f, 99);
  EXPECT_EQ(Stage1EnemiesE[0].active, 0);
  FramesAt(1075.0f, 1);
  EXPECT_EQ(Stage1EnemiesE[0].active, 1);
  EXPECT_EQ(Stage1EnemiesG[0].active, 1);
  FramesAt(1075.0f, 1);  // the shots are fired from where the enemy was spawned
  EXPECT_EQ(kStage1EnemyEDroppedShot1.pool[0].active, 1);
  EXPECT_EQ(kStage1EnemyEDroppedShot1.pool[0].x, 127.0f);
  EXPECT_EQ(kStage1EnemyGDroppedShot4.pool[0].x, 657.0f);
  EXPECT_EQ(Stage1EnemiesE[1].active, 0);
  FramesAt(1150.0f, 200);
  EXPECT_EQ(Stage1EnemiesE[1].active, 0) << "outside the window the spawner does not count";
}

}  // namespace
