// The BMP reader: every depth, both row orders, bit fields, and malformed or truncated files, plus a
// fuzz loop over mutated files (run it under the sanitizer build as well).
#include <random>

#include "display_fixture.h"
#include "platform/bmp_reader.h"

namespace display_test {
namespace {

// `count` test pixels in two colours (for 1 bpp) or up to eight (others); every channel 0 or 255 so
// that 16-bit files read back exactly.
std::vector<std::uint32_t> TestPixels(int colours, int count = 15) {
  static const std::uint32_t palette[8] = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0x00FFFF, 0xFF00FF};
  std::vector<std::uint32_t> rgb;
  for (int i = 0; i < count; ++i) rgb.push_back(palette[(i * 7 + i / 5) % colours]);
  return rgb;
}

bool Read(const std::vector<std::uint8_t>& bytes, plat::BmpImage& image) {
  return plat::ReadBmpMemory(bytes.data(), bytes.size(), image);
}

TEST(BmpReader, EveryDepthAndRowOrder) {
  struct Case {
    int bpp;
    bool bitFields;
    int colours;
  };
  for (const Case& c : {Case{1, false, 2}, Case{4, false, 8}, Case{8, false, 8}, Case{16, false, 8}, Case{16, true, 8},
                        Case{24, false, 8}, Case{32, false, 8}, Case{32, true, 8}}) {
    for (bool topDown : {false, true}) {
      const auto rgb = TestPixels(c.colours);
      plat::BmpImage image;
      ASSERT_TRUE(Read(MakeBmp(c.bpp, 5, 3, rgb, topDown, c.bitFields), image)) << c.bpp << " " << topDown;
      EXPECT_EQ(image.width, 5);
      EXPECT_EQ(image.height, 3);
      EXPECT_EQ(image.pixels, rgb) << c.bpp << " bits, top-down " << topDown << ", bit fields " << c.bitFields;
    }
  }
  // 24-bit keeps every level.
  std::vector<std::uint32_t> levels = {0x010203, 0x7F8081, 0xFEFDFC};
  plat::BmpImage image;
  ASSERT_TRUE(Read(MakeBmp(24, 3, 1, levels), image));
  EXPECT_EQ(image.pixels, levels);
}

TEST(BmpReader, MalformedFilesAreRefused) {
  const auto good = MakeBmp(8, 5, 3, TestPixels(8));
  plat::BmpImage image;
  ASSERT_TRUE(Read(good, image));
  auto with = [&](std::size_t at, std::uint8_t value) {
    auto bytes = good;
    bytes[at] = value;
    return bytes;
  };
  EXPECT_FALSE(plat::ReadBmpMemory(nullptr, 0, image));
  EXPECT_FALSE(Read(with(0, 'X'), image));            // not "BM"
  EXPECT_FALSE(Read(with(18, 0), image));             // width 0 (low byte)
  EXPECT_FALSE(Read(with(21, 0x80), image));          // negative width
  EXPECT_FALSE(Read(with(25, 0x7F), image));          // height far too large for the file
  EXPECT_FALSE(Read(with(26, 2), image));             // two planes
  EXPECT_FALSE(Read(with(28, 7), image));             // 7 bits per pixel
  EXPECT_FALSE(Read(with(30, 1), image));             // run-length compression
  EXPECT_FALSE(Read(with(47, 1), image));             // 256+ palette entries for 8 bits
  EXPECT_FALSE(Read(with(13, 0x7F), image));          // pixels past the end
  EXPECT_FALSE(Read(with(17, 0x7F), image));          // header larger than the file
  EXPECT_TRUE(image.pixels.empty());
  for (std::size_t n = 0; n < good.size(); ++n) {
    EXPECT_FALSE(plat::ReadBmpMemory(good.data(), n, image)) << "truncated to " << n;
  }
  EXPECT_FALSE(plat::ReadBmpFile("/nonexistent/picture.bmp", image));
}

TEST(BmpReader, FuzzedFilesNeverReadOutside) {
  std::mt19937 random(12345);
  std::vector<std::vector<std::uint8_t>> seeds;
  for (int bpp : {1, 4, 8, 16, 24, 32}) {
    seeds.push_back(MakeBmp(bpp, 7, 5, TestPixels(bpp == 1 ? 2 : 8, 35)));
    seeds.push_back(MakeBmp(bpp, 3, 4, TestPixels(bpp == 1 ? 2 : 8, 12), true, true));
  }
  plat::BmpImage image;
  int accepted = 0;
  for (int round = 0; round < 20000; ++round) {
    const auto& seed = seeds[random() % seeds.size()];
    std::vector<std::uint8_t> bytes = seed;
    const int flips = 1 + static_cast<int>(random() % 4);
    for (int f = 0; f < flips; ++f) {
      // Most mutations hit the headers, where the sizes and offsets live.
      const std::size_t at = random() % 2 ? random() % std::min<std::size_t>(bytes.size(), 70) : random() % bytes.size();
      bytes[at] = static_cast<std::uint8_t>(random());
    }
    if (random() % 3 == 0) bytes.resize(random() % bytes.size());
    // An exact-size copy, so that any read past the end is caught by the sanitizer.
    std::unique_ptr<std::uint8_t[]> exact(new std::uint8_t[bytes.size() + 1]);
    std::copy(bytes.begin(), bytes.end(), exact.get());
    if (plat::ReadBmpMemory(exact.get(), bytes.size(), image)) {
      ++accepted;
      ASSERT_EQ(image.pixels.size(), static_cast<std::size_t>(image.width) * image.height);
    } else {
      ASSERT_TRUE(image.pixels.empty());
    }
  }
  EXPECT_GT(accepted, 100);
}

}  // namespace
}  // namespace display_test
