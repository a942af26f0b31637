// SDL key codes to the virtual-key codes the game reads.
#pragma once
#include <SDL.h>

namespace plat::sdl {

// 0 for keys the game has no code for.
int VirtualKeyFromSdl(SDL_Keycode key);
// The scan-code and extended-key bits of a key message's lParam that tell the left-hand Shift, Ctrl
// and Alt from the right-hand ones; 0 for every other key.
long KeySideBits(SDL_Keycode key);

}  // namespace plat::sdl
