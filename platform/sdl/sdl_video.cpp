#include "platform/sdl/sdl_video.h"

#include <chrono>
#include <cstdio>

#include "platform/backend.h"
#include "platform/pixel_rows.h"
#include "platform/surface.h"

namespace plat::sdl {
namespace {

struct Video {
  PresentPath path = PresentPath::RendererTexture;
  SDL_Renderer* renderer = nullptr;
  SDL_Texture* texture = nullptr;
  bool ownConversion = false;  // the texture holds 32-bit words that our conversion fills
  int width = 0;
  int height = 0;
  int vsync = -1;
};

Video& V() {
  static Video video;
  return video;
}

void AttachRenderer(Video& v, SDL_Window* window, int logicalWidth, int logicalHeight) {
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
  v.renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED);
  if (v.renderer == nullptr) v.renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
  if (v.renderer == nullptr) {
    std::fprintf(stderr, "SDL renderer: %s\n", SDL_GetError());
    return;
  }
  SDL_RenderSetLogicalSize(v.renderer, logicalWidth, logicalHeight);
  // The picture goes up in the renderer's own 32-bit format, converted by our own loop: SDL would
  // convert an RGB565 texture pixel by pixel on every upload.
  SDL_RendererInfo info{};
  Uint32 format = SDL_PIXELFORMAT_RGB565;
  if (SDL_GetRendererInfo(v.renderer, &info) == 0) {
    for (Uint32 i = 0; i < info.num_texture_formats; ++i) {
      if (info.texture_formats[i] == SDL_PIXELFORMAT_ARGB8888 || info.texture_formats[i] == SDL_PIXELFORMAT_RGB888) {
        format = info.texture_formats[i];
        break;
      }
    }
  }
  v.texture = SDL_CreateTexture(v.renderer, format, SDL_TEXTUREACCESS_STREAMING, logicalWidth, logicalHeight);
  v.ownConversion = format != SDL_PIXELFORMAT_RGB565;
  if (v.texture == nullptr && v.ownConversion) {
    v.texture = SDL_CreateTexture(v.renderer, SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_STREAMING, logicalWidth,
                                  logicalHeight);
    v.ownConversion = false;
  }
  SDL_SetRenderDrawColor(v.renderer, 0, 0, 0, 255);
}

bool PresentThroughRenderer(Video& v, const std::uint16_t* pixels, int width, int height, int pitchPixels,
                            bool waitVerticalBlank, PresentTimes* times) {
  if (v.renderer == nullptr || v.texture == nullptr) return false;
  const int vsync = waitVerticalBlank ? 1 : 0;
  if (vsync != v.vsync) {
    SDL_RenderSetVSync(v.renderer, vsync);
    v.vsync = vsync;
  }
  const auto start = std::chrono::steady_clock::now();
  void* texels = nullptr;
  int pitchBytes = 0;
  if (!v.ownConversion) {
    SDL_UpdateTexture(v.texture, nullptr, pixels, pitchPixels * 2);
  } else if (SDL_LockTexture(v.texture, nullptr, &texels, &pitchBytes) == 0) {
    for (int y = 0; y < height; ++y) {
      plat::Rgb565ToXrgbRow(reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(texels) + y * pitchBytes),
                            pixels + static_cast<std::ptrdiff_t>(y) * pitchPixels, static_cast<std::size_t>(width));
    }
    SDL_UnlockTexture(v.texture);
  }
  const auto uploaded = std::chrono::steady_clock::now();
  SDL_RenderClear(v.renderer);
  SDL_RenderCopy(v.renderer, v.texture, nullptr, nullptr);
  SDL_RenderPresent(v.renderer);
  if (times != nullptr) {
    times->convertMs = std::chrono::duration<double, std::milli>(uploaded - start).count();
    times->putMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - uploaded).count();
  }
  return true;
}

}  // namespace

void AttachVideo(SDL_Window* window, int logicalWidth, int logicalHeight, PresentPath preferred) {
  Video& v = V();
  v.width = logicalWidth;
  v.height = logicalHeight;
  if (preferred != PresentPath::RendererTexture) {
    // The window's own framebuffer (shared memory with the X server), not one SDL would draw through
    // a renderer of its own.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (StartSurfacePresenter(window, logicalWidth, logicalHeight)) {
      v.path = preferred;
      return;
    }
    std::fprintf(stderr, "SDL window surface: %s; the picture goes through a renderer\n", SurfaceRefusal(window));
  }
  v.path = PresentPath::RendererTexture;
  AttachRenderer(v, window, logicalWidth, logicalHeight);
}

void DetachVideo() {
  Video& v = V();
  StopSurfacePresenter();
  if (v.texture != nullptr) SDL_DestroyTexture(v.texture);
  if (v.renderer != nullptr) SDL_DestroyRenderer(v.renderer);
  v = Video{};
}

PresentPath AttachedPath() { return V().path; }

// As with an exclusive full-screen display, switching away loses every surface; the next drawing
// call finds out and restores them.
void WindowLostFocus() { plat::MarkAllSurfacesLost(); }

bool PresentPicture(const std::uint16_t* pixels, int width, int height, int pitchPixels, bool waitVerticalBlank,
                    PresentTimes* times) {
  Video& v = V();
  if (width != v.width || height != v.height) return false;
  if (SurfacePresenterRunning()) return PresentOnSurface(pixels, width, height, pitchPixels, times);
  return PresentThroughRenderer(v, pixels, width, height, pitchPixels, waitVerticalBlank, times);
}

// The game's primary surface still holds the picture last presented from it, wipe step and all, while
// a paused game draws nothing (being lost on the focus loss only marks it), and it goes up through the
// present of either path: a window surface that SDL made anew is fetched and gets its bars, the
// renderer's texture is filled again.
void RepaintWindow() { plat::ShowPrimaryAgain(); }

bool ReadShownPicture(std::uint32_t* argb) {
  Video& v = V();
  if (SurfacePresenterRunning()) return ReadSurfacePicture(argb);
  if (v.renderer == nullptr || v.texture == nullptr) return false;
  SDL_RenderClear(v.renderer);
  SDL_RenderCopy(v.renderer, v.texture, nullptr, nullptr);
  return SDL_RenderReadPixels(v.renderer, nullptr, SDL_PIXELFORMAT_ARGB8888, argb, v.width * 4) == 0;
}

}  // namespace plat::sdl

namespace plat::backend {

DisplayTraits GetDisplayTraits() { return DisplayTraits{}; }

void Present(const std::uint16_t* pixels, int width, int height, int pitchPixels, bool waitVerticalBlank) {
  plat::sdl::PresentPicture(pixels, width, height, pitchPixels, waitVerticalBlank, nullptr);
}

}  // namespace plat::backend
