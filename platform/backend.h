// What a backend supplies under window_system.h: the SDL backend for the programs, the headless host
// for tests and the runner. The shared queue code (message_queue.cpp) calls these; nothing else should.
#pragma once
#include <cstddef>
#include <cstdint>
#include <ctime>

#include "platform/win_types.h"

namespace plat::backend {

bool CreateWindow(const char* title, bool fullScreen, int logicalWidth, int logicalHeight);
void ShowWindow();
void DestroyWindow();
void RaiseWindow();

// Moves pending native events (keys, buttons, focus, close, another copy's raise request) into the
// message queue by calling plat::detail::PostNative. wait: block until at least one arrives.
void PumpEvents(bool wait);

std::int64_t CounterFrequency();
std::int64_t Counter();
std::uint32_t Milliseconds();
void Sleep(std::uint32_t milliseconds);
std::time_t CalendarTime();
void IdleUntilCounter(std::int64_t dueCounter);
void FrameGranted();
void FrameDone();

// Named mutex: returns a handle > 0; alreadyExists when another holder has the name.
int CreateMutex(const char* name, bool& alreadyExists);
void ReleaseMutex(int handle);
// The display the lock belongs to, as copies of the game name it ("x11:1"; see CreateMutex).
const char* DisplayName();
// Another running copy's window with this class and title (found: connected to it, at once, never
// waiting), and the request that it come to the front: true once that copy answered that it did.
// False with wentAway set when the copy closed the connection without answering (it is quitting).
bool FindForeignWindow(const char* className, const char* title);
bool RaiseForeignWindow(bool& wentAway);
// The named window our process now owns, so a later copy can find it.
void AnnounceWindow(const char* className, const char* title);

// The pointer kept inside the window (or let go), shown or hidden over it, and the keyboard taken from
// the window manager so its key combinations reach the game. Called through desktop_grabs.h only.
void ConfineCursor(bool on);
void ShowCursor(bool visible);
void GrabKeyboard(bool on);
// Text input through the input method (composition of typed letters); SDL starts with it on.
void SetTextInput(bool on);
void ShowMessageBox(const char* utf8Text, const char* utf8Caption);
void Beep();
std::size_t ModuleFileName(char* buffer, std::size_t size);

// Shows one finished RGB565 picture (pitchPixels: pixels per row). waitVerticalBlank: cap at the
// display's refresh.
void Present(const std::uint16_t* pixels, int width, int height, int pitchPixels, bool waitVerticalBlank);

}  // namespace plat::backend

namespace plat::detail {
// A native event becomes a message in the queue (backends only).
void PostNative(std::uint32_t message, WParam wParam, LParam lParam);
}  // namespace plat::detail

namespace plat::backend {
// What the display behind the window is like: the 16-bit layout (the SDL window is 5-6-5; the headless
// host may be asked for 5-5-5) and whether the device says it stretches in hardware.
struct DisplayTraits {
  bool rgb555 = false;
  bool hardwareStretch = false;
};
DisplayTraits GetDisplayTraits();
}  // namespace plat::backend
