#include "platform/gdi_text.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include <sys/stat.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/regular_file.h"
#include "platform/text_encoding.h"

namespace plat {
namespace {

constexpr int kMinchoFace = 0;
constexpr int kGothicFace = 1;
constexpr int kFontCount = 8;
constexpr std::size_t kMaxTextChars = 512;

struct Font {
  bool inUse = false;
  int face = kGothicFace;
  int pixelHeight = 12;
  int escapement = 0;
  bool bold = false;
  bool italic = false;
  bool underline = false;
};

// Glyphs of upright, plain fonts, kept once loaded: a line of text then costs no glyph loading or
// rendering. A fixed table, filled at most once per glyph; a glyph that does not fit goes uncached.
constexpr int kGlyphCacheSize = 512;
constexpr int kMaxGlyphSide = 32;
struct CachedGlyph {
  bool used = false;
  bool loaded = false;  // FreeType had the glyph
  int face = 0;
  int pixelHeight = 0;
  char32_t ch = 0;
  FT_Pos horiAdvance = 0;
  FT_Vector advance{};
  int left = 0, top = 0, width = 0, rows = 0;
  std::uint8_t on[kMaxGlyphSide * kMaxGlyphSide];  // 1 where the glyph's pixel is set
};

struct TextState {
  FT_Library library = nullptr;
  std::string faceFiles[2] = {kMinchoFontFile, kGothicFontFile};
  FT_StreamRec faceStreams[2] = {};  // each open face reads its file through its own
  FT_Face faces[2] = {nullptr, nullptr};
  int faceSize[2] = {0, 0};  // the pixel height each face was last set to
  CachedGlyph glyphs[kGlyphCacheSize];
  Font fonts[kFontCount + 1];  // handle 0 is "no font"
  char32_t chars[kMaxTextChars];
};
TextState& T() {
  static TextState state;
  return state;
}

// The face a Shift-JIS face name stands for.
int FaceForName(const char* name) {
  char32_t wide[kFaceNameSize];
  const std::size_t n = ShiftJisToUtf32(std::string_view(name, strnlen(name, kFaceNameSize)), wide, kFaceNameSize);
  const std::u32string_view face(wide, n);
  if (face == U"標準明朝") return kMinchoFace;
  return kGothicFace;
}

FT_Face FaceOf(const Font& font) {
  FT_Face face = T().faces[font.face];
  return face != nullptr ? face : T().faces[1 - font.face];
}

// Fills the rectangle (clipped to the context) with a colour.
void FillBox(DeviceContext* c, int x, int y, int w, int h, ColorRef color) {
  for (int j = 0; j < h; ++j) {
    for (int i = 0; i < w; ++i) SetPixel(c, x + i, y + j, color);
  }
}

void DrawMonoBitmap(DeviceContext* c, const FT_Bitmap& bitmap, int left, int top, ColorRef color) {
  for (unsigned row = 0; row < bitmap.rows; ++row) {
    const unsigned char* line = bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch;
    for (unsigned col = 0; col < bitmap.width; ++col) {
      const bool on = bitmap.pixel_mode == FT_PIXEL_MODE_MONO ? ((line[col >> 3] >> (7 - (col & 7))) & 1) != 0
                                                               : line[col] >= 128;
      if (on) SetPixel(c, left + static_cast<int>(col), top + static_cast<int>(row), color);
    }
  }
}

// The font a description makes: a height of 0 is 12 pixels, a negative one counts as positive.
Font FontFrom(const LogFont& d) {
  Font f;
  f.face = FaceForName(d.faceName);
  const int height = d.height < 0 ? -d.height : d.height;
  f.pixelHeight = height == 0 ? 12 : height;
  f.escapement = d.escapement;
  f.bold = d.weight >= 600;
  f.italic = d.italic != 0;
  f.underline = d.underline != 0;
  return f;
}

// Turned, bold and slanted text is made from the outlines each time; only upright plain glyphs are
// kept in the glyph table.
bool Synthetic(const Font& f) { return f.escapement % 3600 != 0 || f.bold || f.italic; }

// Sets the face to the pixel height unless it already has it (setting a size runs the font's hinting
// set-up every time).
bool SetFaceSize(FT_Face face, int pixelHeight) {
  TextState& t = T();
  const int index = face == t.faces[0] ? 0 : 1;
  if (t.faceSize[index] == pixelHeight) return true;
  if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixelHeight)) != 0) {
    t.faceSize[index] = 0;
    return false;
  }
  t.faceSize[index] = pixelHeight;
  return true;
}

// The cached glyph of an upright plain font, loading it on first use; null when it cannot be cached.
const CachedGlyph* Glyph(FT_Face face, int pixelHeight, char32_t ch) {
  TextState& t = T();
  const int faceIndex = face == t.faces[0] ? 0 : 1;
  std::size_t at = (static_cast<std::size_t>(ch) * 2654435761u + static_cast<std::size_t>(pixelHeight) * 31 +
                    static_cast<std::size_t>(faceIndex)) % kGlyphCacheSize;
  for (int probe = 0; probe < 16; ++probe, at = (at + 1) % kGlyphCacheSize) {
    CachedGlyph& g = t.glyphs[at];
    if (g.used && g.ch == ch && g.face == faceIndex && g.pixelHeight == pixelHeight) return &g;
    if (g.used) continue;
    if (FT_Load_Char(face, ch, FT_LOAD_TARGET_MONO) != 0) {
      g.used = true, g.loaded = false, g.ch = ch, g.face = faceIndex, g.pixelHeight = pixelHeight;
      return &g;
    }
    FT_GlyphSlot slot = face->glyph;
    if (slot->format == FT_GLYPH_FORMAT_OUTLINE && FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0) return nullptr;
    const FT_Bitmap& b = slot->bitmap;
    if (b.width > kMaxGlyphSide || b.rows > kMaxGlyphSide) return nullptr;
    g.used = true, g.loaded = true, g.ch = ch, g.face = faceIndex, g.pixelHeight = pixelHeight;
    g.horiAdvance = slot->metrics.horiAdvance;
    g.advance = slot->advance;
    g.left = slot->bitmap_left, g.top = slot->bitmap_top;
    g.width = static_cast<int>(b.width), g.rows = static_cast<int>(b.rows);
    for (unsigned row = 0; row < b.rows; ++row) {
      const unsigned char* line = b.buffer + static_cast<std::ptrdiff_t>(row) * b.pitch;
      for (unsigned col = 0; col < b.width; ++col) {
        const bool on = b.pixel_mode == FT_PIXEL_MODE_MONO ? ((line[col >> 3] >> (7 - (col & 7))) & 1) != 0 : line[col] >= 128;
        g.on[row * kMaxGlyphSide + col] = on ? 1 : 0;
      }
    }
    return &g;
  }
  return nullptr;
}

// FreeType reads a face's file through the stream's FILE*; a count of 0 only moves to the offset.
unsigned long ReadFaceFile(FT_Stream stream, unsigned long offset, unsigned char* buffer, unsigned long count) {
  auto* file = static_cast<std::FILE*>(stream->descriptor.pointer);
  if (offset > stream->size || std::fseek(file, static_cast<long>(offset), SEEK_SET) != 0) return count == 0 ? 1 : 0;
  return count == 0 ? 0 : std::fread(buffer, 1, count, file);
}

void CloseFaceFile(FT_Stream stream) {
  if (stream->descriptor.pointer != nullptr) std::fclose(static_cast<std::FILE*>(stream->descriptor.pointer));
  stream->descriptor.pointer = nullptr;
}

// The face in a font file, read through `stream`, which FreeType closes with the face (or at once, when
// the face cannot be made). The file is opened as every file the game reads is: one that is missing or
// not a regular file (a named pipe, a device, a folder) gives no face, as a missing font does.
FT_Face OpenFace(FT_Library library, const std::string& path, FT_StreamRec& stream) {
  std::FILE* file = OpenRegularFile(path.c_str());
  if (file == nullptr) return nullptr;
  struct stat info;
  if (fstat(fileno(file), &info) != 0 || info.st_size <= 0) {
    std::fclose(file);
    return nullptr;
  }
  stream = FT_StreamRec{};
  stream.size = static_cast<unsigned long>(info.st_size);
  stream.descriptor.pointer = file;
  stream.read = ReadFaceFile;
  stream.close = CloseFaceFile;
  FT_Open_Args args{};
  args.flags = FT_OPEN_STREAM;
  args.stream = &stream;
  FT_Face face = nullptr;
  if (FT_Open_Face(library, &args, 0, &face) != 0) return nullptr;
  return face;
}

}  // namespace

void SetFontFiles(const char* mincho, const char* gothic) {
  T().faceFiles[kMinchoFace] = mincho != nullptr ? mincho : kMinchoFontFile;
  T().faceFiles[kGothicFace] = gothic != nullptr ? gothic : kGothicFontFile;
}

bool PrepareText(const LogFont& description, const char* text, int length) {
  const Font font = FontFrom(description);
  if (text == nullptr || length < 0 || Synthetic(font)) return false;
  FT_Face face = FaceOf(font);
  if (face == nullptr || !SetFaceSize(face, font.pixelHeight)) return false;
  const std::size_t count = ShiftJisToUtf32(std::string_view(text, static_cast<std::size_t>(length)), T().chars, kMaxTextChars);
  bool all = true;
  for (std::size_t i = 0; i < count; ++i) all = Glyph(face, font.pixelHeight, T().chars[i]) != nullptr && all;
  return all;
}

bool PrepareFontFaces() {
  TextState& t = T();
  if (t.library == nullptr && FT_Init_FreeType(&t.library) != 0) {
    t.library = nullptr;
    return false;
  }
  for (int i = 0; i < 2; ++i) {
    if (t.faces[i] == nullptr) t.faces[i] = OpenFace(t.library, t.faceFiles[i], t.faceStreams[i]);
  }
  return t.faces[0] != nullptr || t.faces[1] != nullptr;
}

void ReleaseFontFaces() {
  TextState& t = T();
  for (FT_Face& face : t.faces) {
    if (face != nullptr) FT_Done_Face(face);
    face = nullptr;
  }
  t.faceSize[0] = t.faceSize[1] = 0;
  for (CachedGlyph& g : t.glyphs) g.used = false;
  if (t.library != nullptr) FT_Done_FreeType(t.library);
  t.library = nullptr;
}

FontHandle CreateFontIndirect(const LogFont& d) {
  for (int handle = 1; handle <= kFontCount; ++handle) {
    Font& f = T().fonts[handle];
    if (f.inUse) continue;
    f = FontFrom(d);
    f.inUse = true;
    return handle;
  }
  return 0;
}

FontHandle SelectFont(DeviceContext* context, FontHandle font) {
  if (context == nullptr) return 0;
  const FontHandle previous = context->font;
  context->font = font;
  return previous;
}

void DeleteFont(FontHandle font) {
  if (font >= 1 && font <= kFontCount) T().fonts[font].inUse = false;
}

ColorRef SetTextColor(DeviceContext* context, ColorRef color) {
  if (context == nullptr) return kInvalidColor;
  const ColorRef previous = context->textColor;
  context->textColor = color;
  return previous;
}

ColorRef SetBkColor(DeviceContext* context, ColorRef color) {
  if (context == nullptr) return kInvalidColor;
  const ColorRef previous = context->backgroundColor;
  context->backgroundColor = color;
  return previous;
}

int SetBkMode(DeviceContext* context, int mode) {
  if (context == nullptr) return 0;
  const int previous = context->backgroundMode;
  context->backgroundMode = mode;
  return previous;
}

bool TextOut(DeviceContext* c, int x, int y, const char* text, int length, int* boxWidth, int* boxHeight) {
  if (boxWidth != nullptr) *boxWidth = 0;
  if (boxHeight != nullptr) *boxHeight = 0;
  if (c == nullptr || text == nullptr || length < 0) return false;
  Font font;  // a context without a font draws with the Gothic face at 12 pixels
  if (c->font >= 1 && c->font <= kFontCount && T().fonts[c->font].inUse) font = T().fonts[c->font];
  FT_Face face = FaceOf(font);
  if (face == nullptr || !SetFaceSize(face, font.pixelHeight)) return false;
  const std::size_t count = ShiftJisToUtf32(std::string_view(text, static_cast<std::size_t>(length)), T().chars, kMaxTextChars);

  const bool turned = font.escapement % 3600 != 0;
  const double radians = font.escapement / 10.0 * 3.14159265358979323846 / 180.0;
  FT_Matrix matrix{0x10000, 0, 0, 0x10000};
  if (turned) {
    matrix.xx = static_cast<FT_Fixed>(std::lround(std::cos(radians) * 0x10000));
    matrix.xy = static_cast<FT_Fixed>(std::lround(-std::sin(radians) * 0x10000));
    matrix.yx = static_cast<FT_Fixed>(std::lround(std::sin(radians) * 0x10000));
    matrix.yy = matrix.xx;
  }
  FT_Set_Transform(face, turned ? &matrix : nullptr, nullptr);
  const bool synthetic = Synthetic(font);
  const FT_Int32 loadFlags = FT_LOAD_TARGET_MONO | (synthetic ? FT_LOAD_NO_BITMAP : 0);

  const int ascender = static_cast<int>((face->size->metrics.ascender + 32) >> 6);
  const int cellHeight = font.pixelHeight;

  // An upright plain font draws from the glyph table when every glyph of the text is in it.
  const CachedGlyph* cached[kMaxTextChars];
  bool fromCache = !synthetic;
  for (std::size_t i = 0; fromCache && i < count; ++i) fromCache = (cached[i] = Glyph(face, font.pixelHeight, T().chars[i])) != nullptr;

  // The box: the sum of the advances by the cell height.
  int width = 0;
  for (std::size_t i = 0; i < count; ++i) {
    if (fromCache) {
      if (cached[i]->loaded) width += static_cast<int>((cached[i]->horiAdvance + 32) >> 6);
    } else if (FT_Load_Char(face, T().chars[i], loadFlags) == 0) {
      FT_Pos advance = face->glyph->metrics.horiAdvance;
      if (font.bold) advance += 1 << 6;
      width += static_cast<int>((advance + 32) >> 6);
    }
  }
  if (c->backgroundMode == OPAQUE_MODE && !turned) FillBox(c, x, y, width, cellHeight, c->backgroundColor);

  // Pen positions in 26.6 pixels, y downward; the baseline is `ascender` below the cell's top.
  FT_Pos penX = static_cast<FT_Pos>(x) * 64;
  FT_Pos penY = static_cast<FT_Pos>(y + ascender) * 64;
  for (std::size_t i = 0; i < count; ++i) {
    if (fromCache) {
      const CachedGlyph& g = *cached[i];
      if (!g.loaded) continue;
      const int left = static_cast<int>(penX >> 6) + g.left, top = static_cast<int>(penY >> 6) - g.top;
      for (int row = 0; row < g.rows; ++row)
        for (int col = 0; col < g.width; ++col)
          if (g.on[row * kMaxGlyphSide + col] != 0) SetPixel(c, left + col, top + row, c->textColor);
      penX += g.advance.x;
      penY -= g.advance.y;
      continue;
    }
    if (FT_Load_Char(face, T().chars[i], loadFlags) != 0) continue;
    FT_GlyphSlot slot = face->glyph;
    if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
      if (font.bold) FT_GlyphSlot_Embolden(slot);
      if (font.italic) FT_GlyphSlot_Oblique(slot);
      if (FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0) continue;
    }
    DrawMonoBitmap(c, slot->bitmap, static_cast<int>(penX >> 6) + slot->bitmap_left,
                   static_cast<int>(penY >> 6) - slot->bitmap_top, c->textColor);
    penX += slot->advance.x;
    penY -= slot->advance.y;
  }
  if (font.underline && !turned) FillBox(c, x, y + ascender + 1, width, 1, c->textColor);
  FT_Set_Transform(face, nullptr, nullptr);
  if (boxWidth != nullptr) *boxWidth = width;
  if (boxHeight != nullptr) *boxHeight = cellHeight;
  return true;
}

}  // namespace plat
