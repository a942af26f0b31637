#include "platform/sdl/sdl_video.h"

#include <cstdio>

#include "platform/backend.h"
#include "platform/surface.h"

namespace plat::sdl {
namespace {

struct Video {
  SDL_Renderer* renderer = nullptr;
  SDL_Texture* texture = nullptr;
  int width = 0;
  int height = 0;
  int vsync = -1;
};

Video& V() {
  static Video video;
  return video;
}

}  // namespace

void AttachVideo(SDL_Window* window, int logicalWidth, int logicalHeight) {
  Video& v = V();
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
  v.renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED);
  if (v.renderer == nullptr) v.renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
  if (v.renderer == nullptr) {
    std::fprintf(stderr, "SDL renderer: %s\n", SDL_GetError());
    return;
  }
  SDL_RenderSetLogicalSize(v.renderer, logicalWidth, logicalHeight);
  v.texture = SDL_CreateTexture(v.renderer, SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_STREAMING, logicalWidth,
                                logicalHeight);
  v.width = logicalWidth;
  v.height = logicalHeight;
  SDL_SetRenderDrawColor(v.renderer, 0, 0, 0, 255);
}

void DetachVideo() {
  Video& v = V();
  if (v.texture != nullptr) SDL_DestroyTexture(v.texture);
  if (v.renderer != nullptr) SDL_DestroyRenderer(v.renderer);
  v = Video{};
}

// As with an exclusive full-screen display, switching away loses every surface; the next drawing
// call finds out and restores them.
void WindowLostFocus() { plat::MarkAllSurfacesLost(); }

}  // namespace plat::sdl

namespace plat::backend {

DisplayTraits GetDisplayTraits() { return DisplayTraits{}; }

void Present(const std::uint16_t* pixels, int width, int height, int pitchPixels, bool waitVerticalBlank) {
  auto& v = plat::sdl::V();
  if (v.renderer == nullptr || v.texture == nullptr || width != v.width || height != v.height) return;
  const int vsync = waitVerticalBlank ? 1 : 0;
  if (vsync != v.vsync) {
    SDL_RenderSetVSync(v.renderer, vsync);
    v.vsync = vsync;
  }
  SDL_UpdateTexture(v.texture, nullptr, pixels, pitchPixels * 2);
  SDL_RenderClear(v.renderer);
  SDL_RenderCopy(v.renderer, v.texture, nullptr, nullptr);
  SDL_RenderPresent(v.renderer);
}

}  // namespace plat::backend
