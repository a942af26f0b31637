// The one window, its message queue and the small system services around it (clocks, named mutex,
// cursor, message box, beep, program path). The same functions run over the SDL backend in the
// programs and over the headless host in tests and the runner; see backend.h for what each supplies.
#pragma once
#include <cstddef>
#include <cstdint>
#include <ctime>

#include "platform/win_types.h"

namespace plat {

// ---- window class and window ------------------------------------------------------------------
struct WindowClass {
  const char* className = "";
  WindowProcedure procedure = nullptr;
  bool doubleClicks = false;  // a quick second press arrives as a double-click message
};
void RegisterWindowClass(const WindowClass& windowClass);
// Creates the program's only window. fullScreen: cover the desktop (logical picture scaled with its
// aspect kept); otherwise a centred captioned window. logicalWidth/Height: the game's screen size.
WindowHandle CreateMainWindow(const char* className, const char* title, bool fullScreen, int logicalWidth,
                              int logicalHeight);
void ShowMainWindow(WindowHandle window);
bool DestroyWindow(WindowHandle window);  // sends WM_DESTROY to the procedure before it returns
WindowHandle MainWindow();
// Another running copy's window, found by class and title; kNoWindow when none takes requests now
// (no copy, or one still starting, quitting, or too busy to take the request).
WindowHandle FindWindow(const char* className, const char* title);
// False when the window did not come to the front; GetLastError then tells why: the other copy's
// window went away without answering (ERROR_INVALID_WINDOW_HANDLE: that copy is quitting), or it did
// not answer within a few seconds (ERROR_TIMEOUT: stopped, or hung).
bool SetForegroundWindow(WindowHandle window);
enum : unsigned { ERROR_SUCCESS = 0, ERROR_INVALID_WINDOW_HANDLE = 1400, ERROR_TIMEOUT = 1460 };
unsigned GetLastError();

// ---- messages -----------------------------------------------------------------------------------
bool PeekMessage(Message& out, bool remove);  // remove: take it off the queue
void WaitMessage();                           // blocks until a message waits
void TranslateMessage(const Message& message);
LResult DispatchMessage(const Message& message);
bool PostMessage(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam);
LResult SendMessage(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam);
void PostQuitMessage(int exitCode);
LResult DefWindowProc(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam);
// The key's state as of the messages taken off the queue so far: bit 0x80 set while it is down.
short GetKeyState(int virtualKey);

// ---- clocks -------------------------------------------------------------------------------------
bool QueryPerformanceFrequency(std::int64_t& frequency);
bool QueryPerformanceCounter(std::int64_t& counter);
std::uint32_t TimeGetTime();                 // milliseconds
bool TimeGetMinimumPeriod(unsigned& periodMs);  // the finest timer period the system offers
void TimeBeginPeriod(unsigned periodMs);
void TimeEndPeriod(unsigned periodMs);
void Sleep(std::uint32_t milliseconds);
std::time_t CalendarTime();                  // seconds; the seed of the game's random numbers
// Called by the frame gate while it waits for the counter to reach `dueCounter`; the real backend
// may nap briefly, the headless host jumps its clock there.
void IdleUntilCounter(std::int64_t dueCounter);
// The frame gate granted a frame / the main loop finished one (the headless host counts them).
void NotifyFrameGranted();
void NotifyFrameDone();

// ---- single instance ----------------------------------------------------------------------------
// Creates (and holds) the named mutex; alreadyExists is set when another holder has it.
using MutexHandle = int;
MutexHandle CreateNamedMutex(const char* name, bool& alreadyExists);
void ReleaseNamedMutex(MutexHandle handle);
// The display the mutex belongs to: one copy of the game runs per display ("x11:1").
const char* CurrentDisplayName();

// ---- cursor, input method, message box, beep, program path ----------------------------------------
struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
};
void ClipCursor(const Rect* rect);  // nullptr frees it
void HideCursor();
void EnableInputMethod(bool on);
// text and caption are Shift-JIS (code page 932). Blocks on the real backend; recorded headless.
int MessageBox(WindowHandle owner, const char* text, const char* caption, unsigned flags);
void MessageBeep();
// The full path of the running program; 0 on failure. Bounded to size - 1 characters.
std::size_t GetModuleFileName(char* buffer, std::size_t size);

}  // namespace plat
