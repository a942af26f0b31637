// The handful of window-system names the framework speaks: message numbers, virtual-key codes and
// the message record. The values are the classic desktop ones so the framework reads like its own
// platform code, but everything behind them is ours (see message_queue.h and backend.h).
#pragma once
#include <cstdint>

namespace plat {

using WindowHandle = int;            // 0: no window; 1: this program's window; other values: foreign
constexpr WindowHandle kNoWindow = 0;
constexpr WindowHandle kMainWindow = 1;
constexpr WindowHandle kForeignWindow = 2;

using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using LResult = std::intptr_t;

struct Message {
  WindowHandle window = kNoWindow;
  std::uint32_t message = 0;
  WParam wParam = 0;
  LParam lParam = 0;
};

using WindowProcedure = LResult (*)(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam);

// Message numbers.
enum : std::uint32_t {
  WM_NULL = 0x0000,
  WM_DESTROY = 0x0002,
  WM_MOVE = 0x0003,
  WM_CLOSE = 0x0010,
  WM_QUIT = 0x0012,
  WM_ACTIVATEAPP = 0x001C,
  WM_SETCURSOR = 0x0020,
  WM_KEYDOWN = 0x0100,
  WM_KEYUP = 0x0101,
  WM_CHAR = 0x0102,
  WM_SYSKEYDOWN = 0x0104,
  WM_SYSKEYUP = 0x0105,
  WM_SYSCOMMAND = 0x0112,
  WM_LBUTTONDOWN = 0x0201,
  WM_LBUTTONUP = 0x0202,
  WM_LBUTTONDBLCLK = 0x0203,
  WM_RBUTTONDOWN = 0x0204,
  WM_RBUTTONUP = 0x0205,
  WM_RBUTTONDBLCLK = 0x0206,
  MM_MCINOTIFY = 0x03B9,
};

constexpr WParam SC_SCREENSAVE = 0xF140;
constexpr WParam SC_CLOSE = 0xF060;
constexpr WParam MCI_NOTIFY_SUCCESSFUL = 1;
constexpr WParam MCI_NOTIFY_SUPERSEDED = 2;
constexpr WParam MCI_NOTIFY_ABORTED = 4;
constexpr WParam MCI_NOTIFY_FAILURE = 8;

// Virtual-key codes the game reads.
enum : int {
  VK_LBUTTON = 0x01,
  VK_RBUTTON = 0x02,
  VK_BACK = 0x08,
  VK_TAB = 0x09,
  VK_RETURN = 0x0D,
  VK_SHIFT = 0x10,
  VK_CONTROL = 0x11,
  VK_MENU = 0x12,
  VK_PAUSE = 0x13,
  VK_ESCAPE = 0x1B,
  VK_SPACE = 0x20,
  VK_LEFT = 0x25,
  VK_UP = 0x26,
  VK_RIGHT = 0x27,
  VK_DOWN = 0x28,
  VK_F4 = 0x73,
  VK_LSHIFT = 0xA0,  // the left- and right-hand keys behind Shift, Ctrl and Alt
  VK_RSHIFT = 0xA1,
  VK_LCONTROL = 0xA2,
  VK_RCONTROL = 0xA3,
  VK_LMENU = 0xA4,
  VK_RMENU = 0xA5,
  // Letters and digits are their upper-case ASCII codes ('A' 65 .. 'Z' 90, '0' 48 .. '9' 57).
};

constexpr int kVirtualKeyCount = 256;

// A key message's lParam: bits 16-23 the key's scan code, bit 24 set for the extended keys (the
// right-hand Ctrl and Alt among them), bit 30 set when the key was already down (auto-repeat).
constexpr int kScanCodeLeftShift = 0x2A;
constexpr int kScanCodeRightShift = 0x36;
constexpr int kScanCodeControl = 0x1D;
constexpr int kScanCodeAlt = 0x38;
constexpr LParam kExtendedKeyBit = LParam{1} << 24;
constexpr LParam kKeyRepeatBit = 0x40000000;
constexpr LParam KeyScanCode(int scanCode) { return static_cast<LParam>(scanCode & 0xFF) << 16; }

}  // namespace plat
