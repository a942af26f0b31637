// libFuzzer's entry for the tune path (built with -DTESSIVANE_FUZZ=ON and clang).
#include "fuzz_entries.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FeedTune(data, size);
  return 0;
}
