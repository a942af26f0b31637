// How copies of the game find each other: the single-instance lock and the request a later copy sends
// to bring the first one's window to the front, both abstract unix sockets private to the user (they
// vanish with the process that holds them). No SDL here; the backend calls these on the main thread.
#pragma once
#include <cstdint>

namespace plat::sdl {

// The lock: a socket bound to the name. Returns the socket (>= 0), or -1 with alreadyTaken set when
// another process holds the name.
int TakeInstanceLock(const char* name, bool& alreadyTaken);
void DropInstanceLock(int socket);

// The first copy: listens under the name. Connections are accepted without waiting and kept (a few at
// once, for a few seconds) until their request arrives or they close, so a request that comes a little
// after its connection is not lost.
bool ListenForRaiseRequests(const char* name);
void StopListening();
// Takes what has arrived, never waiting; answers each request and returns how many came. nowMs: the
// game's millisecond clock, by which a connection kept too long without its request is given up.
int TakeRaiseRequests(std::uint32_t nowMs);

// A later copy: connects to the first copy's name (false when nobody listens there, or the first copy's
// queue stays full, for waitMs), then sends the request and waits up to replyMs for its answer. True
// when the first copy answered: it took the request.
bool ConnectForRaise(const char* name, int waitMs);
bool SendRaiseRequest(int replyMs);

}  // namespace plat::sdl
