#include "display_fixture.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <cstdio>
#include <set>

#include "framework/el_system.h"
#include "platform/headless/headless_host.h"

namespace display_test {

void Put16(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
  b[at] = static_cast<std::uint8_t>(v);
  b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
void Put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
  Put16(b, at, v & 0xFFFF);
  Put16(b, at + 2, v >> 16);
}

std::vector<std::uint8_t> MakeBmp(int bpp, int width, int height, const std::vector<std::uint32_t>& rgb, bool topDown,
                                  bool bitFields) {
  std::vector<std::uint32_t> palette;
  if (bpp <= 8) {
    std::set<std::uint32_t> distinct(rgb.begin(), rgb.end());
    palette.assign(distinct.begin(), distinct.end());
  }
  const bool masks = bitFields && (bpp == 16 || bpp == 32);
  const std::size_t header = 14 + 40 + (masks ? 12 : 0) + palette.size() * 4;
  const std::size_t rowBytes = ((static_cast<std::size_t>(width) * bpp + 31) / 32) * 4;
  std::vector<std::uint8_t> b(header + rowBytes * height, 0);
  b[0] = 'B';
  b[1] = 'M';
  Put32(b, 2, static_cast<std::uint32_t>(b.size()));
  Put32(b, 10, static_cast<std::uint32_t>(header));
  Put32(b, 14, 40);
  Put32(b, 18, static_cast<std::uint32_t>(width));
  Put32(b, 22, static_cast<std::uint32_t>(topDown ? -height : height));
  Put16(b, 26, 1);
  Put16(b, 28, static_cast<std::uint32_t>(bpp));
  Put32(b, 30, masks ? 3 : 0);
  Put32(b, 46, static_cast<std::uint32_t>(palette.size()));
  std::size_t at = 54;
  if (masks) {
    const std::uint32_t m[3] = {bpp == 16 ? 0xF800u : 0xFF0000u, bpp == 16 ? 0x07E0u : 0x00FF00u,
                                bpp == 16 ? 0x001Fu : 0x0000FFu};
    for (std::uint32_t v : m) Put32(b, at, v), at += 4;
  }
  for (std::uint32_t c : palette) Put32(b, at, c), at += 4;
  for (int y = 0; y < height; ++y) {
    const int fileRow = topDown ? y : height - 1 - y;
    std::uint8_t* row = b.data() + header + rowBytes * fileRow;
    for (int x = 0; x < width; ++x) {
      const std::uint32_t c = rgb[static_cast<std::size_t>(y) * width + x];
      const std::uint32_t r = (c >> 16) & 0xFF, g = (c >> 8) & 0xFF, bl = c & 0xFF;
      std::uint32_t index = 0;
      for (std::size_t i = 0; i < palette.size(); ++i) if (palette[i] == c) index = static_cast<std::uint32_t>(i);
      switch (bpp) {
        case 1: row[x >> 3] |= static_cast<std::uint8_t>(index << (7 - (x & 7))); break;
        case 4: row[x >> 1] |= static_cast<std::uint8_t>(index << ((x & 1) ? 0 : 4)); break;
        case 8: row[x] = static_cast<std::uint8_t>(index); break;
        case 16: {
          const std::uint32_t v = masks ? ((r >> 3) << 11) | ((g >> 2) << 5) | (bl >> 3) : ((r >> 3) << 10) | ((g >> 3) << 5) | (bl >> 3);
          row[2 * x] = static_cast<std::uint8_t>(v);
          row[2 * x + 1] = static_cast<std::uint8_t>(v >> 8);
          break;
        }
        case 24: row[3 * x] = static_cast<std::uint8_t>(bl), row[3 * x + 1] = static_cast<std::uint8_t>(g), row[3 * x + 2] = static_cast<std::uint8_t>(r); break;
        case 32: row[4 * x] = static_cast<std::uint8_t>(bl), row[4 * x + 1] = static_cast<std::uint8_t>(g), row[4 * x + 2] = static_cast<std::uint8_t>(r); break;
        default: break;
      }
    }
  }
  return b;
}

void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_NE(f, nullptr) << path;
  if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}

std::string MakeTempDir() {
  char pattern[] = "/tmp/tessivane-display-XXXXXX";
  const char* made = mkdtemp(pattern);
  return made != nullptr ? std::string(made) : std::string("/tmp");
}

void DisplayTest::SetUp() {
  plat::headless::Reset();
  elSystem::InitGlobals();
  dir_ = MakeTempDir();
  mkdir((dir_ + "/IMAGE").c_str(), 0755);
  plat::headless::SetProgramPath(dir_ + "/prog");
  ASSERT_EQ(elDraw::Screen(800, 600, 2), 1);
  ASSERT_TRUE(Boxes().empty());
}

void DisplayTest::TearDown() {
  elDraw::FreeFontDesc();
  elDraw::Shutdown();
  plat::headless::SetDisplayTraits(false, false);
  elDraw::SetLoadColorKey(0);
  ScreenTransition = ScreenTransitionRecord{};
  std::system(("rm -rf '" + dir_ + "'").c_str());
}

void DisplayTest::WritePicture(const std::string& name, int width, int height, std::uint32_t rgb) {
  WritePicture(name, width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height, rgb));
}

void DisplayTest::WritePicture(const std::string& name, int width, int height, const std::vector<std::uint32_t>& rgb) {
  WriteFile(dir_ + "/IMAGE/" + name, MakeBmp(24, width, height, rgb));
}

void DisplayTest::Poke(plat::Surface* surface, int x, int y, std::uint16_t value) {
  plat::LockedSurface locked;
  ASSERT_EQ(plat::Lock(surface, locked, plat::DDLOCK_WAIT), plat::DD_OK);
  locked.pixels[y * (locked.pitchBytes / 2) + x] = value;
  plat::Unlock(surface);
}

std::uint16_t DisplayTest::Peek(const plat::Surface* surface, int x, int y) {
  int pitch = 0;
  const std::uint16_t* pixels = plat::PeekPixels(surface, pitch);
  return pixels == nullptr ? 0xDEAD : pixels[y * pitch + x];
}

void DisplayTest::Fill(plat::Surface* surface, std::uint16_t value) {
  plat::Blt(surface, nullptr, nullptr, nullptr, plat::DDBLT_COLORFILL, value);
}

std::vector<std::string> DisplayTest::Boxes() { return plat::headless::MessageBoxes(); }

}  // namespace display_test
