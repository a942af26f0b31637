// Writes RGB565 pictures as PNG files (the runner's screenshots).
#pragma once
#include <cstdint>

namespace plat {

bool WritePngRgb565(const char* path, const std::uint16_t* pixels, int width, int height, int pitchPixels);

}  // namespace plat
