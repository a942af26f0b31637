// Key states, the last typed key and the key commands that act at once (Escape, S, T).
#include "framework/el_input.h"

#include "framework/el_draw.h"
#include "framework/el_sound.h"
#include "framework/el_system.h"
#include "game/game_state.h"
#include "game/scene.h"
#include "platform/window_system.h"

namespace elInput {

int LastTypedKey = 0;

void UpdateKey(int virtualKey, int& keyState) {
  const bool down = (plat::GetKeyState(virtualKey) & 0x80) != 0;
  if (down) {
    keyState = keyState != KeyUp ? KeyHeld : KeyPressed;
  } else {
    keyState = (keyState == KeyPressed || keyState == KeyHeld) ? KeyReleased : KeyUp;
  }
  if (ScreenTransition.counter != 0) keyState = KeyUp;
}

void ClearTypedKey() { LastTypedKey = 0; }

void KeyCommand(int virtualKey) {
  LastTypedKey = virtualKey;
  switch (virtualKey) {
    case plat::VK_ESCAPE:
      elSound::StopMusic();
      elSystem::Shutdown();
      break;
    case 'S':
      if (GameState.gameOver == 0) GameState.paused = GameState.paused == 0 ? 1 : 0;
      break;
    case 'T':
      elSound::StopMusic();
      GameState.invincible = 0;
      GameState.ControlMode = 0;
      SceneState.currentScene = SceneId::Title;
      SceneState.previousScene = SceneId::None;
      break;
    default: break;
  }
}

}  // namespace elInput
