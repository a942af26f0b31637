// Copies of the game finding each other: the single-instance lock, and raise requests that reach the
// first copy however late their bytes follow the connection.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <thread>

#include "platform/sdl/instance_sockets.h"

namespace {

std::string Unique(const char* what) { return std::string("test:") + std::to_string(getpid()) + ":" + what; }

std::uint32_t NowMs() {
  return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                        std::chrono::steady_clock::now().time_since_epoch())
                                        .count());
}

int Take() { return plat::sdl::TakeRaiseRequests(NowMs()); }

// Calls TakeRaiseRequests until `wanted` requests have come or two seconds pass; returns how many came.
int TakeUntil(int wanted) {
  int taken = 0;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
  while (taken < wanted && std::chrono::steady_clock::now() < deadline) {
    taken += Take();
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
  ASSERT_TRUE(plat::sdl::ConnectForRaise(name.c_str(), 2000));
  EXPECT_EQ(Take(), 0);  // accepted, nothing sent yet
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
  EXPECT_EQ(Take(), 0);
  plat::sdl::StopListening();
}

// A later copy started while the first is still starting (it holds the lock and listens a moment
// later) reaches it; nobody listening at all is given up after the wait.
TEST(InstanceSockets, ACopyStillStartingIsWaitedForAndNobodyIsGivenUp) {
  const std::string name = Unique("starting");
  std::thread first([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    plat::sdl::ListenForRaiseRequests(name.c_str());
  });
  const auto start = std::chrono::steady_clock::now();
  const bool connected = plat::sdl::ConnectForRaise(name.c_str(), 2000);
  const auto waited = std::chrono::steady_clock::now() - start;
  first.join();
  EXPECT_TRUE(connected) << "a copy that listens 300 ms late was not reached";
  EXPECT_LT(waited, std::chrono::milliseconds(1500));
  bool answered = false;
  std::thread asker([&] { answered = plat::sdl::SendRaiseRequest(5000); });
  EXPECT_EQ(TakeUntil(1), 1);
  asker.join();
  EXPECT_TRUE(answered);
  plat::sdl::StopListening();

  const auto before = std::chrono::steady_clock::now();
  EXPECT_FALSE(plat::sdl::ConnectForRaise(Unique("nobody").c_str(), 200));
  const auto gaveUpAfter = std::chrono::steady_clock::now() - before;
  EXPECT_GE(gaveUpAfter, std::chrono::milliseconds(200));
  EXPECT_LT(gaveUpAfter, std::chrono::milliseconds(1500));
}

// A later copy in a process of its own, as in the game (the asking connection is one per process):
// connects, writes a byte to `ready`, waits for the pipe `go` to close (when given; `goEnd` is its other
// end), then asks. It ends with status 0 when its request was sent whole.
pid_t StartCopy(const std::string& name, int ready, int go, int goEnd) {
  const pid_t pid = fork();
  if (pid != 0) return pid;
  close(goEnd);
  bool asked = plat::sdl::ConnectForRaise(name.c_str(), 2000);
  const char byte = 1;
  asked = write(ready, &byte, 1) == 1 && asked;
  if (go >= 0) {
    pollfd closed{go, POLLIN, 0};
    asked = poll(&closed, 1, 10000) == 1 && asked;
  }
  asked = asked && plat::sdl::SendRaiseRequest(5000);
  _exit(asked ? 0 : 1);
}

// Reads `count` bytes from `fd` within five seconds; how many came.
int ReadBytes(int fd, int count) {
  int got = 0;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (got < count && std::chrono::steady_clock::now() < deadline) {
    pollfd in{fd, POLLIN, 0};
    char byte;
    if (poll(&in, 1, 100) == 1 && read(fd, &byte, 1) == 1) ++got;
  }
  return got;
}

// The copy's exit status, waited for up to ten seconds; a copy still running then is killed (-1).
int Finish(pid_t pid) {
  int status = 0;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (waitpid(pid, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() >= deadline) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      return -1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Copies started together, all connected at once: three have connected but not yet asked (a copy
// slow to start), and three more ask meanwhile. The slow ones are kept without keeping the others
// waiting, and every request counts once sent.
TEST(InstanceSockets, ManyCopiesAskingAtOnceAreAllHeard) {
  const std::string name = Unique("many");
  ASSERT_TRUE(plat::sdl::ListenForRaiseRequests(name.c_str()));
  int ready[2];
  int go[2];
  ASSERT_EQ(pipe(ready), 0);
  ASSERT_EQ(pipe(go), 0);
  constexpr int kSlow = 3;
  constexpr int kQuick = 3;
  pid_t copies[kSlow + kQuick];
  for (int i = 0; i < kSlow; ++i) copies[i] = StartCopy(name, ready[1], go[0], go[1]);
  EXPECT_EQ(ReadBytes(ready[0], kSlow), kSlow) << "the slow copies did not connect";
  EXPECT_EQ(Take(), 0);  // the slow copies are taken in, nothing asked yet
  for (int i = kSlow; i < kSlow + kQuick; ++i) copies[i] = StartCopy(name, ready[1], -1, go[1]);
  EXPECT_EQ(TakeUntil(kQuick), kQuick) << "the copies that asked waited behind the ones that had not";
  close(go[1]);
  EXPECT_EQ(TakeUntil(kSlow), kSlow) << "the slow copies were not heard";
  for (int i = 0; i < kSlow + kQuick; ++i) EXPECT_EQ(Finish(copies[i]), 0) << "copy " << i;
  close(go[0]);
  close(ready[0]);
  close(ready[1]);
  plat::sdl::StopListening();
}

// A first copy that hangs takes no more requests, and its listening queue fills up with the copies
// started meanwhile: every later copy, whether its connection got into the queue or not, learns after
// its waits that the first copy did not answer, instead of waiting for ever or taking the silence for
// an answer. Each copy runs in a process of its own, so one that waits for ever is seen (and killed)
// instead of hanging the test.
TEST(InstanceSockets, ACopyGivesUpOnAFirstCopyThatTakesNoRequests) {
  const std::string name = Unique("hung");
  ASSERT_TRUE(plat::sdl::ListenForRaiseRequests(name.c_str()));
  // More copies than the queue holds; none is taken in.
  constexpr int kCopies = 12;
  pid_t copies[kCopies];
  for (pid_t& copy : copies) {
    copy = fork();
    if (copy == 0) {
      const auto start = std::chrono::steady_clock::now();
      const bool connected = plat::sdl::ConnectForRaise(name.c_str(), 300);
      const bool answered = connected && plat::sdl::SendRaiseRequest(300);
      const auto waited = std::chrono::steady_clock::now() - start;
      // 0: taken for answered; 1: gave up on the full queue; 2: waited too long; 3: no answer.
      _exit(waited > std::chrono::seconds(3) ? 2 : answered ? 0 : connected ? 3 : 1);
    }
  }
  int gaveUp = 0;
  int unanswered = 0;
  for (int i = 0; i < kCopies; ++i) {
    const int status = Finish(copies[i]);
    EXPECT_TRUE(status == 1 || status == 3) << "copy " << i << " ended with " << status;
    gaveUp += status == 1;
    unanswered += status == 3;
  }
  EXPECT_GT(gaveUp, 0) << "the queue never filled: the check proves nothing";
  EXPECT_GT(unanswered, 0) << "no copy got into the queue: the check proves nothing";
  plat::sdl::StopListening();
}

}  // namespace
