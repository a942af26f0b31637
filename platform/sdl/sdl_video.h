// The SDL renderer and streaming texture that show the game's picture in the window.
#pragma once
#include <SDL.h>

#include <cstdint>

namespace plat::sdl {

void AttachVideo(SDL_Window* window, int logicalWidth, int logicalHeight);
void DetachVideo();
// Shows a 5-6-5 picture of the attached size; false when there is no renderer or the size differs.
// uploadMs, when given, receives the time taken to convert and upload it.
bool PresentPicture(const std::uint16_t* pixels, int width, int height, int pitchPixels, bool waitVerticalBlank,
                    double* uploadMs);
// The last shown picture as 0xAARRGGBB words (width x height), read back from the renderer.
bool ReadShownPicture(std::uint32_t* argb);
// The full-screen window lost the focus: the display's surfaces count as lost from now on.
void WindowLostFocus();

}  // namespace plat::sdl
