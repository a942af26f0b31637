// The headless host behind window_system.h.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/backend.h"
#include "platform/gdi_text.h"
#include "platform/headless/headless_host.h"
#include "platform/sound_device.h"
#include "platform/window_system.h"

namespace plat::detail {
void ResetQueue();
}

namespace plat::headless {
namespace {

constexpr std::int64_t kFrequency = 1000000000;  // the counter runs in nanoseconds

struct Scheduled {
  int frame;
  std::uint32_t message;
  WParam wParam;
  LParam lParam;
};

struct Host {
  std::int64_t clock = 0;
  std::time_t calendar = 1000000000;
  std::string programPath = "/tmp/tessivane/shooter";
  std::vector<Scheduled> schedule;  // kept sorted by frame (stable)
  std::size_t nextScheduled = 0;
  int granted = 0;
  int finished = 0;
  int frameLimit = 0;
  FrameHook hook = nullptr;
  void* hookUser = nullptr;
  std::vector<std::string> boxes;
  int raises = 0;
  std::set<std::string> mutexes;
  std::vector<std::string> mutexByHandle;
  std::map<std::pair<std::string, std::string>, ForeignCopy> foreignWindows;
  std::pair<std::string, std::string> foreignFound;  // the window FindForeignWindow connected to
  std::pair<std::string, std::string> ownWindow;
  bool windowExists = false;
  bool cursorConfined = false;
  bool cursorHidden = false;
  bool keyboardGrabbed = false;
  bool textInput = true;  // as SDL starts
  std::vector<DesktopHold> holdsAtBoxes;
};

Host& H() {
  static Host host;
  return host;
}

void DeliverDue() {
  Host& h = H();
  while (h.nextScheduled < h.schedule.size() && h.schedule[h.nextScheduled].frame <= h.granted) {
    const Scheduled& s = h.schedule[h.nextScheduled++];
    detail::PostNative(s.message, s.wParam, s.lParam);
  }
}

}  // namespace

void Reset() {
  Host& h = H();
  h = Host{};
  detail::ResetQueue();
  ResetAudio();
  plat::SetFontFiles(nullptr, nullptr);
}

void SetCalendarTime(std::time_t seconds) { H().calendar = seconds; }
void SetProgramPath(const std::string& path) { H().programPath = path; }
void SetFontFiles(const std::string& mincho, const std::string& gothic) {
  plat::SetFontFiles(mincho.empty() ? nullptr : mincho.c_str(), gothic.empty() ? nullptr : gothic.c_str());
}

void ScheduleMessage(int frame, std::uint32_t message, WParam wParam, LParam lParam) {
  Host& h = H();
  const Scheduled s{frame, message, wParam, lParam};
  auto at = std::upper_bound(h.schedule.begin() + static_cast<std::ptrdiff_t>(h.nextScheduled), h.schedule.end(), s,
                             [](const Scheduled& a, const Scheduled& b) { return a.frame < b.frame; });
  h.schedule.insert(at, s);
}

void ScheduleKey(int frame, int virtualKey, bool down) {
  ScheduleMessage(frame, down ? WM_KEYDOWN : WM_KEYUP, static_cast<WParam>(virtualKey), 0);
}

void ScheduleMouseButton(int frame, bool left, bool down) {
  const std::uint32_t message =
      left ? (down ? WM_LBUTTONDOWN : WM_LBUTTONUP) : (down ? WM_RBUTTONDOWN : WM_RBUTTONUP);
  ScheduleMessage(frame, message, 0, 0);
}

void PostInput(std::uint32_t message, WParam wParam, LParam lParam) { detail::PostNative(message, wParam, lParam); }

int GrantedFrames() { return H().granted; }
int FinishedFrames() { return H().finished; }
void SetFrameLimit(int frames) { H().frameLimit = frames; }
void SetFrameDoneHook(FrameHook hook, void* user) {
  H().hook = hook;
  H().hookUser = user;
}
std::int64_t Nanoseconds() { return H().clock; }
void AdvanceClock(std::int64_t nanoseconds) { H().clock += nanoseconds; }
const std::vector<std::string>& MessageBoxes() { return H().boxes; }
void ClearMessageBoxes() { H().boxes.clear(); }
int ForeignRaises() { return H().raises; }
void AddForeignWindow(const std::string& className, const std::string& title, const ForeignCopy& copy) {
  H().foreignWindows[{className, title}] = copy;
}
DesktopHold Holds() {
  const Host& h = H();
  return DesktopHold{h.keyboardGrabbed, h.cursorConfined, h.cursorHidden};
}
const std::vector<DesktopHold>& HoldsAtBoxes() { return H().holdsAtBoxes; }
bool TextInputOn() { return H().textInput; }

}  // namespace plat::headless

namespace plat::backend {
using plat::headless::ForeignCopy;
using plat::headless::H;

bool CreateWindow(const char*, bool, int, int) {
  H().windowExists = true;
  return true;
}
void ShowWindow() {}
void DestroyWindow() { H().windowExists = false; }
void RaiseWindow() {}

void PumpEvents(bool wait) {
  plat::audio::DeliverNotifications();
  auto& h = H();
  plat::headless::DeliverDue();
  if (wait && h.nextScheduled < h.schedule.size() && h.schedule[h.nextScheduled].frame > h.granted) {
    // Nothing real can arrive while the program waits (inactive): let the virtual time that the schedule
    // puts before the next input pass, then deliver it.
    const plat::headless::Scheduled& s = h.schedule[h.nextScheduled++];
    h.clock += static_cast<std::int64_t>(s.frame - h.granted) * (plat::headless::kFrequency / 60);
    detail::PostNative(s.message, s.wParam, s.lParam);
  } else if (wait && h.nextScheduled >= h.schedule.size()) {
    // No input will ever come: ask the program to close rather than wait forever.
    if (plat::MainWindow() != kNoWindow) {
      detail::PostNative(WM_CLOSE, 0, 0);
    } else {
      plat::PostQuitMessage(0);
    }
  }
}

std::int64_t CounterFrequency() { return plat::headless::kFrequency; }
std::int64_t Counter() { return H().clock; }
std::uint32_t Milliseconds() { return static_cast<std::uint32_t>(H().clock / 1000000); }
void Sleep(std::uint32_t milliseconds) { H().clock += static_cast<std::int64_t>(milliseconds) * 1000000; }
std::time_t CalendarTime() { return H().calendar; }
void IdleUntilCounter(std::int64_t dueCounter) { H().clock = std::max(H().clock, dueCounter); }
void FrameGranted() { ++H().granted; }

void FrameDone() {
  auto& h = H();
  const int index = h.finished++;
  if (h.hook != nullptr) h.hook(index, h.hookUser);
  if (h.frameLimit > 0 && h.finished == h.frameLimit) detail::PostNative(WM_CLOSE, 0, 0);
}

int CreateMutex(const char* name, bool& alreadyExists) {
  auto& h = H();
  alreadyExists = !h.mutexes.insert(name).second;
  if (alreadyExists) return 0;
  h.mutexByHandle.emplace_back(name);
  return static_cast<int>(h.mutexByHandle.size());
}

void ReleaseMutex(int handle) {
  auto& h = H();
  if (handle <= 0 || handle > static_cast<int>(h.mutexByHandle.size())) return;
  h.mutexes.erase(h.mutexByHandle[static_cast<std::size_t>(handle - 1)]);
  h.mutexByHandle[static_cast<std::size_t>(handle - 1)].clear();
}

bool FindForeignWindow(const char* className, const char* title) {
  auto& h = H();
  const auto found = h.foreignWindows.find({className, title});
  if (found == h.foreignWindows.end() || Milliseconds() < found->second.listensFromMs) return false;
  h.foreignFound = found->first;
  return true;
}

bool RaiseForeignWindow(bool& wentAway) {
  auto& h = H();
  ++h.raises;
  wentAway = false;
  const auto found = h.foreignWindows.find(h.foreignFound);
  if (found == h.foreignWindows.end()) return false;
  const ForeignCopy copy = found->second;
  if (copy.answer == ForeignCopy::Answer::Closes) {
    // Quitting: the window goes, and the lock with it.
    h.foreignWindows.erase(found);
    h.mutexes.erase(copy.lock);
    for (std::string& held : h.mutexByHandle) {
      if (held == copy.lock) held.clear();
    }
    wentAway = true;
  }
  return copy.answer == ForeignCopy::Answer::Shown;
}

void AnnounceWindow(const char* className, const char* title) { H().ownWindow = {className, title}; }
const char* DisplayName() { return "headless"; }

void ConfineCursor(bool on) { H().cursorConfined = on; }
void ShowCursor(bool visible) { H().cursorHidden = !visible; }
void GrabKeyboard(bool on) { H().keyboardGrabbed = on; }
void SetTextInput(bool on) { H().textInput = on; }

void ShowMessageBox(const char* utf8Text, const char* utf8Caption) {
  H().boxes.push_back(std::string(utf8Caption) + ": " + utf8Text);
  H().holdsAtBoxes.push_back(plat::headless::Holds());
}

void Beep() {}  // the headless host has no speaker

std::size_t ModuleFileName(char* buffer, std::size_t size) {
  const std::string& path = H().programPath;
  const std::size_t n = std::min(path.size(), size - 1);
  std::memcpy(buffer, path.data(), n);
  buffer[n] = '\0';
  return n;
}

}  // namespace plat::backend
