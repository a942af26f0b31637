// Writing the finished pictures, sounds and tunes to disk.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace assetgen {

// 24-bit uncompressed bottom-up BMP; pixels are 0x00RRGGBB, top row first.
std::vector<uint8_t> EncodeBmp(int width, int height, const std::vector<uint32_t>& pixels);

// RIFF WAVE, 16-bit PCM mono.
std::vector<uint8_t> EncodeWav(int sampleRate, const std::vector<int16_t>& samples);

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace assetgen
