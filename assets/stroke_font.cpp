#include "stroke_font.h"

#include <algorithm>
#include <limits>

namespace assetgen {

namespace {

// Glyphs on a 4x6 grid (x 0..4, y 0..6 downwards); each point is two digits, '|' starts a new stroke.
struct Glyph {
  char ch;
  const char* strokes;
};

constexpr Glyph kGlyphs[] = {
    {'A', "06 02 20 42 46|04 44"},
    {'B', "06 00 30 41 42 33 03|33 44 45 36 06"},
    {'C', "41 30 10 01 05 16 36 45"},
    {'D', "06 00 20 42 44 26 06"},
    {'E', "40 00 06 46|03 33"},
    {'F', "40 00 06|03 33"},
    {'G', "41 30 10 01 05 16 36 45 43 23"},
    {'H', "00 06|40 46|03 43"},
    {'I', "10 30|20 26|16 36"},
    {'J', "40 45 36 16 05"},
    {'K', "00 06|40 03 46"},
    {'L', "00 06 46"},
    {'M', "06 00 23 40 46"},
    {'N', "06 00 46 40"},
    {'O', "10 30 41 45 36 16 05 01 10"},
    {'P', "06 00 30 41 42 33 03"},
    {'Q', "10 30 41 45 36 16 05 01 10|24 46"},
    {'R', "06 00 30 41 42 33 03|23 46"},
    {'S', "41 30 10 01 02 13 33 44 45 36 16 05"},
    {'T', "00 40|20 26"},
    {'U', "00 05 16 36 45 40"},
    {'V', "00 26 40"},
    {'W', "00 16 23 36 40"},
    {'X', "00 46|40 06"},
    {'Y', "00 23 40|23 26"},
    {'Z', "00 40 06 46"},
    {'0', "10 30 41 45 36 16 05 01 10"},
    {'1', "11 20 26|16 36"},
    {'2', "01 10 30 41 42 06 46"},
    {'3', "01 10 30 41 42 33 13|33 44 45 36 16 05"},
    {'4', "30 04 44|30 36"},
    {'5', "40 00 02 32 43 45 36 06"},
    {'6', "30 10 01 05 16 36 45 43 32 02"},
    {'7', "00 40 16"},
    {'8', "13 02 01 10 30 41 42 33 13 04 05 16 36 45 44 33"},
    {'9', "44 34 13 02 01 10 30 41 45 36 16"},
    {'?', "01 10 30 41 42 23 24|26 26"},
    {'!', "20 24|26 26"},
    {'.', "26 26"},
    {'-', "13 33"},
};

const char* StrokesOf(char ch) {
  for (const Glyph& g : kGlyphs)
    if (g.ch == ch) return g.strokes;
  return "";
}

constexpr float kAdvance = 5.6f;  // grid units per letter, including the gap
constexpr float kGap = 1.6f;

// 5x7 digits, one row per byte, bit 4 = leftmost column.
constexpr unsigned char kSmallDigits[10][7] = {
    {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}, {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E},
    {0x0E, 0x11, 0x01, 0x06, 0x08, 0x10, 0x1F}, {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E},
    {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}, {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E},
    {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}, {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08},
    {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}, {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C},
};

}  // namespace

float TextWidth(std::string_view text, float height) {
  const float unit = height / 6.0f;
  return text.empty() ? 0.0f : (float(text.size()) * kAdvance - kGap) * unit;
}

TextLayout LayOutText(std::string_view text, float x, float top, float height) {
  TextLayout t;
  const float unit = height / 6.0f;
  for (size_t i = 0; i < text.size(); ++i) {
    const float ox = x + float(i) * kAdvance * unit;
    const char* s = StrokesOf(text[i]);
    bool havePrev = false;
    Vec2 prev;
    for (; *s; ++s) {
      if (*s == '|') {
        havePrev = false;
        continue;
      }
      if (*s == ' ') continue;
      const Vec2 p{ox + float(s[0] - '0') * unit, top + float(s[1] - '0') * unit};
      ++s;
      if (havePrev) {  // a stroke of two equal points is a dot
        t.a.push_back(prev);
        t.b.push_back(p);
      }
      prev = p;
      havePrev = true;
    }
  }
  t.width = TextWidth(text, height);
  return t;
}

float StrokeDistance(const TextLayout& t, Vec2 p) {
  float d = std::numeric_limits<float>::max();
  for (size_t i = 0; i < t.a.size(); ++i) d = std::min(d, SdSegment(p, t.a[i], t.b[i], 0.0f));
  return d;
}

bool SmallDigitPixel(int digit, int col, int row) {
  if (digit < 0 || digit > 9 || col < 0 || col > 4 || row < 0 || row > 6) return false;
  return (kSmallDigits[digit][row] >> (4 - col)) & 1;
}

}  // namespace assetgen
