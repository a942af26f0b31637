// How the game's picture reaches the window: the window's own surface filled by our conversion and
// put on the screen (see sdl_presenter.h), or, where the window has no such surface in a 32-bit
// format, an SDL renderer and a streaming texture in the renderer's own format. Every SDL call is made
// on the game's (the main) thread.
#pragma once
#include <SDL.h>

#include <cstdint>

#include "platform/sdl/sdl_presenter.h"

namespace plat::sdl {

enum class PresentPath {
  WindowSurface,    // the window surface
  RendererTexture,  // a renderer and a texture in its own format
};

// preferred: the game takes the window surface; the renderer is for measuring beside it, and the
// fallback when the window surface cannot be had.
void AttachVideo(SDL_Window* window, int logicalWidth, int logicalHeight,
                 PresentPath preferred = PresentPath::WindowSurface);
void DetachVideo();
PresentPath AttachedPath();
// Shows a 5-6-5 picture of the attached size; false when there is nothing to show it on or the size
// differs. Each present is finished when it returns. times, when given, receives the calling
// thread's share of the work. waitVerticalBlank caps the renderer's presents at the display's refresh;
// the window surface has no such wait.
bool PresentPicture(const std::uint16_t* pixels, int width, int height, int pitchPixels, bool waitVerticalBlank,
                    PresentTimes* times);
// The window lost its picture (shown again, restored, resized, uncovered): the last presented picture
// goes up again as it was, bars included.
void RepaintWindow();
// The last shown picture as 0xAARRGGBB words (width x height), read back from what was shown.
bool ReadShownPicture(std::uint32_t* argb);
// The full-screen window lost the focus: the display's surfaces count as lost from now on.
void WindowLostFocus();

}  // namespace plat::sdl
