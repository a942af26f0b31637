// Text on a device context through FreeType: fonts described by a font record whose face name is
// Shift-JIS ("標準ゴシック" is the IPA Gothic face, "標準明朝" the IPA Mincho face; any other name gets the
// Gothic face), Shift-JIS text converted with iconv, drawn in one colour without smoothing, on an
// opaque box of the background colour unless the background mode is transparent.
#pragma once
#include <cstdint>

#include "platform/device_context.h"

namespace plat {

constexpr int kFaceNameSize = 32;
constexpr int kShiftJisCharset = 128;

struct LogFont {
  std::int32_t height = 0;      // > 0: cell height in pixels; < 0: character height
  std::int32_t width = 0;
  std::int32_t escapement = 0;  // tenths of a degree, counter-clockwise
  std::int32_t orientation = 0;
  std::int32_t weight = 0;      // 700 and above is bold
  std::uint8_t italic = 0;
  std::uint8_t underline = 0;
  std::uint8_t strikeOut = 0;
  std::uint8_t charSet = 0;
  std::uint8_t outPrecision = 0;
  std::uint8_t clipPrecision = 0;
  std::uint8_t quality = 0;
  std::uint8_t pitchAndFamily = 0;
  char faceName[kFaceNameSize] = {};
};

// The IPA fonts the two faces are read from.
constexpr const char* kMinchoFontFile = "/usr/share/fonts/opentype/ipafont-mincho/ipam.ttf";
constexpr const char* kGothicFontFile = "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf";
// The font files the faces are read from (tests point them elsewhere); null: the IPA font. A face
// opened already keeps its file until ReleaseFontFaces.
void SetFontFiles(const char* mincho, const char* gothic);

// Opens the two font files once (at set-up), each only if it is a regular file (or a link to one);
// false when FreeType or both files are unavailable. A face whose file is unavailable is drawn with the
// other one.
bool PrepareFontFaces();
void ReleaseFontFaces();

// Loads the glyphs of a text in the described font ahead of drawing it (upright, plain fonts only), so
// that drawing it later costs no glyph loading; false when some glyph could not be kept.
bool PrepareText(const LogFont& description, const char* text, int length);

using FontHandle = int;  // 0: no font
FontHandle CreateFontIndirect(const LogFont& description);
FontHandle SelectFont(DeviceContext* context, FontHandle font);  // returns the font it replaced
void DeleteFont(FontHandle font);

ColorRef SetTextColor(DeviceContext* context, ColorRef color);
ColorRef SetBkColor(DeviceContext* context, ColorRef color);
int SetBkMode(DeviceContext* context, int mode);
// Draws `length` bytes of Shift-JIS text with its cell's top-left at (x, y); false when nothing could
// be drawn (no font face). The text box's extent goes to *boxWidth / *boxHeight when given.
bool TextOut(DeviceContext* context, int x, int y, const char* text, int length, int* boxWidth = nullptr,
             int* boxHeight = nullptr);

}  // namespace plat
