// The ways a hostile file gets into the game, each as one call on the headless host: a picture read,
// loaded into an object slot and drawn by every drawer; a sound read, loaded, played and mixed; a
// tune opened, played, rendered to its end notice, stopped and closed. The fuzzers and the corpus
// replay both call these.
#pragma once
#include <cstddef>
#include <cstdint>

namespace fuzz {

// Each says whether the file was taken: the picture loaded, the sound loaded, the tune opened.
bool FeedPicture(const std::uint8_t* data, std::size_t size);
bool FeedWave(const std::uint8_t* data, std::size_t size);
bool FeedTune(const std::uint8_t* data, std::size_t size);

}  // namespace fuzz
