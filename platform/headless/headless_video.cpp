// The headless host keeps the last shown picture so tests and the runner can read it.
#include <cstdint>
#include <algorithm>
#include <vector>

#include "platform/backend.h"
#include "platform/headless/headless_host.h"
#include "platform/surface.h"

namespace plat::headless {
namespace {
struct Shown {
  std::vector<std::uint16_t> pixels;
  int width = 0;
  int height = 0;
  int count = 0;
};
Shown& S() {
  static Shown shown;
  return shown;
}
backend::DisplayTraits traits;
}  // namespace

void SetDisplayTraits(bool rgb555, bool hardwareStretch) { traits = backend::DisplayTraits{rgb555, hardwareStretch}; }
void MarkSurfacesLost() { MarkAllSurfacesLost(); }

const std::vector<std::uint16_t>& LastPresented(int& width, int& height) {
  width = S().width;
  height = S().height;
  return S().pixels;
}

int PresentCount() { return S().count; }

}  // namespace plat::headless

namespace plat::backend {

DisplayTraits GetDisplayTraits() { return plat::headless::traits; }

void Present(const std::uint16_t* pixels, int width, int height, int pitchPixels, bool) {
  auto& s = plat::headless::S();
  s.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) {
    const std::uint16_t* row = pixels + static_cast<std::ptrdiff_t>(y) * pitchPixels;
    std::copy(row, row + width, s.pixels.begin() + static_cast<std::ptrdiff_t>(y) * width);
  }
  s.width = width;
  s.height = height;
  ++s.count;
}

}  // namespace plat::backend
