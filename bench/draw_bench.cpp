// The drawers on realistic sprites, next to SDL2's own blitter doing the same work on RGB565
// surfaces, so the ratio can be read from one run.
#include <SDL.h>
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "framework/el_draw.h"
#include "framework/el_system.h"
#include "platform/headless/headless_host.h"

namespace {

// A picture of `size` with a round bright middle on black, written as a 24-bit BMP.
void WriteSprite(const std::string& path, int width, int height, bool round) {
  const int rowBytes = (width * 3 + 3) & ~3;
  std::vector<std::uint8_t> b(54 + static_cast<std::size_t>(rowBytes) * height, 0);
  auto put32 = [&](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  b[0] = 'B', b[1] = 'M';
  put32(2, static_cast<std::uint32_t>(b.size()));
  put32(10, 54), put32(14, 40), put32(18, static_cast<std::uint32_t>(width)), put32(22, static_cast<std::uint32_t>(height));
  b[26] = 1, b[28] = 24;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const double d = std::hypot(x + 0.5 - width / 2.0, y + 0.5 - height / 2.0) / (width / 2.0);
      const bool on = round ? d < 1 : (x + y) % 7 != 0;
      std::uint8_t* p = b.data() + 54 + static_cast<std::size_t>(y) * rowBytes + 3 * x;
      if (on) p[0] = static_cast<std::uint8_t>(90 + x % 100), p[1] = static_cast<std::uint8_t>(150 + y % 100), p[2] = 200;
    }
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return;
  std::fwrite(b.data(), 1, b.size(), f);
  std::fclose(f);
}

struct Scene {
  int shot20 = 0, shot60 = 0, tile = 0, shot35 = 0;
};

const Scene& OpenDisplay() {
  static Scene scene;
  static bool open = false;
  if (open) return scene;
  open = true;
  char pattern[] = "/tmp/tessivane-bench-XXXXXX";
  const std::string dir = mkdtemp(pattern) != nullptr ? pattern : "/tmp";
  mkdir((dir + "/IMAGE").c_str(), 0755);
  WriteSprite(dir + "/IMAGE/S20.BMP", 20, 20, true);
  WriteSprite(dir + "/IMAGE/S60.BMP", 60, 60, true);
  WriteSprite(dir + "/IMAGE/TILE.BMP", 440, 480, false);
  WriteSprite(dir + "/IMAGE/S35.BMP", 30, 30, true);
  plat::headless::Reset();
  elSystem::InitGlobals();
  plat::headless::SetProgramPath(dir + "/prog");
  elDraw::Screen(800, 600, 2);
  elDraw::SetClipRect(220, 0, 580, 600);
  scene.shot20 = elDraw::LoadObject("IMAGE/S20.BMP", 1);
  scene.shot60 = elDraw::LoadObject("IMAGE/S60.BMP", 1);
  scene.tile = elDraw::LoadObject("IMAGE/TILE.BMP", 1);
  scene.shot35 = elDraw::LoadObject("IMAGE/S35.BMP", 1);
  return scene;
}

// Sprites drawn per iteration, spread over the play field.
constexpr int kBatch = 64;
int SpotX(int i) { return 230 + (i * 37) % 300; }
int SpotY(int i) { return 20 + (i * 53) % 520; }

void BM_Additive20(benchmark::State& state) {
  const Scene& s = OpenDisplay();
  for (auto _ : state)
    for (int i = 0; i < kBatch; ++i) elDraw::DrawAdditive(SpotX(i), SpotY(i), s.shot20, 0, 0, 20, 20);
  state.SetItemsProcessed(state.iterations() * kBatch);
}
BENCHMARK(BM_Additive20);

void BM_Additive60(benchmark::State& state) {
  const Scene& s = OpenDisplay();
  for (auto _ : state)
    for (int i = 0; i < kBatch; ++i) elDraw::DrawAdditive(SpotX(i), SpotY(i), s.shot60, 0, 0, 60, 60);
  state.SetItemsProcessed(state.iterations() * kBatch);
}
BENCHMARK(BM_Additive60);

void BM_HalfBlend60(benchmark::State& state) {
  const Scene& s = OpenDisplay();
  for (auto _ : state)
    for (int i = 0; i < kBatch; ++i) elDraw::DrawHalfBlend(SpotX(i), SpotY(i), s.shot60, 0, 0, 60, 60);
  state.SetItemsProcessed(state.iterations() * kBatch);
}
BENCHMARK(BM_HalfBlend60);

void BM_KeyedTile440x480(benchmark::State& state) {
  const Scene& s = OpenDisplay();
  for (auto _ : state) elDraw::DrawObject(180, 60, s.tile, 0, 0, 440, 480);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_KeyedTile440x480);

void BM_Rotated35(benchmark::State& state) {
  const Scene& s = OpenDisplay();
  int angle = 0;
  for (auto _ : state)
    for (int i = 0; i < kBatch; ++i, angle += 7)
      elDraw::DrawRotated(SpotX(i), SpotY(i), SpotX(i) + 35, SpotY(i) + 35, angle % 360, s.shot35, 0, 0, 30, 30);
  state.SetItemsProcessed(state.iterations() * kBatch);
}
BENCHMARK(BM_Rotated35);

void BM_ClearAndPresent(benchmark::State& state) {
  OpenDisplay();
  for (auto _ : state) {
    elDraw::ClearBackBuffer();
    elDraw::Present();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ClearAndPresent);

void BM_WipeStepAndPresent(benchmark::State& state) {
  OpenDisplay();
  for (auto _ : state) {
    ScreenTransition = ScreenTransitionRecord{3, 20, -1, 30};
    elDraw::Present();
  }
  ScreenTransition = ScreenTransitionRecord{};
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_WipeStepAndPresent);

// ---- the same work by SDL2's blitter -----------------------------------------------------------

struct SdlScene {
  SDL_Surface* screen = nullptr;
  SDL_Surface* shot20 = nullptr;
  SDL_Surface* shot60 = nullptr;
  SDL_Surface* tile = nullptr;
};

// The loaded picture of a slot, as an RGB565 SDL surface with the same pixels.
SDL_Surface* CopyOfSlot(int slot) {
  int pitch = 0;
  const elDraw::ObjectSlot& o = elDraw::ObjectTable[slot];
  const std::uint16_t* pixels = plat::PeekPixels(o.surface, pitch);
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, o.width, o.height, 16, SDL_PIXELFORMAT_RGB565);
  for (int y = 0; y < o.height; ++y)
    std::copy(pixels + y * pitch, pixels + y * pitch + o.width,
              reinterpret_cast<std::uint16_t*>(static_cast<std::uint8_t*>(s->pixels) + y * s->pitch));
  return s;
}

const SdlScene& OpenSdl() {
  static SdlScene scene;
  if (scene.screen != nullptr) return scene;
  const Scene& s = OpenDisplay();
  scene.screen = SDL_CreateRGBSurfaceWithFormat(0, 800, 600, 16, SDL_PIXELFORMAT_RGB565);
  const SDL_Rect clip{220, 0, 360, 600};
  SDL_SetClipRect(scene.screen, &clip);
  scene.shot20 = CopyOfSlot(s.shot20);
  scene.shot60 = CopyOfSlot(s.shot60);
  scene.tile = CopyOfSlot(s.tile);
  for (SDL_Surface* sprite : {scene.shot20, scene.shot60}) SDL_SetSurfaceBlendMode(sprite, SDL_BLENDMODE_ADD);
  SDL_SetColorKey(scene.tile, SDL_TRUE, 0);
  return scene;
}

void SdlBatch(benchmark::State& state, SDL_Surface* sprite) {
  const SdlScene& s = OpenSdl();
  for (auto _ : state)
    for (int i = 0; i < kBatch; ++i) {
      SDL_Rect at{SpotX(i), SpotY(i), 0, 0};
      SDL_BlitSurface(sprite, nullptr, s.screen, &at);
    }
  state.SetItemsProcessed(state.iterations() * kBatch);
}

void BM_SdlAdditive20(benchmark::State& state) { SdlBatch(state, OpenSdl().shot20); }
BENCHMARK(BM_SdlAdditive20);
void BM_SdlAdditive60(benchmark::State& state) { SdlBatch(state, OpenSdl().shot60); }
BENCHMARK(BM_SdlAdditive60);

void BM_SdlKeyedTile440x480(benchmark::State& state) {
  const SdlScene& s = OpenSdl();
  for (auto _ : state) {
    SDL_Rect at{180, 60, 0, 0};
    SDL_BlitSurface(s.tile, nullptr, s.screen, &at);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SdlKeyedTile440x480);

void BM_SdlClear(benchmark::State& state) {
  OpenSdl();
  static SDL_Surface* whole = SDL_CreateRGBSurfaceWithFormat(0, 800, 600, 16, SDL_PIXELFORMAT_RGB565);
  for (auto _ : state) SDL_FillRect(whole, nullptr, 0);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SdlClear);

}  // namespace
