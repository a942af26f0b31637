// Draws a scene with every drawer and writes it as a PNG (display_scene.png in the build directory)
// for a person to look at; the test itself checks only that each drawer left its mark.
#include <cmath>
#include <cstdlib>

#include "display_fixture.h"
#include "platform/headless/headless_host.h"
#include "platform/png_writer.h"

namespace display_test {
namespace {

using ScenePicture = DisplayTest;

std::vector<std::uint32_t> Glow(int size, std::uint32_t colour) {
  std::vector<std::uint32_t> rgb;
  const double r = size / 2.0;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      const double d = std::hypot(x + 0.5 - r, y + 0.5 - r) / r;
      const double k = d >= 1 ? 0 : (1 - d);
      const auto ch = [&](int shift) { return static_cast<std::uint32_t>(((colour >> shift) & 0xFF) * k) << shift; };
      rgb.push_back(ch(16) | ch(8) | ch(0));
    }
  return rgb;
}

TEST_F(ScenePicture, EveryDrawerOnOneScreen) {
  elDraw::SetClipRect(220, 0, 580, 600);
  // A checked backdrop tile with a black (see-through) frame, an arrow pointing up, two glows.
  std::vector<std::uint32_t> tile;
  for (int y = 0; y < 120; ++y)
    for (int x = 0; x < 120; ++x)
      tile.push_back(x < 4 || y < 4 ? 0 : (((x / 20) + (y / 20)) % 2 ? 0x203060 : 0x304878));
  WritePicture("TILE.BMP", 120, 120, tile);
  std::vector<std::uint32_t> arrow(30 * 30, 0);
  for (int y = 3; y < 27; ++y)
    for (int x = 0; x < 30; ++x)
      if (std::abs(x - 15) <= (y < 12 ? (y - 3) : 3)) arrow[y * 30 + x] = y < 12 ? 0xFFE040 : 0xE08020;
  WritePicture("ARROW.BMP", 30, 30, arrow);
  WritePicture("GLOW20.BMP", 20, 20, Glow(20, 0xFF6020));
  WritePicture("GLOW60.BMP", 60, 60, Glow(60, 0x3080FF));
  const int tileSlot = elDraw::LoadObject("IMAGE/TILE.BMP", 1);
  const int arrowSlot = elDraw::LoadObject("IMAGE/ARROW.BMP", 1);
  const int glow20 = elDraw::LoadObject("IMAGE/GLOW20.BMP", 1);
  const int glow60 = elDraw::LoadObject("IMAGE/GLOW60.BMP", 1);
  ASSERT_TRUE(Boxes().empty());

  elDraw::ClearBackBuffer();
  for (int y = -40; y < 600; y += 116)
    for (int x = 200; x < 600; x += 116) elDraw::DrawObject(x, y, tileSlot, 0, 0, 120, 120);
  for (int i = 0; i < 8; ++i) elDraw::DrawRotated(240 + i * 40, 40, 275 + i * 40, 75, 270 - i * 45 - 90 + 360 * (i % 2 ? 1 : -1), arrowSlot, 0, 0, 30, 30);
  for (int i = 0; i < 6; ++i) elDraw::DrawAdditive(250 + i * 12, 140 + i * 6, glow60, 0, 0, 60, 60);
  for (int i = 0; i < 12; ++i) elDraw::DrawAdditive(230 + i * 28, 240, glow20, 0, 0, 20, 20);
  for (int i = 0; i < 4; ++i) elDraw::DrawHalfBlend(440 + i * 20, 140, glow60, 0, 0, 60, 60);
  elDraw::DrawHalfBlend(430, 300, tileSlot, 0, 0, 120, 120);
  elDraw::DrawStretched(240, 300, arrowSlot, 0, 0, 30, 30, 90, 120);
  elDraw::DrawOpaque(360, 300, arrowSlot, 0, 0, 30, 30);
  elDraw::DrawObject(560, 420, glow60, 0, 0, 60, 60);  // cut by the play field's right edge
  elDraw::DrawTextLine(240, 450, "TESSIVANE \x83\x65\x83\x58\x83\x67 0123");  // "テスト" in Shift-JIS
  elDraw::DrawTextLine(40, 10, "outside the play field");
  elDraw::Present();

  int w = 0, h = 0;
  const auto& shown = plat::headless::LastPresented(w, h);
  ASSERT_EQ(w, 800);
  const char* buildDir = std::getenv("TESSIVANE_BUILD_DIR");
  const std::string path = std::string(buildDir != nullptr ? buildDir : "/tmp") + "/display_scene.png";
  ASSERT_TRUE(plat::WritePngRgb565(path.c_str(), shown.data(), w, h, w)) << path;
  std::printf("scene written to %s\n", path.c_str());

  EXPECT_EQ(shown[300 * 800 + 100], 0);            // outside the band: black
  EXPECT_NE(shown[250 * 800 + 240], 0);            // a glow
  EXPECT_NE(shown[455 * 800 + 245], 0);            // the text
  EXPECT_NE(shown[15 * 800 + 45], 0);              // text ignores the clip
}

}  // namespace
}  // namespace display_test
