// The drawers' eight-at-a-time loops against their plain per-pixel twins: the same random pictures
// drawn both ways over random positions, source rectangles, colour keys and clip rectangles (the play
// field, the whole screen, and rectangles reaching past the screen) must leave the same back buffer.
#include <cstring>
#include <random>

#include "display_fixture.h"
#include "platform/headless/headless_host.h"
#include "platform/pixel_rows.h"

namespace display_test {
namespace {

constexpr int kPictureWidth = 70, kPictureHeight = 45;

class DrawerLoops : public DisplayTest {
 protected:
  void TearDown() override {
    plat::SetPlainPixelLoops(false);
    DisplayTest::TearDown();
  }

  // Opens the display (5-6-5 or 5-5-5) with one picture of random pixels, a third of them 0.
  void Open(bool rgb555) {
    elDraw::Shutdown();
    plat::headless::SetDisplayTraits(rgb555, false);
    ASSERT_EQ(elDraw::Screen(800, 600, 2), 1);
    WritePicture("R.BMP", kPictureWidth, kPictureHeight, 0xFFFFFF);
    slot_ = elDraw::LoadObject("IMAGE/R.BMP", 1);
    ASSERT_GT(slot_, 0);
    plat::Surface* s = elDraw::ObjectTable[slot_].surface;
    for (int y = 0; y < kPictureHeight; ++y)
      for (int x = 0; x < kPictureWidth; ++x) Poke(s, x, y, RandomPixel());
  }

  std::uint16_t RandomPixel() {
    if (random_() % 3 == 0) return 0;
    std::uint16_t p = static_cast<std::uint16_t>(random_());
    if (rgb555_) p &= 0x7FFF;  // a 5-5-5 display never holds the top bit
    return p;
  }
  int Between(int low, int high) { return low + static_cast<int>(random_() % static_cast<unsigned>(high - low + 1)); }

  std::vector<std::uint16_t> BackBuffer() {
    plat::LockedSurface l;
    EXPECT_EQ(plat::Lock(elDraw::Display.backBuffer, l, 0), plat::DD_OK);
    std::vector<std::uint16_t> copy(l.pixels, l.pixels + static_cast<std::size_t>(l.pitchBytes / 2) * l.height);
    plat::Unlock(elDraw::Display.backBuffer);
    return copy;
  }
  void SetBackBuffer(const std::vector<std::uint16_t>& pixels) {
    plat::LockedSurface l;
    ASSERT_EQ(plat::Lock(elDraw::Display.backBuffer, l, 0), plat::DD_OK);
    std::memcpy(l.pixels, pixels.data(), pixels.size() * sizeof pixels[0]);
    plat::Unlock(elDraw::Display.backBuffer);
  }

  // One random drawing call; its result, or -1 for the drawers without one.
  int DrawOnce(int kind, int x, int y, int l, int t, int r, int b, int angle) {
    switch (kind) {
      case 0: return elDraw::DrawObject(x, y, slot_, l, t, r, b);
      case 1: return elDraw::DrawOpaque(x, y, slot_, l, t, r, b), -1;
      case 2: return elDraw::DrawHalfBlend(x, y, slot_, l, t, r, b);
      case 3: return elDraw::DrawAdditive(x, y, slot_, l, t, r, b);
      case 4: return elDraw::DrawRotated(x, y, x + r - l + 5, y + b - t + 5, angle, slot_, l, t, r, b);
      case 5: return elDraw::DrawStretched(x, y, slot_, l, t, r, b, (r - l) * 3 / 2, (b - t) * 2 / 3);
      default: return elDraw::ClearBackBuffer();
    }
  }

  void CompareManyCases(int cases) {
    std::vector<std::uint16_t> before;
    for (int n = 0; n < cases; ++n) {
      switch (random_() % 3) {
        case 0: elDraw::SetClipRect(220, 0, 580, 600); break;
        case 1: elDraw::SetClipRect(0, 0, 800, 600); break;
        default: elDraw::SetClipRect(Between(-50, 400), Between(-50, 300), Between(300, 900), Between(250, 700));
      }
      const std::uint16_t key = random_() % 4 == 0 ? RandomPixel() : 0;
      plat::SetColorKey(elDraw::ObjectTable[slot_].surface, plat::DDCKEY_SRCBLT, plat::ColorKey{key, key});
      const int kind = Between(0, 6);
      const int l = Between(-3, kPictureWidth - 1), t = Between(-3, kPictureHeight - 1);
      const int r = Between(l, kPictureWidth + 3), b = Between(t, kPictureHeight + 3);
      const int x = Between(-90, 860), y = Between(-60, 640), angle = Between(0, 359);
      if (n % 100 == 0) {  // a fresh random background now and then
        before.resize(static_cast<std::size_t>(800) * 600);
        for (std::uint16_t& p : before) p = RandomPixel();
      }
      SetBackBuffer(before);
      plat::SetPlainPixelLoops(true);
      const int plainResult = DrawOnce(kind, x, y, l, t, r, b, angle);
      const std::vector<std::uint16_t> plain = BackBuffer();
      SetBackBuffer(before);
      plat::SetPlainPixelLoops(false);
      const int fastResult = DrawOnce(kind, x, y, l, t, r, b, angle);
      ASSERT_EQ(fastResult, plainResult) << "case " << n << " drawer " << kind;
      ASSERT_TRUE(BackBuffer() == plain) << "case " << n << " drawer " << kind << " at " << x << "," << y << " from "
                                         << l << "," << t << "-" << r << "," << b << " key " << key;
    }
  }

  std::mt19937 random_{20261208};
  bool rgb555_ = false;
  int slot_ = 0;
};

TEST_F(DrawerLoops, EveryDrawerMatchesItsPlainLoopOn565) {
  Open(false);
  CompareManyCases(1500);
}

TEST_F(DrawerLoops, EveryDrawerMatchesItsPlainLoopOn555) {
  rgb555_ = true;
  Open(true);
  CompareManyCases(500);
}

// The row loops alone over every short length and offset, where the eight-pixel steps meet the tail.
TEST_F(DrawerLoops, RowLoopsMatchTheirTwinsAtEveryLengthAndOffset) {
  std::uint16_t s[64], d0[64], plain[64], fast[64];
  for (int round = 0; round < 20; ++round) {
    for (int i = 0; i < 64; ++i) s[i] = RandomPixel(), d0[i] = RandomPixel();
    const std::uint16_t key = round % 2 == 0 ? 0 : s[5];
    for (std::size_t at = 0; at < 8; ++at) {
      for (std::size_t n = 0; n + at <= 40; ++n) {
        using Row = void (*)(std::uint16_t*, const std::uint16_t*, std::size_t);
        const std::uint16_t mask = 0x7BEF;
        const std::pair<Row, Row> rows[] = {
            {[](std::uint16_t* d, const std::uint16_t* s, std::size_t n) { plat::AddRow565Plain(d, s, n); },
             [](std::uint16_t* d, const std::uint16_t* s, std::size_t n) { plat::AddRow565(d, s, n); }},
            {[](std::uint16_t* d, const std::uint16_t* s, std::size_t n) { plat::HalfBlendRowPlain(d, s, n, mask); },
             [](std::uint16_t* d, const std::uint16_t* s, std::size_t n) { plat::HalfBlendRow(d, s, n, mask); }},
        };
        for (const auto& [plainRow, fastRow] : rows) {
          std::memcpy(plain, d0, sizeof d0), std::memcpy(fast, d0, sizeof d0);
          plainRow(plain + at, s + at, n), fastRow(fast + at, s + at, n);
          ASSERT_EQ(0, std::memcmp(plain, fast, sizeof plain)) << at << " " << n;
        }
        std::memcpy(plain, d0, sizeof d0), std::memcpy(fast, d0, sizeof d0);
        plat::KeyedCopyRowPlain(plain + at, s + at, n, key), plat::KeyedCopyRow(fast + at, s + at, n, key);
        ASSERT_EQ(0, std::memcmp(plain, fast, sizeof plain)) << at << " " << n;
        plat::FillPixelsPlain(plain + at, n, s[0]), plat::FillPixels(fast + at, n, s[0]);
        ASSERT_EQ(0, std::memcmp(plain, fast, sizeof plain)) << at << " " << n;
        std::uint32_t plainWords[64] = {}, fastWords[64] = {};
        plat::Rgb565ToXrgbRowPlain(plainWords + at, s + at, n), plat::Rgb565ToXrgbRow(fastWords + at, s + at, n);
        ASSERT_EQ(0, std::memcmp(plainWords, fastWords, sizeof plainWords)) << at << " " << n;
      }
    }
  }
}

// The additive blend worked out in registers gives what the display's tables give, for every pair of
// a source and a destination level in each channel.
TEST_F(DrawerLoops, AdditiveArithmeticMatchesTheTablesForEveryLevelPair) {
  std::vector<std::uint16_t> s, d, byTables, byArithmetic;
  for (int a = 0; a < 64; ++a)
    for (int b = 0; b < 64; ++b) {
      s.push_back(Rgb565(a & 31, a, 31 - (a & 31))), d.push_back(Rgb565(b & 31, 63 - b, b & 31));
    }
  byArithmetic = d;
  plat::AddRow565(byArithmetic.data(), s.data(), s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    const std::uint8_t* x = elDraw::BlendTables.splitTable[s[i]];
    const std::uint8_t* y = elDraw::BlendTables.splitTable[d[i]];
    const auto expected = static_cast<std::uint16_t>(elDraw::BlendTables.addRed[x[0]][y[0]] |
                                                     elDraw::BlendTables.addGreen[x[1]][y[1]] |
                                                     elDraw::BlendTables.addBlue[x[2]][y[2]]);
    ASSERT_EQ(byArithmetic[i], expected) << std::hex << s[i] << " + " << d[i];
  }
}

// The conversion for a 32-bit display keeps every level: read back to 5-6-5 it gives the pixel again,
// and the brightest levels become 255.
TEST_F(DrawerLoops, ConversionForThe32BitDisplayKeepsEveryLevel) {
  std::vector<std::uint16_t> all(65536);
  for (int p = 0; p < 65536; ++p) all[static_cast<std::size_t>(p)] = static_cast<std::uint16_t>(p);
  std::vector<std::uint32_t> words(all.size());
  plat::Rgb565ToXrgbRow(words.data(), all.data(), all.size());
  for (int p = 0; p < 65536; ++p) {
    const std::uint32_t w = words[static_cast<std::size_t>(p)];
    ASSERT_EQ(w >> 24, 0xFFu);
    ASSERT_EQ(plat::RgbToPixel(plat::kFormat565, w & 0xFFFFFF), static_cast<std::uint32_t>(p));
    ASSERT_EQ(w & 0xFFFFFF, plat::PixelToRgb(plat::kFormat565, static_cast<std::uint32_t>(p)));
  }
}

}  // namespace
}  // namespace display_test
