// Our reader of Windows BMP pictures: 1, 4, 8, 16, 24 and 32 bits per pixel, bottom-up and top-down,
// uncompressed (16 and 32 bits also with bit-field masks). A truncated or malformed file is refused,
// never over-read.
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

bool ReadBmpFile(const char* path, BmpImage& out);
bool ReadBmpMemory(const std::uint8_t* data, std::size_t size, BmpImage& out);

}  // namespace plat
