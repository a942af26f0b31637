// The window's message queue and the window-system calls over it. Fixed storage: nothing here
// allocates once the window exists.
#include <cstring>

#include "platform/backend.h"
#include "platform/host/desktop_grabs.h"
#include "platform/window_system.h"

namespace plat {
namespace {

constexpr int kQueueCapacity = 1024;
// The last places of the queue are kept for the messages that end the program: a queue flooded with
// input must still close the window and end the loop.
constexpr int kReservedPlaces = 16;

struct QueueState {
  Message ring[kQueueCapacity];
  int head = 0;
  int count = 0;
  bool quitPosted = false;
  int quitCode = 0;
  WindowClass windowClass;
  char className[64] = {};
  WindowHandle mainWindow = kNoWindow;
  bool keyDown[kVirtualKeyCount] = {};
  unsigned lastError = ERROR_SUCCESS;  // why the last SetForegroundWindow failed
};

QueueState& State() {
  static QueueState state;
  return state;
}

bool EndsTheProgram(std::uint32_t message) {
  return message == WM_CLOSE || message == WM_DESTROY || message == WM_QUIT;
}

Message& At(int index) { return State().ring[(State().head + index) % kQueueCapacity]; }

// A full queue drops the newest input, as a real one would, but never a message that ends the program:
// those may use the reserved places, and when even those are taken, one takes the place of the newest
// other message. A queue holding nothing but such messages already holds one of the same kind.
void Push(const Message& message) {
  QueueState& q = State();
  const bool vital = EndsTheProgram(message.message);
  if (q.count < kQueueCapacity - kReservedPlaces || (vital && q.count < kQueueCapacity)) {
    At(q.count) = message;
    ++q.count;
    return;
  }
  if (!vital) return;
  for (int i = q.count - 1; i >= 0; --i) {
    if (EndsTheProgram(At(i).message)) continue;
    for (int j = i; j + 1 < q.count; ++j) At(j) = At(j + 1);
    At(q.count - 1) = message;
    return;
  }
}

// Shift, Ctrl and Alt each stand for two keys; the message tells which hand's key moved (the right
// Shift by its scan code, the right Ctrl and Alt by the extended-key bit). 0 for every other key.
int HandKey(int vk, LParam lParam) {
  switch (vk) {
    case VK_SHIFT: return ((lParam >> 16) & 0xFF) == kScanCodeRightShift ? VK_RSHIFT : VK_LSHIFT;
    case VK_CONTROL: return (lParam & kExtendedKeyBit) != 0 ? VK_RCONTROL : VK_LCONTROL;
    case VK_MENU: return (lParam & kExtendedKeyBit) != 0 ? VK_RMENU : VK_LMENU;
    default: return 0;
  }
}

// The shared key reads down while either hand's key is down.
void TrackKey(int vk, LParam lParam, bool isDown) {
  bool* down = State().keyDown;
  const int hand = HandKey(vk, lParam);
  if (hand == 0) {
    down[vk] = isDown;
    return;
  }
  down[hand] = isDown;
  const int left = hand & ~1;  // each left-hand code is even, its right-hand partner the next one
  down[vk] = down[left] || down[left + 1];
}

void TrackInputState(const Message& message) {
  bool* down = State().keyDown;
  const int vk = static_cast<int>(message.wParam & 0xFF);
  switch (message.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: TrackKey(vk, message.lParam, true); break;
    case WM_KEYUP:
    case WM_SYSKEYUP: TrackKey(vk, message.lParam, false); break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: down[VK_LBUTTON] = true; break;
    case WM_LBUTTONUP: down[VK_LBUTTON] = false; break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK: down[VK_RBUTTON] = true; break;
    case WM_RBUTTONUP: down[VK_RBUTTON] = false; break;
    default: break;
  }
}

}  // namespace

namespace detail {
void PostNative(std::uint32_t message, WParam wParam, LParam lParam) {
  QueueState& q = State();
  if (q.mainWindow == kNoWindow) return;
  if (message == WM_ACTIVATEAPP) GrabsForFocus(wParam != 0);
  if (!q.windowClass.doubleClicks) {
    if (message == WM_LBUTTONDBLCLK) message = WM_LBUTTONDOWN;
    if (message == WM_RBUTTONDBLCLK) message = WM_RBUTTONDOWN;
  }
  Push(Message{q.mainWindow, message, wParam, lParam});
}

// Puts the queue back to its first state (the headless host calls it between runs).
void ResetQueue() {
  QueueState& q = State();
  q.head = 0;
  q.count = 0;
  q.quitPosted = false;
  q.quitCode = 0;
  q.mainWindow = kNoWindow;
  std::memset(q.keyDown, 0, sizeof q.keyDown);
  ResetGrabs();
}
}  // namespace detail

void RegisterWindowClass(const WindowClass& windowClass) {
  QueueState& q = State();
  q.windowClass = windowClass;
  std::strncpy(q.className, windowClass.className ? windowClass.className : "", sizeof q.className - 1);
  q.windowClass.className = q.className;
}

WindowHandle CreateMainWindow(const char* className, const char* title, bool fullScreen, int logicalWidth,
                              int logicalHeight) {
  QueueState& q = State();
  if (q.mainWindow != kNoWindow || q.windowClass.procedure == nullptr) return kNoWindow;
  if (std::strcmp(className, q.className) != 0) return kNoWindow;
  if (!backend::CreateWindow(title, fullScreen, logicalWidth, logicalHeight)) return kNoWindow;
  q.mainWindow = kMainWindow;
  detail::GrabsForNewWindow(fullScreen);
  backend::AnnounceWindow(className, title);
  return q.mainWindow;
}

void ShowMainWindow(WindowHandle window) {
  if (window != State().mainWindow || window == kNoWindow) return;
  backend::ShowWindow();
  // Showing the window activates the program.
  detail::PostNative(WM_ACTIVATEAPP, 1, 0);
}

bool DestroyWindow(WindowHandle window) {
  QueueState& q = State();
  if (window == kNoWindow || window != q.mainWindow) return false;
  SendMessage(window, WM_DESTROY, 0, 0);
  detail::GrabsForFocus(false);
  backend::DestroyWindow();
  q.mainWindow = kNoWindow;
  return true;
}

WindowHandle MainWindow() { return State().mainWindow; }

WindowHandle FindWindow(const char* className, const char* title) {
  return backend::FindForeignWindow(className, title) ? kForeignWindow : kNoWindow;
}

bool SetForegroundWindow(WindowHandle window) {
  QueueState& q = State();
  q.lastError = ERROR_SUCCESS;
  if (window == kForeignWindow) {
    bool wentAway = false;
    if (backend::RaiseForeignWindow(wentAway)) return true;
    q.lastError = wentAway ? ERROR_INVALID_WINDOW_HANDLE : ERROR_TIMEOUT;
    return false;
  }
  if (window == kMainWindow && q.mainWindow == kMainWindow) {
    backend::RaiseWindow();
    return true;
  }
  q.lastError = ERROR_INVALID_WINDOW_HANDLE;
  return false;
}

unsigned GetLastError() { return State().lastError; }

bool PeekMessage(Message& out, bool remove) {
  backend::PumpEvents(false);
  QueueState& q = State();
  if (q.count > 0) {
    out = q.ring[q.head];
    if (remove) {
      q.head = (q.head + 1) % kQueueCapacity;
      --q.count;
      TrackInputState(out);
    }
    return true;
  }
  if (q.quitPosted) {
    out = Message{kNoWindow, WM_QUIT, static_cast<WParam>(q.quitCode), 0};
    if (remove) q.quitPosted = false;
    return true;
  }
  return false;
}

void WaitMessage() {
  QueueState& q = State();
  while (q.count == 0 && !q.quitPosted) backend::PumpEvents(true);
}

void TranslateMessage(const Message&) {
  // The game reads key-down messages only; no character messages are made.
}

LResult DispatchMessage(const Message& message) {
  QueueState& q = State();
  if (message.window == kNoWindow || message.window != q.mainWindow || q.windowClass.procedure == nullptr) return 0;
  return q.windowClass.procedure(message.window, message.message, message.wParam, message.lParam);
}

bool PostMessage(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam) {
  if (window == kNoWindow || window != State().mainWindow) return false;
  Push(Message{window, message, wParam, lParam});
  return true;
}

LResult SendMessage(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam) {
  QueueState& q = State();
  if (window == kNoWindow || window != q.mainWindow || q.windowClass.procedure == nullptr) return 0;
  return q.windowClass.procedure(window, message, wParam, lParam);
}

void PostQuitMessage(int exitCode) {
  QueueState& q = State();
  q.quitPosted = true;
  q.quitCode = exitCode;
}

LResult DefWindowProc(WindowHandle window, std::uint32_t message, WParam wParam, LParam) {
  switch (message) {
    case WM_CLOSE: DestroyWindow(window); return 0;
    case WM_SYSKEYDOWN:
      if (wParam == VK_F4) SendMessage(window, WM_SYSCOMMAND, SC_CLOSE, 0);
      return 0;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_CLOSE) PostMessage(window, WM_CLOSE, 0, 0);
      return 0;
    default: return 0;
  }
}

short GetKeyState(int virtualKey) {
  if (virtualKey < 0 || virtualKey >= kVirtualKeyCount) return 0;
  return State().keyDown[virtualKey] ? static_cast<short>(0x80) : 0;
}

}  // namespace plat
