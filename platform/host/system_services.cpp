// Clocks, the named mutex, cursor, message box, beep and program path over the backend.
#include <cstdio>
#include <string>

#include "platform/backend.h"
#include "platform/host/desktop_grabs.h"
#include "platform/text_encoding.h"
#include "platform/window_system.h"

namespace plat {

bool QueryPerformanceFrequency(std::int64_t& frequency) {
  frequency = backend::CounterFrequency();
  return frequency > 0;
}

bool QueryPerformanceCounter(std::int64_t& counter) {
  counter = backend::Counter();
  return true;
}

std::uint32_t TimeGetTime() { return backend::Milliseconds(); }

bool TimeGetMinimumPeriod(unsigned& periodMs) {
  periodMs = 1;
  return true;
}

void TimeBeginPeriod(unsigned) {}
void TimeEndPeriod(unsigned) {}
void Sleep(std::uint32_t milliseconds) { backend::Sleep(milliseconds); }
std::time_t CalendarTime() { return backend::CalendarTime(); }
void IdleUntilCounter(std::int64_t dueCounter) { backend::IdleUntilCounter(dueCounter); }
void NotifyFrameGranted() { backend::FrameGranted(); }
void NotifyFrameDone() { backend::FrameDone(); }

MutexHandle CreateNamedMutex(const char* name, bool& alreadyExists) {
  alreadyExists = false;
  return backend::CreateMutex(name, alreadyExists);
}

void ReleaseNamedMutex(MutexHandle handle) { backend::ReleaseMutex(handle); }
const char* CurrentDisplayName() { return backend::DisplayName(); }

// The pointer can only be kept inside the window, which covers the screen in full screen: the
// rectangle itself is not used.
void ClipCursor(const Rect* rect) { detail::GrabsForCursorConfined(rect != nullptr); }
void HideCursor() { detail::GrabsForCursorHidden(true); }
void EnableInputMethod(bool on) { backend::SetTextInput(on); }

int MessageBox(WindowHandle, const char* text, const char* caption, unsigned) {
  const std::string utf8Text = ShiftJisToUtf8(text ? text : "");
  const std::string utf8Caption = ShiftJisToUtf8(caption ? caption : "");
  std::fprintf(stderr, "%s: %s\n", utf8Caption.c_str(), utf8Text.c_str());
  detail::GrabsForMessageBox(true);
  backend::ShowMessageBox(utf8Text.c_str(), utf8Caption.c_str());
  detail::GrabsForMessageBox(false);
  return 1;
}

void MessageBeep() { backend::Beep(); }

std::size_t GetModuleFileName(char* buffer, std::size_t size) {
  if (buffer == nullptr || size == 0) return 0;
  return backend::ModuleFileName(buffer, size);
}

}  // namespace plat
