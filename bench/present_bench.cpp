// The desktop present, three ways, each in its own 800x600 window (run it under a display, e.g.
// xvfb-run -s "-screen 0 800x600x24"): the picture as it is shown today (an RGB565 streaming texture
// that SDL converts and uploads), a streaming texture in the renderer's own format filled by our own
// conversion, and SDL's window surface filled by our own conversion (with an aspect-keeping scale
// when the window is not the picture's size). For each: the main thread's time to convert and upload
// the picture and for the whole present, medians and 90th percentiles, and whether the shown picture
// reads back as the same 5-6-5 pixels.
//
//   tessivane_present_bench [PRESENTS]
#include <SDL.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/pixel_rows.h"
#include "platform/sdl/sdl_video.h"
#include "platform/surface.h"

namespace {

constexpr int kWidth = 800, kHeight = 600;
using Clock = std::chrono::steady_clock;

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
  std::vector<double> upload, whole;
  bool same = false;
};

void Print(const char* name, const Figures& f, const char* note) {
  std::printf("%-44s convert+upload %6.3f ms (90th %6.3f)  whole present %6.3f ms (90th %6.3f)  picture %s  %s\n", name,
              Percentile(f.upload, 0.5), Percentile(f.upload, 0.9), Percentile(f.whole, 0.5), Percentile(f.whole, 0.9),
              f.same ? "same" : "DIFFERS", note);
}

SDL_Window* OpenWindow(const char* title) {
  return SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kWidth, kHeight, 0);
}

void Pump() {
  SDL_Event e;
  while (SDL_PollEvent(&e)) {
  }
}

// Today's path: SDL converts the RGB565 texture and uploads it.
Figures TodaysTexture(int presents, std::vector<std::uint16_t>& pixels) {
  Figures f;
  SDL_Window* w = OpenWindow("today");
  SDL_Renderer* r = SDL_CreateRenderer(w, -1, SDL_RENDERER_ACCELERATED);
  if (r == nullptr) r = SDL_CreateRenderer(w, -1, SDL_RENDERER_SOFTWARE);
  SDL_RenderSetLogicalSize(r, kWidth, kHeight);
  SDL_Texture* t = SDL_CreateTexture(r, SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_STREAMING, kWidth, kHeight);
  for (int i = -20; i < presents; ++i) {
    Paint(pixels, i);
    Pump();
    const auto start = Clock::now();
    SDL_UpdateTexture(t, nullptr, pixels.data(), kWidth * 2);
    const auto uploaded = Clock::now();
    SDL_RenderClear(r);
    SDL_RenderCopy(r, t, nullptr, nullptr);
    SDL_RenderPresent(r);
    const auto done = Clock::now();
    if (i >= 0) f.upload.push_back(Ms(start, uploaded)), f.whole.push_back(Ms(start, done));
  }
  SDL_RenderClear(r);
  SDL_RenderCopy(r, t, nullptr, nullptr);
  std::vector<std::uint32_t> back(static_cast<std::size_t>(kWidth) * kHeight);
  SDL_RenderReadPixels(r, nullptr, SDL_PIXELFORMAT_ARGB8888, back.data(), kWidth * 4);
  f.same = SameAs565(pixels, back.data(), kWidth);
  SDL_DestroyTexture(t);
  SDL_DestroyRenderer(r);
  SDL_DestroyWindow(w);
  return f;
}

// The game's present now: the texture in the renderer's own format, filled by our conversion.
Figures OwnConversionTexture(int presents, std::vector<std::uint16_t>& pixels) {
  Figures f;
  SDL_Window* w = OpenWindow("own conversion");
  plat::sdl::AttachVideo(w, kWidth, kHeight);
  for (int i = -20; i < presents; ++i) {
    Paint(pixels, i);
    Pump();
    double upload = 0;
    const auto start = Clock::now();
    plat::sdl::PresentPicture(pixels.data(), kWidth, kHeight, kWidth, false, &upload);
    const auto done = Clock::now();
    if (i >= 0) f.upload.push_back(upload), f.whole.push_back(Ms(start, done));
  }
  std::vector<std::uint32_t> back(static_cast<std::size_t>(kWidth) * kHeight);
  f.same = plat::sdl::ReadShownPicture(back.data()) && SameAs565(pixels, back.data(), kWidth);
  plat::sdl::DetachVideo();
  SDL_DestroyWindow(w);
  return f;
}

// SDL's window surface filled by our conversion.
Figures WindowSurface(int presents, std::vector<std::uint16_t>& pixels) {
  Figures f;
  SDL_Window* w = OpenWindow("window surface");
  SDL_Surface* s = SDL_GetWindowSurface(w);
  if (s == nullptr || s->format->BytesPerPixel != 4) {
    std::printf("window surface: not a 32-bit surface (%s)\n", SDL_GetError());
    SDL_DestroyWindow(w);
    return f;
  }
  for (int i = -20; i < presents; ++i) {
    Paint(pixels, i);
    Pump();
    const auto start = Clock::now();
    for (int y = 0; y < kHeight; ++y)
      plat::Rgb565ToXrgbRow(reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(s->pixels) + y * s->pitch),
                            pixels.data() + static_cast<std::size_t>(y) * kWidth, kWidth);
    const auto converted = Clock::now();
    SDL_UpdateWindowSurface(w);
    const auto done = Clock::now();
    if (i >= 0) f.upload.push_back(Ms(start, converted)), f.whole.push_back(Ms(start, done));
  }
  f.same = SameAs565(pixels, static_cast<const std::uint32_t*>(s->pixels), s->pitch / 4);
  SDL_DestroyWindow(w);
  return f;
}

}  // namespace

int main(int argc, char** argv) {
  const int presents = argc > 1 ? std::max(10, std::atoi(argv[1])) : 300;
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "SDL: %s\n", SDL_GetError());
    return 1;
  }
  std::vector<std::uint16_t> pixels(static_cast<std::size_t>(kWidth) * kHeight);
  double load[3] = {};
  getloadavg(load, 3);
  std::printf("Present of an 800x600 picture in an 800x600 window, %d presents each, video driver %s; load average "
              "%.2f %.2f %.2f on %ld cores\n",
              presents, SDL_GetCurrentVideoDriver(), load[0], load[1], load[2], sysconf(_SC_NPROCESSORS_ONLN));
  std::printf("goals: convert+upload <= 0.3 ms, whole present <= 1 ms (medians of main-thread time)\n");
  const Figures today = TodaysTexture(presents, pixels);
  const Figures own = OwnConversionTexture(presents, pixels);
  const Figures surface = WindowSurface(presents, pixels);
  Print("RGB565 texture converted by SDL (before)", today, "");
  Print("renderer-format texture, our conversion", own, "(the game's present)");
  Print("window surface, our conversion", surface, "");
  SDL_Quit();
  return 0;
}
