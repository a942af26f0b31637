// The desktop present, several ways, each in its own window (run it under a display big enough for
// the scaled window, e.g. xvfb-run -s "-screen 0 1920x1080x24"), paced at 60 frames a second as the
// game is. Every SDL call is made on this (the main) thread:
//  - an RGB565 streaming texture that SDL converts and uploads (the oldest way);
//  - a streaming texture in the renderer's own format filled by our own conversion (the fallback);
//  - the window's own surface filled by our conversion and put on the screen (the game's), at the
//    picture's size (800x600) and in a bigger window (1920x1080 unless given), where the picture is
//    scaled with its aspect kept.
// For each, medians and 90th percentiles of this thread's time: converting (or scaling) the picture,
// putting it on the screen, the whole present, and pumping the window's events; the whole present
// beside the window surface's at 800x600; and
// whether the shown picture is the one expected: read back as the same 5-6-5 pixels, or for the
// surface, every word of it equal to a plain fit of the last picture into the window, bars included.
//
//   tessivane_present_bench [PRESENTS [WIDTHxHEIGHT]]
#include <SDL.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>
#include <vector>

#include "platform/picture_fit.h"
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
  std::vector<double> convert, put, whole, events;
  const char* same = "not read";
};

void Cell(const std::vector<double>& v) {
  if (v.empty()) {
    std::printf("       -        ");
  } else {
    std::printf(" %6.3f (%6.3f) ", Percentile(v, 0.5), Percentile(v, 0.9));
  }
}

void Print(const char* name, const Figures& f, const Figures& surface) {
  std::printf("%-40s", name);
  Cell(f.convert);
  Cell(f.put);
  Cell(f.whole);
  Cell(f.events);
  std::printf("  %5.2f  %s\n", Percentile(f.whole, 0.5) / Percentile(surface.whole, 0.5), f.same);
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
    if (i >= 0) {
      f.convert.push_back(Ms(start, uploaded)), f.put.push_back(Ms(uploaded, done)), f.whole.push_back(Ms(start, done));
    }
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

// Whether the window surface holds exactly the last picture fitted into it, bars included.
const char* SurfaceAsFitted(SDL_Window* w, const std::vector<std::uint16_t>& pixels) {
  SDL_Surface* s = SDL_GetWindowSurface(w);
  if (s == nullptr || s->format->BytesPerPixel != 4) return "no surface";
  const int pitchWords = s->pitch / 4;
  std::vector<std::uint32_t> expected(static_cast<std::size_t>(pitchWords) * s->h);
  const plat::XrgbWindow window{expected.data(), pitchWords, s->w, s->h};
  const plat::PictureFit fit = plat::FitPicture(kWidth, kHeight, s->w, s->h);
  std::vector<int> columns(static_cast<std::size_t>(fit.width));
  plat::NearestIndices(columns.data(), kWidth, fit.width);
  std::vector<std::uint32_t> row(kWidth);
  plat::PaintBars(window, fit);
  plat::ShowPictureFitted(window, fit, columns.data(), row.data(), pixels.data(), kWidth, kHeight, kWidth);
  const auto* shown = static_cast<const std::uint32_t*>(s->pixels);
  for (int y = 0; y < s->h; ++y)
    for (int x = 0; x < s->w; ++x)
      if ((shown[static_cast<std::size_t>(y) * pitchWords + x] & 0xFFFFFF) !=
          (expected[static_cast<std::size_t>(y) * pitchWords + x] & 0xFFFFFF))
        return "DIFFERS";
  return "same";
}

// The game's own present code, by the path asked for, in a window of the given size.
Figures GamePresent(PresentPath path, int windowWidth, int windowHeight, int presents, std::vector<std::uint16_t>& pixels) {
  Figures f;
  SDL_Window* w = SDL_CreateWindow("present", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, windowWidth, windowHeight, 0);
  plat::sdl::AttachVideo(w, kWidth, kHeight, path);
  Clock::time_point due = Clock::now();
  for (int i = -20; i < presents; ++i) {
    Paint(pixels, i);
    Pump(f, i >= 0);
    plat::sdl::PresentTimes times;
    const auto start = Clock::now();
    plat::sdl::PresentPicture(pixels.data(), kWidth, kHeight, kWidth, false, &times);
    const auto done = Clock::now();
    if (i >= 0) {
      f.convert.push_back(times.convertMs), f.put.push_back(times.putMs);
      f.whole.push_back(Ms(start, done));
    }
    WaitForFrame(due);
  }
  if (plat::sdl::AttachedPath() != path) {
    f.same = "(not available: fell back to the renderer)";
  } else if (path != PresentPath::RendererTexture) {
    f.same = SurfaceAsFitted(w, pixels);
  } else {
    std::vector<std::uint32_t> back(static_cast<std::size_t>(kWidth) * kHeight);
    f.same = plat::sdl::ReadShownPicture(back.data()) && SameAs565(pixels, back.data(), kWidth) ? "same" : "DIFFERS";
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
  int bigWidth = 1920, bigHeight = 1080;
  if (argc > 2 && std::sscanf(argv[2], "%dx%d", &bigWidth, &bigHeight) != 2) {
    std::fprintf(stderr, "usage: tessivane_present_bench [PRESENTS [WIDTHxHEIGHT]]\n");
    return 2;
  }
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "SDL: %s\n", SDL_GetError());
    return 1;
  }
  std::vector<std::uint16_t> pixels(static_cast<std::size_t>(kWidth) * kHeight);
  SDL_DisplayMode desktop{};
  SDL_GetDesktopDisplayMode(0, &desktop);
  std::printf("Present of an 800x600 picture, %d presents each at 60 a second, video driver %s, display %dx%d\n",
              presents, SDL_GetCurrentVideoDriver(), desktop.w, desktop.h);
  if (desktop.w < bigWidth || desktop.h < bigHeight)
    std::printf("the display is smaller than the %dx%d window: the server puts up only what it shows\n", bigWidth,
                bigHeight);
  PrintLoad("before");
  const Figures oldest = SdlConvertedTexture(presents, pixels);
  const Figures texture = GamePresent(PresentPath::RendererTexture, kWidth, kHeight, presents, pixels);
  const Figures surface = GamePresent(PresentPath::WindowSurface, kWidth, kHeight, presents, pixels);
  const Figures scaled = GamePresent(PresentPath::WindowSurface, bigWidth, bigHeight, presents, pixels);
  PrintLoad("after");
  std::printf("milliseconds on the main thread, median (90th percentile); \"x surface\": the whole present's\n"
              "median beside the window surface's at 800x600\n");
  std::printf("%-40s %-16s %-16s %-16s %-16s  x surface picture\n", "", "  convert", "  put on screen",
              "  whole present", "  events");
  Print("RGB565 texture converted by SDL", oldest, surface);
  Print("renderer-format texture (the fallback)", texture, surface);
  Print("window surface (the game's)", surface, surface);
  char name[64];
  std::snprintf(name, sizeof name, "  the same in a %dx%d window, scaled", bigWidth, bigHeight);
  Print(name, scaled, surface);
  SDL_Quit();
  return 0;
}
