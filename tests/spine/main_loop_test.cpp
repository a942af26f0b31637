// The program entry, the message loop and the scene machine.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "framework/el_draw.h"
#include "framework/el_input.h"
#include "framework/el_system.h"
#include "game/game_state.h"
#include "game/scene.h"
#include "platform/window_system.h"
#include "support/headless_game.h"

namespace {

class MainLoopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::FreshHost();
    testing_support::OpenGameWindow();
    elSystem::Framework.appActive = 1;
    ScreenTransition = ScreenTransitionRecord{};
  }
};

TEST_F(MainLoopTest, EnteredFlagSurvivesPassesWithoutADueFrame) {
  SceneState = SceneStateRecord{SceneId::Stage1, SceneId::Stage1, 0};
  ChangeScene(SceneId::Stage2, kWipeStage1ToStage2);
  EXPECT_EQ(SceneState.previousScene, SceneId::None);
  // Passes with no due frame: the start rule raises the flag and nothing lowers it.
  ASSERT_TRUE(RunMessageLoopPass());
  EXPECT_EQ(SceneState.sceneEntered, 1);
  const int granted = plat::headless::GrantedFrames();
  ASSERT_EQ(granted, 0);
  // The first granted frame of the new scene sees the flag; the end of that pass lowers it.
  while (plat::headless::GrantedFrames() == granted) {
    EXPECT_EQ(SceneState.sceneEntered, 1);
    ASSERT_TRUE(RunMessageLoopPass());
  }
  EXPECT_EQ(SceneState.sceneEntered, 0);
  EXPECT_EQ(SceneState.previousScene, SceneId::Stage2);
}

TEST_F(MainLoopTest, ScenesWithoutAFunctionNeverAskTheFrameGate) {
  for (int id : {0, 4, 6, 7, 8, 9}) {
    SceneState = SceneStateRecord{id, id, 0};
    const std::int64_t before = elSystem::FrameClock.now;
    plat::headless::AdvanceClock(100000000);
    for (int pass = 0; pass < 5; ++pass) ASSERT_TRUE(RunMessageLoopPass());
    EXPECT_EQ(elSystem::FrameClock.now, before) << "scene " << id;
    EXPECT_EQ(plat::headless::GrantedFrames(), 0);
  }
}

TEST_F(MainLoopTest, APassThatHandlesAMessageRunsNoFrame) {
  SceneState = SceneStateRecord{SceneId::Stage1, SceneId::Stage1, 0};
  plat::headless::AdvanceClock(50000000);  // a frame is due
  plat::headless::PostInput(plat::WM_KEYDOWN, 'Q', 0);
  ASSERT_TRUE(RunMessageLoopPass());
  EXPECT_EQ(plat::headless::GrantedFrames(), 0);
  ASSERT_TRUE(RunMessageLoopPass());
  EXPECT_EQ(plat::headless::GrantedFrames(), 1);
}

TEST_F(MainLoopTest, InactiveProgramRunsNoFrames) {
  SceneState = SceneStateRecord{SceneId::Stage1, SceneId::Stage1, 0};
  elSystem::Framework.appActive = 0;
  plat::headless::ScheduleMessage(3, plat::WM_ACTIVATEAPP, 1, 0);
  ASSERT_TRUE(RunMessageLoopPass());  // waits; the host lets the time before the activation pass
  EXPECT_EQ(plat::headless::GrantedFrames(), 0);
  ASSERT_TRUE(RunMessageLoopPass());  // the activation
  EXPECT_EQ(elSystem::Framework.appActive, 1);
  while (plat::headless::GrantedFrames() == 0) ASSERT_TRUE(RunMessageLoopPass());
  EXPECT_NEAR(elSystem::FrameClock.frameTime, 0.05f, 0.002f);  // the whole inactive time
}

TEST(ProgramTest, QuitEndsTheLoopWithZero) {
  testing_support::FreshHost();
  plat::headless::ScheduleKey(5, plat::VK_ESCAPE, true);
  EXPECT_EQ(testing_support::RunGame(100), 0);
  EXPECT_EQ(plat::headless::FinishedFrames(), 5);
  EXPECT_EQ(elSystem::Framework.shutdownDone, 1);
}

TEST(ProgramTest, ASecondCopyBringsTheFirstToTheFrontAndEnds) {
  testing_support::FreshHost();
  bool exists = false;
  ASSERT_NE(plat::CreateNamedMutex("Tessivane:ElMutex", exists), 0);
  plat::headless::AddForeignWindow("DEFAULT", "Tessivane");
  EXPECT_EQ(testing_support::RunGame(10), 0);
  EXPECT_EQ(plat::headless::ForeignRaises(), 1);
  EXPECT_EQ(plat::headless::FinishedFrames(), 0);
  EXPECT_EQ(plat::MainWindow(), plat::kNoWindow);
}

// A copy that holds the lock but does not come to the front (stopped, hung, or its window not made
// yet): the start says so and fails, instead of ending as if the first copy had been shown.
TEST(ProgramTest, ASecondCopyFacingACopyThatDoesNotAnswerSaysSoAndFails) {
  for (const bool windowFound : {true, false}) {
    testing_support::FreshHost();
    bool exists = false;
    ASSERT_NE(plat::CreateNamedMutex("Tessivane:ElMutex", exists), 0);
    if (windowFound) {
      plat::headless::AddForeignWindow("DEFAULT", "Tessivane", {plat::headless::ForeignCopy::Answer::Nothing, "", 0});
    }
    testing::internal::CaptureStderr();
    const int status = testing_support::RunGame(10);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(status, 1) << "window found: " << windowFound;
    EXPECT_NE(said.find("already running on display headless but did not come to the front"), std::string::npos)
        << said;
    EXPECT_EQ(plat::headless::FinishedFrames(), 0);
    EXPECT_EQ(plat::MainWindow(), plat::kNoWindow);
  }
}

// A copy that is quitting closes the request unanswered and lets its lock go: the start takes the lock
// and runs its own game. A copy still starting is asked again until it takes the request.
TEST(ProgramTest, ASecondCopyMeetingACopyThatQuitsOrStartsWaitsForIt) {
  using Answer = plat::headless::ForeignCopy::Answer;
  testing_support::FreshHost();
  bool exists = false;
  ASSERT_NE(plat::CreateNamedMutex("Tessivane:ElMutex", exists), 0);
  plat::headless::AddForeignWindow("DEFAULT", "Tessivane", {Answer::Closes, "Tessivane:ElMutex"});
  EXPECT_EQ(testing_support::RunGame(10), 0);
  EXPECT_EQ(plat::headless::ForeignRaises(), 1);
  EXPECT_EQ(plat::headless::FinishedFrames(), 10) << "the start meeting a quitting copy ran no game";

  for (const std::uint32_t listensFromMs : {300u, 1990u}) {
    testing_support::FreshHost();
    ASSERT_NE(plat::CreateNamedMutex("Tessivane:ElMutex", exists), 0);
    plat::headless::AddForeignWindow("DEFAULT", "Tessivane", {Answer::Shown, "", listensFromMs});
    EXPECT_EQ(testing_support::RunGame(10), 0) << "a copy taking requests after " << listensFromMs << " ms";
    EXPECT_EQ(plat::headless::ForeignRaises(), 1);
    EXPECT_EQ(plat::headless::FinishedFrames(), 0);
    EXPECT_GE(plat::TimeGetTime(), listensFromMs);
  }
}

TEST(ProgramTest, StartsOnTheTitleAndEnterWipesIntoStageOne) {
  testing_support::FreshHost();
  plat::headless::ScheduleKey(3, plat::VK_RETURN, true);
  plat::headless::ScheduleKey(4, plat::VK_RETURN, false);
  struct Seen {
    int scene[40];
    int entered[40];
    int wipe[40];
  } seen{};
  plat::headless::SetFrameDoneHook(
      [](int frame, void* user) {
        auto* s = static_cast<Seen*>(user);
        if (frame >= 40) return;
        s->scene[frame] = SceneState.currentScene;
        s->entered[frame] = SceneState.sceneEntered;
        s->wipe[frame] = ScreenTransition.counter;
      },
      &seen);
  ASSERT_EQ(testing_support::RunGame(40), 0);
  EXPECT_EQ(seen.scene[0], SceneId::Title);
  EXPECT_EQ(seen.entered[0], 1);
  EXPECT_EQ(seen.entered[1], 0);
  EXPECT_EQ(seen.scene[3], SceneId::Stage1);  // the title frame that saw Enter changed the scene
  EXPECT_EQ(seen.wipe[3], kWipeTitleToStage1);
  EXPECT_EQ(seen.entered[4], 1);  // the stage's first frame
  EXPECT_EQ(seen.entered[5], 0);
  EXPECT_EQ(seen.wipe[3 + kWipeTitleToStage1], 0);  // 26 presents later the wipe is over
  EXPECT_EQ(GameState.ControlMode, 1);
  EXPECT_EQ(elInput::LastTypedKey, 0);
}

TEST(ProgramTest, RealPacingFrameTimes) {
  testing_support::FreshHost();
  struct Times {
    float t[120];
  } times{};
  plat::headless::SetFrameDoneHook(
      [](int frame, void* user) {
        if (frame < 120) static_cast<Times*>(user)->t[frame] = elSystem::FrameClock.frameTime;
      },
      &times);
  SceneState = SceneStateRecord{};
  ASSERT_EQ(testing_support::RunGame(120), 0);
  // The title sleeps 20 ms after its present; the gate is then already due, so it runs at 50 frames
  // a second.
  EXPECT_FLOAT_EQ(times.t[0], 0.016f);
  for (int i = 1; i < 120; ++i) EXPECT_FLOAT_EQ(times.t[i], 0.020f) << i;
}

}  // namespace
