// The pixel-format values, the blend tables and the sine table, in 5-6-5 and in 5-5-5.
#include "display_fixture.h"
#include "platform/headless/headless_host.h"

namespace display_test {
namespace {

using PixelTables = DisplayTest;

TEST_F(PixelTables, FormatValuesOf565) {
  const auto& f = elDraw::PixelFormatInfo;
  EXPECT_EQ(f.red.shift, 11);
  EXPECT_EQ(f.red.levelMask, 31);
  EXPECT_EQ(f.red.tableShift, 11);
  EXPECT_EQ(f.green.shift, 5);
  EXPECT_EQ(f.green.levelMask, 63);
  EXPECT_EQ(f.green.tableShift, 6);
  EXPECT_EQ(f.blue.shift, 0);
  EXPECT_EQ(f.blue.tableShift, 0);
  EXPECT_EQ(f.halfMask, 0x7BEF);
}

TEST_F(PixelTables, FormatValuesAndBlendsOf555) {
  elDraw::Shutdown();
  plat::headless::SetDisplayTraits(true, false);
  ASSERT_EQ(elDraw::Screen(800, 600, 2), 1);
  const auto& f = elDraw::PixelFormatInfo;
  EXPECT_EQ(f.red.shift, 10);
  EXPECT_EQ(f.green.shift, 5);
  EXPECT_EQ(f.green.levelMask, 31);
  EXPECT_EQ(f.green.tableShift, 5);
  EXPECT_EQ(f.blue.shift, 0);
  EXPECT_EQ(f.halfMask, 0x3DEF);

  // Same code, other layout: white half-blended over black, white added over a dim red.
  WritePicture("W.BMP", 2, 1, 0xFFFFFF);
  const int slot = elDraw::LoadObject("IMAGE/W.BMP", 1);
  ASSERT_EQ(slot, 4);
  EXPECT_EQ(Peek(elDraw::ObjectTable[slot].surface, 0, 0), 0x7FFF);
  elDraw::ClearBackBuffer();
  elDraw::DrawHalfBlend(300, 10, slot, 0, 0, 1, 1);
  EXPECT_EQ(Back(300, 10), 0x3DEF);
  Poke(elDraw::Display.backBuffer, 301, 10, static_cast<std::uint16_t>(4 << 10));
  elDraw::DrawAdditive(301, 10, slot, 1, 0, 2, 1);
  EXPECT_EQ(Back(301, 10), 0x7FFF);

  // The window still gets 5-6-5: 5-5-5 white shows as 5-6-5 white.
  elDraw::Present();
  int w = 0, h = 0;
  const auto& shown = plat::headless::LastPresented(w, h);
  ASSERT_EQ(w, 800);
  EXPECT_EQ(shown[10 * 800 + 301], 0xFFFF);
  EXPECT_EQ(shown[10 * 800 + 300], Rgb565(15, 30, 15));  // green 15 of 31 is 30 of 63
}

TEST_F(PixelTables, SineTableEntries) {
  const int* s = elDraw::SineTable;
  EXPECT_EQ(s[0], 0);
  EXPECT_EQ(s[45], 254);
  EXPECT_EQ(s[90], 360);
  EXPECT_EQ(s[180], 0);
  EXPECT_EQ(s[225], -254);
  EXPECT_EQ(s[270], -360);
  EXPECT_EQ(s[360], 0);
  EXPECT_EQ(s[449], 359);
}

TEST_F(PixelTables, SplitAndAddTables) {
  const auto& t = elDraw::BlendTables;
  const std::uint8_t* white = t.splitTable[0xFFFF];
  EXPECT_EQ(white[0], 31);
  EXPECT_EQ(white[1], 31);  // 63 halved
  EXPECT_EQ(white[2], 31);
  const std::uint8_t* mixed = t.splitTable[Rgb565(20, 41, 3)];
  EXPECT_EQ(mixed[0], 20);
  EXPECT_EQ(mixed[1], 20);
  EXPECT_EQ(mixed[2], 3);
  EXPECT_EQ(t.addRed[20][20], 31 << 11);
  EXPECT_EQ(t.addGreen[31][0], 31 << 6);
  EXPECT_EQ(t.addBlue[3][4], 7);
}

}  // namespace
}  // namespace display_test
