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

// The first copy: listens under the name. A copy that is quitting may hold the name a moment after
// its lock is free, so a name in use is tried again until waitMs have passed. Returns 0, or the errno
// of the last try. Connections are accepted without waiting and kept (a few at once, for a few
// seconds) until their request arrives or they close, so a request that comes a little after its
// connection is not lost.
int ListenForRaiseRequests(const char* name, int waitMs);
// Every connection is closed, those whose request is not answered yet among them: their copies learn
// that this one is going away.
void StopListening();
// Takes what has arrived, never waiting, and returns how many requests came; they wait for
// AnswerRaiseRequests. nowMs: the game's millisecond clock, by which a connection kept too long
// without its request is given up.
int TakeRaiseRequests(std::uint32_t nowMs);
// Answers "shown" to every request taken, once the window has been brought to the front.
void AnswerRaiseRequests();

// A later copy: connects to the first copy's name, never waiting (false when nobody listens there, or
// the first copy's queue is full), then sends the request and waits up to replyMs for its answer.
bool ConnectForRaise(const char* name);
enum class RaiseAnswer {
  Shown,   // the first copy brought its window to the front
  Closed,  // it closed the connection without answering: it is quitting
  None,    // no answer within the wait: stopped, or hung
};
RaiseAnswer SendRaiseRequest(int replyMs);

}  // namespace plat::sdl
