// Text: the text line is Gothic 12 in white on a dark-blue box the size of the text; a face number
// other than 0 and 1 keeps the previous face.
#include "display_fixture.h"
#include "platform/text_encoding.h"

namespace display_test {
namespace {

using Text = DisplayTest;

constexpr std::uint16_t kWhite = 0xFFFF;
constexpr std::uint16_t kDarkBlue = 0x0010;  // RGB 0, 0, 128

// "Aあ1" in Shift-JIS: two 6-pixel characters and one 12-pixel one.
constexpr char kLine[] = "A\x82\xa0" "1";

TEST_F(Text, TextLineIsWhiteOnADarkBlueBox) {
  elDraw::SetClipRect(220, 0, 580, 600);
  elDraw::DrawTextLine(100, 50, kLine);  // text ignores the clip rectangle
  int white = 0;
  for (int y = 45; y < 70; ++y) {
    for (int x = 95; x < 130; ++x) {
      const bool inBox = x >= 100 && x < 124 && y >= 50 && y < 62;
      const std::uint16_t p = Back(x, y);
      if (!inBox) {
        ASSERT_EQ(p, 0) << x << "," << y;
      } else {
        ASSERT_TRUE(p == kWhite || p == kDarkBlue) << x << "," << y;
        white += p == kWhite;
      }
    }
  }
  EXPECT_GT(white, 20);
  const plat::LogFont* desc = elDraw::FontDesc();
  ASSERT_NE(desc, nullptr);
  EXPECT_EQ(plat::ShiftJisToUtf8(desc->faceName), "標準ゴシック");
  EXPECT_EQ(desc->height, 12);
  EXPECT_EQ(desc->weight, 400);
  EXPECT_EQ(desc->charSet, 128);
  // The bracket gave the back buffer back: the blitters work again.
  EXPECT_EQ(elDraw::ClearBackBuffer(), plat::DD_OK);
}

TEST_F(Text, OtherFaceNumbersKeepThePreviousFace) {
  elDraw::MakeFont(0, 16, 0, 1, 0, 0);
  elDraw::EndText();
  elDraw::MakeFont(7, 20, 90, 2, 1, 1);
  elDraw::SetTextColors(0x00FF00, 0, 1);
  elDraw::PutText(300, 300, kLine);
  elDraw::EndText();
  const plat::LogFont* desc = elDraw::FontDesc();
  EXPECT_EQ(plat::ShiftJisToUtf8(desc->faceName), "標準明朝");
  EXPECT_EQ(desc->escapement, 900);
  EXPECT_EQ(desc->weight, 0);
  EXPECT_EQ(desc->italic, 1);
  // While a bracket is open the back buffer is the text's: a lock must wait for EndText.
  elDraw::MakeFont(1, 12, 0, 0, 0, 0);
  plat::LockedSurface locked;
  EXPECT_NE(plat::Lock(elDraw::Display.backBuffer, locked, plat::DDLOCK_WAIT), plat::DD_OK);
  elDraw::EndText();
  EXPECT_EQ(plat::Lock(elDraw::Display.backBuffer, locked, plat::DDLOCK_WAIT), plat::DD_OK);
  plat::Unlock(elDraw::Display.backBuffer);
}

}  // namespace
}  // namespace display_test
