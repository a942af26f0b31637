#include "platform/sdl/sdl_keymap.h"

#include "platform/win_types.h"

namespace plat::sdl {

int VirtualKeyFromSdl(SDL_Keycode key) {
  if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
  if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
  if (key >= SDLK_F1 && key <= SDLK_F12) return 0x70 + (key - SDLK_F1);
  switch (key) {
    case SDLK_LEFT: return VK_LEFT;
    case SDLK_RIGHT: return VK_RIGHT;
    case SDLK_UP: return VK_UP;
    case SDLK_DOWN: return VK_DOWN;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return VK_RETURN;
    case SDLK_SPACE: return VK_SPACE;
    case SDLK_ESCAPE: return VK_ESCAPE;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT: return VK_SHIFT;
    case SDLK_LCTRL:
    case SDLK_RCTRL: return VK_CONTROL;
    case SDLK_LALT:
    case SDLK_RALT: return VK_MENU;
    case SDLK_BACKSPACE: return VK_BACK;
    case SDLK_TAB: return VK_TAB;
    case SDLK_PAUSE: return VK_PAUSE;
    default: return 0;
  }
}

long KeySideBits(SDL_Keycode key) {
  switch (key) {
    case SDLK_LSHIFT: return KeyScanCode(kScanCodeLeftShift);
    case SDLK_RSHIFT: return KeyScanCode(kScanCodeRightShift);
    case SDLK_LCTRL: return KeyScanCode(kScanCodeControl);
    case SDLK_RCTRL: return KeyScanCode(kScanCodeControl) | kExtendedKeyBit;
    case SDLK_LALT: return KeyScanCode(kScanCodeAlt);
    case SDLK_RALT: return KeyScanCode(kScanCodeAlt) | kExtendedKeyBit;
    default: return 0;
  }
}

}  // namespace plat::sdl
