// Stage 1's squadron, capsule and shot rows, run through the stage frame.
#include "game/player_fixture.h"
#include "game/power_capsule.h"
#include "shots/aimed_shot.h"
#include "shots/aimed_stream_kinds.h"
#include "stages/squadron.h"

namespace {

class Stage1RowsTest : public PlayerTest {
 protected:
  void SetUp() override {
    PlayerTest::SetUp();
    SceneState = SceneStateRecord{SceneId::Stage1, SceneId::Stage1, 0};
    elSystem::FrameClock.frameTime = 0.0f;  // the clock stays where a test puts it
  }
  static void FrameAt(float clock) {
    GameState.stageClock = clock;
    RunStage1Scene();
  }
};

TEST_F(Stage1RowsTest, CapsuleWindowsAreInclusiveAndStartOneCapsule) {
  const float outside[] = {499.99f, 550.01f, 799.99f, 850.01f, 949.99f, 1000.01f};
  for (float clock : outside) {
    FrameAt(clock);
    EXPECT_EQ(PowerCapsule.active, 0) << clock;
  }
  const float bounds[] = {500.0f, 550.0f, 800.0f, 850.0f, 950.0f, 1000.0f};
  for (float clock : bounds) {
    ResetPowerCapsule();
    GameState.capsulesSpawned = 0;
    FrameAt(clock);
    FrameAt(clock);
    EXPECT_EQ(PowerCapsule.active, 1) << clock;
    EXPECT_EQ(GameState.capsulesSpawned, 1) << "one capsule at a time, at clock " << clock;
  }
}

TEST_F(Stage1RowsTest, WaveWindowsAreStrictAndArmTheirSlots) {
  FrameAt(250.0f);
  EXPECT_EQ(SquadFighters[0].active, 0);
  EXPECT_EQ(SquadFighters[9].active, 1);  // 120..700
  EXPECT_EQ(SquadFighters[10].active, 1);
  FrameAt(250.01f);
  EXPECT_EQ(SquadFighters[0].active, 1);
  EXPECT_EQ(kSquadAimedShot1.pool[0].active, 1);
  EXPECT_EQ(kSquadAimedStream1.pool[0].active, 0) << "slot 0 fires no stream";
  FrameAt(350.01f);
  for (int slot : {1, 2}) {
    EXPECT_EQ(SquadFighters[slot].active, 1);
    EXPECT_EQ(kSquadAimedShot1.pool[slot].active, 1);
    // A stream fired from a fighter at y -80 starts at y -55, above its bounds: it ends in the same
    // frame, and the row fires it again on every frame until the fighter has come down far enough.
    EXPECT_EQ(kSquadAimedStream1.pool[5 * slot].active, 0);
    SquadFighters[slot].y = 100.0f;
  }
  FrameAt(350.01f);
  for (int slot : {1, 2}) EXPECT_EQ(kSquadAimedStream1.pool[5 * slot].active, 1);
}

}  // namespace
