// The SDL2 backend behind window_system.h: one full-screen window showing the game's logical picture
// scaled with its aspect kept (sdl_video.cpp), keyboard and mouse buttons turned into window messages, real clocks,
// and a single-instance lock that lets a second copy bring the first to the front.
#include <SDL.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include "platform/backend.h"
#include "platform/sdl/display_name.h"
#include "platform/sdl/instance_sockets.h"
#include "platform/sdl/sdl_keymap.h"
#include "platform/sound_device.h"
#include "platform/sdl/sdl_video.h"
#include "platform/window_system.h"

namespace plat::backend {
namespace {

struct SdlState {
  bool videoStarted = false;
  bool videoRefused = false;  // could not start, or only with a driver that shows nothing: said once
  std::string display;        // the display the window shows on (display_name.h)
  SDL_Window* window = nullptr;
  bool fullScreen = false;  // made to cover the desktop; brought back that way
  bool repaintDue = false;  // the window lost its picture in the events taken so far
};

SdlState& S() {
  static SdlState state;
  return state;
}

// Where no display opens (DISPLAY unset: an ssh session, a service) SDL falls back to a driver that
// shows nothing, and the game would run unseen holding the single-instance lock: such a driver is used
// only when SDL_VIDEODRIVER asks for it.
bool StartVideo() {
  SdlState& s = S();
  if (s.videoStarted) return true;
  if (s.videoRefused) return false;
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
    std::fprintf(stderr, "SDL video: %s\n", SDL_GetError());
    s.videoRefused = true;
    return false;
  }
  const char* driver = SDL_GetCurrentVideoDriver();
  const char* x = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  if (sdl::ShowsNothing(driver) && !sdl::AskedFor(driver, SDL_GetHint(SDL_HINT_VIDEODRIVER))) {
    std::fprintf(stderr,
                 "SDL video: no display could be opened (DISPLAY=%s, WAYLAND_DISPLAY=%s); SDL's \"%s\" driver "
                 "shows nothing and is used only when SDL_VIDEODRIVER names it\n",
                 x ? x : "(unset)", wayland ? wayland : "(unset)", driver);
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
    s.videoRefused = true;
    return false;
  }
  s.display = sdl::DisplayName(driver, x, wayland, std::getenv("XDG_RUNTIME_DIR"));
  s.videoStarted = true;
  return true;
}

// The lock and the window's raise socket are one per display: "<kind>:<name>@<display>".
std::string OnDisplay(const char* kind, const std::string& name) {
  return std::string(kind) + ":" + name + "@" + S().display;
}

std::string WindowSocketName(const char* className, const char* title) {
  return OnDisplay("window", std::string(className) + ":" + title);
}

// On the main thread: another copy's request brings the window back, however many came at once, and
// only then are they answered.
void AcceptRaiseRequests() {
  if (sdl::TakeRaiseRequests(Milliseconds()) == 0) return;
  RaiseWindow();
  sdl::AnswerRaiseRequests();
}

void PostWindowEvent(const SDL_WindowEvent& e) {
  switch (e.event) {
    case SDL_WINDOWEVENT_FOCUS_GAINED: detail::PostNative(WM_ACTIVATEAPP, 1, 0); break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
      detail::PostNative(WM_ACTIVATEAPP, 0, 0);
      sdl::WindowLostFocus();
      break;
    case SDL_WINDOWEVENT_MOVED:
      // The primary surface is the window's own picture, not the desktop: wherever the window lies on
      // the desktop (another monitor, moved by the window manager), its picture starts at the
      // primary's origin. Desktop coordinates would put the present rectangle outside the primary and
      // the picture would stop reaching the screen.
      detail::PostNative(WM_MOVE, 0, 0);
      break;
    case SDL_WINDOWEVENT_ENTER: detail::PostNative(WM_SETCURSOR, 0, 0); break;
    // The window lost its picture: shown again (SDL announces a change of size first and makes the
    // window a new, empty surface), out of the minimised state, resized or uncovered. A paused game
    // draws nothing, so the last picture goes up again at once.
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
    case SDL_WINDOWEVENT_EXPOSED: S().repaintDue = true; break;
    default: break;
  }
}

// Once every waiting event is taken (each pass of the main loop, and of its wait while inactive,
// drains them here): a window coming back brings several (a change of size, shown, restored,
// exposed), and one repaint, on the surface as it is after them all, answers them.
void RepaintIfDue() {
  if (!S().repaintDue) return;
  S().repaintDue = false;
  sdl::RepaintWindow();
}

void PostEvent(const SDL_Event& e) {
  switch (e.type) {
    case SDL_QUIT: detail::PostNative(WM_CLOSE, 0, 0); break;
    case SDL_WINDOWEVENT: PostWindowEvent(e.window); break;
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
      const int vk = sdl::VirtualKeyFromSdl(e.key.keysym.sym);
      if (vk == 0) break;
      const bool alt = (e.key.keysym.mod & KMOD_ALT) != 0 || vk == VK_MENU;
      const bool down = e.type == SDL_KEYDOWN;
      const std::uint32_t message = down ? (alt ? WM_SYSKEYDOWN : WM_KEYDOWN) : (alt ? WM_SYSKEYUP : WM_KEYUP);
      const LParam flags = sdl::KeySideBits(e.key.keysym.sym) | (e.key.repeat ? kKeyRepeatBit : 0);
      detail::PostNative(message, static_cast<WParam>(vk), flags);
      break;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      const bool down = e.type == SDL_MOUSEBUTTONDOWN;
      const bool twice = down && e.button.clicks == 2;
      if (e.button.button == SDL_BUTTON_LEFT) {
        detail::PostNative(down ? (twice ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN) : WM_LBUTTONUP, 0, 0);
      } else if (e.button.button == SDL_BUTTON_RIGHT) {
        detail::PostNative(down ? (twice ? WM_RBUTTONDBLCLK : WM_RBUTTONDOWN) : WM_RBUTTONUP, 0, 0);
      }
      break;
    }
    default: break;
  }
}

}  // namespace

// Full screen, the window itself is made at (0, 0) with the desktop's size, without a frame: a window
// manager that honours full screen keeps it so, and on a bare X display (no window manager) it still
// covers the screen, where a window of the picture's size would stay that size and show only part of
// the scaled picture. Otherwise a framed window of the picture's size, centred.
bool CreateWindow(const char* title, bool fullScreen, int logicalWidth, int logicalHeight) {
  if (!StartVideo()) return false;
  SDL_Window* window = nullptr;
  if (fullScreen) {
    SDL_Rect desktop{0, 0, logicalWidth, logicalHeight};
    SDL_DisplayMode mode;
    if (SDL_GetDisplayBounds(0, &desktop) != 0 && SDL_GetDesktopDisplayMode(0, &mode) == 0) {
      desktop = SDL_Rect{0, 0, mode.w, mode.h};
    }
    window = SDL_CreateWindow(title, desktop.x, desktop.y, desktop.w, desktop.h,
                              SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS | SDL_WINDOW_FULLSCREEN_DESKTOP);
  } else {
    window = SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, logicalWidth, logicalHeight,
                              SDL_WINDOW_HIDDEN);
  }
  if (window == nullptr) {
    std::fprintf(stderr, "SDL window: %s\n", SDL_GetError());
    return false;
  }
  S().window = window;
  S().fullScreen = fullScreen;
  sdl::AttachVideo(window, logicalWidth, logicalHeight);
  return true;
}

void ShowWindow() {
  if (S().window == nullptr) return;
  SDL_ShowWindow(S().window);
  SDL_RaiseWindow(S().window);
}

void DestroyWindow() {
  SdlState& s = S();
  sdl::DetachVideo();
  if (s.window != nullptr) SDL_DestroyWindow(s.window);
  s.window = nullptr;
  sdl::StopListening();
}

// Brought to the front so that the player sees it: shown, out of the minimised state, full screen
// again where it was made so (a window manager may have taken that away with the minimising), raised
// and given the focus.
void RaiseWindow() {
  SdlState& s = S();
  if (s.window == nullptr) return;
  SDL_ShowWindow(s.window);
  SDL_RestoreWindow(s.window);
  if (s.fullScreen && (SDL_GetWindowFlags(s.window) & SDL_WINDOW_FULLSCREEN_DESKTOP) != SDL_WINDOW_FULLSCREEN_DESKTOP) {
    SDL_SetWindowFullscreen(s.window, SDL_WINDOW_FULLSCREEN_DESKTOP);
  }
  SDL_RaiseWindow(s.window);
}

// Another copy's raise requests are looked for once per granted frame while the game runs, and on
// every pass of the wait while it is inactive (at least ten times a second), never on each pass of
// the frame wait.
void PumpEvents(bool wait) {
  plat::audio::DeliverNotifications();
  if (!S().videoStarted) return;
  SDL_Event e;
  if (wait) {
    AcceptRaiseRequests();
    if (SDL_WaitEventTimeout(&e, 100) == 1) PostEvent(e);
  }
  while (SDL_PollEvent(&e) == 1) PostEvent(e);
  RepaintIfDue();
}

std::int64_t CounterFrequency() { return static_cast<std::int64_t>(SDL_GetPerformanceFrequency()); }
std::int64_t Counter() { return static_cast<std::int64_t>(SDL_GetPerformanceCounter()); }

std::uint32_t Milliseconds() {
  timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<std::uint32_t>(static_cast<std::uint64_t>(ts.tv_sec) * 1000u +
                                    static_cast<std::uint64_t>(ts.tv_nsec) / 1000000u);
}

void Sleep(std::uint32_t milliseconds) { SDL_Delay(milliseconds); }
std::time_t CalendarTime() { return std::time(nullptr); }

// Waiting for the next frame sleeps instead of spinning: for the window's events until about a
// millisecond before the frame is due (an event ends the wait early and is queued), then for the
// rest of the time. The main loop thus passes a few times per frame, plus once per event.
void IdleUntilCounter(std::int64_t dueCounter) {
  const std::int64_t frequency = CounterFrequency();
  const std::int64_t remaining = dueCounter - Counter();
  if (remaining <= 0 || frequency <= 0) return;
  const std::int64_t wholeMs = remaining * 1000 / frequency;
  if (wholeMs >= 2 && S().videoStarted) {
    SDL_Event e;
    if (SDL_WaitEventTimeout(&e, static_cast<int>(wholeMs - 1)) == 1) PostEvent(e);
    return;
  }
  const std::int64_t ns = remaining * 1000000000 / frequency;
  const timespec pause{static_cast<time_t>(ns / 1000000000), static_cast<long>(ns % 1000000000)};
  nanosleep(&pause, nullptr);
}

void FrameGranted() { AcceptRaiseRequests(); }
void FrameDone() {}

// The lock belongs to the display the game shows on, so the video starts first to learn which. Without
// a display no lock is taken: the window cannot be made either, and the start fails there.
int CreateMutex(const char* name, bool& alreadyExists) {
  if (!StartVideo()) return 0;
  const int socket = sdl::TakeInstanceLock(OnDisplay("mutex", name).c_str(), alreadyExists);
  return socket >= 0 ? socket + 1 : 0;
}

// The window takes no more requests from the moment the lock is let go, though it stays on the screen
// a little longer: the copy that takes the lock next must be able to listen under the window's name,
// and a start that asked this one learns at once that it is quitting.
void ReleaseMutex(int handle) {
  sdl::StopListening();
  sdl::DropInstanceLock(handle - 1);
}

const char* DisplayName() { return S().display.c_str(); }

bool FindForeignWindow(const char* className, const char* title) {
  return sdl::ConnectForRaise(WindowSocketName(className, title).c_str());
}

// The first copy takes the request in its main loop (at least ten times a second, even while it is
// minimised), brings its window to the front, then answers; a copy that does not answer within the
// wait (stopped, or hung) did not come to the front.
bool RaiseForeignWindow(bool& wentAway) {
  const sdl::RaiseAnswer answer = sdl::SendRaiseRequest(2000);
  wentAway = answer == sdl::RaiseAnswer::Closed;
  return answer == sdl::RaiseAnswer::Shown;
}

// A copy that is quitting lets the name go before its lock, so the name is free by the time this copy
// holds the lock. Should it still be taken, it is waited for a moment; a name that stays taken is said
// on stderr, since no later start could bring this copy to the front.
void AnnounceWindow(const char* className, const char* title) {
  const int error = sdl::ListenForRaiseRequests(WindowSocketName(className, title).c_str(), 2000);
  if (error != 0) {
    std::fprintf(stderr, "%s: a later start cannot bring this copy to the front: listening for it failed (%s)\n",
                 title, std::strerror(error));
  }
}

// SDL grabs the pointer of a window it takes for shown again and again for five seconds, the main
// thread waiting, while the server refuses (the window is hidden), and then never again. A window
// hidden while the game starts is known as hidden only once its events are taken: they are taken
// first, and SDL leaves the grab until the window shows.
void ConfineCursor(bool on) {
  if (S().window == nullptr) return;
  if (on) SDL_PumpEvents();
  SDL_SetWindowMouseGrab(S().window, on ? SDL_TRUE : SDL_FALSE);
}

void ShowCursor(bool visible) {
  if (S().videoStarted) SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

// SDL holds the grab only while the window has the input focus; the grab layer also lets go of it
// on every focus loss and takes it again on the next gain.
void GrabKeyboard(bool on) {
  if (S().window != nullptr) SDL_SetWindowKeyboardGrab(S().window, on ? SDL_TRUE : SDL_FALSE);
}

void SetTextInput(bool on) {
  if (!S().videoStarted) return;
  if (on) {
    SDL_StartTextInput();
  } else {
    SDL_StopTextInput();
  }
}

// The box waits for the player on this thread; every present has ended before it returned, so
// nothing else talks to the display while the box is up.
void ShowMessageBox(const char* utf8Text, const char* utf8Caption) {
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_WARNING, utf8Caption, utf8Text, S().window);
}

void Beep() {
  std::fputc('\a', stderr);
  std::fflush(stderr);
}

std::size_t ModuleFileName(char* buffer, std::size_t size) {
  const ssize_t n = readlink("/proc/self/exe", buffer, size - 1);
  if (n <= 0) {
    buffer[0] = '\0';
    return 0;
  }
  buffer[n] = '\0';
  return static_cast<std::size_t>(n);
}

}  // namespace plat::backend
