// The program's named bitmap resources: BMP files built into the program, found by name (case does
// not matter). The table may be empty; a program that carries pictures sets it at start.
#pragma once
#include <cstddef>
#include <cstdint>

namespace plat {

struct BitmapResource {
  const char* name = nullptr;
  const std::uint8_t* data = nullptr;  // a whole BMP file
  std::size_t size = 0;
};

// The table stays the caller's; null or count 0 empties it.
void SetBitmapResources(const BitmapResource* table, std::size_t count);
const BitmapResource* FindBitmapResource(const char* name);

}  // namespace plat
