#include "platform/sdl/sdl_presenter.h"

#include <chrono>
#include <cstdio>
#include <vector>

#include "platform/picture_fit.h"

namespace plat::sdl {
namespace {

using Clock = std::chrono::steady_clock;
double Ms(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double, std::milli>(b - a).count(); }

struct Presenter {
  SDL_Window* window = nullptr;
  bool running = false;
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> row;  // one picture row converted, for the scaled copy
  std::vector<int> columns;        // window column -> picture column
  SDL_Surface* surface = nullptr;
  void* surfacePixels = nullptr;
  XrgbWindow target;
  PictureFit fit;
};

Presenter& P() {
  static Presenter presenter;
  return presenter;
}

bool XrgbWords(const SDL_Surface* s) {
  return s->format->BytesPerPixel == 4 && s->format->Rmask == 0xFF0000 && s->format->Gmask == 0xFF00 &&
         s->format->Bmask == 0xFF;
}

// The window's surface as it is now: SDL makes a new one after the window's size changed.
bool FetchSurface(Presenter& p) {
  SDL_Surface* s = SDL_GetWindowSurface(p.window);
  if (s == nullptr || !XrgbWords(s)) return false;
  if (s == p.surface && s->pixels == p.surfacePixels && s->w == p.target.width && s->h == p.target.height) return true;
  p.surface = s;
  p.surfacePixels = s->pixels;
  p.target = XrgbWindow{static_cast<std::uint32_t*>(s->pixels), s->pitch / 4, s->w, s->h};
  p.fit = FitPicture(p.width, p.height, s->w, s->h);
  p.columns.resize(static_cast<std::size_t>(p.fit.width));
  NearestIndices(p.columns.data(), p.width, p.fit.width);
  // The bars stay black in the surface from here on: only the picture is written each frame.
  if (p.fit.width != p.target.width || p.fit.height != p.target.height) PaintBars(p.target, p.fit);
  return true;
}

// The whole surface, bars included (measured: no slower than the picture's rectangle alone), as big
// as it was when fetched; SDL clips it to the window, which may have shrunk since. SDL refuses a
// surface that went stale meanwhile; the next present, or the repaint that the change of size brings,
// fetches a new one. Returns when the server has read the surface.
void Put(Presenter& p) {
  const SDL_Rect all{0, 0, p.target.width, p.target.height};
  SDL_UpdateWindowSurfaceRects(p.window, &all, 1);
}

}  // namespace

bool StartSurfacePresenter(SDL_Window* window, int width, int height) {
  Presenter& p = P();
  if (p.running || window == nullptr || width <= 0 || height <= 0) return false;
  p.window = window;
  p.width = width;
  p.height = height;
  p.surface = nullptr;
  if (!FetchSurface(p)) {
    p.window = nullptr;
    return false;
  }
  p.row.assign(static_cast<std::size_t>(width), 0);
  p.running = true;
  return true;
}

void StopSurfacePresenter() { P() = Presenter{}; }

const char* SurfaceRefusal(SDL_Window* window) {
  static char reason[160];
  const SDL_Surface* s = SDL_GetWindowSurface(window);
  if (s == nullptr) return SDL_GetError();
  if (XrgbWords(s)) return "the window's surface could not be used";
  std::snprintf(reason, sizeof reason, "the display's pixels are %s, not the 32-bit XRGB the picture is shown in",
                SDL_GetPixelFormatName(s->format->format));
  return reason;
}

bool SurfacePresenterRunning() { return P().running; }

bool PresentOnSurface(const std::uint16_t* pixels, int width, int height, int pitchPixels, PresentTimes* times) {
  Presenter& p = P();
  if (!p.running || width != p.width || height != p.height) return false;
  const Clock::time_point start = Clock::now();
  if (!FetchSurface(p)) return false;
  ShowPictureFitted(p.target, p.fit, p.columns.data(), p.row.data(), pixels, width, height, pitchPixels);
  const Clock::time_point converted = Clock::now();
  Put(p);
  if (times != nullptr) *times = PresentTimes{Ms(start, converted), Ms(converted, Clock::now())};
  return true;
}

bool ReadSurfacePicture(std::uint32_t* argb) {
  Presenter& p = P();
  if (!p.running || p.target.words == nullptr || p.fit.width != p.width || p.fit.height != p.height) return false;
  for (int y = 0; y < p.height; ++y) {
    const std::uint32_t* in = p.target.words + static_cast<std::ptrdiff_t>(p.fit.top + y) * p.target.pitchWords + p.fit.left;
    for (int x = 0; x < p.width; ++x) argb[static_cast<std::size_t>(y) * p.width + x] = 0xFF000000u | in[x];
  }
  return true;
}

}  // namespace plat::sdl
