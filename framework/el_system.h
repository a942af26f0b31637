// elSystem: start-up defaults, the single-instance check, the window procedure with its key commands,
// cursor and input method, the program directory, the error box and the orderly shut-down.
#pragma once
#include <cstdint>

#include "platform/window_system.h"

namespace elSystem {

constexpr int kProgramDirSize = 256;
constexpr int kMutexNameSize = 2048;
constexpr int kFormatSize = 256;
constexpr int kShortFormatSize = 32;

struct FrameworkState {
  plat::WindowHandle mainWindow = plat::kNoWindow;
  int instance = 0;
  int appActive = 0;
  int closingState = 0;  // 0 running, 1 close received first, 2 shut-down done
  int shutdownDone = 0;
  plat::MutexHandle mutex = 0;
  bool mutexHeld = false;
  char mutexName[kMutexNameSize] = {};
  int windowLeft = 0;
  int windowTop = 0;
  plat::Rect presentRect;
  int leftButton = 0;
  int rightButton = 0;
  char programDir[kProgramDirSize] = {};
  int errorFlag = 0;
};
extern FrameworkState Framework;

void InitGlobals();
// 1: this is the only copy on its display; 0: another copy runs there and was brought to the front;
// -1: another copy runs there but did not come to the front (said on stderr).
int CheckSingleInstance(const char* title);
int Init();
void SetActive(int flag);
void ClipCursorRect(int left, int top, int right, int bottom);
void ClipCursorToScreen();
void ReleaseCursorClip();
void FreeCursor();
void EnableIme(int on);
const char* GetProgramDir();
void FormatString(char* buffer, const char* format, ...) __attribute__((format(printf, 2, 3)));
void FormatShortString(char* buffer, const char* format, ...) __attribute__((format(printf, 2, 3)));
int ErrorBox(const char* label, const char* message, std::int64_t code);
void ErrorBeep();
int Shutdown();
plat::LResult WindowProc(plat::WindowHandle window, std::uint32_t message, plat::WParam wParam, plat::LParam lParam);
void StaticInit();
void StaticExit();

}  // namespace elSystem
