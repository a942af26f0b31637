// The two sound effects, synthesised: 16-bit mono samples at kSoundRate.
#pragma once

#include <cstdint>
#include <vector>

namespace assetgen {

constexpr int kSoundRate = 22050;

std::vector<int16_t> SynthShot();       // short bright zap, about 0.15 s
std::vector<int16_t> SynthExplosion();  // heavy rumbling blast, about 0.9 s

}  // namespace assetgen
