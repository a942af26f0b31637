// The font files under the text: each end of the text closes what its start opened, once, however often
// the two come and whatever the file holds; and a face is read from its whole file, to its last byte and
// no further.
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "display_fixture.h"
#include "platform/gdi_text.h"

namespace display_test {
namespace {

constexpr std::uint16_t kWhite = 0xFFFF;
constexpr int kLineX = 100, kLineY = 50, kLineWidth = 120, kLineHeight = 12;

// The descriptors this process holds (the listing's own among them, the same each time).
long OpenDescriptors() {
  namespace fs = std::filesystem;
  return std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator());
}

// Both faces read from `path` (null: the IPA fonts) from the next start of the text on.
void ReadFacesFrom(const char* path) {
  elDraw::FreeFontDesc();
  plat::SetFontFiles(path, path);
}

class FontFile : public DisplayTest {
 protected:
  // The text line drawn with both faces read from `path`, as the pixels of its box.
  static std::vector<std::uint16_t> LineFrom(const std::string& path) {
    ReadFacesFrom(path.c_str());
    elDraw::InitFonts();
    elDraw::ClearBackBuffer();
    elDraw::DrawTextLine(kLineX, kLineY, "Tessivane \x82\xa0\x82\xa2");  // "Tessivane あい"
    std::vector<std::uint16_t> pixels;
    for (int y = kLineY; y < kLineY + kLineHeight; ++y) {
      for (int x = kLineX; x < kLineX + kLineWidth; ++x) pixels.push_back(Back(x, y));
    }
    return pixels;
  }
};

TEST_F(FontFile, EachEndOfTheTextClosesWhatItsStartOpenedOnce) {
  const std::string notAFont = dir_ + "/notes.ttf", empty = dir_ + "/empty.ttf";
  WriteFile(notAFont, std::vector<std::uint8_t>(4096, '#'));
  WriteFile(empty, {});
  const struct {
    const char* what;
    const char* path;
    long held;  // files open while the text runs, which shows the count sees them
  } files[] = {{"the IPA fonts", nullptr, 2}, {"a file that holds no font", notAFont.c_str(), 0},
               {"an empty file", empty.c_str(), 0}};
  // A file left open adds to the count; one closed twice is freed twice, and the C library stops the
  // program there (the sanitizer build names the second close).
  for (const auto& file : files) {
    ReadFacesFrom(file.path);
    const long before = OpenDescriptors();
    for (int i = 0; i < 200; ++i) {
      elDraw::InitFonts();
      if (i == 0) {
        EXPECT_EQ(OpenDescriptors(), before + file.held) << file.what << ", while the text runs";
      }
      elDraw::FreeFontDesc();
    }
    EXPECT_EQ(OpenDescriptors(), before) << file.what << ", after 200 starts and ends of the text";
  }
}

std::vector<std::uint8_t> ReadWholeFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint32_t Be32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return std::uint32_t(b[at]) << 24 | std::uint32_t(b[at + 1]) << 16 | std::uint32_t(b[at + 2]) << 8 | b[at + 3];
}

// The font with a copy of its glyph table at the very end of the file (no padding after it) and the
// table's record pointing there. FreeType reads the glyphs one by one within the table's length, and
// leaves out a table that runs past the end of the file: one byte short, the font draws no glyph.
std::vector<std::uint8_t> WithGlyphsLast(std::vector<std::uint8_t> font) {
  const std::size_t tables = std::size_t(font[4]) << 8 | font[5];
  for (std::size_t record = 12; record < 12 + 16 * tables; record += 16) {
    if (std::memcmp(&font[record], "glyf", 4) != 0) continue;
    const std::uint32_t offset = Be32(font, record + 8), length = Be32(font, record + 12);
    const std::vector<std::uint8_t> glyphs(font.begin() + offset, font.begin() + offset + length);
    font.resize((font.size() + 3) & ~std::size_t{3}, 0);
    const auto moved = static_cast<std::uint32_t>(font.size());
    for (int i = 0; i < 4; ++i) font[record + 8 + i] = static_cast<std::uint8_t>(moved >> (24 - 8 * i));
    font.insert(font.end(), glyphs.begin(), glyphs.end());
  }
  return font;
}

long Whites(const std::vector<std::uint16_t>& pixels) { return std::count(pixels.begin(), pixels.end(), kWhite); }

long Differing(const std::vector<std::uint16_t>& a, const std::vector<std::uint16_t>& b) {
  long count = 0;
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) count += a[i] != b[i];
  return count;
}

TEST_F(FontFile, IsReadToItsLastByteAndNoFurther) {
  const std::vector<std::uint8_t> font = WithGlyphsLast(ReadWholeFile(plat::kGothicFontFile));
  const std::string whole = dir_ + "/glyphs-last.ttf", cut = dir_ + "/glyphs-cut.ttf";
  WriteFile(whole, font);
  WriteFile(cut, std::vector<std::uint8_t>(font.begin(), font.end() - 1));

  const std::vector<std::uint16_t> ipa = LineFrom(plat::kGothicFontFile);
  EXPECT_GT(Whites(ipa), 100) << "the IPA Gothic font drew no text";
  EXPECT_EQ(Differing(LineFrom(whole), ipa), 0) << "pixels differ from the IPA Gothic font's";
  // A reader that took the file for longer than it is would draw these glyphs, which lie before the cut.
  EXPECT_EQ(Whites(LineFrom(cut)), 0) << "glyphs were drawn from a glyph table the file cuts short";
}

}  // namespace
}  // namespace display_test
