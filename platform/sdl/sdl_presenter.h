// The window's own surface (the desktop's framebuffer for the window, shared with the X server),
// filled from the game's picture and put on the screen by the game's (the main) thread, which makes
// every SDL call. Each present is on the screen when it returns: the server has read the surface by
// then, so none is dropped and none is written while the server may still be reading it. (A helper
// thread filling half the surface meanwhile was measured: the conversion is bound by memory, and the
// present took as long.)
#pragma once
#include <SDL.h>

#include <cstdint>

namespace plat::sdl {

bool StartSurfacePresenter(SDL_Window* window, int width, int height);
void StopSurfacePresenter();
// Why the window's surface cannot take the picture (SDL's reason, or a format that is not the
// picture's); asked once the presenter could not start.
const char* SurfaceRefusal(SDL_Window* window);
bool SurfacePresenterRunning();

// The calling thread's time for one present.
struct PresentTimes {
  double convertMs = 0;  // converting (or scaling) the picture into the surface, or uploading a texture
  double putMs = 0;      // putting it on the screen
};
// A 5-6-5 picture of the started size; false when it cannot be shown (no surface, other size).
bool PresentOnSurface(const std::uint16_t* pixels, int width, int height, int pitchPixels, PresentTimes* times);
// The shown picture as 0xFFRRGGBB words, when the window is the picture's size.
bool ReadSurfacePicture(std::uint32_t* argb);

}  // namespace plat::sdl
