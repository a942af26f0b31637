#include "framework/el_draw.h"
#include "game/scene.h"

SceneStateRecord SceneState;

void ChangeScene(int scene, int wipeFrames) {
  ScreenTransition.kind = 3;
  ScreenTransition.steps = wipeFrames;
  elDraw::Capture(1, 0, 0, ScreenSize.width, ScreenSize.height);
  SceneState.currentScene = scene;
  SceneState.previousScene = SceneId::None;
  ScreenTransition.counter = wipeFrames;
  ScreenTransition.direction = -1;
}
