// Copies of the game finding each other: the single-instance lock, and raise requests that reach the
// first copy however late their bytes follow the connection.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <mutex>
#include <string>
#include <thread>

#include "platform/sdl/instance_sockets.h"

namespace {

std::string Unique(const char* what) { return std::string("test:") + std::to_string(getpid()) + ":" + what; }

// Calls TakeRaiseRequests until `wanted` requests have come or two seconds pass; returns how many came.
int TakeUntil(int wanted) {
  int taken = 0;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
  while (taken < wanted && std::chrono::steady_clock::now() < deadline) {
    taken += plat::sdl::TakeRaiseRequests();
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return taken;
}

TEST(InstanceSockets, TheLockIsHeldByOneCopyUntilItLetsGo) {
  const std::string name = Unique("lock");
  bool taken = true;
  const int first = plat::sdl::TakeInstanceLock(name.c_str(), taken);
  ASSERT_GE(first, 0);
  EXPECT_FALSE(taken);
  const int second = plat::sdl::TakeInstanceLock(name.c_str(), taken);
  EXPECT_LT(second, 0);
  EXPECT_TRUE(taken);
  plat::sdl::DropInstanceLock(first);
  const int third = plat::sdl::TakeInstanceLock(name.c_str(), taken);
  EXPECT_GE(third, 0);
  EXPECT_FALSE(taken);
  plat::sdl::DropInstanceLock(third);
}

// The first copy looks for requests between frames: a connection it accepted before its request
// arrived is kept, and the request counts once it comes; the asking copy gets its answer.
TEST(InstanceSockets, ARequestThatFollowsItsConnectionLateIsNotLost) {
  const std::string name = Unique("raise");
  ASSERT_TRUE(plat::sdl::ListenForRaiseRequests(name.c_str()));
  EXPECT_FALSE(plat::sdl::ConnectForRaise(Unique("nobody").c_str()));
  ASSERT_TRUE(plat::sdl::ConnectForRaise(name.c_str()));
  EXPECT_EQ(plat::sdl::TakeRaiseRequests(), 0);  // accepted, nothing sent yet
  bool sent = false;
  std::chrono::steady_clock::duration waited{};
  std::thread asker([&] {
    const auto start = std::chrono::steady_clock::now();
    sent = plat::sdl::SendRaiseRequest(5000);
    waited = std::chrono::steady_clock::now() - start;
  });
  EXPECT_EQ(TakeUntil(1), 1);
  asker.join();
  EXPECT_TRUE(sent);
  EXPECT_LT(waited, std::chrono::seconds(4)) << "the answer did not come";
  EXPECT_EQ(plat::sdl::TakeRaiseRequests(), 0);
  plat::sdl::StopListening();
}

// More copies at once than the first keeps connections for: the rest wait their turn and all count.
TEST(InstanceSockets, ManyCopiesAskingAtOnceAreAllHeard) {
  const std::string name = Unique("many");
  ASSERT_TRUE(plat::sdl::ListenForRaiseRequests(name.c_str()));
  constexpr int kCopies = 6;
  std::thread askers[kCopies];
  bool sent[kCopies] = {};
  for (int i = 0; i < kCopies; ++i) {
    // Each copy is a process of its own in the game; here each asks in turn on a thread, since the
    // asking connection is one per process.
    askers[i] = std::thread([&, i] {
      static std::mutex one;
      std::lock_guard<std::mutex> held(one);
      sent[i] = plat::sdl::ConnectForRaise(name.c_str()) && plat::sdl::SendRaiseRequest(5000);
    });
  }
  EXPECT_EQ(TakeUntil(kCopies), kCopies);
  for (int i = 0; i < kCopies; ++i) {
    askers[i].join();
    EXPECT_TRUE(sent[i]) << i;
  }
  plat::sdl::StopListening();
}

}  // namespace
