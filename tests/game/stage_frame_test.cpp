// The stage-1 frame: its clock, music counter, entry, pause and continue.
#include "player_fixture.h"
#include "stages/stage_frame.h"

namespace {

class StageFrameTest : public PlayerTest {
 protected:
  void SetUp() override {
    PlayerTest::SetUp();
    SceneState = SceneStateRecord{SceneId::Stage1, SceneId::Stage1, 0};
  }
};

TEST_F(StageFrameTest, TheClockRunsAtTwentyUnitsASecondAndTheMusicCounterWraps) {
  elSystem::FrameClock.frameTime = 0.5f;
  RunStage1Scene();
  EXPECT_FLOAT_EQ(GameState.stageClock, 10.0f);
  EXPECT_EQ(GameState.musicCounter, 1);
  GameState.musicCounter = 100999998;
  RunStage1Scene();
  EXPECT_EQ(GameState.musicCounter, 0);
}

TEST_F(StageFrameTest, TheFirstFrameClearsAPauseLeftFromBefore) {
  GameState.paused = 1;
  GameState.gameOver = 1;
  SceneState.sceneEntered = 1;
  const int presents = plat::headless::PresentCount();
  RunStage1Scene();
  EXPECT_EQ(GameState.paused, 0);
  EXPECT_EQ(GameState.gameOver, 0);
  EXPECT_EQ(plat::headless::PresentCount(), presents + 1);
}

TEST_F(StageFrameTest, YContinuesOnlyAfterGameOver) {
  GameState.paused = 1;
  elInput::LastTypedKey = 'Y';
  RunStage1Scene();
  EXPECT_EQ(GameState.paused, 1);  // paused by S: Y does nothing

  GameState.gameOver = 1;
  GameState.score = 1234;
  GameState.capsuleCounter = 9;
  GameState.shipStock = -15;
  GameState.shipAlive = 0;
  const float clock = GameState.stageClock;
  const int presents = plat::headless::PresentCount();
  RunStage1Scene();  // the continue check alone: nothing drawn
  EXPECT_EQ(plat::headless::PresentCount(), presents);
  EXPECT_EQ(GameState.paused, 0);
  EXPECT_EQ(GameState.gameOver, 0);
  EXPECT_EQ(GameState.score, 0);
  EXPECT_EQ(GameState.capsuleCounter, 5);
  EXPECT_EQ(GameState.shipStock, 111);
  EXPECT_EQ(GameState.respawning, 1);
  EXPECT_EQ(GameState.shipAlive, 1);
  EXPECT_EQ(GameState.stageClock, clock);
}

}  // namespace
