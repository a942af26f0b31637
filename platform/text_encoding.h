// Text conversion: the game keeps its messages and font names in Shift-JIS (code page 932).
#pragma once
#include <string>
#include <string_view>

namespace plat {

// Shift-JIS (code page 932) to UTF-8 / UTF-32. Bytes that do not convert become U+FFFD.
std::string ShiftJisToUtf8(std::string_view text);
// To UTF-32: converts into a caller's fixed buffer without allocating; returns the number of code points
// written (at most capacity).
std::size_t ShiftJisToUtf32(std::string_view text, char32_t* out, std::size_t capacity);

}  // namespace plat
