// The drawers: clipping to the play field, the half-blend and additive pixel values, rotation, and the
// guards against bad slots, bad angles and source rectangles past their picture.
#include "display_fixture.h"
#include "platform/headless/headless_host.h"

namespace display_test {
namespace {

class Blitters : public DisplayTest {
 protected:
  void SetUp() override {
    DisplayTest::SetUp();
    elDraw::SetClipRect(220, 0, 580, 600);
    // A 20x20 picture whose pixel (x, y) is distinct and never 0: red = x + 1, blue = y + 1.
    std::vector<std::uint32_t> rgb;
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 20; ++x) rgb.push_back(static_cast<std::uint32_t>(((x + 1) * 8) << 16 | ((y + 1) * 8)));
    WritePicture("S20.BMP", 20, 20, rgb);
    sprite_ = elDraw::LoadObject("IMAGE/S20.BMP", 1);
    ASSERT_EQ(sprite_, 4);
    elDraw::ClearBackBuffer();
  }
  static std::uint16_t SpritePixel(int x, int y) { return Rgb565(x + 1, 0, y + 1); }
  // Columns of row y in [from, to) that are not black.
  static int DrawnColumns(int y, int from = 200, int to = 600) {
    int n = 0;
    for (int x = from; x < to; ++x) n += Back(x, y) != 0;
    return n;
  }
  int sprite_ = 0;
};

TEST_F(Blitters, ClippingToThePlayField) {
  using Drawer = int (*)(int, int, int, int, int, int, int);
  for (Drawer draw : {Drawer{elDraw::DrawObject}, Drawer{elDraw::DrawAdditive}, Drawer{elDraw::DrawHalfBlend}}) {
    elDraw::ClearBackBuffer();
    draw(210, 5, sprite_, 0, 0, 20, 20);
    EXPECT_EQ(DrawnColumns(5), 10);
    if (draw == Drawer{elDraw::DrawObject}) {
      EXPECT_EQ(Back(220, 5), SpritePixel(10, 0));
    }
    elDraw::ClearBackBuffer();
    draw(575, 30, sprite_, 0, 0, 20, 20);
    EXPECT_EQ(DrawnColumns(40), 5);
    elDraw::ClearBackBuffer();
    draw(560, 50, sprite_, 0, 0, 20, 20);  // right edge exactly on the clip: whole
    EXPECT_EQ(DrawnColumns(55), 20);
    EXPECT_EQ(DrawnColumns(69), 20);
    elDraw::ClearBackBuffer();
    draw(100, 590, sprite_, 0, 0, 20, 20);
    draw(300, 590, sprite_, 0, 0, 20, 20);  // bottom rows cut at 600
    EXPECT_EQ(DrawnColumns(599), 20);
    draw(300, -15, sprite_, 0, 0, 20, 20);
    if (draw == Drawer{elDraw::DrawObject}) {
      EXPECT_EQ(Back(300, 0), SpritePixel(0, 15));
    }
    EXPECT_EQ(DrawnColumns(4), 20);
    EXPECT_EQ(DrawnColumns(5), 0);
  }
}

TEST_F(Blitters, ProcessorBlittersLockUnlessClippedAwayEntirely) {
  plat::headless::MarkSurfacesLost();  // a lock now fails, so the result tells whether one was tried
  EXPECT_EQ(elDraw::DrawAdditive(580, 0, sprite_, 0, 0, 20, 20), 0);   // w == 0: locks, draws nothing
  EXPECT_EQ(elDraw::DrawAdditive(581, 0, sprite_, 0, 0, 20, 20), 1);   // w < 0: no lock
  EXPECT_EQ(elDraw::DrawHalfBlend(581, 0, sprite_, 0, 0, 20, 20), 1);
  EXPECT_EQ(elDraw::DrawRotated(600, 0, 635, 35, 0, sprite_, 0, 0, 20, 20), 1);
  EXPECT_EQ(elDraw::DrawRotated(300, 0, 335, 35, 0, sprite_, 0, 0, 20, 20), 0);
  elDraw::RestoreAll();
}

TEST_F(Blitters, HalfBlendValues) {
  WritePicture("W.BMP", 4, 4, 0xFFFFFF);
  const int white = elDraw::LoadObject("IMAGE/W.BMP", 1);
  elDraw::DrawHalfBlend(300, 0, white, 0, 0, 1, 1);
  EXPECT_EQ(Back(300, 0), 0x7BEF);
  Poke(elDraw::Display.backBuffer, 301, 0, 0xFFFF);
  elDraw::DrawHalfBlend(301, 0, white, 0, 0, 1, 1);
  EXPECT_EQ(Back(301, 0), 0xF7DE);
  Poke(elDraw::Display.backBuffer, 302, 0, Rgb565(10, 20, 30));
  elDraw::DrawHalfBlend(302, 0, sprite_, 4, 6, 5, 7);  // source red 5, green 0, blue 7
  EXPECT_EQ(Back(302, 0), Rgb565(2 + 5, 10, 3 + 15));
}

TEST_F(Blitters, AdditiveValues) {
  WritePicture("G.BMP", 1, 1, 0x00FF00);
  const int green = elDraw::LoadObject("IMAGE/G.BMP", 1);
  elDraw::DrawAdditive(300, 0, green, 0, 0, 1, 1);
  EXPECT_EQ(Back(300, 0), Rgb565(0, 62, 0));  // green added at 5-bit precision
  Poke(elDraw::Display.backBuffer, 301, 0, Rgb565(20, 10, 1));
  WritePicture("R.BMP", 1, 1, 0xA00000);  // red level 20
  const int red = elDraw::LoadObject("IMAGE/R.BMP", 1);
  elDraw::DrawAdditive(301, 0, red, 0, 0, 1, 1);
  EXPECT_EQ(Back(301, 0), Rgb565(31, 10, 1));
  // Over black the source comes through; a black source pixel never changes the destination.
  elDraw::DrawAdditive(310, 0, sprite_, 0, 0, 20, 20);
  EXPECT_EQ(Back(313, 4), SpritePixel(3, 4));
  WritePicture("K.BMP", 1, 1, 0x000000);
  const int black = elDraw::LoadObject("IMAGE/K.BMP", 1);
  Poke(elDraw::Display.backBuffer, 305, 0, 0x1234);
  elDraw::DrawAdditive(305, 0, black, 0, 0, 1, 1);
  EXPECT_EQ(Back(305, 0), 0x1234);
}

TEST_F(Blitters, RotationByZeroAndHalfTurn) {
  // A 30x30 picture in a 35x35 box: offset 2 right and down, unchanged at 0 degrees.
  std::vector<std::uint32_t> rgb;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 30; ++x) rgb.push_back(static_cast<std::uint32_t>(((x + 1) * 8) << 16 | ((y + 1) * 8)));
  WritePicture("S30.BMP", 30, 30, rgb);
  const int slot = elDraw::LoadObject("IMAGE/S30.BMP", 1);
  auto source = [](int u, int v) { return Rgb565(u + 1, 0, v + 1); };
  EXPECT_EQ(elDraw::DrawRotated(300, 100, 335, 135, 0, slot, 0, 0, 30, 30), 1);
  for (int j = 0; j < 35; ++j)
    for (int i = 0; i < 35; ++i) {
      const bool inside = i >= 2 && i < 32 && j >= 2 && j < 32;
      ASSERT_EQ(Back(300 + i, 100 + j), inside ? source(i - 2, j - 2) : 0) << i << "," << j;
    }
  // Half a turn: flipped both ways (source u shows at box column 32 - u).
  EXPECT_EQ(elDraw::DrawRotated(400, 100, 435, 135, 180, slot, 0, 0, 30, 30), 1);
  for (int j = 3; j < 33; ++j)
    for (int i = 3; i < 33; ++i) ASSERT_EQ(Back(400 + i, 100 + j), source(32 - i, 32 - j)) << i << "," << j;
  EXPECT_EQ(Back(402, 110), 0);
}

TEST_F(Blitters, RotationAnglesOutsideTheTableWrap) {
  WritePicture("S30.BMP", 30, 30, 0xFFFFFF);
  const int slot = elDraw::LoadObject("IMAGE/S30.BMP", 1);
  for (const auto& [outside, inside] : {std::pair{-90, 270}, std::pair{450, 90}, std::pair{-16, 344}, std::pair{719, 359}}) {
    elDraw::ClearBackBuffer();
    elDraw::DrawRotated(300, 100, 335, 135, outside, slot, 0, 0, 20, 30);
    elDraw::DrawRotated(400, 100, 435, 135, inside, slot, 0, 0, 20, 30);
    for (int j = 0; j < 35; ++j)
      for (int i = 0; i < 35; ++i) ASSERT_EQ(Back(300 + i, 100 + j), Back(400 + i, 100 + j)) << outside;
  }
}

TEST_F(Blitters, BadSlotsDrawNothing) {
  elDraw::LoadObject("IMAGE/MISSING.BMP", 1);  // named, no surface
  const int missing = 5;
  ASSERT_EQ(elDraw::ObjectTable[missing].surface, nullptr);
  for (int slot : {missing, -1, 500, 100000}) {
    elDraw::DrawObject(300, 0, slot, 0, 0, 20, 20);
    elDraw::DrawOpaque(300, 0, slot, 0, 0, 20, 20);
    elDraw::DrawStretched(300, 0, slot, 0, 0, 20, 20, 40, 40);
    EXPECT_EQ(elDraw::DrawAdditive(300, 0, slot, 0, 0, 20, 20), 0);
    EXPECT_EQ(elDraw::DrawHalfBlend(300, 0, slot, 0, 0, 20, 20), 0);
    EXPECT_EQ(elDraw::DrawRotated(300, 0, 335, 35, 0, slot, 0, 0, 20, 20), 0);
  }
  EXPECT_EQ(DrawnColumns(10), 0);
}

TEST_F(Blitters, SourceRectanglesPastThePictureStayInside) {
  // A 20x20 picture drawn as if it were 60x60 (or from -10): only its own pixels are drawn.
  elDraw::DrawAdditive(300, 100, sprite_, 0, 0, 60, 60);
  EXPECT_EQ(DrawnColumns(110), 20);
  EXPECT_EQ(Back(319, 119), SpritePixel(19, 19));
  EXPECT_EQ(Back(320, 110), 0);
  EXPECT_EQ(DrawnColumns(125), 0);
  elDraw::ClearBackBuffer();
  elDraw::DrawHalfBlend(300, 100, sprite_, -10, -10, 10, 10);
  EXPECT_EQ(Back(309, 109), 0);
  EXPECT_NE(Back(312, 112), 0);
  EXPECT_EQ(DrawnColumns(115), 10);
  elDraw::ClearBackBuffer();
  elDraw::DrawRotated(300, 100, 365, 165, 37, sprite_, 0, 0, 60, 60);
  elDraw::DrawRotated(400, 100, 465, 165, 37, sprite_, 10, 10, 70, 70);
  elDraw::DrawRotated(500, 100, 535, 135, 0, sprite_, -30, -30, 0, 0);
  EXPECT_GT(DrawnColumns(135), 0);
  // The blitter copies refuse such a rectangle whole.
  elDraw::ClearBackBuffer();
  elDraw::DrawObject(300, 100, sprite_, 0, 0, 60, 60);
  EXPECT_EQ(DrawnColumns(110), 0);
}

TEST_F(Blitters, OpaqueKeepsBlackAndKeyedSkipsIt) {
  std::vector<std::uint32_t> rgb(4, 0xFFFFFF);
  rgb[1] = 0;
  WritePicture("K2.BMP", 2, 2, rgb);
  const int slot = elDraw::LoadObject("IMAGE/K2.BMP", 1);
  Fill(elDraw::Display.backBuffer, 0x1111);
  elDraw::DrawObject(300, 0, slot, 0, 0, 2, 2);
  elDraw::DrawOpaque(310, 0, slot, 0, 0, 2, 2);
  EXPECT_EQ(Back(301, 0), 0x1111);
  EXPECT_EQ(Back(311, 0), 0);
  EXPECT_EQ(Back(310, 0), 0xFFFF);
}

TEST_F(Blitters, StretchedSoftwarePathIsClippedHardwarePathIsNot) {
  ASSERT_EQ(elDraw::Display.stretchCapable, 0);
  elDraw::DrawStretched(200, 0, sprite_, 0, 0, 20, 20, 40, 40);  // twice the size, through slot 0
  EXPECT_EQ(DrawnColumns(0, 0, 800), 20);
  EXPECT_EQ(Back(220, 0), SpritePixel(10, 0));
  EXPECT_EQ(Back(221, 1), SpritePixel(10, 0));
  EXPECT_EQ(Back(222, 2), SpritePixel(11, 1));

  elDraw::Shutdown();
  plat::headless::SetDisplayTraits(false, true);
  ASSERT_EQ(elDraw::Screen(800, 600, 2), 1);
  elDraw::SetClipRect(220, 0, 580, 600);
  ASSERT_EQ(elDraw::Display.stretchCapable, 1);
  const int slot = elDraw::LoadObject("IMAGE/S20.BMP", 1);
  elDraw::ClearBackBuffer();
  elDraw::DrawStretched(200, 0, slot, 0, 0, 20, 20, 40, 40);
  EXPECT_EQ(DrawnColumns(0, 0, 800), 40);
  EXPECT_EQ(Back(200, 0), SpritePixel(0, 0));
}

}  // namespace
}  // namespace display_test
