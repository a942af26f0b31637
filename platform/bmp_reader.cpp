#include "platform/bmp_reader.h"

#include <algorithm>
#include <cstdio>

#include "platform/regular_file.h"

namespace plat {
namespace {

std::uint32_t Le32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::uint16_t Le16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

// Scales the masked channel of `value` to 0..255.
std::uint32_t Channel(std::uint32_t value, std::uint32_t mask) {
  if (mask == 0) return 0;
  int shift = 0;
  while (((mask >> shift) & 1u) == 0) ++shift;
  const std::uint32_t levels = mask >> shift;
  const std::uint32_t level = (value & mask) >> shift;
  return static_cast<std::uint32_t>((static_cast<std::uint64_t>(level) * 255 + levels / 2) / levels);
}

}  // namespace

bool ReadBmpMemory(const std::uint8_t* data, std::size_t size, BmpImage& out) {
  out = BmpImage{};
  if (data == nullptr || size < 14 + 12 || size > kMaxBmpFileBytes || data[0] != 'B' || data[1] != 'M') return false;
  const std::uint32_t pixelOffset = Le32(data + 10);
  const std::uint32_t headerSize = Le32(data + 14);
  if (headerSize < 12 || headerSize > size - 14) return false;

  std::int64_t width = 0, height = 0;
  int bpp = 0;
  std::uint32_t compression = 0, coloursUsed = 0;
  std::size_t paletteEntrySize = 4;
  if (headerSize == 12) {  // the old core header
    width = Le16(data + 18);
    height = static_cast<std::int16_t>(Le16(data + 20));
    bpp = Le16(data + 24);
    paletteEntrySize = 3;
  } else {
    if (headerSize < 40) return false;
    width = static_cast<std::int32_t>(Le32(data + 18));
    height = static_cast<std::int32_t>(Le32(data + 22));
    if (Le16(data + 26) != 1) return false;  // planes
    bpp = Le16(data + 28);
    compression = Le32(data + 30);
    coloursUsed = Le32(data + 46);
  }
  const bool topDown = height < 0;
  if (topDown) height = -height;
  if (width <= 0 || height <= 0 || width > kMaxBmpSide || height > kMaxBmpSide || width * height > kMaxBmpPixels) return false;

  std::uint32_t masks[3] = {0, 0, 0};
  if (compression == 3 && (bpp == 16 || bpp == 32)) {  // bit fields
    const std::size_t at = 14 + 40;
    if (headerSize >= 52) {
      masks[0] = Le32(data + at);
      masks[1] = Le32(data + at + 4);
      masks[2] = Le32(data + at + 8);
    } else {
      if (size < at + 12) return false;
      masks[0] = Le32(data + at);
      masks[1] = Le32(data + at + 4);
      masks[2] = Le32(data + at + 8);
    }
  } else if (compression == 0) {
    if (bpp == 16) {
      masks[0] = 0x7C00;
      masks[1] = 0x03E0;
      masks[2] = 0x001F;
    } else if (bpp == 32) {
      masks[0] = 0xFF0000;
      masks[1] = 0x00FF00;
      masks[2] = 0x0000FF;
    }
  } else {
    return false;  // run-length and other compressions are not read
  }
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) return false;

  std::uint32_t palette[256] = {};
  if (bpp <= 8) {
    const std::uint32_t maxColours = 1u << bpp;
    std::uint32_t count = coloursUsed == 0 ? maxColours : coloursUsed;
    if (count > maxColours) return false;
    const std::size_t paletteStart = 14 + headerSize;
    if (paletteStart + count * paletteEntrySize > size) return false;
    for (std::uint32_t i = 0; i < count; ++i) {
      const std::uint8_t* e = data + paletteStart + i * paletteEntrySize;
      palette[i] = (static_cast<std::uint32_t>(e[2]) << 16) | (static_cast<std::uint32_t>(e[1]) << 8) | e[0];
    }
  }

  const std::uint64_t rowBytes = ((static_cast<std::uint64_t>(width) * bpp + 31) / 32) * 4;
  if (pixelOffset > size || rowBytes * static_cast<std::uint64_t>(height) > size - pixelOffset) return false;

  out.width = static_cast<int>(width);
  out.height = static_cast<int>(height);
  out.pixels.assign(static_cast<std::size_t>(width * height), 0);
  for (std::int64_t row = 0; row < height; ++row) {
    const std::uint8_t* src = data + pixelOffset + rowBytes * static_cast<std::uint64_t>(row);
    const std::int64_t y = topDown ? row : height - 1 - row;
    std::uint32_t* dst = out.pixels.data() + y * width;
    for (std::int64_t x = 0; x < width; ++x) {
      std::uint32_t rgb = 0;
      switch (bpp) {
        case 1: rgb = palette[(src[x >> 3] >> (7 - (x & 7))) & 1]; break;
        case 4: rgb = palette[(src[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF]; break;
        case 8: rgb = palette[src[x]]; break;
        case 24: rgb = (static_cast<std::uint32_t>(src[3 * x + 2]) << 16) | (src[3 * x + 1] << 8) | src[3 * x]; break;
        case 16:
        case 32: {
          const std::uint32_t v = bpp == 16 ? Le16(src + 2 * x) : Le32(src + 4 * x);
          rgb = (Channel(v, masks[0]) << 16) | (Channel(v, masks[1]) << 8) | Channel(v, masks[2]);
          break;
        }
        default: break;
      }
      dst[x] = rgb;
    }
  }
  return true;
}

bool ReadBmpFile(const char* path, BmpImage& out) {
  out = BmpImage{};
  if (path == nullptr) return false;
  std::FILE* f = OpenRegularFile(path);
  if (f == nullptr) return false;
  // One byte past the largest picture tells a file too long for one: no more is read, however long
  // the file is.
  std::vector<std::uint8_t> bytes;
  std::uint8_t chunk[65536];
  std::size_t n = 0;
  while (bytes.size() <= kMaxBmpFileBytes &&
         (n = std::fread(chunk, 1, std::min(sizeof chunk, kMaxBmpFileBytes + 1 - bytes.size()), f)) > 0) {
    bytes.insert(bytes.end(), chunk, chunk + n);
  }
  std::fclose(f);
  return ReadBmpMemory(bytes.data(), bytes.size(), out);
}

}  // namespace plat
