// Key states, the typed key and the key commands of the window procedure.
#include <gtest/gtest.h>

#include "framework/el_draw.h"
#include "framework/el_input.h"
#include "framework/el_system.h"
#include "game/game_state.h"
#include "game/scene.h"
#include "platform/window_system.h"
#include "support/headless_game.h"

namespace {

using plat::WM_KEYDOWN;
using plat::WM_KEYUP;

class InputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::FreshHost();
    testing_support::OpenGameWindow();
    ScreenTransition = ScreenTransitionRecord{};
    GameState = GameStateRecord{};
  }
  // Delivers every queued message to the window procedure, as the main loop does.
  void Pump() {
    plat::Message m;
    while (plat::PeekMessage(m, false) && m.message != plat::WM_QUIT) {
      plat::PeekMessage(m, true);
      plat::DispatchMessage(m);
    }
  }
  void Key(int vk, bool down) {
    plat::headless::PostInput(down ? WM_KEYDOWN : WM_KEYUP, static_cast<plat::WParam>(vk), 0);
    Pump();
  }
};

TEST_F(InputTest, KeyStateWalksThroughItsEdges) {
  int state = elInput::KeyUp;
  elInput::UpdateKey(plat::VK_LEFT, state);
  EXPECT_EQ(state, elInput::KeyUp);
  Key(plat::VK_LEFT, true);
  elInput::UpdateKey(plat::VK_LEFT, state);
  EXPECT_EQ(state, elInput::KeyPressed);
  elInput::UpdateKey(plat::VK_LEFT, state);
  EXPECT_EQ(state, elInput::KeyHeld);
  Key(plat::VK_LEFT, false);
  elInput::UpdateKey(plat::VK_LEFT, state);
  EXPECT_EQ(state, elInput::KeyReleased);
  // Pressed again on the very next poll: reads held, not pressed.
  Key(plat::VK_LEFT, true);
  elInput::UpdateKey(plat::VK_LEFT, state);
  EXPECT_EQ(state, elInput::KeyHeld);
  Key(plat::VK_LEFT, false);
  elInput::UpdateKey(plat::VK_LEFT, state);
  elInput::UpdateKey(plat::VK_LEFT, state);
  EXPECT_EQ(state, elInput::KeyUp);
}

TEST_F(InputTest, KeysReadUpWhileATransitionRunsAndPressedAfterIt) {
  int state = elInput::KeyUp;
  Key('C', true);
  ScreenTransition.counter = 5;
  elInput::UpdateKey('C', state);
  EXPECT_EQ(state, elInput::KeyUp);
  ScreenTransition.counter = 0;
  elInput::UpdateKey('C', state);
  EXPECT_EQ(state, elInput::KeyPressed);
  elInput::UpdateKey('C', state);
  EXPECT_EQ(state, elInput::KeyHeld);
}

TEST_F(InputTest, PressAndReleaseBetweenPollsIsSeenOnlyAsTheTypedKey) {
  int state = elInput::KeyUp;
  Key('B', true);
  Key('B', false);
  elInput::UpdateKey('B', state);
  EXPECT_EQ(state, elInput::KeyUp);
  Key('Y', true);
  EXPECT_EQ(elInput::LastTypedKey, 'Y');
  Key('C', false);  // another key going up leaves it
  EXPECT_EQ(elInput::LastTypedKey, 'Y');
  Key('Y', false);
  EXPECT_EQ(elInput::LastTypedKey, 0);
}

TEST_F(InputTest, MouseButtonsSetTheirFlags) {
  plat::headless::PostInput(plat::WM_LBUTTONDOWN, 0, 0);
  plat::headless::PostInput(plat::WM_RBUTTONDOWN, 0, 0);
  Pump();
  EXPECT_EQ(elSystem::Framework.leftButton, 1);
  EXPECT_EQ(elSystem::Framework.rightButton, 1);
  plat::headless::PostInput(plat::WM_LBUTTONDBLCLK, 0, 0);  // a double click sets nothing more
  plat::headless::PostInput(plat::WM_LBUTTONUP, 0, 0);
  Pump();
  EXPECT_EQ(elSystem::Framework.leftButton, 0);
  EXPECT_EQ(elSystem::Framework.rightButton, 1);
}

TEST_F(InputTest, SPausesAndResumesButNotDuringGameOver) {
  Key('S', true);
  EXPECT_EQ(GameState.paused, 1);
  Key('S', true);
  EXPECT_EQ(GameState.paused, 0);
  GameState.gameOver = 1;
  Key('S', true);
  EXPECT_EQ(GameState.paused, 0);
}

TEST_F(InputTest, TReturnsToTheTitleWithoutAWipe) {
  SceneState = SceneStateRecord{SceneId::Stage2, SceneId::Stage2, 0};
  GameState.invincible = 1;
  GameState.ControlMode = 1;
  GameState.score = 1234;
  Key('T', true);
  EXPECT_EQ(SceneState.currentScene, SceneId::Title);
  EXPECT_EQ(SceneState.previousScene, SceneId::None);
  EXPECT_EQ(GameState.invincible, 0);
  EXPECT_EQ(GameState.ControlMode, 0);
  EXPECT_EQ(GameState.score, 1234);
  EXPECT_EQ(ScreenTransition.counter, 0);
}

TEST_F(InputTest, EscapeShutsDownOnceAndTheCloseItPostsOnlyDestroysTheWindow) {
  Key(plat::VK_ESCAPE, true);
  EXPECT_EQ(elSystem::Framework.shutdownDone, 1);
  EXPECT_EQ(elSystem::Framework.closingState, 2);
  EXPECT_EQ(plat::MainWindow(), plat::kNoWindow);  // the posted close destroyed the window
  plat::Message m;
  ASSERT_TRUE(plat::PeekMessage(m, true));
  EXPECT_EQ(m.message, plat::WM_QUIT);
}

TEST_F(InputTest, CloseFromOutsideRunsTheShutDownThroughItsFirstState) {
  plat::headless::PostInput(plat::WM_CLOSE, 0, 0);
  Pump();
  EXPECT_EQ(elSystem::Framework.shutdownDone, 1);
  EXPECT_EQ(elSystem::Framework.closingState, 2);
  EXPECT_EQ(plat::MainWindow(), plat::kNoWindow);
}

TEST_F(InputTest, AltKeysAndTheScreenSaverAreSwallowed) {
  plat::headless::PostInput(plat::WM_SYSKEYDOWN, plat::VK_F4, 0);
  plat::headless::PostInput(plat::WM_SYSCOMMAND, plat::SC_SCREENSAVE, 0);
  Pump();
  EXPECT_NE(plat::MainWindow(), plat::kNoWindow);
  EXPECT_EQ(elSystem::Framework.shutdownDone, 0);
}

TEST_F(InputTest, ActivationFollowsTheAppMessages) {
  elSystem::FrameClock.frameTime = 0.5f;
  plat::headless::PostInput(plat::WM_ACTIVATEAPP, 1, 0);
  Pump();
  EXPECT_EQ(elSystem::Framework.appActive, 1);
  EXPECT_EQ(elSystem::FrameClock.frameTime, 0.0f);
  plat::headless::PostInput(plat::WM_ACTIVATEAPP, 0, 0);
  Pump();
  EXPECT_EQ(elSystem::Framework.appActive, 0);
}

TEST_F(InputTest, WindowMoveSetsThePresentRectangleFromSignedWords) {
  ScreenSize = ScreenSizeRecord{800, 600};
  plat::headless::PostInput(plat::WM_MOVE, 0, static_cast<plat::LParam>((20u << 16) | 0xFFF6u));  // x -10, y 20
  Pump();
  EXPECT_EQ(elSystem::Framework.windowLeft, -10);
  EXPECT_EQ(elSystem::Framework.windowTop, 20);
  EXPECT_EQ(elSystem::Framework.presentRect.right, 790);
  EXPECT_EQ(elSystem::Framework.presentRect.bottom, 620);
}

}  // namespace
