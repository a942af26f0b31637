#include "platform/picture_fit.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "platform/pixel_rows.h"

namespace plat {
namespace {
std::uint32_t* Row(const XrgbWindow& w, int y) { return w.words + static_cast<std::ptrdiff_t>(y) * w.pitchWords; }
}  // namespace

PictureFit FitPicture(int pictureWidth, int pictureHeight, int windowWidth, int windowHeight) {
  PictureFit fit;
  if (pictureWidth <= 0 || pictureHeight <= 0 || windowWidth <= 0 || windowHeight <= 0) return fit;
  const long long wide = static_cast<long long>(windowWidth) * pictureHeight;
  const long long tall = static_cast<long long>(windowHeight) * pictureWidth;
  if (wide >= tall) {  // bars left and right
    fit.height = windowHeight;
    fit.width = static_cast<int>(tall / pictureHeight);
  } else {  // bars above and below
    fit.width = windowWidth;
    fit.height = static_cast<int>(wide / pictureWidth);
  }
  fit.left = (windowWidth - fit.width) / 2;
  fit.top = (windowHeight - fit.height) / 2;
  return fit;
}

void NearestIndices(int* map, int from, int to) {
  for (int i = 0; i < to; ++i) map[i] = static_cast<int>(static_cast<long long>(i) * from / to);
}

void PaintBars(const XrgbWindow& window, const PictureFit& fit) {
  const std::size_t rowBytes = static_cast<std::size_t>(window.width) * 4;
  for (int y = 0; y < window.height; ++y) {
    std::uint32_t* row = Row(window, y);
    if (y < fit.top || y >= fit.top + fit.height) {
      std::memset(row, 0, rowBytes);
      continue;
    }
    std::memset(row, 0, static_cast<std::size_t>(fit.left) * 4);
    const int right = fit.left + fit.width;
    std::memset(row + right, 0, static_cast<std::size_t>(window.width - right) * 4);
  }
}

void ShowPictureFitted(const XrgbWindow& window, const PictureFit& fit, const int* columns, std::uint32_t* row,
                       const std::uint16_t* pixels, int width, int height, int pitchPixels) {
  if (fit.width <= 0 || fit.height <= 0) return;
  const std::uint16_t* source = pixels;
  if (fit.width == width && fit.height == height) {
    for (int y = 0; y < height; ++y, source += pitchPixels)
      Rgb565ToXrgbRow(Row(window, fit.top + y) + fit.left, source, static_cast<std::size_t>(width));
    return;
  }
  int shownRow = -1;
  for (int y = 0; y < fit.height; ++y) {
    std::uint32_t* out = Row(window, fit.top + y) + fit.left;
    const int sourceRow = static_cast<int>(static_cast<long long>(y) * height / fit.height);
    if (sourceRow == shownRow) {  // a picture row shown on several window rows
      std::memcpy(out, out - window.pitchWords, static_cast<std::size_t>(fit.width) * 4);
      continue;
    }
    shownRow = sourceRow;
    Rgb565ToXrgbRow(row, pixels + static_cast<std::ptrdiff_t>(sourceRow) * pitchPixels, static_cast<std::size_t>(width));
    for (int x = 0; x < fit.width; ++x) out[x] = row[columns[x]];
  }
}

}  // namespace plat
