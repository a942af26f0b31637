// The game's picture shown in a window of any size: scaled by one factor both ways so that it fits
// the window whole, centred, nearest pixel, with black bars where it does not reach. The window is
// a grid of 32-bit 0x??RRGGBB words (the desktop's own format).
#pragma once
#include <cstdint>

namespace plat {

// Where the picture lands inside the window.
struct PictureFit {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// The largest aspect-keeping rectangle of the window (rounded down), centred.
PictureFit FitPicture(int pictureWidth, int pictureHeight, int windowWidth, int windowHeight);

struct XrgbWindow {
  std::uint32_t* words = nullptr;
  int pitchWords = 0;
  int width = 0;
  int height = 0;
};

// Which picture column or row each of `to` window columns or rows shows: map[i] = i * from / to.
void NearestIndices(int* map, int from, int to);

// Black everywhere in the window outside the fitted rectangle.
void PaintBars(const XrgbWindow& window, const PictureFit& fit);

// The 5-6-5 picture into the fitted rectangle. columns: fit.width entries from NearestIndices
// (picture width to fit width); row: picture-width words of scratch. At the picture's own size it is
// a straight conversion row by row.
void ShowPictureFitted(const XrgbWindow& window, const PictureFit& fit, const int* columns, std::uint32_t* row,
                       const std::uint16_t* pixels, int width, int height, int pitchPixels);

}  // namespace plat
