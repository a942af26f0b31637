// Which display a copy of the game shows on: copies on one display share a name however DISPLAY
// writes it, copies on different displays do not; and the drivers that show nothing are used only
// when asked for.
#include <gtest/gtest.h>

#include <string>

#include "platform/sdl/display_name.h"

namespace {

using plat::sdl::DisplayName;

std::string X(const char* display) { return DisplayName("x11", display, "wayland-0", nullptr); }
std::string Wayland(const char* display, const char* runtimeDir = "/run/user/1000") {
  return DisplayName("wayland", ":1", display, runtimeDir);
}
// A path's name with no runtime folder to shorten it by.
std::string Whole(const char* path) { return Wayland(path, nullptr); }

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
  EXPECT_EQ(DisplayName("x11", ":1", "wayland-0", nullptr), DisplayName("x11", ":1", "wayland-1", nullptr));
  EXPECT_EQ(Wayland("wayland-1"), DisplayName("wayland", ":2", "wayland-1", "/run/user/1000"));
  EXPECT_NE(Wayland("wayland-0"), Wayland("wayland-1"));
  EXPECT_EQ(Wayland(nullptr), Wayland("wayland-0"));
  EXPECT_NE(Wayland("wayland-0"), X(":1"));
  EXPECT_NE(DisplayName("kmsdrm", ":1", nullptr, nullptr), DisplayName("offscreen", ":1", nullptr, nullptr));
  EXPECT_FALSE(DisplayName("x11", nullptr, nullptr, nullptr).empty());
}

TEST(DisplayName, AWaylandSocketByItsPathOrItsShortName) {
  EXPECT_EQ(Wayland("/run/user/1000/wayland-1"), Wayland("wayland-1"));
  EXPECT_EQ(Wayland("/run/user/1000//wayland-1"), Wayland("wayland-1"));
  EXPECT_EQ(Wayland("/run/user/1000/wayland-1", "/run/user/1000/"), Wayland("wayland-1"));
  EXPECT_NE(Wayland("/run/user/1000/wayland-1"), Wayland("wayland-0"));
  // Outside the runtime folder a path names another socket.
  EXPECT_NE(Wayland("/tmp/wayland-1"), Wayland("wayland-1"));
  EXPECT_NE(Wayland("/run/user/10000/wayland-1"), Wayland("wayland-1"));
  EXPECT_NE(Wayland("/run/user/1000/wayland-1", nullptr), Wayland("wayland-1"));
  EXPECT_NE(Wayland("/run/user/1000", "/run/user/1000"), Wayland("wayland-0"));
  // The runtime folder written with trailing slashes, and a path with several slashes before the socket.
  for (const char* folder : {"/run/user/1000", "/run/user/1000/", "/run/user/1000//"}) {
    for (const char* path : {"/run/user/1000/wayland-1", "/run/user/1000//wayland-1", "/run/user/1000///wayland-1"}) {
      EXPECT_EQ(Wayland(path, folder), Wayland("wayland-1", folder)) << path << " in " << folder;
    }
  }
}

TEST(DisplayName, APathTheRuntimeFolderDoesNotHoldStaysWhole) {
  // Another user's folder as long as this one, a file beside the folder whose name begins with the
  // folder's, a folder whose name does, and the folder itself, which is no socket.
  for (const char* path : {"/run/user/1001/wayland-1", "/run/user/1000wayland-1", "/run/user/10000/wayland-1",
                           "/run/user/1000", "/run/user/1000/"}) {
    EXPECT_EQ(Wayland(path), Whole(path)) << path;
  }
  EXPECT_EQ(Wayland("/run/user/1000/wayland-1", "/run/user/100"), Whole("/run/user/1000/wayland-1"));
  // A name that is not a path already lies in the runtime folder: "run/wayland-1" in the folder "run" is
  // run/run/wayland-1, not the socket wayland-1.
  EXPECT_EQ(Wayland("run/wayland-1", "run"), Whole("run/wayland-1"));
  // With no runtime folder, a path at the root is not the short name.
  for (const char* none : {"", static_cast<const char*>(nullptr)}) {
    EXPECT_NE(Wayland("/wayland-1", none), Wayland("wayland-1", none));
  }
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
