#include "game/assets.h"

#include "config/geometry.h"
#include "framework/el_draw.h"
#include "framework/el_sound.h"
#include "game/ending_scene.h"
#include "game/game_state.h"
#include "game/pictures.h"
#include "game/scene.h"

void LoadAssets() {
  elDraw::Screen(Geometry::kScreenWidth, Geometry::kScreenHeight, 2);
  elDraw::SetClipRect(Geometry::kPlayLeft, Geometry::kPlayTop, Geometry::kPlayRight, Geometry::kPlayBottom);
  for (int i = 0; i < Pic::Count; ++i) {
    PictureHandles[i] = elDraw::LoadObject(kPictureFiles[i], 1);
    if (i == Pic::ZFIRE2) {
      SoundHandles.shot = elSound::LoadObject("SOUND/SHOT.WAV", 1);
      SoundHandles.bomb = elSound::LoadObject("SOUND/BOM.WAV", 1);
    }
  }
  // The ending's text is made ready now, so its first frame does not wait for the font.
  for (const char* line : kEndingCreditLines) elDraw::PrepareTextLine(line);
  ResetPlayerStart();
  ResetGameObjects1();
  ResetGameObjects2();
  GameState.highScore = 500;
  SceneState.currentScene = SceneId::Title;
  SceneState.previousScene = SceneId::None;
}
