// The runner's input script.
#include <gtest/gtest.h>

#include "platform/win_types.h"
#include "tools/input_script.h"

namespace {

TEST(RunnerScriptTest, ReadsFramesActionsAndKeyNames) {
  std::vector<runner::ScriptEvent> events;
  std::string error;
  ASSERT_TRUE(runner::ParseInputScript("# start\n10 down RETURN\n\n11 up RETURN\n40 down C\n41 down LBUTTON\n42 up 9\n",
                                       events, error));
  ASSERT_EQ(events.size(), 5u);
  EXPECT_EQ(events[0].frame, 10);
  EXPECT_TRUE(events[0].down);
  EXPECT_EQ(events[0].virtualKey, plat::VK_RETURN);
  EXPECT_FALSE(events[1].down);
  EXPECT_EQ(events[2].virtualKey, 'C');
  EXPECT_EQ(events[3].virtualKey, plat::VK_LBUTTON);
  EXPECT_EQ(events[4].virtualKey, '9');
}

TEST(RunnerScriptTest, RefusesBadLinesWithTheirNumber) {
  for (const char* bad : {"x down C\n", "10 press C\n", "10 down F13\n", "10 down\n", "-1 down C\n", "10 down C extra\n",
                          "10x down C\n"}) {
    std::vector<runner::ScriptEvent> events;
    std::string error;
    EXPECT_FALSE(runner::ParseInputScript(std::string("1 down C\n") + bad, events, error)) << bad;
    EXPECT_EQ(error.rfind("line 2:", 0), 0u) << error;
  }
}

}  // namespace
