#include "platform/png_writer.h"

#include <png.h>

#include <cstdio>
#include <vector>

namespace plat {

bool WritePngRgb565(const char* path, const std::uint16_t* pixels, int width, int height, int pitchPixels) {
  if (pixels == nullptr || width <= 0 || height <= 0) return false;
  std::FILE* f = std::fopen(path, "wb");
  if (f == nullptr) return false;
  // Made before the error return point, so that a write error jumping back to it still frees it.
  std::vector<png_byte> row(static_cast<std::size_t>(width) * 3);
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (png == nullptr || info == nullptr || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    std::fclose(f);
    return false;
  }
  png_init_io(png, f);
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8, PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < height; ++y) {
    const std::uint16_t* src = pixels + static_cast<std::ptrdiff_t>(y) * pitchPixels;
    for (int x = 0; x < width; ++x) {
      const unsigned v = src[x];
      const unsigned r = (v >> 11) & 31, g = (v >> 5) & 63, b = v & 31;
      row[3 * x] = static_cast<png_byte>((r << 3) | (r >> 2));
      row[3 * x + 1] = static_cast<png_byte>((g << 2) | (g >> 4));
      row[3 * x + 2] = static_cast<png_byte>((b << 3) | (b >> 2));
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return std::fclose(f) == 0;  // the last of the file reaches it only here
}

}  // namespace plat
