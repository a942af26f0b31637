// What the desktop window does for the game: both hands' Shift and Ctrl, a flooded message queue that
// still closes, the keyboard and pointer it holds (and lets go of for focus changes and error boxes),
// and the input method turned off.
#include <gtest/gtest.h>

#include "framework/el_input.h"
#include "framework/el_system.h"
#include "platform/window_system.h"
#include "support/headless_game.h"

namespace {

using plat::headless::DesktopHold;

class DesktopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::FreshHost();
    testing_support::OpenGameWindow();
  }
  void Pump() {
    plat::Message m;
    while (plat::PeekMessage(m, false) && m.message != plat::WM_QUIT) {
      plat::PeekMessage(m, true);
      plat::DispatchMessage(m);
    }
  }
  // A key message as the desktop sends it, with the scan-code and extended bits of that key.
  void Key(int vk, plat::LParam sideBits, bool down) {
    plat::headless::PostInput(down ? plat::WM_KEYDOWN : plat::WM_KEYUP, static_cast<plat::WParam>(vk), sideBits);
    Pump();
  }
  static bool Down(int vk) { return (plat::GetKeyState(vk) & 0x80) != 0; }
};

TEST_F(DesktopTest, ShiftAndCtrlReadDownWhileEitherHandsKeyIsHeld) {
  struct Pair {
    int vk;
    plat::LParam left, right;
  };
  const Pair pairs[] = {
      {plat::VK_SHIFT, plat::KeyScanCode(plat::kScanCodeLeftShift), plat::KeyScanCode(plat::kScanCodeRightShift)},
      {plat::VK_CONTROL, plat::KeyScanCode(plat::kScanCodeControl),
       plat::KeyScanCode(plat::kScanCodeControl) | plat::kExtendedKeyBit},
  };
  for (const Pair& p : pairs) {
    SCOPED_TRACE(p.vk);
    int state = elInput::KeyUp;
    Key(p.vk, p.left, true);
    Key(p.vk, p.right, true);
    Key(p.vk, p.left, false);  // the right-hand key is still held
    elInput::UpdateKey(p.vk, state);
    EXPECT_EQ(state, elInput::KeyPressed);
    Key(p.vk, p.left, true);
    Key(p.vk, p.right, false);
    elInput::UpdateKey(p.vk, state);
    EXPECT_EQ(state, elInput::KeyHeld);
    Key(p.vk, p.left, false);
    elInput::UpdateKey(p.vk, state);
    EXPECT_EQ(state, elInput::KeyReleased);
    EXPECT_FALSE(Down(p.vk));
  }
  // A message that names no hand counts as the left one's, as the runner's scripted keys do.
  Key(plat::VK_SHIFT, 0, true);
  EXPECT_TRUE(Down(plat::VK_SHIFT));
  EXPECT_TRUE(Down(plat::VK_LSHIFT));
  Key(plat::VK_SHIFT, 0, false);
  EXPECT_FALSE(Down(plat::VK_SHIFT));
}

TEST_F(DesktopTest, AFloodedQueueStillClosesTheWindowAndEndsTheLoop) {
  for (int i = 0; i < 3000; ++i) plat::headless::PostInput(plat::WM_KEYDOWN, 'C', 0);
  ASSERT_TRUE(plat::PostMessage(elSystem::Framework.mainWindow, plat::WM_CLOSE, 0, 0));
  int keys = 0;
  bool quit = false;
  plat::Message m;
  while (plat::PeekMessage(m, true)) {
    if (m.message == plat::WM_QUIT) {
      quit = true;
      break;
    }
    if (m.message == plat::WM_KEYDOWN) ++keys;
    plat::DispatchMessage(m);
  }
  EXPECT_TRUE(quit);
  EXPECT_EQ(plat::MainWindow(), plat::kNoWindow);
  EXPECT_EQ(elSystem::Framework.shutdownDone, 1);
  EXPECT_GT(keys, 900);  // the input that fitted was kept
}

TEST_F(DesktopTest, AFullQueueOfClosingMessagesLosesNoneOfThem) {
  // Input fills every ordinary place; then more closing messages than the reserved places hold.
  for (int i = 0; i < 3000; ++i) plat::headless::PostInput(plat::WM_KEYDOWN, 'C', 0);
  const std::uint32_t vital[] = {plat::WM_DESTROY, plat::WM_QUIT};
  for (int i = 0; i < 20; ++i) plat::headless::PostInput(vital[i % 2], 0, 0);
  int destroys = 0, quits = 0;
  plat::Message m;
  while (plat::PeekMessage(m, true) && m.window != plat::kNoWindow) {
    if (m.message == plat::WM_DESTROY) ++destroys;
    if (m.message == plat::WM_QUIT) ++quits;
  }
  EXPECT_EQ(destroys, 10);
  EXPECT_EQ(quits, 10);
}

// The keyboard, and the pointer confined to the window, are held only while the window has the focus:
// held through a minimising, the pointer would keep the desktop program busy taking it back.
TEST_F(DesktopTest, FullScreenHoldsKeyboardAndPointerOnlyWhileTheWindowHasTheFocus) {
  EXPECT_FALSE(plat::headless::Holds().keyboardGrabbed);  // not shown yet
  plat::ShowMainWindow(elSystem::Framework.mainWindow);
  elSystem::ClipCursorToScreen();
  EXPECT_TRUE(plat::headless::Holds().keyboardGrabbed);
  EXPECT_TRUE(plat::headless::Holds().cursorConfined);
  plat::headless::PostInput(plat::WM_ACTIVATEAPP, 0, 0);  // another window took the focus
  EXPECT_FALSE(plat::headless::Holds().keyboardGrabbed);
  EXPECT_FALSE(plat::headless::Holds().cursorConfined);
  plat::headless::PostInput(plat::WM_ACTIVATEAPP, 1, 0);
  EXPECT_TRUE(plat::headless::Holds().keyboardGrabbed);
  EXPECT_TRUE(plat::headless::Holds().cursorConfined);
  Pump();
  plat::DestroyWindow(elSystem::Framework.mainWindow);
  EXPECT_FALSE(plat::headless::Holds().keyboardGrabbed);

  // A captioned window leaves the keyboard to the desktop.
  testing_support::FreshHost();
  elSystem::InitGlobals();
  plat::RegisterWindowClass(plat::WindowClass{"DEFAULT", elSystem::WindowProc, true});
  const plat::WindowHandle window = plat::CreateMainWindow("DEFAULT", "Tessivane", false, 800, 600);
  plat::ShowMainWindow(window);
  EXPECT_FALSE(plat::headless::Holds().keyboardGrabbed);
}

TEST_F(DesktopTest, AnErrorBoxLetsGoOfKeyboardAndPointerAndTakesThemBack) {
  plat::ShowMainWindow(elSystem::Framework.mainWindow);
  elSystem::ClipCursorToScreen();
  plat::headless::PostInput(plat::WM_SETCURSOR, 0, 0);
  Pump();
  const DesktopHold before = plat::headless::Holds();
  ASSERT_TRUE(before.keyboardGrabbed && before.cursorConfined && before.cursorHidden);
  elSystem::ErrorBox("elDraw::LoadObject", "test", 0);
  ASSERT_EQ(plat::headless::HoldsAtBoxes().size(), 1u);
  const DesktopHold during = plat::headless::HoldsAtBoxes()[0];
  EXPECT_FALSE(during.keyboardGrabbed);
  EXPECT_FALSE(during.cursorConfined);
  EXPECT_FALSE(during.cursorHidden);
  const DesktopHold after = plat::headless::Holds();
  EXPECT_TRUE(after.keyboardGrabbed && after.cursorConfined && after.cursorHidden);
  // A box while the pointer is free leaves it free afterwards.
  elSystem::FreeCursor();
  elSystem::ErrorBox("elDraw::LoadObject", "test", 0);
  EXPECT_FALSE(plat::headless::Holds().cursorConfined);
}

struct RunningHolds {
  bool seen = false;
  DesktopHold hold;
  bool textInput = true;
};

TEST(DesktopProgramTest, TheRunningGameHoldsTheDesktopWithTheInputMethodOff) {
  testing_support::FreshHost();
  ASSERT_TRUE(plat::headless::TextInputOn());  // as the desktop starts
  RunningHolds running;
  plat::headless::SetFrameDoneHook(
      [](int frame, void* user) {
        auto* r = static_cast<RunningHolds*>(user);
        if (frame != 2) return;
        r->seen = true;
        r->hold = plat::headless::Holds();
        r->textInput = plat::headless::TextInputOn();
      },
      &running);
  EXPECT_EQ(testing_support::RunGame(5), 0);
  ASSERT_TRUE(running.seen);
  EXPECT_FALSE(running.textInput);
  EXPECT_TRUE(running.hold.keyboardGrabbed);
  EXPECT_TRUE(running.hold.cursorConfined);
  // Shut down: the pointer and keyboard are the desktop's again.
  EXPECT_FALSE(plat::headless::Holds().keyboardGrabbed);
  EXPECT_FALSE(plat::headless::Holds().cursorConfined);
}

}  // namespace
