// A game loaded on the headless host with its window open, so that tests can hold keys and run the
// ship, its weapons and the stage frame one call at a time.
#pragma once
#include <gtest/gtest.h>

#include "framework/el_draw.h"
#include "framework/el_input.h"
#include "framework/el_system.h"
#include "game/assets.h"
#include "game/game_state.h"
#include "game/scene.h"
#include "game/ship.h"
#include "platform/headless/headless_host.h"
#include "platform/window_system.h"
#include "support/headless_game.h"

class PlayerTest : public ::testing::Test {
 protected:
  static constexpr float kFrame = 1.0f / 60.0f;

  void SetUp() override {
    testing_support::FreshHost();
    testing_support::OpenGameWindow();
    ScreenTransition = ScreenTransitionRecord{};
    GameState = GameStateRecord{};
    LoadAssets();
    GameState.ControlMode = 1;
    GameState.shipStock = 100;
    ShipControls = ShipControlRecord{};
    elInput::ClearTypedKey();
    elSystem::FrameClock.frameTime = kFrame;
  }

  // Presses or lets go of a key as the window system sees it.
  static void SetKey(int virtualKey, bool down) {
    plat::headless::PostInput(down ? plat::WM_KEYDOWN : plat::WM_KEYUP, static_cast<plat::WParam>(virtualKey), 0);
    plat::Message message;
    while (plat::PeekMessage(message, true)) {
    }
  }

  static void MoveShipFrames(int frames) {
    for (int i = 0; i < frames; ++i) MoveShip();
  }
};
