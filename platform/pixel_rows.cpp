#include "platform/pixel_rows.h"

#include <cstring>

// The eight-pixel loops need SSE2. A processor without it, or a build that asks for plain pixels
// (TESSIVANE_PLAIN_PIXELS), gets the plain twins under the fast names.
#if defined(__SSE2__) && !defined(TESSIVANE_PLAIN_PIXELS)
#define TESSIVANE_SSE2_PIXELS 1
#include <emmintrin.h>
#endif

namespace plat {
namespace {
bool plainLoops = false;

inline std::uint16_t Half(std::uint16_t s, std::uint16_t d, std::uint16_t mask) {
  return static_cast<std::uint16_t>(((s >> 1) & mask) + ((d >> 1) & mask));
}

inline std::uint16_t Add565(std::uint16_t s, std::uint16_t d) {
  const int r = (s >> 11) + (d >> 11);
  const int g = ((s >> 6) & 31) + ((d >> 6) & 31);
  const int b = (s & 31) + (d & 31);
  return static_cast<std::uint16_t>(((r < 31 ? r : 31) << 11) | ((g < 31 ? g : 31) << 6) | (b < 31 ? b : 31));
}

#ifdef TESSIVANE_SSE2_PIXELS
inline __m128i Load(const std::uint16_t* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }
inline void Store(std::uint16_t* p, __m128i v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v); }
// Where keep is all ones the old pixel stays, elsewhere the new one goes in.
inline __m128i Select(__m128i keep, __m128i old, __m128i fresh) {
  return _mm_or_si128(_mm_and_si128(keep, old), _mm_andnot_si128(keep, fresh));
}

// Runs `blend(source, destination)` over the row eight pixels at a time, keeping the destination
// where the source is 0; returns how many pixels it did (the rest are fewer than eight).
template <typename Blend>
std::size_t BlendEights(std::uint16_t* d, const std::uint16_t* s, std::size_t n, Blend blend) {
  const __m128i zero = _mm_setzero_si128();
  std::size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    const __m128i sv = Load(s + i);
    const __m128i blank = _mm_cmpeq_epi16(sv, zero);
    if (_mm_movemask_epi8(blank) == 0xFFFF) continue;
    const __m128i dv = Load(d + i);
    Store(d + i, Select(blank, dv, blend(sv, dv)));
  }
  return i;
}
#endif
}  // namespace

void SetPlainPixelLoops(bool plain) { plainLoops = plain; }
bool PlainPixelLoops() { return plainLoops; }

void KeyedCopyRowPlain(std::uint16_t* d, const std::uint16_t* s, std::size_t n, std::uint16_t key) {
  for (std::size_t i = 0; i < n; ++i)
    if (s[i] != key) d[i] = s[i];
}

void FillPixelsPlain(std::uint16_t* d, std::size_t n, std::uint16_t value) {
  for (std::size_t i = 0; i < n; ++i) d[i] = value;
}

void HalfBlendRowPlain(std::uint16_t* d, const std::uint16_t* s, std::size_t n, std::uint16_t mask) {
  for (std::size_t i = 0; i < n; ++i)
    if (s[i] != 0) d[i] = Half(s[i], d[i], mask);
}

void AddRow565Plain(std::uint16_t* d, const std::uint16_t* s, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i)
    if (s[i] != 0) d[i] = Add565(s[i], d[i]);
}

void Rgb565ToXrgbRowPlain(std::uint32_t* d, const std::uint16_t* s, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    const std::uint32_t r = s[i] >> 11, g = (s[i] >> 5) & 63, b = s[i] & 31;
    d[i] = 0xFF000000u | ((r << 3 | r >> 2) << 16) | ((g << 2 | g >> 4) << 8) | (b << 3 | b >> 2);
  }
}

void XrgbToRgb565Row(std::uint16_t* d, const std::uint32_t* s, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i)
    d[i] = static_cast<std::uint16_t>(((s[i] >> 8) & 0xF800) | ((s[i] >> 5) & 0x07E0) | ((s[i] >> 3) & 0x001F));
}

void FillPixels(std::uint16_t* d, std::size_t n, std::uint16_t value) {
  if ((value & 0xFF) == (value >> 8)) {
    std::memset(d, value & 0xFF, n * sizeof *d);
    return;
  }
#ifdef TESSIVANE_SSE2_PIXELS
  const __m128i v = _mm_set1_epi16(static_cast<short>(value));
  std::size_t i = 0;
  for (; i + 8 <= n; i += 8) Store(d + i, v);
  FillPixelsPlain(d + i, n - i, value);
#else
  FillPixelsPlain(d, n, value);
#endif
}

#ifdef TESSIVANE_SSE2_PIXELS
void KeyedCopyRow(std::uint16_t* d, const std::uint16_t* s, std::size_t n, std::uint16_t key) {
  const __m128i k = _mm_set1_epi16(static_cast<short>(key));
  std::size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    const __m128i sv = Load(s + i);
    const __m128i keyed = _mm_cmpeq_epi16(sv, k);
    const int all = _mm_movemask_epi8(keyed);
    if (all == 0xFFFF) continue;  // nothing but the key: the destination stays
    Store(d + i, all == 0 ? sv : Select(keyed, Load(d + i), sv));
  }
  KeyedCopyRowPlain(d + i, s + i, n - i, key);
}

void HalfBlendRow(std::uint16_t* d, const std::uint16_t* s, std::size_t n, std::uint16_t mask) {
  const __m128i m = _mm_set1_epi16(static_cast<short>(mask));
  const std::size_t done = BlendEights(d, s, n, [m](__m128i sv, __m128i dv) {
    return _mm_add_epi16(_mm_and_si128(_mm_srli_epi16(sv, 1), m), _mm_and_si128(_mm_srli_epi16(dv, 1), m));
  });
  HalfBlendRowPlain(d + done, s + done, n - done, mask);
}

void AddRow565(std::uint16_t* d, const std::uint16_t* s, std::size_t n) {
  const __m128i five = _mm_set1_epi16(31);
  const std::size_t done = BlendEights(d, s, n, [five](__m128i sv, __m128i dv) {
    const __m128i r = _mm_min_epi16(_mm_add_epi16(_mm_srli_epi16(sv, 11), _mm_srli_epi16(dv, 11)), five);
    const __m128i g = _mm_min_epi16(
        _mm_add_epi16(_mm_and_si128(_mm_srli_epi16(sv, 6), five), _mm_and_si128(_mm_srli_epi16(dv, 6), five)), five);
    const __m128i b = _mm_min_epi16(_mm_add_epi16(_mm_and_si128(sv, five), _mm_and_si128(dv, five)), five);
    return _mm_or_si128(_mm_or_si128(_mm_slli_epi16(r, 11), _mm_slli_epi16(g, 6)), b);
  });
  AddRow565Plain(d + done, s + done, n - done);
}

void Rgb565ToXrgbRow(std::uint32_t* d, const std::uint16_t* s, std::size_t n) {
  const __m128i low5 = _mm_set1_epi16(31), low6 = _mm_set1_epi16(63), alpha = _mm_set1_epi16(static_cast<short>(0xFF00));
  std::size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    const __m128i p = Load(s + i);
    const __m128i r = _mm_srli_epi16(p, 11);
    const __m128i g = _mm_and_si128(_mm_srli_epi16(p, 5), low6);
    const __m128i b = _mm_and_si128(p, low5);
    const __m128i r8 = _mm_or_si128(_mm_slli_epi16(r, 3), _mm_srli_epi16(r, 2));
    const __m128i g8 = _mm_or_si128(_mm_slli_epi16(g, 2), _mm_srli_epi16(g, 4));
    const __m128i b8 = _mm_or_si128(_mm_slli_epi16(b, 3), _mm_srli_epi16(b, 2));
    const __m128i gb = _mm_or_si128(_mm_slli_epi16(g8, 8), b8);
    const __m128i ar = _mm_or_si128(alpha, r8);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i), _mm_unpacklo_epi16(gb, ar));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i + 4), _mm_unpackhi_epi16(gb, ar));
  }
  Rgb565ToXrgbRowPlain(d + i, s + i, n - i);
}
#else
void KeyedCopyRow(std::uint16_t* d, const std::uint16_t* s, std::size_t n, std::uint16_t key) {
  KeyedCopyRowPlain(d, s, n, key);
}
void HalfBlendRow(std::uint16_t* d, const std::uint16_t* s, std::size_t n, std::uint16_t mask) {
  HalfBlendRowPlain(d, s, n, mask);
}
void AddRow565(std::uint16_t* d, const std::uint16_t* s, std::size_t n) { AddRow565Plain(d, s, n); }
void Rgb565ToXrgbRow(std::uint32_t* d, const std::uint16_t* s, std::size_t n) { Rgb565ToXrgbRowPlain(d, s, n); }
#endif

}  // namespace plat
