// SDL key codes to the virtual-key codes the game reads.
#pragma once
#include <SDL.h>

namespace plat::sdl {

// 0 for keys the game has no code for.
int VirtualKeyFromSdl(SDL_Keycode key);

}  // namespace plat::sdl
