// The two tunes, composed as Standard MIDI Files (format 1, General MIDI, drums on channel 10).
#pragma once

#include <cstdint>
#include <vector>

namespace assetgen {

std::vector<uint8_t> ComposeStageTune();   // driving loop of about 90 s, ends on a bar line
std::vector<uint8_t> ComposeEndingTune();  // calm piece of about one minute

}  // namespace assetgen
