// The drawers against the same work done another way, pair by pair: each pair first draws the same
// sprites on the same background both ways and checks that the two pictures are equal bit for bit,
// then times both sides in turn (A B A B ...) and prints the median of each and their ratio beside
// the goal. Where SDL2's blitter computes the same pixels (the colour-keyed and the fast copy, the
// clear) it is the other side; where it cannot (the additive blend keeps 5-bit green, the half blend
// drops each channel's low bit) the other side is the drawer's own plain per-pixel loop of the same
// rule, and SDL's nearest operation is shown as a labelled reference that draws other pixels.
//
//   tessivane_bench [ROUNDS] [--plain]   (--plain: our side runs the plain loops too, as the drawers
//                                         did before the fast loops, for a before-and-after view)
#include <SDL.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "framework/el_draw.h"
#include "framework/el_system.h"
#include "platform/headless/headless_host.h"
#include "platform/pixel_rows.h"

namespace {

// A picture with a round bright middle on black (or a tile with a few black holes), as a 24-bit BMP.
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

struct Pictures {
  int shot20 = 0, shot60 = 0, tile = 0, shot30 = 0;
};

Pictures OpenDisplay() {
  Pictures p;
  char pattern[] = "/tmp/tessivane-bench-XXXXXX";
  const std::string dir = mkdtemp(pattern) != nullptr ? pattern : "/tmp";
  mkdir((dir + "/IMAGE").c_str(), 0755);
  WriteSprite(dir + "/IMAGE/S20.BMP", 20, 20, true);
  WriteSprite(dir + "/IMAGE/S60.BMP", 60, 60, true);
  WriteSprite(dir + "/IMAGE/TILE.BMP", 440, 480, false);
  WriteSprite(dir + "/IMAGE/S30.BMP", 30, 30, true);
  plat::headless::Reset();
  elSystem::InitGlobals();
  plat::headless::SetProgramPath(dir + "/prog");
  elDraw::Screen(800, 600, 2);
  elDraw::SetClipRect(220, 0, 580, 600);
  p.shot20 = elDraw::LoadObject("IMAGE/S20.BMP", 1);
  p.shot60 = elDraw::LoadObject("IMAGE/S60.BMP", 1);
  p.tile = elDraw::LoadObject("IMAGE/TILE.BMP", 1);
  p.shot30 = elDraw::LoadObject("IMAGE/S30.BMP", 1);
  return p;
}

// ---- the back buffer and SDL's screen share one background -------------------------------------

std::vector<std::uint16_t> background;

std::uint16_t* BackPixels(int& pitch) {
  plat::LockedSurface l;
  plat::Lock(elDraw::Display.backBuffer, l, 0);
  plat::Unlock(elDraw::Display.backBuffer);
  pitch = l.pitchBytes / 2;
  return l.pixels;
}

void MakeBackground() {
  background.resize(800 * 600);
  std::uint32_t seed = 12345;
  for (std::uint16_t& p : background) {
    seed = seed * 1664525u + 1013904223u;
    p = static_cast<std::uint16_t>(seed >> 16);
  }
}

void ResetBack() {
  int pitch = 0;
  std::uint16_t* back = BackPixels(pitch);
  for (int y = 0; y < 600; ++y) std::memcpy(back + y * pitch, &background[y * 800], 1600);
}

void ResetSdl(SDL_Surface* s) {
  for (int y = 0; y < 600; ++y) std::memcpy(static_cast<std::uint8_t*>(s->pixels) + y * s->pitch, &background[y * 800], 1600);
}

bool BackEquals(const std::vector<std::uint16_t>& other) {
  int pitch = 0;
  const std::uint16_t* back = BackPixels(pitch);
  for (int y = 0; y < 600; ++y)
    if (std::memcmp(back + y * pitch, &other[y * 800], 1600) != 0) return false;
  return true;
}

std::vector<std::uint16_t> BackCopy() {
  int pitch = 0;
  const std::uint16_t* back = BackPixels(pitch);
  std::vector<std::uint16_t> copy(800 * 600);
  for (int y = 0; y < 600; ++y) std::memcpy(&copy[y * 800], back + y * pitch, 1600);
  return copy;
}

std::vector<std::uint16_t> SdlCopy(SDL_Surface* s) {
  std::vector<std::uint16_t> copy(800 * 600);
  for (int y = 0; y < 600; ++y) std::memcpy(&copy[y * 800], static_cast<std::uint8_t*>(s->pixels) + y * s->pitch, 1600);
  return copy;
}

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

// ---- timing -------------------------------------------------------------------------------------

constexpr int kBatch = 64;  // sprites per call of a batch, spread over the play field
int SpotX(int i) { return 230 + (i * 37) % 300; }
int SpotY(int i) { return 20 + (i * 53) % 520; }

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

// Median nanoseconds of one call of each, timed in turn; each sample runs enough calls for ~2 ms.
void TimePair(const std::function<void()>& a, const std::function<void()>& b, int rounds, double& aNs, double& bNs) {
  auto once = [](const std::function<void()>& f, int calls) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < calls; ++i) f();
    return std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count() / calls;
  };
  const int aCalls = std::max(1, static_cast<int>(2e6 / std::max(1.0, once(a, 3))));
  const int bCalls = std::max(1, static_cast<int>(2e6 / std::max(1.0, once(b, 3))));
  std::vector<double> as, bs;
  for (int r = 0; r < rounds; ++r) {
    as.push_back(once(a, aCalls));
    bs.push_back(once(b, bCalls));
  }
  aNs = Median(as);
  bNs = Median(bs);
}

int failures = 0;

void Row(const char* pair, const char* other, double ours, double theirs, bool equal, const char* goal, double want) {
  const double ratio = theirs / ours;
  const bool ok = equal && (want <= 0 || ratio >= want);
  std::printf("%-34s %9.1f us %-28s %9.1f us %6.2fx  %-9s %s\n", pair, ours / 1000, other, theirs / 1000, ratio, goal,
              !equal ? "PICTURES DIFFER" : want <= 0 ? "measured" : ok ? "ok" : "under goal");
  if (!equal) ++failures;
}

void Reference(const char* what, double ours, double sdl) {
  std::printf("  %-32s %9s    %-28s %9.1f us %6.2fx  (reference: SDL draws other pixels)\n", "", "", what, sdl / 1000,
              sdl / ours);
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
  const bool plainOnly = argc > 2 && std::strcmp(argv[2], "--plain") == 0;
  plat::SetPlainPixelLoops(plainOnly);
  const Pictures p = OpenDisplay();
  MakeBackground();
  SDL_Surface* screen = SDL_CreateRGBSurfaceWithFormat(0, 800, 600, 16, SDL_PIXELFORMAT_RGB565);
  const SDL_Rect clip{220, 0, 360, 600};
  SDL_SetClipRect(screen, &clip);
  SDL_Surface* tile = CopyOfSlot(p.tile);
  SDL_Surface* tileOpaque = CopyOfSlot(p.tile);
  SDL_Surface* add20 = CopyOfSlot(p.shot20);
  SDL_Surface* add60 = CopyOfSlot(p.shot60);
  SDL_Surface* half60 = CopyOfSlot(p.shot60);
  SDL_SetColorKey(tile, SDL_TRUE, 0);
  SDL_SetSurfaceBlendMode(tileOpaque, SDL_BLENDMODE_NONE);
  SDL_SetSurfaceBlendMode(add20, SDL_BLENDMODE_ADD);
  SDL_SetSurfaceBlendMode(add60, SDL_BLENDMODE_ADD);
  SDL_SetSurfaceBlendMode(half60, SDL_BLENDMODE_BLEND);
  SDL_SetSurfaceAlphaMod(half60, 128);

  double load[3] = {};
  getloadavg(load, 3);
  std::printf("Drawers on a 800x600 RGB565 back buffer, play-field clip, medians of %d rounds; load average %.2f %.2f "
              "%.2f on %ld cores\n",
              rounds, load[0], load[1], load[2], sysconf(_SC_NPROCESSORS_ONLN));
  if (plainOnly) std::printf("(our side runs the plain per-pixel loops)\n");
  std::printf("%-34s %12s %-28s %12s %7s  %-9s\n", "ours", "time", "the same work by", "time", "ratio", "goal");

  auto sdlBatch = [&](SDL_Surface* sprite) {
    for (int i = 0; i < kBatch; ++i) {
      SDL_Rect at{SpotX(i), SpotY(i), 0, 0};
      SDL_BlitSurface(sprite, nullptr, screen, &at);
    }
  };
  using Drawer = int (*)(int, int, int, int, int, int, int);
  auto ourBatch = [](Drawer draw, int slot, int size) {
    for (int i = 0; i < kBatch; ++i) draw(SpotX(i), SpotY(i), slot, 0, 0, size, size);
  };
  auto plain = [plainOnly](const std::function<void()>& f) {
    return [f, plainOnly] {
      plat::SetPlainPixelLoops(true);
      f();
      plat::SetPlainPixelLoops(plainOnly);
    };
  };
  // Our side once, then the other side once, from the same background: equal pictures?
  auto sameAsSdl = [&](const std::function<void()>& ours, const std::function<void()>& sdl) {
    ResetBack(), ResetSdl(screen);
    ours(), sdl();
    return BackEquals(SdlCopy(screen));
  };
  auto sameAsPlain = [&](const std::function<void()>& fast) {
    ResetBack();
    plain(fast)();
    const std::vector<std::uint16_t> expected = BackCopy();
    ResetBack();
    fast();
    return BackEquals(expected);
  };
  double a = 0, b = 0;

  // The 440x480 tile at (180, 60), by one of our copies and by SDL's blit of the tile's surface.
  auto tileCopy = [&](void (*ours)(int), SDL_Surface* sdlTile, const char* name, const char* other, const char* goal,
                      double want) {
    auto draw = [&] { ours(p.tile); };
    auto sdl = [&] {
      SDL_Rect at{180, 60, 0, 0};
      SDL_BlitSurface(sdlTile, nullptr, screen, &at);
    };
    const bool equal = sameAsSdl(draw, sdl);
    TimePair(draw, sdl, rounds, a, b);
    Row(name, other, a, b, equal, goal, want);
  };
  tileCopy([](int slot) { elDraw::DrawObject(180, 60, slot, 0, 0, 440, 480); }, tile, "keyed copy 440x480 tile",
           "SDL colour-keyed blit", ">= 2x", 2);
  tileCopy([](int slot) { elDraw::DrawOpaque(180, 60, slot, 0, 0, 440, 480); }, tileOpaque, "fast copy 440x480 tile",
           "SDL plain blit", "-", 0);
  {
    SDL_SetClipRect(screen, nullptr);
    auto ours = [] { elDraw::ClearBackBuffer(); };
    auto sdl = [&] { SDL_FillRect(screen, nullptr, 0); };
    const bool equal = sameAsSdl(ours, sdl);
    TimePair(ours, sdl, rounds, a, b);
    Row("clear 800x600", "SDL_FillRect", a, b, equal, ">= 1x", 1);
    SDL_SetClipRect(screen, &clip);
  }
  struct Blend {
    const char* name;
    Drawer draw;
    int slot, size;
    SDL_Surface* sdl;
    const char* sdlName;
  };
  const Blend blends[] = {
      {"additive 64 sprites 20x20", elDraw::DrawAdditive, p.shot20, 20, add20, "SDL additive (6-bit green)"},
      {"additive 64 sprites 60x60", elDraw::DrawAdditive, p.shot60, 60, add60, "SDL additive (6-bit green)"},
      {"half blend 64 sprites 60x60", elDraw::DrawHalfBlend, p.shot60, 60, half60, "SDL alpha 128 (rounds)"},
  };
  for (const Blend& k : blends) {
    auto ours = [&] { ourBatch(k.draw, k.slot, k.size); };
    const bool equal = sameAsPlain(ours);
    TimePair(ours, plain(ours), rounds, a, b);
    Row(k.name, "plain loop of the same rule", a, b, equal, ">= 2x", 2);
    double s = 0;
    TimePair(ours, [&] { sdlBatch(k.sdl); }, rounds, a, s);
    Reference(k.sdlName, a, s);
  }
  {
    auto ours = [&] {
      int angle = 0;
      for (int i = 0; i < kBatch; ++i, angle += 7)
        elDraw::DrawRotated(SpotX(i), SpotY(i), SpotX(i) + 35, SpotY(i) + 35, angle % 360, p.shot30, 0, 0, 30, 30);
    };
    const bool equal = sameAsPlain(ours);
    TimePair(ours, plain(ours), rounds, a, b);
    Row("rotated 64 sprites 30x30 in 35x35", "plain loop of the same rule", a, b, equal, "-", 0);
  }
  {
    auto ours = [&] {
      for (int i = 0; i < 8; ++i) elDraw::DrawStretched(SpotX(i), SpotY(i), p.shot60, 0, 0, 60, 60, 90, 90);
    };
    const bool equal = sameAsPlain(ours);
    TimePair(ours, plain(ours), rounds, a, b);
    Row("stretched 8 sprites 60x60 to 90x90", "plain loop of the same rule", a, b, equal, "-", 0);
    SDL_Surface* keyed60 = CopyOfSlot(p.shot60);
    SDL_SetColorKey(keyed60, SDL_TRUE, 0);
    double s = 0;
    TimePair(ours, [&] {
      for (int i = 0; i < 8; ++i) {
        SDL_Rect at{SpotX(i), SpotY(i), 90, 90};
        SDL_BlitScaled(keyed60, nullptr, screen, &at);
      }
    }, rounds, a, s);
    Reference("SDL_BlitScaled keyed", a, s);
  }
  return failures == 0 ? 0 : 1;
}
