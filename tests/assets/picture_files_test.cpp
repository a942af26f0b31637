// The default pictures: every file the game loads, at the size and cell layout its drawers use,
// black-keyed without dark fringes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <set>
#include <string>

#include "asset_dir.h"
#include "assets/picture_table.h"
#include "platform/bmp_reader.h"

namespace {

using assetgen::Paint;
using assetgen::PictureSpec;
using assetgen::Pictures;

const PictureSpec& Find(const std::string& file) {
  for (const PictureSpec& p : Pictures())
    if (file == p.file) return p;
  static PictureSpec none{};
  ADD_FAILURE() << "no table row for " << file;
  return none;
}

plat::BmpImage Load(const PictureSpec& spec) {
  plat::BmpImage img;
  EXPECT_TRUE(plat::ReadBmpFile(AssetPath(spec.file).c_str(), img)) << spec.file;
  return img;
}

// A pixel the 16-bit screen would turn into the transparent key although it is not black.
bool VanishesIn565(uint32_t p) {
  const uint32_t r = p >> 16 & 255, g = p >> 8 & 255, b = p & 255;
  return p != 0 && r < 8 && g < 4 && b < 8;
}

TEST(PictureTable, ListsEveryLoadedFileOnceWithTheDrawnCount) {
  std::set<std::string> names;
  int drawn = 0;
  for (const PictureSpec& p : Pictures()) {
    EXPECT_TRUE(names.insert(p.file).second) << p.file;
    EXPECT_EQ(std::string(p.file).rfind("IMAGE/", 0), 0u) << p.file;
    EXPECT_EQ(p.width % p.cellW, 0) << p.file;
    EXPECT_EQ(p.height % p.cellH, 0) << p.file;
    drawn += p.drawn;
  }
  EXPECT_EQ(names.size(), 188u);
  EXPECT_EQ(drawn, 100);
  for (const char* f : {"IMAGE/FLZ01_l.BMP", "IMAGE/VAL20w.BMP", "IMAGE/VAL21w.BMP", "IMAGE/VAL30w.BMP",
                        "IMAGE/ZAKU/SZAK6_1.BMP", "IMAGE/BOSS/BOS111.BMP", "IMAGE/BACK/BBACK8S.BMP"})
    EXPECT_EQ(names.count(f), 1u) << f;
}

TEST(PictureTable, CellLayoutsMatchTheDrawers) {
  struct Layout {
    const char* file;
    int cellW, cellH, columns, rows;
  };
  const Layout layouts[] = {
      {"IMAGE/MYME1.BMP", 60, 70, 7, 1},      {"IMAGE/GFBAK1.BMP", 60, 60, 8, 2},    {"IMAGE/SUJI09.BMP", 20, 25, 10, 1},
      {"IMAGE/ZBAK1B.BMP", 60, 60, 10, 1},    {"IMAGE/ZBAK2B.BMP", 80, 80, 10, 1},   {"IMAGE/ZBAK3B.BMP", 80, 80, 10, 1},
      {"IMAGE/ZBAK6B.BMP", 40, 40, 10, 1},    {"IMAGE/BBAK1B.BMP", 160, 160, 4, 1},  {"IMAGE/ZFIRE1.BMP", 20, 70, 20, 1},
      {"IMAGE/ZFIRE2.BMP", 20, 70, 20, 1},    {"IMAGE/VAL1.BMP", 16, 16, 16, 1},     {"IMAGE/VAL16241.BMP", 16, 16, 24, 1},
      {"IMAGE/VAL20241.BMP", 20, 20, 24, 1},  {"IMAGE/VAL402.BMP", 40, 40, 5, 1},    {"IMAGE/VAL404.BMP", 40, 40, 7, 1},
      {"IMAGE/VAL405.BMP", 40, 40, 7, 1},     {"IMAGE/VAL151L.BMP", 30, 30, 2, 1},   {"IMAGE/SFLHV2.BMP", 60, 60, 5, 1},
      {"IMAGE/SFLHV1.BMP", 60, 60, 3, 1},     {"IMAGE/ZAKU/SZAK30.BMP", 100, 100, 5, 1},
      {"IMAGE/ZAKU/SZAK33.BMP", 100, 100, 5, 1},
  };
  for (const Layout& l : layouts) {
    const PictureSpec& p = Find(l.file);
    EXPECT_EQ(p.cellW, l.cellW) << l.file;
    EXPECT_EQ(p.cellH, l.cellH) << l.file;
    EXPECT_EQ(p.Columns(), l.columns) << l.file;
    EXPECT_EQ(p.Rows(), l.rows) << l.file;
  }
  struct Size {
    const char* file;
    int w, h;
  };
  const Size sizes[] = {{"IMAGE/MYMY.BMP", 224, 80},          {"IMAGE/MYRCL51.BMP", 240, 280},     {"IMAGE/MYRCL66.BMP", 240, 280},
                        {"IMAGE/BACK/BBACK1S.BMP", 440, 480},  {"IMAGE/TITLEC.BMP", 440, 480},      {"IMAGE/QWCG2.BMP", 360, 480},
                        {"IMAGE/BOSS/BOSS11.BMP", 440, 360},   {"IMAGE/BOSS/BOSS41_3.BMP", 440, 380}, {"IMAGE/BOSS/BOSS71.BMP", 500, 400},
                        {"IMAGE/BOSS/BOS111.BMP", 480, 480},   {"IMAGE/CONTINU1.BMP", 200, 100},    {"IMAGE/RANKING1.BMP", 400, 100},
                        {"IMAGE/MYGOODN.BMP", 300, 100},       {"IMAGE/FLHST22.BMP", 124, 70},      {"IMAGE/VAL40L.BMP", 39, 39},
                        {"IMAGE/ZAKU/SZAK10.BMP", 70, 80},     {"IMAGE/HAHEN2.BMP", 14, 14},        {"IMAGE/RPANEL3R.BMP", 60, 50}};
  for (const Size& s : sizes) {
    EXPECT_EQ(Find(s.file).width, s.w) << s.file;
    EXPECT_EQ(Find(s.file).height, s.h) << s.file;
  }
}

TEST(PictureFiles, EveryFileIsAnUncompressed24BitBottomUpBmpOfItsTableSize) {
  for (const PictureSpec& p : Pictures()) {
    const auto bytes = ReadAssetBytes(p.file);
    ASSERT_GE(bytes.size(), 54u) << p.file << " missing";
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(Le16(bytes, 28), 24) << p.file;
    EXPECT_EQ(Le32(bytes, 30), 0u) << p.file;             // BI_RGB
    EXPECT_GT(int32_t(Le32(bytes, 22)), 0) << p.file;     // bottom-up
    const plat::BmpImage img = Load(p);
    EXPECT_EQ(img.width, p.width) << p.file;
    EXPECT_EQ(img.height, p.height) << p.file;
  }
}

TEST(PictureFiles, KeyedPicturesHaveBlackBackgroundsAndNoPixelThatVanishesIn16Bits) {
  for (const PictureSpec& p : Pictures()) {
    if (!p.drawn) continue;
    const plat::BmpImage img = Load(p);
    if (img.width != p.width || img.height != p.height) continue;
    int vanishing = 0;
    for (uint32_t px : img.pixels) vanishing += VanishesIn565(px);
    if (p.finish == assetgen::Finish::Keyed) {
      EXPECT_EQ(vanishing, 0) << p.file;
    }
    if (p.paint == Paint::Backdrop || p.paint == Paint::Ending) continue;  // full-frame scenery
    // Every cell of a sprite has black corners.
    for (int r = 0; r < p.Rows(); ++r)
      for (int c = 0; c < p.Columns(); ++c) {
        const int x0 = c * p.cellW, y0 = r * p.cellH, x1 = x0 + p.cellW - 1, y1 = y0 + p.cellH - 1;
        for (auto [x, y] : {std::pair{x0, y0}, {x1, y0}, {x0, y1}, {x1, y1}})
          EXPECT_EQ(img.pixels[size_t(y) * img.width + x], 0u) << p.file << " cell " << c << "," << r;
      }
  }
}

TEST(PictureFiles, DrawnSpritesAreNotEmptyAndLoadedOnlyFilesMayBe) {
  for (const PictureSpec& p : Pictures()) {
    const plat::BmpImage img = Load(p);
    int lit = 0;
    for (uint32_t px : img.pixels) lit += px != 0;
    if (p.drawn) {
      EXPECT_GT(lit, 0) << p.file;
    }
  }
  // Every digit cell of the big strip carries a different digit.
  const plat::BmpImage digits = Load(Find("IMAGE/SUJI09.BMP"));
  std::set<std::vector<uint32_t>> cells;
  for (int d = 0; d < 10; ++d) {
    std::vector<uint32_t> cell;
    for (int y = 0; y < 25; ++y)
      for (int x = 0; x < 20; ++x) cell.push_back(digits.pixels[size_t(y) * 200 + 20 * d + x]);
    cells.insert(cell);
  }
  EXPECT_EQ(cells.size(), 10u);
  // The small digits, the seven star streaks and the two icons of the parts sheet's row y 70..80.
  const plat::BmpImage sheet = Load(Find("IMAGE/MYMY.BMP"));
  auto litIn = [&](int x0, int x1) {
    int n = 0;
    for (int y = 70; y < 80; ++y)
      for (int x = x0; x < x1; ++x) n += sheet.pixels[size_t(y) * sheet.width + x] != 0;
    return n;
  };
  for (int d = 0; d < 10; ++d) EXPECT_GT(litIn(8 + 7 * d, 15 + 7 * d), 4) << "small digit " << d;
  for (int n = 0; n < 7; ++n) EXPECT_EQ(litIn(139 + 3 * n, 142 + 3 * n), 30) << "star streak " << n;
  EXPECT_GT(litIn(170, 194), 20);
  EXPECT_GT(litIn(200, 224), 20);
}

TEST(PictureFiles, TurnedPicturesKeepInsideTheirCircle) {
  for (const char* f : {"IMAGE/VAL40L.BMP", "IMAGE/VAL40L1.BMP", "IMAGE/VAL40L2.BMP", "IMAGE/VALL301.BMP",
                        "IMAGE/VALL3011.BMP", "IMAGE/VALL302.BMP", "IMAGE/VALL3017.BMP", "IMAGE/VALL3018.BMP",
                        "IMAGE/VAL3017A.BMP", "IMAGE/VAL3018A.BMP", "IMAGE/ZAKU/SZAK6_1.BMP", "IMAGE/ZAKU/SZAK6_2.BMP"}) {
    const plat::BmpImage img = Load(Find(f));
    const float cx = float(img.width >> 1), cy = float(img.height >> 1), r = float(img.width >> 1);
    for (int y = 0; y < img.height; ++y)
      for (int x = 0; x < img.width; ++x)
        if (img.pixels[size_t(y) * img.width + x] != 0) {
          EXPECT_LE(std::hypot(x + 0.5f - cx, y + 0.5f - cy), r + 0.75f) << f << " at " << x << "," << y;
        }
  }
}

TEST(PictureFiles, UpPointingBulletsHaveTheirNoseAtTheTop) {
  for (const char* f : {"IMAGE/VAL40L.BMP", "IMAGE/VALL301.BMP", "IMAGE/VALL302.BMP"}) {
    const plat::BmpImage img = Load(Find(f));
    int top = img.height, bottom = -1;
    long sumTop = 0, nTop = 0;
    for (int y = 0; y < img.height; ++y)
      for (int x = 0; x < img.width; ++x)
        if (img.pixels[size_t(y) * img.width + x]) {
          top = std::min(top, y);
          bottom = std::max(bottom, y);
        }
    for (int x = 0; x < img.width; ++x)
      if (img.pixels[size_t(top) * img.width + x]) sumTop += x, ++nTop;
    EXPECT_LT(top, img.height - 1 - bottom) << f;  // the tip reaches closer to the top edge
    EXPECT_NEAR(double(sumTop) / double(nTop), img.width / 2.0, 2.0) << f;
  }
}

TEST(PictureFiles, BackdropTilesJoinTopToBottom) {
  for (const char* f : {"IMAGE/BACK/BBACK1S.BMP", "IMAGE/BACK/BBACK2S.BMP", "IMAGE/BACK/BBACK3S.BMP",
                        "IMAGE/BACK/BBACK8S.BMP"}) {
    const plat::BmpImage img = Load(Find(f));
    auto rowDiff = [&](int a, int b) {
      double sum = 0;
      for (int x = 0; x < img.width; ++x) {
        const uint32_t p = img.pixels[size_t(a) * img.width + x], q = img.pixels[size_t(b) * img.width + x];
        for (int s = 0; s < 24; s += 8) sum += std::abs(int(p >> s & 255) - int(q >> s & 255));
      }
      return sum / img.width;
    };
    // The join from the last row to the first is no harsher than the steps inside the tile.
    std::vector<double> inner;
    for (int y = 0; y + 1 < img.height; ++y) inner.push_back(rowDiff(y, y + 1));
    std::sort(inner.begin(), inner.end());
    EXPECT_LE(rowDiff(img.height - 1, 0), inner[inner.size() * 99 / 100] + 1.0) << f;
  }
}

}  // namespace
