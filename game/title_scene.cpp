// The title: backdrop, star field and title picture; Enter (or a hidden key) starts a game.
#include "config/geometry.h"
#include "framework/el_draw.h"
#include "framework/el_input.h"
#include "game/assets.h"
#include "game/backdrops.h"
#include "game/game_state.h"
#include "game/pictures.h"
#include "game/scene.h"
#include "game/title_keys.h"
#include "platform/win_types.h"
#include "platform/window_system.h"

void RunTitleScene() {
  if (SceneState.sceneEntered == 1) {
    GameState.invincible = 0;
    GameState.ControlMode = 0;
  }
  elDraw::ClearBackBuffer();
  ScrollBaseBackdrop();
  DrawStarField(80, 80);
  ScrollStage1Backdrop();
  elDraw::DrawObject(180 + Geometry::kFieldShiftX, 60, Slot(Pic::TITLEC), 0, 0, 440, 480);
  elDraw::SetVSyncWait(1);
  elDraw::Present();
  plat::Sleep(20);

  const int key = elInput::LastTypedKey;
  if (key != plat::VK_RETURN && key != kTitleKeyManyShips && key != kTitleKeyInvincible) return;
  GameState.ControlMode = 1;
  ResetPlayerStart();
  ResetGameObjects1();
  ResetGameObjects2();
  if (key == kTitleKeyManyShips) GameState.shipStock = 999;
  if (key == kTitleKeyInvincible) GameState.invincible = 1;
  ChangeScene(SceneId::Stage1, kWipeTitleToStage1);
  elInput::ClearTypedKey();
}
