// The program's named sound resources ("WAVE" or raw data, each a name with its bytes). The game
// ships none, so the table is empty unless something registers one (tests do).
#pragma once
#include <cstddef>
#include <cstdint>

namespace plat {

constexpr const char* kResourceTypeWave = "WAVE";
constexpr const char* kResourceTypeRcData = "RCDATA";

// False when no resource has that name and type.
bool FindResource(const char* name, const char* type, const std::uint8_t*& data, std::size_t& size);
// Adds (or replaces) a resource; the bytes are copied. False when the table is full.
bool AddResource(const char* name, const char* type, const std::uint8_t* data, std::size_t size);
void ClearResources();

}  // namespace plat
