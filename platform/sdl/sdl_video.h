// The SDL renderer and streaming texture that show the game's picture in the window.
#pragma once
#include <SDL.h>

namespace plat::sdl {

void AttachVideo(SDL_Window* window, int logicalWidth, int logicalHeight);
void DetachVideo();
// The full-screen window lost the focus: the display's surfaces count as lost from now on.
void WindowLostFocus();

}  // namespace plat::sdl
