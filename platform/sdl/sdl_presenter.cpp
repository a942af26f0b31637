#include "platform/sdl/sdl_presenter.h"

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/picture_fit.h"

namespace plat::sdl {
namespace {

using Clock = std::chrono::steady_clock;
double Ms(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double, std::milli>(b - a).count(); }

// Everything the presenter thread reads is written by the game's thread only while no present runs
// (pending false), and handed over under the lock.
struct Presenter {
  SDL_Window* window = nullptr;
  bool running = false;
  bool threaded = false;
  int width = 0;
  int height = 0;
  std::vector<std::uint16_t> picture;  // the frame handed to the thread to be scaled
  std::vector<std::uint32_t> row;      // one picture row converted, for the scaled copy
  std::vector<int> columns;            // window column -> picture column
  SDL_Surface* surface = nullptr;
  void* surfacePixels = nullptr;
  XrgbWindow target;
  PictureFit fit;
  std::mutex lock;
  std::condition_variable changed;
  bool pending = false;
  bool quit = false;
  PresenterTimes times;
  std::thread thread;

  // Lets the last present finish and ends the thread.
  void EndThread() {
    if (!thread.joinable()) return;
    {
      std::lock_guard<std::mutex> held(lock);
      quit = true;
    }
    changed.notify_all();
    thread.join();
  }
  // A program that ends without closing its window.
  ~Presenter() { EndThread(); }
};

Presenter& P() {
  static Presenter presenter;
  return presenter;
}

bool XrgbWords(const SDL_Surface* s) {
  return s->format->BytesPerPixel == 4 && s->format->Rmask == 0xFF0000 && s->format->Gmask == 0xFF00 &&
         s->format->Bmask == 0xFF;
}

// The window's surface as it is now: SDL makes a new one after the window's size changed. Called on
// the game's thread while no present runs.
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

bool Scaled(const Presenter& p) { return p.fit.width != p.width || p.fit.height != p.height; }

void Convert(Presenter& p, const std::uint16_t* pixels, int pitchPixels) {
  ShowPictureFitted(p.target, p.fit, p.columns.data(), p.row.data(), pixels, p.width, p.height, pitchPixels);
}

// The whole surface, as big as it was when fetched: SDL clips it to the window, which may have
// shrunk since. A surface that went stale meanwhile is refused; the next present fetches a new one.
void Put(Presenter& p) {
  const SDL_Rect all{0, 0, p.target.width, p.target.height};
  SDL_UpdateWindowSurfaceRects(p.window, &all, 1);
}

// On the presenter thread: a scaled picture is converted here from the copy handed over, one at the
// picture's own size was already converted into the surface by the game's thread.
void PresenterLoop() {
  Presenter& p = P();
  std::unique_lock<std::mutex> held(p.lock);
  for (;;) {
    p.changed.wait(held, [&p] { return p.pending || p.quit; });
    if (!p.pending) return;
    held.unlock();
    const Clock::time_point start = Clock::now();
    if (Scaled(p)) Convert(p, p.picture.data(), p.width);
    const Clock::time_point converted = Clock::now();
    Put(p);
    p.times = PresenterTimes{Ms(start, converted), Ms(converted, Clock::now())};
    held.lock();
    p.pending = false;
    p.changed.notify_all();
  }
}

void WaitIdle(Presenter& p) {
  std::unique_lock<std::mutex> held(p.lock);
  p.changed.wait(held, [&p] { return !p.pending; });
}

}  // namespace

bool StartSurfacePresenter(SDL_Window* window, int width, int height, bool ownThread) {
  Presenter& p = P();
  if (p.running || window == nullptr || width <= 0 || height <= 0) return false;
  p.window = window;
  p.width = width;
  p.height = height;
  if (!FetchSurface(p)) {
    p.window = nullptr;
    return false;
  }
  // A surface that SDL draws through a renderer of its own belongs to this thread's drawing context:
  // it is shown here, never from another thread.
  p.threaded = ownThread && SDL_GetRenderer(window) == nullptr;
  p.picture.assign(static_cast<std::size_t>(width) * height, 0);
  p.row.assign(static_cast<std::size_t>(width), 0);
  p.pending = false;
  p.quit = false;
  if (p.threaded) p.thread = std::thread(PresenterLoop);
  p.running = true;
  return true;
}

void StopSurfacePresenter() {
  Presenter& p = P();
  if (!p.running) return;
  p.EndThread();
  p.running = false;
  p.threaded = false;
  p.window = nullptr;
  p.surface = nullptr;
  p.surfacePixels = nullptr;
  p.target = XrgbWindow{};
  p.fit = PictureFit{};
}

bool SurfacePresenterRunning() { return P().running; }

bool PresentOnSurface(const std::uint16_t* pixels, int width, int height, int pitchPixels, PresentTimes* times) {
  Presenter& p = P();
  if (!p.running || width != p.width || height != p.height) return false;
  const Clock::time_point start = Clock::now();
  if (p.threaded) WaitIdle(p);
  const Clock::time_point idle = Clock::now();
  if (!FetchSurface(p)) return false;
  if (!p.threaded || !Scaled(p)) {
    Convert(p, pixels, pitchPixels);
  } else {
    for (int y = 0; y < height; ++y) {
      std::memcpy(p.picture.data() + static_cast<std::size_t>(y) * width,
                  pixels + static_cast<std::ptrdiff_t>(y) * pitchPixels, static_cast<std::size_t>(width) * 2);
    }
  }
  const Clock::time_point handed = Clock::now();
  if (p.threaded) {
    {
      std::lock_guard<std::mutex> held(p.lock);
      p.pending = true;
    }
    p.changed.notify_all();
  } else {
    Put(p);
    p.times = PresenterTimes{Ms(idle, handed), Ms(handed, Clock::now())};
  }
  if (times != nullptr) {
    times->waitMs = Ms(start, idle);
    times->uploadMs = Ms(idle, handed);
  }
  return true;
}

void FinishSurfacePresents() {
  Presenter& p = P();
  if (p.running && p.threaded) WaitIdle(p);
}

PresenterTimes LastPresenterTimes() {
  Presenter& p = P();
  FinishSurfacePresents();
  return p.times;
}

bool ReadSurfacePicture(std::uint32_t* argb) {
  Presenter& p = P();
  FinishSurfacePresents();
  if (!p.running || p.target.words == nullptr || p.fit.width != p.width || p.fit.height != p.height) return false;
  for (int y = 0; y < p.height; ++y) {
    const std::uint32_t* in = p.target.words + static_cast<std::ptrdiff_t>(p.fit.top + y) * p.target.pitchWords + p.fit.left;
    for (int x = 0; x < p.width; ++x) argb[static_cast<std::size_t>(y) * p.width + x] = 0xFF000000u | in[x];
  }
  return true;
}

}  // namespace plat::sdl
