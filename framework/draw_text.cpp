// Text on the back buffer: one font description filled for each piece of text, and the bracket
// MakeFont (takes the back buffer's context), SetTextColors, PutText, EndText (gives it back).
#include <cstring>

#include "framework/el_draw.h"

namespace elDraw {
namespace {

struct TextState {
  bool descAllocated = false;
  plat::LogFont desc;
  plat::FontHandle font = 0;
  plat::FontHandle previousFont = 0;
  plat::DeviceContext* context = nullptr;
  int textColor = 0;
  int backgroundColor = 0;
};
TextState text;

constexpr const char* kFaceNames[2] = {"標準明朝", "標準ゴシック"};

// Fills the description as MakeFont asks; a face other than 0 and 1 keeps the name it had.
void DescribeFont(plat::LogFont& d, int face, int height, int angle, int bold, int italic, int underline) {
  d.height = height;
  d.width = 0;
  d.escapement = angle * 10;
  d.weight = bold == 1 ? 700 : bold == 0 ? 400 : 0;
  d.italic = static_cast<std::uint8_t>(italic);
  d.underline = static_cast<std::uint8_t>(underline);
  d.charSet = plat::kShiftJisCharset;
  if (face == 0 || face == 1) {
    std::memset(d.faceName, 0, sizeof d.faceName);
    std::strncpy(d.faceName, kFaceNames[face], sizeof d.faceName - 1);
  }
}

// The font of DrawTextLine: the Gothic face, 12 pixels high, plain.
constexpr int kLineFace = 1;
constexpr int kLineHeight = 12;

}  // namespace

void InitFonts() {
  text.desc = plat::LogFont{};
  text.descAllocated = true;
  plat::PrepareFontFaces();
}

void FreeFontDesc() {
  if (text.context != nullptr) EndText();
  text.descAllocated = false;
  plat::ReleaseFontFaces();
}

const plat::LogFont* FontDesc() { return text.descAllocated ? &text.desc : nullptr; }

void MakeFont(int face, int height, int angle, int bold, int italic, int underline) {
  if (!text.descAllocated) return;
  if (text.context != nullptr) EndText();  // a bracket left open is closed before the next one
  plat::LogFont& d = text.desc;
  DescribeFont(d, face, height, angle, bold, italic, underline);
  text.font = plat::CreateFontIndirect(d);
  if (plat::GetDC(Display.backBuffer, text.context) == plat::DD_OK) {
    text.previousFont = plat::SelectFont(text.context, text.font);
  } else {
    text.context = nullptr;
  }
}

void SetTextColors(int textColor, int backgroundColor, int transparent) {
  text.textColor = textColor;
  text.backgroundColor = backgroundColor;
  if (text.context == nullptr) return;
  plat::SetTextColor(text.context, static_cast<plat::ColorRef>(textColor));
  plat::SetBkColor(text.context, static_cast<plat::ColorRef>(backgroundColor));
  plat::SetBkMode(text.context, transparent != 0 ? plat::TRANSPARENT_MODE : plat::OPAQUE_MODE);
}

void PutText(int x, int y, const char* line) {
  if (text.context == nullptr || line == nullptr) return;
  plat::TextOut(text.context, x, y, line, static_cast<int>(std::strlen(line)));
}

void EndText() {
  if (text.context != nullptr) {
    plat::SelectFont(text.context, text.previousFont);
    plat::ReleaseDC(Display.backBuffer, text.context);
    text.context = nullptr;
  }
  plat::DeleteFont(text.font);
  text.font = 0;
}

void PrepareTextLine(const char* line) {
  if (line == nullptr) return;
  plat::LogFont d{};
  DescribeFont(d, kLineFace, kLineHeight, 0, 0, 0, 0);
  plat::PrepareText(d, line, static_cast<int>(std::strlen(line)));
}

void DrawTextLine(int x, int y, const char* line) {
  MakeFont(kLineFace, kLineHeight, 0, 0, 0, 0);
  SetTextColors(0xFFFFFF, 0x800000, 0);
  PutText(x, y, line);
  EndText();
}

}  // namespace elDraw
