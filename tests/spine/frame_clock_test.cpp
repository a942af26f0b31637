// The frame gate: one frame per 1/60 s, the frame time of late frames and after re-activation.
#include <gtest/gtest.h>

#include "framework/el_input.h"
#include "platform/headless/headless_host.h"
#include "support/headless_game.h"

namespace {

constexpr std::int64_t kMs = 1000000;

class FrameClockTest : public ::testing::Test {
 protected:
  void SetUp() override { testing_support::FreshHost(); }
};

TEST_F(FrameClockTest, GrantsAtMostOneFramePerPeriod) {
  EXPECT_EQ(elSystem::FrameClock.fps, 60);
  EXPECT_EQ(elSystem::FrameClock.useHiRes, 1);
  EXPECT_EQ(elSystem::FrameClock.ticksPerFrame, 1000000000 / 60);
  plat::headless::AdvanceClock(10 * kMs);
  EXPECT_EQ(elSystem::WaitFrame(), 0);  // 10 ms in: not due; the host's clock jumps to the due time
  EXPECT_EQ(plat::headless::Nanoseconds(), 1000000000 / 60);
  EXPECT_EQ(elSystem::WaitFrame(), 1);
  EXPECT_EQ(elSystem::WaitFrame(), 0);  // a second ask in the same period
  EXPECT_FLOAT_EQ(elSystem::FrameClock.frameTime, 0.016f);
}

TEST_F(FrameClockTest, LateFrameCarriesItsWholeTimeAndIsNotMadeUp) {
  plat::headless::AdvanceClock(17 * kMs);
  ASSERT_EQ(elSystem::WaitFrame(), 1);
  plat::headless::AdvanceClock(40 * kMs);
  ASSERT_EQ(elSystem::WaitFrame(), 1);
  EXPECT_FLOAT_EQ(elSystem::FrameClock.frameTime, 0.040f);
  // The next frame is due a whole period after the late one, not sooner.
  const std::int64_t grantedAt = plat::headless::Nanoseconds();
  EXPECT_EQ(elSystem::WaitFrame(), 0);
  EXPECT_EQ(plat::headless::Nanoseconds(), grantedAt + 1000000000 / 60);
}

TEST_F(FrameClockTest, CounterGoingBackRestartsTheFrameWithoutGranting) {
  elSystem::FrameClock.frameStart = 5 * 1000000000LL;
  EXPECT_EQ(elSystem::WaitFrame(), 0);
  EXPECT_EQ(elSystem::FrameClock.frameStart, elSystem::FrameClock.now);
}

TEST_F(FrameClockTest, ReactivationZeroesTheFrameTimeButTheNextFrameCarriesTheInactiveTime) {
  plat::headless::AdvanceClock(17 * kMs);
  ASSERT_EQ(elSystem::WaitFrame(), 1);
  plat::headless::AdvanceClock(3000 * kMs);  // inactive for three seconds
  elSystem::ResetFrameClock();
  EXPECT_EQ(elSystem::FrameClock.frameTime, 0.0f);
  ASSERT_EQ(elSystem::WaitFrame(), 1);
  EXPECT_NEAR(elSystem::FrameClock.frameTime, 3.0f, 0.001f);
}

}  // namespace
