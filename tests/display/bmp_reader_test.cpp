// The BMP reader: every depth, both row orders, bit fields, the fifth version's header with a full
// palette, malformed or truncated files, the largest file it takes and one past it, plus a fuzz loop
// over mutated files (run it under the sanitizer build as well).
#include <unistd.h>

#include <fstream>
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

// `file` (as MakeBmp writes it, with the 40-byte header and without bit fields) with the fifth
// version's header of 124 bytes instead, as painting programs often write it; with `profileBytes`, an
// embedded colour profile of that many bytes lies between the palette and the pixels.
std::vector<std::uint8_t> WithFifthHeader(const std::vector<std::uint8_t>& file, std::uint32_t profileBytes = 0) {
  const std::uint32_t oldOffset = file[10] | (file[11] << 8) | (file[12] << 16) | (file[13] << 24);
  std::vector<std::uint8_t> bytes(file.begin(), file.begin() + 54);
  bytes.resize(14 + 124, 0);
  bytes.insert(bytes.end(), file.begin() + 54, file.begin() + oldOffset);
  const auto profileAt = static_cast<std::uint32_t>(bytes.size());
  bytes.resize(bytes.size() + profileBytes, 0x5A);
  const auto pixelOffset = static_cast<std::uint32_t>(bytes.size());
  bytes.insert(bytes.end(), file.begin() + oldOffset, file.end());
  Put32(bytes, 2, static_cast<std::uint32_t>(bytes.size()));
  Put32(bytes, 10, pixelOffset);
  Put32(bytes, 14, 124);
  Put32(bytes, 14 + 56, profileBytes > 0 ? 0x4D424544 : 0x73524742);  // 'MBED' or 'sRGB'
  Put32(bytes, 14 + 108, 4);                                           // perceptual intent
  if (profileBytes > 0) {
    Put32(bytes, 14 + 112, profileAt - 14);  // counted from the info header
    Put32(bytes, 14 + 116, profileBytes);
  }
  return bytes;
}

TEST(BmpReader, AFullPaletteAfterTheFifthHeaderReadsWithOrWithoutAProfileBeforeThePixels) {
  // 256 colours, one a pixel: the palette is full.
  std::vector<std::uint32_t> rgb;
  for (std::uint32_t i = 0; i < 256; ++i) rgb.push_back((i << 16) | ((255 - i) << 8) | ((i * 7) & 0xFF));
  const auto plain = MakeBmp(8, 16, 16, rgb);
  plat::BmpImage image;
  for (const std::uint32_t profile : {0u, 3144u}) {
    const auto bytes = WithFifthHeader(plain, profile);
    ASSERT_TRUE(Read(bytes, image)) << "a profile of " << profile << " bytes";
    EXPECT_EQ(image.pixels, rgb) << "a profile of " << profile << " bytes";
  }
}

// What this process has read from files so far, as the kernel counts it.
std::uint64_t BytesRead() {
  std::ifstream io("/proc/self/io");
  std::string key;
  std::uint64_t value = 0;
  while (io >> key >> value) {
    if (key == "rchar:") return value;
  }
  return 0;
}

TEST(BmpReader, TheLargestPictureReadsAndALongerFileIsRefusedUnreadPastOneByteMore) {
  // 4096 x 4096 at 32 bits, behind the longest header and a palette of 256 entries (which a 32-bit
  // picture may carry and the reader passes over): the longest file the reader takes. The bottom row's
  // first pixel and the top row's last, the file's last bytes, are marked.
  const std::uint32_t pixelOffset = 14 + 124 + 256 * 4;
  const std::size_t size = pixelOffset + std::size_t{4096} * 4096 * 4;
  std::vector<std::uint8_t> largest(size, 0);
  largest[0] = 'B';
  largest[1] = 'M';
  Put32(largest, 2, static_cast<std::uint32_t>(size));
  Put32(largest, 10, pixelOffset);
  Put32(largest, 14, 124);
  Put32(largest, 18, 4096);
  Put32(largest, 22, 4096);
  Put16(largest, 26, 1);
  Put16(largest, 28, 32);
  Put32(largest, 46, 256);
  Put32(largest, pixelOffset, 0x123456);
  Put32(largest, size - 4, 0x654321);
  const std::string dir = MakeTempDir();
  const std::string path = dir + "/largest.bmp";
  WriteFile(path, largest);
  plat::BmpImage image;
  ASSERT_TRUE(plat::ReadBmpFile(path.c_str(), image));
  ASSERT_EQ(image.width, 4096);
  ASSERT_EQ(image.height, 4096);
  EXPECT_EQ(image.pixels[4095 * 4096], 0x123456u);
  EXPECT_EQ(image.pixels[4095], 0x654321u);

  // One byte more is a damaged picture, in memory as in a file.
  largest.push_back(0);
  EXPECT_FALSE(Read(largest, image));
  WriteFile(path, largest);
  EXPECT_FALSE(plat::ReadBmpFile(path.c_str(), image));
  EXPECT_TRUE(image.pixels.empty());

  // A file of 1 GiB that starts as that picture (sparse: it takes no room on the disk) is refused
  // having read one byte past the largest picture, and at most what the C library reads ahead.
  ASSERT_EQ(truncate(path.c_str(), off_t{1} << 30), 0);
  const std::uint64_t before = BytesRead();
  ASSERT_GT(before, size) << "the kernel counts no reads";
  EXPECT_FALSE(plat::ReadBmpFile(path.c_str(), image));
  const std::uint64_t read = BytesRead() - before;
  EXPECT_LE(read, size + 1 + 65536) << "read " << read << " bytes of the 1 GiB file";
  std::remove(path.c_str());
  rmdir(dir.c_str());
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
