#include "platform/sdl/instance_sockets.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace plat::sdl {
namespace {

constexpr int kPendingSlots = 4;
// A connection that has sent nothing for this long is given up (a copy that hung or died half-way).
constexpr std::uint32_t kPendingLifeMs = 5000;
constexpr int kConnectRetryMs = 10;
constexpr char kRequest[] = "raise\n";
constexpr char kAnswer[] = "shown\n";

struct Pending {
  int socket = -1;
  std::uint32_t since = 0;
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

// 1: the request came (answered, closed); 0: nothing yet, kept; -1: closed without a request.
int ReadRequest(Pending& p) {
  char request[16];
  const ssize_t n = recv(p.socket, request, sizeof request, MSG_DONTWAIT);
  if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) return 0;
  if (n > 0) send(p.socket, kAnswer, sizeof kAnswer - 1, MSG_DONTWAIT | MSG_NOSIGNAL);
  Drop(p);
  return n > 0 ? 1 : -1;
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

bool ListenForRaiseRequests(const char* name) {
  Sockets& k = K();
  StopListening();
  int error = 0;
  const int fd = BoundSocket(name, SOCK_NONBLOCK, error);
  if (fd < 0) return false;
  if (listen(fd, kPendingSlots) != 0) {
    close(fd);
    return false;
  }
  k.listening = fd;
  return true;
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
    if (p.socket < 0) continue;
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
    p = Pending{client, nowMs};
    if (ReadRequest(p) == 1) ++requests;
  }
  return requests;
}

bool ConnectForRaise(const char* name, int waitMs) {
  Sockets& k = K();
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd < 0) return false;
  sockaddr_un address;
  const socklen_t length = Address(name, address);
  // Tried again every 10 ms until waitMs have passed, never waited on for ever: a first copy still
  // starting (it holds the lock but makes its window, and listens, a moment later) refuses the
  // connection, and one that has stopped taking requests lets its listening queue fill up.
  int result = connect(fd, reinterpret_cast<sockaddr*>(&address), length);
  for (int waited = 0; result != 0 && (errno == EAGAIN || errno == ECONNREFUSED) && waited < waitMs;
       waited += kConnectRetryMs) {
    poll(nullptr, 0, kConnectRetryMs);
    result = connect(fd, reinterpret_cast<sockaddr*>(&address), length);
  }
  if (result != 0) {
    close(fd);
    return false;
  }
  if (k.asking >= 0) close(k.asking);
  k.asking = fd;
  return true;
}

bool SendRaiseRequest(int replyMs) {
  Sockets& k = K();
  if (k.asking < 0) return false;
  bool answered = false;
  if (send(k.asking, kRequest, sizeof kRequest - 1, MSG_NOSIGNAL) == sizeof kRequest - 1) {
    // The answer says the first copy took the request; a copy that is stopped or hung never gives it,
    // so the wait is bounded.
    pollfd answer{k.asking, POLLIN, 0};
    char reply[sizeof kAnswer] = {};
    answered = poll(&answer, 1, replyMs) == 1 &&
               recv(k.asking, reply, sizeof reply - 1, MSG_DONTWAIT) == sizeof kAnswer - 1 &&
               std::strcmp(reply, kAnswer) == 0;
  }
  close(k.asking);
  k.asking = -1;
  return answered;
}

}  // namespace plat::sdl
