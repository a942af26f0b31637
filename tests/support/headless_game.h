// Helpers for tests that run the game on the headless host.
#pragma once
#include <cstdlib>
#include <string>

#include "framework/el_input.h"
#include "framework/el_system.h"
#include "game/win_main.h"
#include "platform/headless/headless_host.h"
#include "platform/window_system.h"

namespace testing_support {

// The build directory, where the generated asset tree lives beside the programs.
inline std::string BuildDir() {
  const char* dir = std::getenv("TESSIVANE_BUILD_DIR");
  return dir != nullptr ? dir : ".";
}

// A fresh headless host with the frame clock started at its time 0; assets are read from the build.
inline void FreshHost(const std::string& assetDir = BuildDir()) {
  plat::headless::Reset();
  plat::headless::SetProgramPath(assetDir + "/shooter800-headless");
  elSystem::InitFrameTimer(60);
}

// The framework's globals fresh and the game's window open (as the program entry leaves them), without
// loading anything.
inline void OpenGameWindow() {
  elSystem::InitGlobals();
  plat::RegisterWindowClass(plat::WindowClass{"DEFAULT", elSystem::WindowProc, true});
  elSystem::Framework.mainWindow = plat::CreateMainWindow("DEFAULT", "Tessivane", true, 800, 600);
}

// Runs the whole program for `frames` frames (the host closes the window after the last one).
inline int RunGame(int frames) {
  plat::headless::SetFrameLimit(frames);
  return WinMain(1, 0, "", 1);
}

}  // namespace testing_support
