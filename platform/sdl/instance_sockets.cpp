#include "platform/sdl/instance_sockets.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace plat::sdl {
namespace {

constexpr int kPendingSlots = 4;
// A connection that has sent nothing for this long is given up (a copy that hung or died half-way).
constexpr std::uint32_t kPendingLifeMs = 5000;
constexpr int kListenRetryMs = 10;
constexpr char kRequest[] = "raise\n";
constexpr char kAnswer[] = "shown\n";

struct Pending {
  int socket = -1;
  std::uint32_t since = 0;
  bool asked = false;  // its request came; it waits for the answer
};

struct Sockets {
  int listening = -1;
  int asking = -1;  // our connection to the first copy
  Pending pending[kPendingSlots];
};

Sockets& K() {
  static Sockets sockets;
  return sockets;
}

// Waits run on the monotonic clock: `ms` from now, and the whole milliseconds left until then (rounded
// up: a wait never ends short of its moment).
using Clock = std::chrono::steady_clock;
Clock::time_point MsFromNow(int ms) { return Clock::now() + std::chrono::milliseconds(ms); }
int MsLeft(Clock::time_point until) {
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(until - Clock::now()).count();
  return left <= 0 ? 0 : static_cast<int>(left);
}

// "tessivane:<uid>:<name>" in the abstract namespace (sun_path starts with a zero byte).
socklen_t Address(const char* name, sockaddr_un& address) {
  std::memset(&address, 0, sizeof address);
  address.sun_family = AF_UNIX;
  const int n = std::snprintf(address.sun_path + 1, sizeof address.sun_path - 1, "tessivane:%u:%s",
                              static_cast<unsigned>(getuid()), name);
  const std::size_t length = std::min(static_cast<std::size_t>(n < 0 ? 0 : n), sizeof address.sun_path - 2);
  return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + length);
}

int BoundSocket(const char* name, int extraType, int& error) {
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | extraType, 0);
  error = errno;
  if (fd < 0) return -1;
  sockaddr_un address;
  const socklen_t length = Address(name, address);
  if (bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0) {
    error = errno;
    close(fd);
    return -1;
  }
  return fd;
}

void Drop(Pending& p) {
  if (p.socket >= 0) close(p.socket);
  p = Pending{};
}

// 1: the request came (kept for its answer); 0: nothing yet, kept; -1: closed without a request.
int ReadRequest(Pending& p) {
  char request[16];
  const ssize_t n = recv(p.socket, request, sizeof request, MSG_DONTWAIT);
  if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) return 0;
  if (n > 0) {
    p.asked = true;
    return 1;
  }
  Drop(p);
  return -1;
}

// The first copy's answer, read until its line ends, it closes, or the time is up; a signal that
// breaks into the wait does not shorten it.
RaiseAnswer AwaitAnswer(int socket, int replyMs) {
  const Clock::time_point until = MsFromNow(replyMs);
  char reply[sizeof kAnswer + 8] = {};
  std::size_t got = 0;
  while (got < sizeof reply - 1 && std::memchr(reply, '\n', got) == nullptr) {
    const int left = MsLeft(until);
    if (left == 0) return RaiseAnswer::None;
    pollfd answer{socket, POLLIN, 0};
    const int ready = poll(&answer, 1, left);
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return RaiseAnswer::None;
    const ssize_t n = recv(socket, reply + got, sizeof reply - 1 - got, MSG_DONTWAIT);
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) continue;
    if (n <= 0) return RaiseAnswer::Closed;
    got += static_cast<std::size_t>(n);
  }
  // Anything but the answer is not taken for it.
  return std::strcmp(reply, kAnswer) == 0 ? RaiseAnswer::Shown : RaiseAnswer::None;
}

}  // namespace

int TakeInstanceLock(const char* name, bool& alreadyTaken) {
  int error = 0;
  const int fd = BoundSocket(name, 0, error);
  alreadyTaken = fd < 0 && error == EADDRINUSE;
  return fd;
}

void DropInstanceLock(int socket) {
  if (socket >= 0) close(socket);
}

int ListenForRaiseRequests(const char* name, int waitMs) {
  Sockets& k = K();
  StopListening();
  const Clock::time_point until = MsFromNow(waitMs);
  int error = 0;
  int fd = BoundSocket(name, SOCK_NONBLOCK, error);
  while (fd < 0 && error == EADDRINUSE && MsLeft(until) > 0) {
    poll(nullptr, 0, kListenRetryMs);
    fd = BoundSocket(name, SOCK_NONBLOCK, error);
  }
  if (fd < 0) return error;
  if (listen(fd, kPendingSlots) != 0) {
    error = errno;
    close(fd);
    return error;
  }
  k.listening = fd;
  return 0;
}

void StopListening() {
  Sockets& k = K();
  for (Pending& p : k.pending) Drop(p);
  if (k.listening >= 0) close(k.listening);
  k.listening = -1;
}

int TakeRaiseRequests(std::uint32_t nowMs) {
  Sockets& k = K();
  if (k.listening < 0) return 0;
  int requests = 0;
  for (Pending& p : k.pending) {
    if (p.socket < 0 || p.asked) continue;
    if (ReadRequest(p) == 1) {
      ++requests;
    } else if (p.socket >= 0 && nowMs - p.since > kPendingLifeMs) {
      Drop(p);
    }
  }
  // New connections only while a slot is free; the others wait in the listening queue.
  for (Pending& p : k.pending) {
    if (p.socket >= 0) continue;
    const int client = accept4(k.listening, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (client < 0) break;
    p = Pending{client, nowMs, false};
    if (ReadRequest(p) == 1) ++requests;
  }
  return requests;
}

void AnswerRaiseRequests() {
  for (Pending& p : K().pending) {
    if (!p.asked) continue;
    send(p.socket, kAnswer, sizeof kAnswer - 1, MSG_DONTWAIT | MSG_NOSIGNAL);
    Drop(p);
  }
}

// One try: a first copy still starting (it holds the lock but listens a moment later) or quitting
// refuses the connection, and one that has stopped taking requests lets its queue fill up; the caller
// looks at the lock again and decides whether to try once more.
bool ConnectForRaise(const char* name) {
  Sockets& k = K();
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd < 0) return false;
  sockaddr_un address;
  const socklen_t length = Address(name, address);
  if (connect(fd, reinterpret_cast<sockaddr*>(&address), length) != 0) {
    close(fd);
    return false;
  }
  if (k.asking >= 0) close(k.asking);
  k.asking = fd;
  return true;
}

RaiseAnswer SendRaiseRequest(int replyMs) {
  Sockets& k = K();
  if (k.asking < 0) return RaiseAnswer::Closed;
  // A request that cannot be sent found the other end gone.
  RaiseAnswer answer = RaiseAnswer::Closed;
  if (send(k.asking, kRequest, sizeof kRequest - 1, MSG_NOSIGNAL) == sizeof kRequest - 1) {
    answer = AwaitAnswer(k.asking, replyMs);
  }
  close(k.asking);
  k.asking = -1;
  return answer;
}

}  // namespace plat::sdl
