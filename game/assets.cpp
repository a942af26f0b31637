#include "game/assets.h"

#include "config/geometry.h"
#include "framework/el_draw.h"
#include "game/game_state.h"
#include "game/scene.h"

void LoadAssets() {
  elDraw::Screen(Geometry::kScreenWidth, Geometry::kScreenHeight, 2);
  elDraw::SetClipRect(Geometry::kPlayLeft, Geometry::kPlayTop, Geometry::kPlayRight, Geometry::kPlayBottom);
  ResetPlayerStart();
  ResetGameObjects1();
  ResetGameObjects2();
  GameState.highScore = 500;
  SceneState.currentScene = SceneId::Title;
  SceneState.previousScene = SceneId::None;
}
