// The desktop present, several ways, each in its own window (run it under a display, e.g.
// xvfb-run -s "-screen 0 800x600x24"), paced at 60 frames a second as the game is:
//  - an RGB565 streaming texture that SDL converts and uploads (the oldest way);
//  - a streaming texture in the renderer's own format filled by our own conversion (the game's
//    present before the window surface);
//  - the window's own surface filled by our conversion and put on the screen on the game's thread;
//  - the same surface put on the screen by the presenter thread (the game's present): the game's
//    thread converts into the surface and hands it over;
//  - the presenter thread in a 1280x720 window: the game's thread hands over a copy of the picture,
//    the presenter thread scales it with its aspect kept and puts it up.
// For each, medians and 90th percentiles of the game thread's time: waiting for the previous present,
// converting (or copying) and uploading, the whole present, and pumping the window's events; for the
// presenter thread also its own time converting and putting the picture up; and whether the shown
// picture reads back as the same 5-6-5 pixels.
//
//   tessivane_present_bench [PRESENTS]
#include <SDL.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>
#include <vector>

#include "platform/pixel_rows.h"
#include "platform/sdl/sdl_video.h"
#include "platform/surface.h"

namespace {

constexpr int kWidth = 800, kHeight = 600;
using Clock = std::chrono::steady_clock;
using plat::sdl::PresentPath;

double Ms(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double, std::milli>(b - a).count(); }

double Percentile(std::vector<double> v, double p) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[std::min(v.size() - 1, static_cast<std::size_t>(p * static_cast<double>(v.size() - 1) + 0.5))];
}

// A busy picture: every frame a little different, so nothing can be skipped.
void Paint(std::vector<std::uint16_t>& pixels, int frame) {
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      pixels[static_cast<std::size_t>(y) * kWidth + x] = static_cast<std::uint16_t>((x * 7 + y * 13 + frame * 5) * 2654435761u >> 16);
}

// Whether 0xAARRGGBB words read back from the screen are the picture's 5-6-5 pixels.
bool SameAs565(const std::vector<std::uint16_t>& pixels, const std::uint32_t* words, int pitchWords) {
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      if (plat::RgbToPixel(plat::kFormat565, words[static_cast<std::size_t>(y) * pitchWords + x] & 0xFFFFFF) !=
          pixels[static_cast<std::size_t>(y) * kWidth + x])
        return false;
  return true;
}

struct Figures {
  std::vector<double> wait, upload, whole, events, presenterConvert, presenterShow;
  const char* same = "not read";
};

void Cell(const std::vector<double>& v) {
  if (v.empty()) {
    std::printf("       -        ");
  } else {
    std::printf(" %6.3f (%6.3f) ", Percentile(v, 0.5), Percentile(v, 0.9));
  }
}

void Print(const char* name, const Figures& f) {
  std::printf("%-46s", name);
  Cell(f.wait);
  Cell(f.upload);
  Cell(f.whole);
  Cell(f.events);
  Cell(f.presenterConvert);
  Cell(f.presenterShow);
  std::printf(" %s\n", f.same);
}

void Pump(Figures& f, bool keep) {
  const auto start = Clock::now();
  SDL_Event e;
  while (SDL_PollEvent(&e)) {
  }
  if (keep) f.events.push_back(Ms(start, Clock::now()));
}

// Sixty frames a second, as the game's frame clock paces them.
void WaitForFrame(Clock::time_point& due) {
  due += std::chrono::microseconds(16667);
  std::this_thread::sleep_until(due);
}

// The oldest way: SDL converts the RGB565 texture and uploads it.
Figures SdlConvertedTexture(int presents, std::vector<std::uint16_t>& pixels) {
  Figures f;
  SDL_Window* w = SDL_CreateWindow("RGB565 texture", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kWidth, kHeight, 0);
  SDL_Renderer* r = SDL_CreateRenderer(w, -1, SDL_RENDERER_ACCELERATED);
  if (r == nullptr) r = SDL_CreateRenderer(w, -1, SDL_RENDERER_SOFTWARE);
  SDL_RenderSetLogicalSize(r, kWidth, kHeight);
  SDL_Texture* t = SDL_CreateTexture(r, SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_STREAMING, kWidth, kHeight);
  Clock::time_point due = Clock::now();
  for (int i = -20; i < presents; ++i) {
    Paint(pixels, i);
    Pump(f, i >= 0);
    const auto start = Clock::now();
    SDL_UpdateTexture(t, nullptr, pixels.data(), kWidth * 2);
    const auto uploaded = Clock::now();
    SDL_RenderClear(r);
    SDL_RenderCopy(r, t, nullptr, nullptr);
    SDL_RenderPresent(r);
    const auto done = Clock::now();
    if (i >= 0) f.upload.push_back(Ms(start, uploaded)), f.whole.push_back(Ms(start, done));
    WaitForFrame(due);
  }
  SDL_RenderClear(r);
  SDL_RenderCopy(r, t, nullptr, nullptr);
  std::vector<std::uint32_t> back(static_cast<std::size_t>(kWidth) * kHeight);
  SDL_RenderReadPixels(r, nullptr, SDL_PIXELFORMAT_ARGB8888, back.data(), kWidth * 4);
  f.same = SameAs565(pixels, back.data(), kWidth) ? "same" : "DIFFERS";
  SDL_DestroyTexture(t);
  SDL_DestroyRenderer(r);
  SDL_DestroyWindow(w);
  return f;
}

// The game's own present code, by the path asked for, in a window of the given size.
Figures GamePresent(PresentPath path, int windowWidth, int windowHeight, int presents, std::vector<std::uint16_t>& pixels) {
  Figures f;
  SDL_Window* w = SDL_CreateWindow("present", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, windowWidth, windowHeight, 0);
  plat::sdl::AttachVideo(w, kWidth, kHeight, path);
  if (plat::sdl::AttachedPath() != path) {
    f.same = "(not available: fell back to the renderer)";
  }
  Clock::time_point due = Clock::now();
  for (int i = -20; i < presents; ++i) {
    Paint(pixels, i);
    Pump(f, i >= 0);
    plat::sdl::PresentTimes times;
    const auto start = Clock::now();
    plat::sdl::PresentPicture(pixels.data(), kWidth, kHeight, kWidth, false, &times);
    const auto done = Clock::now();
    if (i >= 0) {
      f.wait.push_back(times.waitMs), f.upload.push_back(times.uploadMs), f.whole.push_back(Ms(start, done));
    }
    WaitForFrame(due);
    if (i >= 0 && path == PresentPath::PresenterThread) {
      const plat::sdl::PresenterTimes shown = plat::sdl::LastPresenterTimes();
      f.presenterConvert.push_back(shown.convertMs);
      f.presenterShow.push_back(shown.showMs);
    }
  }
  if (windowWidth == kWidth && windowHeight == kHeight) {
    std::vector<std::uint32_t> back(static_cast<std::size_t>(kWidth) * kHeight);
    f.same = plat::sdl::ReadShownPicture(back.data()) && SameAs565(pixels, back.data(), kWidth) ? "same" : "DIFFERS";
  } else if (plat::sdl::AttachedPath() == path) {
    f.same = "(scaled: not read back)";
  }
  plat::sdl::DetachVideo();
  SDL_DestroyWindow(w);
  return f;
}

void PrintLoad(const char* when) {
  double load[3] = {};
  getloadavg(load, 3);
  std::printf("load average %s: %.2f %.2f %.2f on %ld cores\n", when, load[0], load[1], load[2],
              sysconf(_SC_NPROCESSORS_ONLN));
}

}  // namespace

int main(int argc, char** argv) {
  const int presents = argc > 1 ? std::max(10, std::atoi(argv[1])) : 300;
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "SDL: %s\n", SDL_GetError());
    return 1;
  }
  std::vector<std::uint16_t> pixels(static_cast<std::size_t>(kWidth) * kHeight);
  std::printf("Present of an 800x600 picture, %d presents each at 60 a second, video driver %s\n", presents,
              SDL_GetCurrentVideoDriver());
  PrintLoad("before");
  std::printf("goals: convert+upload <= 0.3 ms, whole present <= 1 ms (medians of the game thread's time)\n");
  const Figures oldest = SdlConvertedTexture(presents, pixels);
  const Figures texture = GamePresent(PresentPath::RendererTexture, kWidth, kHeight, presents, pixels);
  const Figures surface = GamePresent(PresentPath::WindowSurface, kWidth, kHeight, presents, pixels);
  const Figures threaded = GamePresent(PresentPath::PresenterThread, kWidth, kHeight, presents, pixels);
  const Figures scaled = GamePresent(PresentPath::PresenterThread, 1280, 720, presents, pixels);
  PrintLoad("after");
  std::printf("milliseconds, median (90th percentile)         game thread:                                    "
              "                     presenter thread:\n");
  std::printf("%-46s %-16s %-16s %-16s %-16s %-16s %-16s picture\n", "", "  wait", "  convert+upload",
              "  whole present", "  events", "  convert", "  put on screen");
  Print("RGB565 texture converted by SDL (oldest)", oldest);
  Print("renderer-format texture, our conversion (before)", texture);
  Print("window surface, shown on the game thread", surface);
  Print("window surface, presenter thread (the game's)", threaded);
  Print("  the same in a 1280x720 window, scaled", scaled);
  SDL_Quit();
  return 0;
}
