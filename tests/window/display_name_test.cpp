// Which display a copy of the game shows on: copies on one display share a name however DISPLAY
// writes it, copies on different displays do not; and the drivers that show nothing are used only
// when asked for.
#include <gtest/gtest.h>

#include <string>

#include "platform/sdl/display_name.h"

namespace {

using plat::sdl::DisplayName;

std::string X(const char* display) { return DisplayName("x11", display, "wayland-0"); }

TEST(DisplayName, OneXDisplayHoweverItIsWritten) {
  for (const char* same : {":1.0", "unix:1", "unix:1.0", "unix/:1"}) {
    EXPECT_EQ(X(same), X(":1")) << same;
  }
  EXPECT_EQ(X("far:1.0"), X("far:1"));
  EXPECT_EQ(X("localhost:10.0"), X("localhost:10"));
  // An ssh session's forwarded display is not the machine's own display of that number.
  for (const char* other : {":2", ":10", ":11", "far:1", "near:1", "localhost:1", "tcp/localhost:1"}) {
    EXPECT_NE(X(other), X(":1")) << other;
  }
  EXPECT_NE(X("far:1"), X("near:1"));
}

TEST(DisplayName, EachDriverNamesItsOwnDisplay) {
  // X ignores WAYLAND_DISPLAY; Wayland ignores DISPLAY and has a default socket.
  EXPECT_EQ(DisplayName("x11", ":1", "wayland-0"), DisplayName("x11", ":1", "wayland-1"));
  EXPECT_EQ(DisplayName("wayland", ":1", "wayland-1"), DisplayName("wayland", ":2", "wayland-1"));
  EXPECT_NE(DisplayName("wayland", ":1", "wayland-0"), DisplayName("wayland", ":1", "wayland-1"));
  EXPECT_EQ(DisplayName("wayland", ":1", nullptr), DisplayName("wayland", ":1", "wayland-0"));
  EXPECT_NE(DisplayName("wayland", ":1", "wayland-0"), DisplayName("x11", ":1", "wayland-0"));
  EXPECT_NE(DisplayName("kmsdrm", ":1", nullptr), DisplayName("offscreen", ":1", nullptr));
  EXPECT_FALSE(DisplayName("x11", nullptr, nullptr).empty());
}

TEST(DisplayName, DriversThatShowNothingOnlyWhenAskedFor) {
  for (const char* unseen : {"offscreen", "dummy"}) EXPECT_TRUE(plat::sdl::ShowsNothing(unseen)) << unseen;
  for (const char* seen : {"x11", "wayland", "kmsdrm"}) EXPECT_FALSE(plat::sdl::ShowsNothing(seen)) << seen;
  EXPECT_TRUE(plat::sdl::AskedFor("offscreen", "offscreen"));
  EXPECT_TRUE(plat::sdl::AskedFor("offscreen", "x11,offscreen"));
  EXPECT_TRUE(plat::sdl::AskedFor("dummy", "Dummy"));
  EXPECT_FALSE(plat::sdl::AskedFor("offscreen", nullptr));
  EXPECT_FALSE(plat::sdl::AskedFor("offscreen", ""));
  EXPECT_FALSE(plat::sdl::AskedFor("offscreen", "x11,wayland"));
  EXPECT_FALSE(plat::sdl::AskedFor("dummy", "dummy2,offscreen2"));
  EXPECT_FALSE(plat::sdl::AskedFor("offscreen", "offscreen2"));
}

}  // namespace
