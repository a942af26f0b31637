// The window's own surface (the desktop's framebuffer for the window, shared with the X server),
// filled from the game's picture and put on the screen by a presenter thread, so that the game never
// waits for the display server, except when the previous picture is still going up (then it waits
// for it: no picture is dropped, and none is written while the server may still be reading it).
// In a window of the picture's own size the game's thread converts the picture straight into the
// surface; in any other it hands over a copy, and the presenter thread scales it (the cost then grows
// with the window, and stays off the game's thread).
#pragma once
#include <SDL.h>

#include <cstdint>

namespace plat::sdl {

// ownThread false: every present is shown on the calling thread, waiting for the server.
bool StartSurfacePresenter(SDL_Window* window, int width, int height, bool ownThread);
// Waits for the last present and ends the thread; call before the window goes.
void StopSurfacePresenter();
bool SurfacePresenterRunning();

struct PresentTimes {
  double waitMs = 0;    // waiting for the previous present to finish
  double uploadMs = 0;  // converting (or copying) and uploading the picture on the calling thread
};
// A 5-6-5 picture of the started size; false when it cannot be shown (no surface, other size).
bool PresentOnSurface(const std::uint16_t* pixels, int width, int height, int pitchPixels, PresentTimes* times);
// Returns once no present is running (before anything else takes the display, e.g. an error box).
void FinishSurfacePresents();
// The presenter thread's own figures for the last picture it showed.
struct PresenterTimes {
  double convertMs = 0;  // scaling into the window surface (0: converted by the game's thread)
  double showMs = 0;     // putting it on the screen
};
PresenterTimes LastPresenterTimes();
// The shown picture as 0xFFRRGGBB words, when the window is the picture's size.
bool ReadSurfacePicture(std::uint32_t* argb);

}  // namespace plat::sdl
