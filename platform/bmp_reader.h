// Our reader of Windows BMP pictures: 1, 4, 8, 16, 24 and 32 bits per pixel, bottom-up and top-down,
// uncompressed (16 and 32 bits also with bit-field masks). A truncated or malformed file, or one longer
// than the largest picture's, is refused, never over-read.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace plat {

struct BmpImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, row-major, top row first
};

// The largest picture read: 4096 x 4096 pixels (a side may reach 16384 where the other is shorter).
constexpr int kMaxBmpSide = 16384;
constexpr std::int64_t kMaxBmpPixels = std::int64_t{1} << 24;
// The largest file a picture is read from: the most pixels at 32 bits, whose rows need no padding
// (fewer bits a pixel take less room, even with each row padded to 4 bytes: at 24 bits a row holds at
// most 3 x width + 3 bytes, and 3 x 2^24 + 3 x 16384 < 4 x 2^24), behind the room the headers take at
// most: the file header, the longest info header (the fifth version's, of 124 bytes) and the largest
// palette (256 entries of 4 bytes). The bit-field masks after the 40-byte header, with a palette or
// without, fit in the 84 bytes the fifth version's header has over it. A longer file is refused as
// damaged, and a file is read no further than one byte past this.
constexpr std::size_t kMaxBmpFileBytes = 14 + 124 + 256 * 4 + static_cast<std::size_t>(kMaxBmpPixels) * 4;

bool ReadBmpFile(const char* path, BmpImage& out);
bool ReadBmpMemory(const std::uint8_t* data, std::size_t size, BmpImage& out);

}  // namespace plat
