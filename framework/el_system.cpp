#include "framework/el_system.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "framework/el_draw.h"
#include "framework/el_input.h"
#include "framework/el_sound.h"
#include "game/scene.h"

namespace elSystem {

FrameworkState Framework;

namespace {

// How long a start waits for the copy holding the lock to take its request or to let the lock go, and
// how often it looks again meanwhile.
constexpr std::uint32_t kOtherCopyWaitMs = 2000;
constexpr std::uint32_t kOtherCopyRetryMs = 10;

// Bounded append of `text` to the zero-terminated `buffer` of `size` bytes.
void Append(char* buffer, std::size_t size, const char* text) {
  const std::size_t used = std::strlen(buffer);
  if (used + 1 >= size) return;
  std::strncat(buffer, text, size - used - 1);
}

}  // namespace

void InitGlobals() {
  Framework = FrameworkState{};
  elInput::LastTypedKey = 0;
  SceneState = SceneStateRecord{};
}

// A copy that is quitting stops taking requests and then lets its lock go: a start that meets it
// (nobody takes the request, or the request is closed unanswered) tries the lock again and runs a game
// of its own once the lock is free. A copy still starting takes requests a moment after it holds the
// lock, and is tried again likewise. Only a copy that keeps the lock and does not come to the front
// (stopped, or hung) turns the start away, and the player is told why nothing shows.
int CheckSingleInstance(const char* title) {
  std::snprintf(Framework.mutexName, sizeof Framework.mutexName, "%s:ElMutex", title);
  const std::uint32_t since = plat::TimeGetTime();
  for (;;) {
    bool alreadyExists = false;
    Framework.mutex = plat::CreateNamedMutex(Framework.mutexName, alreadyExists);
    Framework.mutexHeld = Framework.mutex != 0;
    if (!alreadyExists) return 1;
    const plat::WindowHandle window = plat::FindWindow("DEFAULT", title);
    if (plat::SetForegroundWindow(window)) return 0;
    if (plat::GetLastError() == plat::ERROR_TIMEOUT) break;
    // A copy seen going away lets its lock go right after: should that fall at the end of the wait, it
    // is waited for a while longer.
    const bool wentAway = window != plat::kNoWindow;
    if (plat::TimeGetTime() - since >= (wentAway ? 2 : 1) * kOtherCopyWaitMs) break;
    plat::Sleep(kOtherCopyRetryMs);
  }
  std::fprintf(stderr, "%s: a copy is already running on display %s but did not come to the front\n", title,
               plat::CurrentDisplayName());
  return -1;
}

int Init() {
  elInput::ClearTypedKey();
  ClipCursorToScreen();
  return 1;
}

void SetActive(int flag) { Framework.appActive = flag; }

void ClipCursorRect(int left, int top, int right, int bottom) {
  const plat::Rect rect{left, top, right, bottom};
  plat::ClipCursor(&rect);
}

void ClipCursorToScreen() { ClipCursorRect(0, 0, ScreenSize.width, ScreenSize.height); }
void ReleaseCursorClip() { plat::ClipCursor(nullptr); }
void FreeCursor() { ReleaseCursorClip(); }
void EnableIme(int on) { plat::EnableInputMethod(on != 0); }

const char* GetProgramDir() {
  char* dir = Framework.programDir;
  plat::GetModuleFileName(dir, kProgramDirSize);
  char* lastSeparator = std::strrchr(dir, '/');
  if (lastSeparator != nullptr) {
    lastSeparator[1] = '\0';
  } else {
    dir[0] = '\0';
  }
  return dir;
}

void FormatString(char* buffer, const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::vsnprintf(buffer, kFormatSize, format, args);
  va_end(args);
}

void FormatShortString(char* buffer, const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::vsnprintf(buffer, kShortFormatSize, format, args);
  va_end(args);
}

int ErrorBox(const char* label, const char* message, std::int64_t) {
  char text[kFormatSize] = {};
  Append(text, sizeof text, label);
  Append(text, sizeof text, " : ");
  Append(text, sizeof text, message);
  elDraw::FlipToGdiSurface();
  ErrorBeep();
  plat::MessageBox(Framework.mainWindow, text, "エラー発生", 0x1030);
  Framework.errorFlag = 1;
  return 0;
}

void ErrorBeep() { plat::MessageBeep(); }

int Shutdown() {
  if (Framework.shutdownDone == 1) return 1;
  Framework.shutdownDone = 1;
  FreeCursor();
  elDraw::FreeFontDesc();
  elSound::Shutdown();
  elDraw::Shutdown();
  if (Framework.mutexHeld) {
    plat::ReleaseNamedMutex(Framework.mutex);
    Framework.mutexHeld = false;
    Framework.mutex = 0;
  }
  if (Framework.closingState == 0) plat::PostMessage(Framework.mainWindow, plat::WM_CLOSE, 0, 0);
  Framework.closingState = 2;
  return 1;
}

plat::LResult WindowProc(plat::WindowHandle window, std::uint32_t message, plat::WParam wParam, plat::LParam lParam) {
  using namespace plat;
  switch (message) {
    case WM_DESTROY: PostQuitMessage(0); return 0;
    case WM_MOVE: {
      const int x = static_cast<std::int16_t>(lParam & 0xFFFF);
      const int y = static_cast<std::int16_t>((lParam >> 16) & 0xFFFF);
      Framework.windowLeft = x;
      Framework.windowTop = y;
      Framework.presentRect = Rect{x, y, x + ScreenSize.width, y + ScreenSize.height};
      break;
    }
    case WM_CLOSE:
      if (Framework.closingState == 0) {
        Framework.closingState = 1;
        Shutdown();
      } else if (Framework.closingState == 1) {
        Shutdown();
      }
      DestroyWindow(window);
      return 0;
    case WM_ACTIVATEAPP:
      if (wParam != 0) {
        SetActive(1);
        ResetFrameClock();
      } else {
        SetActive(0);
      }
      return 0;
    case WM_SETCURSOR: HideCursor(); return 1;
    case WM_KEYDOWN: elInput::KeyCommand(static_cast<int>(wParam)); break;
    case WM_KEYUP:
      if (static_cast<int>(wParam) == elInput::LastTypedKey) elInput::LastTypedKey = 0;
      break;
    case WM_SYSKEYDOWN: return 0;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_SCREENSAVE) return 0;
      break;
    case MM_MCINOTIFY: elSound::OnMusicNotify(wParam); break;
    case WM_LBUTTONDOWN: Framework.leftButton = 1; break;
    case WM_LBUTTONUP: Framework.leftButton = 0; break;
    case WM_RBUTTONDOWN: Framework.rightButton = 1; break;
    case WM_RBUTTONUP: Framework.rightButton = 0; break;
    default: break;
  }
  return DefWindowProc(window, message, wParam, lParam);
}

void StaticInit() {
  plat::TimeBeginPeriod(1);
  InitFrameTimer(60);
  elDraw::SetVSyncWait(0);
  std::atexit(StaticExit);
}

void StaticExit() { plat::TimeEndPeriod(1); }

}  // namespace elSystem

namespace {
// The start-up hook runs before the program entry, as the framework's static initialisation.
struct StaticHooks {
  StaticHooks() { elSystem::StaticInit(); }
};
const StaticHooks staticHooks;
}  // namespace
