// The inner loops of the drawers over rows of 16-bit pixels, eight pixels at a time with SSE2 (which
// every x86-64 processor has) and a plain loop for the rest of a row. Each has a plain per-pixel twin
// that computes the same pixels; SetPlainPixelLoops makes every drawer use the twins, so tests and
// benchmarks can hold the fast loops against them. Without SSE2 (another processor, or a build with
// TESSIVANE_PLAIN_PIXELS) the fast names run the twins.
#pragma once
#include <cstddef>
#include <cstdint>

namespace plat {

// Whether the drawers run the plain per-pixel loops (default: the SSE2 ones).
void SetPlainPixelLoops(bool plain);
bool PlainPixelLoops();

// d[i] = s[i] wherever s[i] is not the key.
void KeyedCopyRow(std::uint16_t* d, const std::uint16_t* s, std::size_t n, std::uint16_t key);
void KeyedCopyRowPlain(std::uint16_t* d, const std::uint16_t* s, std::size_t n, std::uint16_t key);

// n pixels of one value.
void FillPixels(std::uint16_t* d, std::size_t n, std::uint16_t value);
void FillPixelsPlain(std::uint16_t* d, std::size_t n, std::uint16_t value);

// Half blend: where s[i] is not 0, d[i] = ((s[i] >> 1) & mask) + ((d[i] >> 1) & mask).
void HalfBlendRow(std::uint16_t* d, const std::uint16_t* s, std::size_t n, std::uint16_t mask);
void HalfBlendRowPlain(std::uint16_t* d, const std::uint16_t* s, std::size_t n, std::uint16_t mask);

// Additive blend on 5-6-5 pixels: where s[i] is not 0, each channel of d[i] becomes the sum of the
// source's and the destination's 5-bit levels (green halved to 5 bits), saturated at 31, put back at
// its place (green one bit up, its lowest bit 0).
void AddRow565(std::uint16_t* d, const std::uint16_t* s, std::size_t n);
void AddRow565Plain(std::uint16_t* d, const std::uint16_t* s, std::size_t n);

// 5-6-5 pixels to 0xFFRRGGBB words for a 32-bit display, each channel's top bits repeated below it
// (so 31 becomes 255 and every level keeps its place when read back).
void Rgb565ToXrgbRow(std::uint32_t* d, const std::uint16_t* s, std::size_t n);
void Rgb565ToXrgbRowPlain(std::uint32_t* d, const std::uint16_t* s, std::size_t n);

// 0x??RRGGBB words to 5-6-5 pixels, each channel's top bits kept.
void XrgbToRgb565Row(std::uint16_t* d, const std::uint32_t* s, std::size_t n);

}  // namespace plat
