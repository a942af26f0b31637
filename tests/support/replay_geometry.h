// Replays that run in both builds: the test's parameter is the screen width, 800 or 640.
#pragma once
#include <gtest/gtest.h>

#include <string>

namespace testing_support {

class BothScreens : public ::testing::TestWithParam<int> {
 protected:
  int Screen() const { return GetParam(); }
  // Lines lower on the 640x480 screen than on the 800x600 one (-120 there).
  int BottomShift() const { return GetParam() == 640 ? -120 : 0; }
};

inline std::string ScreenName(const ::testing::TestParamInfo<int>& info) {
  return "Screen" + std::to_string(info.param);
}

}  // namespace testing_support

#define REPLAY_IN_BOTH_SCREENS(Suite) \
  INSTANTIATE_TEST_SUITE_P(, Suite, ::testing::Values(800, 640), testing_support::ScreenName)
