// The picture shown in a window of another size: the fitted rectangle, and every window pixel against
// a plain per-pixel rule (inside the rectangle the nearest picture pixel, outside it black), for
// windows wider, taller, smaller and barely different from the picture, with padded rows both sides.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "platform/picture_fit.h"
#include "platform/pixel_rows.h"

namespace {

constexpr int kWidth = 800, kHeight = 600;

TEST(PictureFit, KeepsTheAspectAndCentres) {
  struct Case {
    int w, h;
    plat::PictureFit fit;
  };
  const Case cases[] = {
      {800, 600, {0, 0, 800, 600}},     {1280, 720, {160, 0, 960, 720}}, {1920, 1080, {240, 0, 1440, 1080}},
      {1000, 500, {167, 0, 666, 500}},  {500, 700, {0, 162, 500, 375}},  {1280, 1024, {0, 32, 1280, 960}},
      {0, 600, {0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.w << "x" << c.h);
    const plat::PictureFit f = plat::FitPicture(kWidth, kHeight, c.w, c.h);
    EXPECT_EQ(f.left, c.fit.left);
    EXPECT_EQ(f.top, c.fit.top);
    EXPECT_EQ(f.width, c.fit.width);
    EXPECT_EQ(f.height, c.fit.height);
  }
}

TEST(PictureFit, EveryWindowPixelIsTheNearestPictureOrBlack) {
  std::mt19937 random(7);
  const int pitchPixels = kWidth + 24;
  std::vector<std::uint16_t> picture(static_cast<std::size_t>(pitchPixels) * kHeight);
  for (std::uint16_t& p : picture) p = static_cast<std::uint16_t>(random());
  const int sizes[][2] = {{800, 600}, {1280, 720}, {1000, 500}, {500, 700}, {640, 480}, {801, 600}, {800, 601}};
  for (const auto& size : sizes) {
    const int w = size[0], h = size[1], pitchWords = w + 16;
    SCOPED_TRACE(testing::Message() << w << "x" << h);
    std::vector<std::uint32_t> words(static_cast<std::size_t>(pitchWords) * h, 0x12345678u);  // stale
    const plat::XrgbWindow window{words.data(), pitchWords, w, h};
    const plat::PictureFit fit = plat::FitPicture(kWidth, kHeight, w, h);
    std::vector<int> columns(static_cast<std::size_t>(fit.width));
    plat::NearestIndices(columns.data(), kWidth, fit.width);
    std::vector<std::uint32_t> row(kWidth);
    plat::ShowPictureFitted(window, fit, columns.data(), row.data(), picture.data(), kWidth, kHeight, pitchPixels);
    plat::PaintBars(window, fit);
    int wrong = 0;
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        std::uint32_t expected = 0;
        if (x >= fit.left && x < fit.left + fit.width && y >= fit.top && y < fit.top + fit.height) {
          const int sx = (x - fit.left) * kWidth / fit.width, sy = (y - fit.top) * kHeight / fit.height;
          plat::Rgb565ToXrgbRowPlain(&expected, &picture[static_cast<std::size_t>(sy) * pitchPixels + sx], 1);
        }
        wrong += words[static_cast<std::size_t>(y) * pitchWords + x] != expected;
      }
      // The padding past each row is the window's own: never written.
      for (int x = w; x < pitchWords; ++x) wrong += words[static_cast<std::size_t>(y) * pitchWords + x] != 0x12345678u;
    }
    EXPECT_EQ(wrong, 0);
  }
}

}  // namespace
