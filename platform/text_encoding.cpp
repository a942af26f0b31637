#include "platform/text_encoding.h"

#include <iconv.h>

namespace plat {
namespace {

// Decodes one Shift-JIS character at text[i] with iconv; returns its length in bytes (1 or 2) and
// the code point, or U+FFFD with length 1 when it does not convert.
std::size_t DecodeOne(iconv_t cd, std::string_view text, std::size_t i, char32_t& cp) {
  const unsigned char lead = static_cast<unsigned char>(text[i]);
  const bool twoBytes = ((lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC)) && i + 1 < text.size();
  std::size_t inLeft = twoBytes ? 2 : 1;
  char inBuf[2] = {text[i], twoBytes ? text[i + 1] : '\0'};
  char* in = inBuf;
  char32_t out32 = 0;
  char* out = reinterpret_cast<char*>(&out32);
  std::size_t outLeft = sizeof out32;
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  if (cd == reinterpret_cast<iconv_t>(-1) || iconv(cd, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1) ||
      outLeft != 0) {
    cp = 0xFFFD;
    return 1;
  }
  cp = out32;
  return twoBytes ? 2 : 1;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

iconv_t Converter() {
  static iconv_t cd = iconv_open("UTF-32LE", "CP932");
  return cd;
}

}  // namespace

std::size_t ShiftJisToUtf32(std::string_view text, char32_t* out, std::size_t capacity) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < text.size() && n < capacity;) {
    char32_t cp = 0;
    i += DecodeOne(Converter(), text, i, cp);
    out[n++] = cp;
  }
  return n;
}

std::string ShiftJisToUtf8(std::string_view text) {
  std::string result;
  for (std::size_t i = 0; i < text.size();) {
    char32_t cp = 0;
    i += DecodeOne(Converter(), text, i, cp);
    AppendUtf8(result, cp);
  }
  return result;
}

}  // namespace plat
