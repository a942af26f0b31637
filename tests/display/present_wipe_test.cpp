// Present: the picture reaches the window, and the line-jitter wipe keeps its line rule, its offset
// range and its length.
#include <algorithm>
#include <cstdlib>

#include "display_fixture.h"
#include "platform/headless/headless_host.h"

namespace display_test {
namespace {

class PresentWipe : public DisplayTest {
 protected:
  static const std::vector<std::uint16_t>& Shown() {
    int w = 0, h = 0;
    return plat::headless::LastPresented(w, h);
  }
  // The old screen: every pixel holds its column + 1, so a shifted line tells its offset.
  static void SnapshotColumnPattern() {
    plat::LockedSurface locked;
    ASSERT_EQ(plat::Lock(elDraw::Display.backBuffer, locked, plat::DDLOCK_WAIT), plat::DD_OK);
    for (int y = 0; y < 600; ++y)
      for (int x = 0; x < 800; ++x) locked.pixels[y * (locked.pitchBytes / 2) + x] = static_cast<std::uint16_t>(x + 1);
    plat::Unlock(elDraw::Display.backBuffer);
    elDraw::Capture(1, 0, 0, 800, 600);
  }
  static void StartWipe(int length) {
    ScreenTransition.kind = 3;
    ScreenTransition.steps = length;
    SnapshotColumnPattern();
    ScreenTransition.counter = length;
    ScreenTransition.direction = -1;
  }
};

TEST_F(PresentWipe, PresentShowsTheBackBuffer) {
  Poke(elDraw::Display.backBuffer, 0, 0, 0xF800);
  Poke(elDraw::Display.backBuffer, 799, 599, 0x001F);
  const int before = plat::headless::PresentCount();
  elDraw::SetVSyncWait(1);
  elDraw::Present();
  EXPECT_EQ(plat::headless::PresentCount(), before + 1);
  ASSERT_EQ(Shown().size(), 800u * 600u);
  EXPECT_EQ(Shown()[0], 0xF800);
  EXPECT_EQ(Shown()[599 * 800 + 799], 0x001F);
}

TEST_F(PresentWipe, LineRuleAndOffsetRange) {
  constexpr int L = 26;
  elDraw::SetClipRect(220, 0, 580, 600);
  std::srand(7);
  StartWipe(L);
  int lowest = 0, highest = -100, presents = 0;
  while (ScreenTransition.counter != 0) {
    const int c = ScreenTransition.counter;
    elDraw::ClearBackBuffer();  // the new scene is black
    elDraw::Present();
    ++presents;
    const auto& shown = Shown();
    for (int i = 0; i < 600; ++i) {
      const std::uint16_t at400 = shown[i * 800 + 400];
      const bool kept = i % c == 0 || c == 1;
      if (kept) {
        ASSERT_EQ(at400, 0) << "counter " << c << " line " << i;
        continue;
      }
      ASSERT_NE(at400, 0) << "counter " << c << " line " << i;
      const int x = 400 - (at400 - 1);
      ASSERT_GE(x, c - L - 1);
      ASSERT_LE(x, L - c);
      if (c == L) {
        ASSERT_TRUE(x == -1 || x == 0);
      }
      lowest = std::min(lowest, x);
      highest = std::max(highest, x);
      // Nothing outside the play field, and the line is cut at its edges.
      ASSERT_EQ(shown[i * 800 + 219], 0);
      ASSERT_EQ(shown[i * 800 + 580], 0);
      ASSERT_EQ(shown[i * 800 + 220], 220 - x + 1);
    }
  }
  EXPECT_EQ(presents, L);
  EXPECT_EQ(ScreenTransition.direction, 0);
  EXPECT_GE(lowest, 1 - L);
  EXPECT_LE(highest, L - 2);
  EXPECT_LE(lowest, 5 - L);  // the jitter does grow
  EXPECT_GE(highest, L - 6);
}

TEST_F(PresentWipe, ANewWipeReplacesARunningOne) {
  StartWipe(60);
  elDraw::Present();
  elDraw::Present();
  EXPECT_EQ(ScreenTransition.counter, 58);
  StartWipe(30);
  for (int i = 0; i < 30; ++i) elDraw::Present();
  EXPECT_EQ(ScreenTransition.counter, 0);
  EXPECT_EQ(ScreenTransition.direction, 0);
}

}  // namespace
}  // namespace display_test
