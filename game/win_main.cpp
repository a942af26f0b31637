#include "game/win_main.h"

#include <cstdlib>
#include <cstring>

#include "config/geometry.h"
#include "framework/el_input.h"
#include "framework/el_sound.h"
#include "framework/el_system.h"
#include "game/assets.h"
#include "game/scene.h"
#include "platform/window_system.h"

namespace {

char commandLineCopy[256];

// Runs the scene function of `scene`; false for ids that have none (they never ask the frame gate).
bool RunSceneFrame(int scene) {
  switch (scene) {
    case SceneId::Title:
    case SceneId::Stage1:
    case SceneId::Stage2:
    case SceneId::Stage3:
    case SceneId::Ending: break;
    default: return false;
  }
  if (elSystem::WaitFrame() == 0) return false;
  switch (scene) {
    case SceneId::Title: RunTitleScene(); break;
    case SceneId::Stage1: RunStage1Scene(); break;
    case SceneId::Stage2: RunStage2Scene(); break;
    case SceneId::Stage3: RunStage3Scene(); break;
    case SceneId::Ending: RunEndingScene(); break;
    default: break;
  }
  plat::NotifyFrameDone();
  return true;
}

}  // namespace

bool RunMessageLoopPass() {
  plat::Message message;
  if (plat::PeekMessage(message, true)) {
    if (message.message == plat::WM_QUIT) return false;
    plat::TranslateMessage(message);
    plat::DispatchMessage(message);
    return true;
  }
  if (elSystem::Framework.appActive == 0) {
    plat::WaitMessage();
    return true;
  }
  if (SceneState.previousScene == SceneId::None && SceneState.currentScene != SceneId::None) {
    SceneState.sceneEntered = 1;
    SceneState.previousScene = SceneState.currentScene;
  }
  const bool ran = RunSceneFrame(SceneState.currentScene);
  if (SceneState.currentScene != SceneState.previousScene) {
    SceneState.sceneEntered = 1;
  } else if (ran) {
    SceneState.sceneEntered = 0;
  }
  SceneState.previousScene = SceneState.currentScene;
  return true;
}

int WinMain(int instance, int, const char* commandLine, int) {
  const char* title = kWindowTitle;
  elSystem::InitGlobals();
  const int onlyCopy = elSystem::CheckSingleInstance(title);
  if (onlyCopy != 1) return onlyCopy == 0 ? 0 : 1;
  elSound::PrepareMusic();
  std::strncpy(commandLineCopy, commandLine ? commandLine : "", sizeof commandLineCopy - 1);

  plat::RegisterWindowClass(plat::WindowClass{kWindowClass, elSystem::WindowProc, true});
  const plat::WindowHandle window =
      plat::CreateMainWindow(kWindowClass, title, true, Geometry::kScreenWidth, Geometry::kScreenHeight);
  // The reason has been printed where the window could not be made; the start failed, so it says so.
  if (window == plat::kNoWindow) return 1;
  elSystem::Framework.mainWindow = window;
  plat::ShowMainWindow(window);
  elSystem::Framework.instance = instance;

  std::srand(static_cast<unsigned>(plat::CalendarTime()));
  elSystem::EnableIme(0);
  LoadAssets();
  elSystem::ResetFrameClock();

  while (RunMessageLoopPass()) {
  }
  return 0;
}
