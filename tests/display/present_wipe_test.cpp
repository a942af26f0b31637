// Present: the picture reaches the window, and the line-jitter wipe keeps its line rule, its offset
// range and its length.
#include <algorithm>
#include <cmath>
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

// How many of the outermost offsets at one end of a step's range its drawn lines may leave unused: the
// fewest for which all of them missing one more has a chance under 1 in 1000. It is 0 (both ends
// reached) for most steps; only the longer wipes' late steps, with many offsets, may fall short by 1 or 2.
int EndMargin(int lines, int offsets) {
  int margin = 0;
  while (std::pow(1.0 - (margin + 1.0) / offsets, lines) >= 1e-3) ++margin;
  return margin;
}

// Each of the game's wipe lengths, seeded: at counter c the kept lines are the multiples of c, and the
// drawn ones are shifted by c - L - 1 .. L - c, the step's own range, reaching both of its ends.
TEST_F(PresentWipe, LineRuleAndOffsetRangeOfEveryStep) {
  elDraw::SetClipRect(220, 0, 580, 600);
  for (const int L : {26, 30, 60}) {
    SCOPED_TRACE(L);
    std::srand(7);
    StartWipe(L);
    int presents = 0;
    while (ScreenTransition.counter != 0) {
      const int c = ScreenTransition.counter;
      elDraw::ClearBackBuffer();  // the new scene is black
      elDraw::Present();
      ++presents;
      const auto& shown = Shown();
      int lowest = 1000, highest = -1000, drawn = 0;
      for (int i = 0; i < 600; ++i) {
        const std::uint16_t at400 = shown[i * 800 + 400];
        const bool kept = i % c == 0 || c == 1;
        if (kept) {
          ASSERT_EQ(at400, 0) << "counter " << c << " line " << i;
          continue;
        }
        ASSERT_NE(at400, 0) << "counter " << c << " line " << i;
        const int x = 400 - (at400 - 1);
        ASSERT_GE(x, c - L - 1) << "counter " << c << " line " << i;
        ASSERT_LE(x, L - c) << "counter " << c << " line " << i;
        lowest = std::min(lowest, x);
        highest = std::max(highest, x);
        ++drawn;
        // Nothing outside the play field, and the line is cut at its edges.
        ASSERT_EQ(shown[i * 800 + 219], 0);
        ASSERT_EQ(shown[i * 800 + 580], 0);
        ASSERT_EQ(shown[i * 800 + 220], 220 - x + 1);
      }
      if (c == 1) {
        EXPECT_EQ(drawn, 0);
        continue;
      }
      EXPECT_EQ(drawn, 600 - (599 / c + 1)) << "counter " << c;
      const int margin = EndMargin(drawn, 2 * (L - c) + 2);
      EXPECT_LE(lowest, c - L - 1 + margin) << "counter " << c;
      EXPECT_GE(highest, L - c - margin) << "counter " << c;
    }
    EXPECT_EQ(presents, L);
    EXPECT_EQ(ScreenTransition.direction, 0);
  }
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

// The window asks for its picture again (shown, restored, uncovered) while a paused game presents
// nothing: the last present goes up once more as it was shown, wipe step included, not what was drawn
// since, and still so once the display's surfaces are lost; a restore blanks the memory, and nothing goes
// up again until the next present.
TEST_F(PresentWipe, TheLastPresentGoesUpAgainUntilTheSurfacesAreRestored) {
  const int fresh = plat::headless::PresentCount();
  plat::ShowPrimaryAgain();
  EXPECT_EQ(plat::headless::PresentCount(), fresh) << "nothing was presented yet";
  elDraw::SetClipRect(220, 0, 580, 600);
  std::srand(7);
  StartWipe(26);
  elDraw::ClearBackBuffer();
  for (int i = 0; i < 10; ++i) elDraw::Present();
  const std::vector<std::uint16_t> presented = Shown();
  ASSERT_NE(std::count(presented.begin(), presented.end(), 0), static_cast<long>(presented.size()));
  Fill(elDraw::Display.backBuffer, 0x07E0);  // the next frame begins
  const int before = plat::headless::PresentCount();
  plat::ShowPrimaryAgain();
  EXPECT_EQ(plat::headless::PresentCount(), before + 1);
  EXPECT_TRUE(Shown() == presented);
  plat::headless::MarkSurfacesLost();
  plat::ShowPrimaryAgain();
  EXPECT_EQ(plat::headless::PresentCount(), before + 2);
  EXPECT_TRUE(Shown() == presented) << "a lost surface keeps its memory until it is restored";
  elDraw::RestoreAll();
  plat::ShowPrimaryAgain();
  EXPECT_EQ(plat::headless::PresentCount(), before + 2);
  Fill(elDraw::Display.backBuffer, 0x07E0);
  elDraw::Present();
  plat::ShowPrimaryAgain();
  EXPECT_EQ(plat::headless::PresentCount(), before + 4);
  EXPECT_EQ(Shown()[300 * 800 + 100], 0x07E0);  // beside the play field, where the wipe does not reach
}

}  // namespace
}  // namespace display_test
