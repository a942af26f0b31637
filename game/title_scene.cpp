// The title: backdrop, star field and title picture; Enter (or a hidden key) starts a game.
#include "framework/el_draw.h"
#include "framework/el_input.h"
#include "game/assets.h"
#include "game/game_state.h"
#include "game/scene.h"
#include "platform/win_types.h"
#include "platform/window_system.h"

void RunTitleScene() {
  if (SceneState.sceneEntered == 1) {
    GameState.invincible = 0;
    GameState.ControlMode = 0;
  }
  elDraw::ClearBackBuffer();
  elDraw::SetVSyncWait(1);
  elDraw::Present();
  plat::Sleep(20);
  if (elInput::LastTypedKey != plat::VK_RETURN) return;
  GameState.ControlMode = 1;
  ResetPlayerStart();
  ResetGameObjects1();
  ResetGameObjects2();
  ChangeScene(SceneId::Stage1, kWipeTitleToStage1);
  elInput::ClearTypedKey();
}
