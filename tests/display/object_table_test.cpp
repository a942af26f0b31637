// The object table: name and slot limits with their error boxes, pictures from resources, lost
// surfaces brought back with their colour keys, the snapshot, and a second set-up.
#include "display_fixture.h"
#include "platform/bitmap_resources.h"
#include "platform/headless/headless_host.h"

namespace display_test {
namespace {

using ObjectTable = DisplayTest;

TEST_F(ObjectTable, InternalSlotsAndSetUp) {
  for (int i = 0; i < 4; ++i) {
    EXPECT_NE(elDraw::ObjectTable[i].surface, nullptr);
    EXPECT_EQ(elDraw::ObjectTable[i].width, 800);
    EXPECT_EQ(elDraw::ObjectTable[i].height, 600);
  }
  EXPECT_EQ(elDraw::ObjectTable[4].name[0], '\0');
  EXPECT_EQ(ClipRect.right, 800);
  EXPECT_EQ(ScreenSize.height, 600);
  const int surfaces = plat::LiveSurfaceCount();
  EXPECT_EQ(surfaces, 6);  // primary, back buffer, slots 0-3
  ASSERT_EQ(elDraw::Screen(800, 600, 2), 1);  // a second set-up leaves nothing behind
  EXPECT_EQ(plat::LiveSurfaceCount(), surfaces);
}

TEST_F(ObjectTable, NameLengthLimit) {
  const std::string name30 = "IMAGE/" + std::string(20, 'A') + ".BMP";
  const std::string name31 = "IMAGE/" + std::string(21, 'A') + ".BMP";
  ASSERT_EQ(name30.size(), 30u);
  WritePicture(name30.substr(6), 3, 2, 0x808080);
  EXPECT_EQ(elDraw::LoadObject(name31.c_str(), 1), 0);
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0], "エラー発生: elDraw::LoadObject : ファイル名またはリソース名が長すぎます");
  EXPECT_EQ(elDraw::ObjectTable[4].name[0], '\0');  // refused before a slot was taken
  EXPECT_EQ(elDraw::LoadObject(name30.c_str(), 1), 4);
  EXPECT_EQ(elDraw::ObjectTable[4].width, 3);
  EXPECT_EQ(elDraw::ObjectTable[4].height, 2);
  EXPECT_EQ(elDraw::SwapObject(name31.c_str(), 4, 2), 0);
  EXPECT_EQ(Boxes().back(), "エラー発生: elDraw::SwapObject : ファイル名またはリソース名が長すぎます");
}

TEST_F(ObjectTable, The497thPictureIsRefused) {
  WritePicture("P.BMP", 2, 2, 0xFFFFFF);
  for (int i = 4; i < 500; ++i) ASSERT_EQ(elDraw::LoadObject("IMAGE/P.BMP", 1), i);
  EXPECT_TRUE(Boxes().empty());
  EXPECT_EQ(elDraw::LoadObject("IMAGE/P.BMP", 1), 0);
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0], "エラー発生: elDraw::LoadObject : オブジェクト数が多過ぎます");
}

TEST_F(ObjectTable, MissingPictureKeepsItsSlotNamed) {
  EXPECT_EQ(elDraw::LoadObject("IMAGE/NONE.BMP", 1), 0);
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0], "エラー発生: elDraw::LoadObject : BMPファイルを読み込めません");
  EXPECT_STREQ(elDraw::ObjectTable[4].name, "IMAGE/NONE.BMP");
  EXPECT_EQ(elDraw::ObjectTable[4].surface, nullptr);
  WritePicture("P.BMP", 2, 2, 0xFFFFFF);
  EXPECT_EQ(elDraw::LoadObject("IMAGE/P.BMP", 1), 5);
  // Restoring and shutting down pass over the slot without a surface.
  plat::headless::MarkSurfacesLost();
  elDraw::RestoreAll();
  EXPECT_EQ(Boxes().size(), 1u);
  // A file that is no picture fails the same way.
  WriteFile(dir_ + "/IMAGE/BAD.BMP", {'B', 'M', 0, 0});
  EXPECT_EQ(elDraw::LoadObject("IMAGE/BAD.BMP", 1), 0);
  EXPECT_EQ(Boxes().back(), "エラー発生: elDraw::LoadObject : BMPファイルを読み込めません");
}

TEST_F(ObjectTable, PictureFromAResource) {
  static const std::vector<std::uint8_t> bmp = MakeBmp(24, 5, 4, std::vector<std::uint32_t>(20, 0xFF0000));
  static const plat::BitmapResource table[] = {{"RED", bmp.data(), bmp.size()}};
  plat::SetBitmapResources(table, 1);
  EXPECT_EQ(elDraw::LoadObject("red", 1), 4);
  plat::SetBitmapResources(nullptr, 0);
  EXPECT_EQ(elDraw::ObjectTable[4].width, 5);
  EXPECT_EQ(Peek(elDraw::ObjectTable[4].surface, 4, 3), 0xF800);
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(ObjectTable, LostSurfacesComeBackWithTheirColourKeys) {
  std::vector<std::uint32_t> rgb = {0xFFFFFF, 0x000000, 0x00FF00, 0xFFFFFF};
  WritePicture("A.BMP", 2, 2, rgb);
  elDraw::SetLoadColorKey(0xFFFFFF);  // keyed on white
  const int a = elDraw::LoadObject("IMAGE/A.BMP", 1);
  elDraw::SetLoadColorKey(0);
  const int b = elDraw::LoadObject("IMAGE/A.BMP", 1);
  plat::ColorKey key;
  ASSERT_EQ(plat::GetColorKey(elDraw::ObjectTable[a].surface, key), plat::DD_OK);
  EXPECT_EQ(key.low, 0xFFFFu);
  EXPECT_EQ(Peek(elDraw::ObjectTable[a].surface, 0, 0), 0xFFFF);  // the key probe put the pixel back

  plat::headless::MarkSurfacesLost();
  EXPECT_EQ(elDraw::DrawAdditive(300, 0, a, 0, 0, 2, 2), 0);  // a lock fails; nothing restores here
  elDraw::DrawObject(300, 0, a, 0, 0, 2, 2);  // the blitter finds the loss and restores everything
  EXPECT_EQ(plat::IsLost(elDraw::Display.backBuffer), plat::DD_OK);
  EXPECT_EQ(plat::IsLost(elDraw::ObjectTable[1].surface), plat::DD_OK);
  ASSERT_EQ(plat::GetColorKey(elDraw::ObjectTable[a].surface, key), plat::DD_OK);
  EXPECT_EQ(key.low, 0xFFFFu);
  EXPECT_EQ(elDraw::ObjectTable[a].colorKey, 0xFFFFFF);
  ASSERT_EQ(plat::GetColorKey(elDraw::ObjectTable[b].surface, key), plat::DD_OK);
  EXPECT_EQ(key.low, 0u);
  EXPECT_EQ(Peek(elDraw::ObjectTable[b].surface, 0, 1), Rgb565(0, 63, 0));  // read again from the file

  // The next frame draws normally: white is see-through in a, black in b.
  elDraw::ClearBackBuffer();
  Fill(elDraw::Display.backBuffer, 0x1111);
  elDraw::DrawObject(300, 0, a, 0, 0, 2, 2);
  elDraw::DrawObject(310, 0, b, 0, 0, 2, 2);
  EXPECT_EQ(Back(300, 0), 0x1111);
  EXPECT_EQ(Back(301, 0), 0x0000);
  EXPECT_EQ(Back(310, 0), 0xFFFF);
  EXPECT_EQ(Back(311, 0), 0x1111);
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(ObjectTable, CaptureCopiesTheBackBuffer) {
  Fill(elDraw::Display.backBuffer, 0x0F0F);
  Poke(elDraw::Display.backBuffer, 799, 599, 0x1234);
  EXPECT_EQ(elDraw::Capture(1, 0, 0, 800, 600), plat::DD_OK);
  EXPECT_EQ(Peek(elDraw::ObjectTable[1].surface, 0, 0), 0x0F0F);
  EXPECT_EQ(Peek(elDraw::ObjectTable[1].surface, 799, 599), 0x1234);
  EXPECT_NE(elDraw::Capture(600, 0, 0, 800, 600), plat::DD_OK);
}

}  // namespace
}  // namespace display_test
