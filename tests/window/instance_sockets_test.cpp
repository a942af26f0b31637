// Copies of the game finding each other: the single-instance lock, and raise requests that reach the
// first copy however late their bytes follow the connection.
#include <gtest/gtest.h>
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <sys/wait.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstring>
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

// Takes what has come and answers it, as the game does once its window is in front.
int Take() {
  const int taken = plat::sdl::TakeRaiseRequests(NowMs());
  plat::sdl::AnswerRaiseRequests();
  return taken;
}

// Calls Take until `wanted` requests have come or two seconds pass; returns how many came.
int TakeUntil(int wanted, int (*take)() = Take) {
  int taken = 0;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
  while (taken < wanted && std::chrono::steady_clock::now() < deadline) {
    taken += take();
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return taken;
}

int TakeWithoutAnswering() { return plat::sdl::TakeRaiseRequests(NowMs()); }

using Answer = plat::sdl::RaiseAnswer;
const char* Said(Answer answer) {
  return answer == Answer::Shown ? "shown" : answer == Answer::Closed ? "closed" : "no answer";
}

// The socket a first copy listens on, bound by hand under the game's name for it, as another copy of
// the game (or one going away) holds it.
int BindByHand(const std::string& name) {
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string path = "tessivane:" + std::to_string(getuid()) + ":" + name;
  std::memcpy(address.sun_path + 1, path.data(), path.size());
  const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + path.size());
  if (bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0 || listen(fd, 4) != 0) {
    close(fd);
    return -1;
  }
  return fd;
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
// arrived is kept, and the request counts once it comes. The answer is given only once the first copy
// has brought its window to the front (AnswerRaiseRequests), never as the request is taken.
TEST(InstanceSockets, ARequestIsAnsweredOnlyOnceTheWindowIsInFront) {
  const std::string name = Unique("raise");
  ASSERT_EQ(plat::sdl::ListenForRaiseRequests(name.c_str(), 0), 0);
  ASSERT_TRUE(plat::sdl::ConnectForRaise(name.c_str()));
  EXPECT_EQ(Take(), 0);  // accepted, nothing sent yet
  Answer answer = Answer::Shown;
  std::thread asker([&] { answer = plat::sdl::SendRaiseRequest(300); });
  EXPECT_EQ(TakeUntil(1, TakeWithoutAnswering), 1);
  asker.join();
  EXPECT_EQ(answer, Answer::None) << "taking the request answered it: " << Said(answer);

  ASSERT_TRUE(plat::sdl::ConnectForRaise(name.c_str()));
  std::chrono::steady_clock::duration waited{};
  std::thread second([&] {
    const auto start = std::chrono::steady_clock::now();
    answer = plat::sdl::SendRaiseRequest(5000);
    waited = std::chrono::steady_clock::now() - start;
  });
  EXPECT_EQ(TakeUntil(1), 1);
  second.join();
  EXPECT_EQ(answer, Answer::Shown) << Said(answer);
  EXPECT_LT(waited, std::chrono::seconds(4)) << "the answer did not come";
  EXPECT_EQ(Take(), 0);
  plat::sdl::StopListening();
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

// A copy going away closes every request unanswered, taken or still queued, and takes no more: the
// asking copies learn that it is quitting, not that it hangs. Nobody listening refuses at once.
TEST(InstanceSockets, ACopyGoingAwayClosesItsRequestsUnanswered) {
  const std::string name = Unique("quitting");
  ASSERT_EQ(plat::sdl::ListenForRaiseRequests(name.c_str(), 0), 0);
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  pid_t copies[2];
  for (int i = 0; i < 2; ++i) {
    copies[i] = fork();
    if (copies[i] == 0) {
      plat::sdl::StopListening();  // the first copy's sockets, which a fork shares, are not this copy's
      const bool connected = plat::sdl::ConnectForRaise(name.c_str());
      const char byte = 1;
      if (write(ready[1], &byte, 1) != 1 || !connected) _exit(9);
      _exit(static_cast<int>(plat::sdl::SendRaiseRequest(5000)));
    }
    ASSERT_EQ(ReadBytes(ready[0], 1), 1) << "copy " << i << " did not start";
    // The first is taken in; the second stays in the queue.
    if (i == 0) {
      EXPECT_EQ(TakeUntil(1, TakeWithoutAnswering), 1);
    }
  }
  plat::sdl::StopListening();
  for (int i = 0; i < 2; ++i) {
    int status = 0;
    ASSERT_EQ(waitpid(copies[i], &status, 0), copies[i]);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_NE(WEXITSTATUS(status), 9) << "copy " << i << " could not connect";
    const auto answer = static_cast<Answer>(WEXITSTATUS(status));
    EXPECT_EQ(answer, Answer::Closed) << "copy " << i << ": " << Said(answer);
  }
  close(ready[0]);
  close(ready[1]);
  const auto before = std::chrono::steady_clock::now();
  EXPECT_FALSE(plat::sdl::ConnectForRaise(name.c_str()));
  EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::milliseconds(500));
}

// Only the answer itself counts: a copy that says anything else did not come to the front.
TEST(InstanceSockets, OnlyTheAnswerCountsAsShown) {
  for (const std::string reply : {"shown\n", "no\n", "shown, later\n", "shoWn\n"}) {
    const std::string name = Unique("reply");
    const int listening = BindByHand(name);
    ASSERT_GE(listening, 0);
    std::thread first([&] {
      const int client = accept(listening, nullptr, nullptr);
      char request[16];
      if (client >= 0 && recv(client, request, sizeof request, 0) > 0) {
        send(client, reply.data(), reply.size(), MSG_NOSIGNAL);
      }
      if (client >= 0) close(client);
    });
    ASSERT_TRUE(plat::sdl::ConnectForRaise(name.c_str()));
    const Answer answer = plat::sdl::SendRaiseRequest(2000);
    first.join();
    close(listening);
    EXPECT_EQ(answer, reply == "shown\n" ? Answer::Shown : Answer::None)
        << "the reply \"" << reply.substr(0, reply.size() - 1) << "\" was taken for " << Said(answer);
  }
}

void Interrupted(int) {}

// The wait for the answer runs on the clock: signals that break into it (a terminal resized, a
// debugger, a timer of a library) neither end it early, as if no answer could come, nor start it
// afresh, which would wait for ever while they keep coming.
TEST(InstanceSockets, SignalsNeitherCutTheWaitShortNorStretchIt) {
  struct sigaction action {};
  struct sigaction before {};
  action.sa_handler = Interrupted;  // no SA_RESTART, though a wait for the answer is never restarted
  sigemptyset(&action.sa_mask);
  ASSERT_EQ(sigaction(SIGUSR1, &action, &before), 0);
  const std::string name = Unique("signals");
  ASSERT_EQ(plat::sdl::ListenForRaiseRequests(name.c_str(), 0), 0);
  for (const bool answered : {true, false}) {
    ASSERT_TRUE(plat::sdl::ConnectForRaise(name.c_str()));
    std::atomic<bool> done{false};
    Answer answer = Answer::Closed;
    std::chrono::steady_clock::duration waited{};
    std::thread asker([&] {
      const auto start = std::chrono::steady_clock::now();
      answer = plat::sdl::SendRaiseRequest(600);
      waited = std::chrono::steady_clock::now() - start;
      done = true;
    });
    EXPECT_EQ(TakeUntil(1, TakeWithoutAnswering), 1);
    // A signal every few milliseconds while the asker waits; the answer (when given) comes after 300 ms
    // of them.
    const auto start = std::chrono::steady_clock::now();
    const auto giveUp = start + std::chrono::seconds(10);
    bool sent = false;
    while (!done && std::chrono::steady_clock::now() < giveUp) {
      pthread_kill(asker.native_handle(), SIGUSR1);
      std::this_thread::sleep_for(std::chrono::milliseconds(3));
      if (answered && !sent && std::chrono::steady_clock::now() - start > std::chrono::milliseconds(300)) {
        plat::sdl::AnswerRaiseRequests();
        sent = true;
      }
    }
    asker.join();
    if (answered) {
      EXPECT_EQ(answer, Answer::Shown) << "with signals: " << Said(answer);
    } else {
      EXPECT_EQ(answer, Answer::None) << "with signals: " << Said(answer);
      EXPECT_GE(waited, std::chrono::milliseconds(600)) << "signals cut the wait short";
      EXPECT_LT(waited, std::chrono::seconds(3)) << "signals stretched the wait";
      plat::sdl::StopListening();
      ASSERT_EQ(plat::sdl::ListenForRaiseRequests(name.c_str(), 0), 0);
    }
  }
  plat::sdl::StopListening();
  sigaction(SIGUSR1, &before, nullptr);
}

// A copy still holding the name as it goes away is waited for; a name that stays taken is given up
// after the wait, with the reason.
TEST(InstanceSockets, ListeningWaitsForANameAboutToBeLetGo) {
  const std::string name = Unique("taken");
  const int leaving = BindByHand(name);
  ASSERT_GE(leaving, 0);
  std::thread goes([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    close(leaving);
  });
  EXPECT_EQ(plat::sdl::ListenForRaiseRequests(name.c_str(), 2000), 0) << "the name let go after 200 ms was not taken";
  goes.join();
  plat::sdl::StopListening();

  const int staying = BindByHand(name);
  ASSERT_GE(staying, 0);
  const auto before = std::chrono::steady_clock::now();
  EXPECT_EQ(plat::sdl::ListenForRaiseRequests(name.c_str(), 200), EADDRINUSE);
  const auto waited = std::chrono::steady_clock::now() - before;
  EXPECT_GE(waited, std::chrono::milliseconds(200));
  EXPECT_LT(waited, std::chrono::milliseconds(1500));
  close(staying);
}

// A later copy in a process of its own, as in the game (the asking connection is one per process):
// connects, writes a byte to `ready`, waits for the pipe `go` to close (when given; `goEnd` is its other
// end), then asks. It ends with status 0 when its request was sent whole.
pid_t StartCopy(const std::string& name, int ready, int go, int goEnd) {
  const pid_t pid = fork();
  if (pid != 0) return pid;
  close(goEnd);
  bool asked = plat::sdl::ConnectForRaise(name.c_str());
  const char byte = 1;
  asked = write(ready, &byte, 1) == 1 && asked;
  if (go >= 0) {
    pollfd closed{go, POLLIN, 0};
    asked = poll(&closed, 1, 10000) == 1 && asked;
  }
  asked = asked && plat::sdl::SendRaiseRequest(5000) == plat::sdl::RaiseAnswer::Shown;
  _exit(asked ? 0 : 1);
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
  ASSERT_EQ(plat::sdl::ListenForRaiseRequests(name.c_str(), 0), 0);
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
// started meanwhile: every later copy, whether its connection got into the queue or not, learns that
// the first copy did not answer (at once, or after its wait), instead of waiting for ever or taking the
// silence for an answer. Each copy runs in a process of its own, so one that waits for ever is seen (and killed)
// instead of hanging the test.
TEST(InstanceSockets, ACopyGivesUpOnAFirstCopyThatTakesNoRequests) {
  const std::string name = Unique("hung");
  ASSERT_EQ(plat::sdl::ListenForRaiseRequests(name.c_str(), 0), 0);
  // More copies than the queue holds; none is taken in.
  constexpr int kCopies = 12;
  pid_t copies[kCopies];
  for (pid_t& copy : copies) {
    copy = fork();
    if (copy == 0) {
      const auto start = std::chrono::steady_clock::now();
      const bool connected = plat::sdl::ConnectForRaise(name.c_str());
      const Answer answer = connected ? plat::sdl::SendRaiseRequest(300) : Answer::None;
      const auto waited = std::chrono::steady_clock::now() - start;
      // 0: taken for answered; 1: found the queue full; 2: waited too long; 3: no answer; 4: taken for
      // a copy going away.
      _exit(waited > std::chrono::seconds(3) ? 2
            : !connected                     ? 1
            : answer == Answer::Shown        ? 0
            : answer == Answer::Closed       ? 4
                                             : 3);
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
