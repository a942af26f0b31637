// Loaded into the game with LD_PRELOAD, it stands in front of every SDL function the game calls and
// counts the calls made on the main thread (the process's first) and, by name, those made on any
// other. When the program ends it writes them to $TESSIVANE_SDL_THREAD_REPORT.<pid>:
//   main N
//   other SDL_Name COUNT      (one line per function called off the main thread)
// A window check runs the real game under it and fails on any "other" line. The check also makes sure
// every SDL function the program imports is one of those below, so that none slips past.
#include <SDL.h>
#include <dlfcn.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct OffMain {
  const char* name = nullptr;
  std::atomic<long> count{0};
};

constexpr int kFunctions = 64;
OffMain offMain[kFunctions];
std::atomic<int> offMainUsed{0};
std::atomic<long> onMain{0};
const pid_t process = getpid();

// One record per function, taken the first time it is called off the main thread.
OffMain& Record(const char* name) {
  const int i = offMainUsed.fetch_add(1);
  if (i >= kFunctions) std::abort();
  offMain[i].name = name;
  return offMain[i];
}

bool OnMainThread() { return static_cast<pid_t>(syscall(SYS_gettid)) == getpid(); }

void* Next(const char* name) {
  void* real = dlsym(RTLD_NEXT, name);
  if (real == nullptr) {
    std::fprintf(stderr, "sdl_thread_shim: %s not found\n", name);
    std::abort();
  }
  return real;
}

struct Report {
  ~Report() {
    const char* base = std::getenv("TESSIVANE_SDL_THREAD_REPORT");
    if (base == nullptr || getpid() != process) return;
    char path[512];
    std::snprintf(path, sizeof path, "%s.%d", base, static_cast<int>(process));
    FILE* out = std::fopen(path, "w");
    if (out == nullptr) return;
    std::fprintf(out, "main %ld\n", onMain.load());
    const int used = offMainUsed.load();
    for (int i = 0; i < used && i < kFunctions; ++i) std::fprintf(out, "other %s %ld\n", offMain[i].name, offMain[i].count.load());
    std::fclose(out);
  }
} report;

}  // namespace

#define FORWARD(ret, name, params, args)                                            \
  extern "C" ret name params {                                                      \
    static const auto real = reinterpret_cast<decltype(&name)>(Next(#name));        \
    if (OnMainThread()) {                                                           \
      onMain.fetch_add(1);                                                          \
    } else {                                                                        \
      static OffMain& record = Record(#name);                                       \
      record.count.fetch_add(1);                                                    \
    }                                                                               \
    return real args;                                                               \
  }

FORWARD(void, SDL_CloseAudioDevice, (SDL_AudioDeviceID d), (d))
FORWARD(SDL_Renderer*, SDL_CreateRenderer, (SDL_Window* w, int i, Uint32 f), (w, i, f))
FORWARD(SDL_Texture*, SDL_CreateTexture, (SDL_Renderer* r, Uint32 f, int a, int w, int h), (r, f, a, w, h))
FORWARD(SDL_Window*, SDL_CreateWindow, (const char* t, int x, int y, int w, int h, Uint32 f), (t, x, y, w, h, f))
FORWARD(void, SDL_Delay, (Uint32 ms), (ms))
FORWARD(void, SDL_DestroyRenderer, (SDL_Renderer* r), (r))
FORWARD(void, SDL_DestroyTexture, (SDL_Texture* t), (t))
FORWARD(void, SDL_DestroyWindow, (SDL_Window* w), (w))
FORWARD(const char*, SDL_GetCurrentVideoDriver, (void), ())
FORWARD(int, SDL_GetDesktopDisplayMode, (int i, SDL_DisplayMode* m), (i, m))
FORWARD(int, SDL_GetDisplayBounds, (int i, SDL_Rect* r), (i, r))
FORWARD(const char*, SDL_GetError, (void), ())
FORWARD(const char*, SDL_GetHint, (const char* n), (n))
FORWARD(const char*, SDL_GetPixelFormatName, (Uint32 f), (f))
FORWARD(Uint64, SDL_GetPerformanceCounter, (void), ())
FORWARD(Uint64, SDL_GetPerformanceFrequency, (void), ())
FORWARD(SDL_Renderer*, SDL_GetRenderer, (SDL_Window* w), (w))
FORWARD(int, SDL_GetRendererInfo, (SDL_Renderer* r, SDL_RendererInfo* i), (r, i))
FORWARD(Uint32, SDL_GetWindowFlags, (SDL_Window* w), (w))
FORWARD(SDL_Surface*, SDL_GetWindowSurface, (SDL_Window* w), (w))
FORWARD(int, SDL_InitSubSystem, (Uint32 f), (f))
FORWARD(int, SDL_LockTexture, (SDL_Texture* t, const SDL_Rect* r, void** p, int* pitch), (t, r, p, pitch))
FORWARD(SDL_AudioDeviceID, SDL_OpenAudioDevice,
        (const char* d, int c, const SDL_AudioSpec* want, SDL_AudioSpec* have, int a), (d, c, want, have, a))
FORWARD(void, SDL_PauseAudioDevice, (SDL_AudioDeviceID d, int p), (d, p))
FORWARD(int, SDL_PollEvent, (SDL_Event* e), (e))
FORWARD(void, SDL_PumpEvents, (void), ())
FORWARD(void, SDL_QuitSubSystem, (Uint32 f), (f))
FORWARD(void, SDL_RaiseWindow, (SDL_Window* w), (w))
FORWARD(int, SDL_RenderClear, (SDL_Renderer* r), (r))
FORWARD(int, SDL_RenderCopy, (SDL_Renderer* r, SDL_Texture* t, const SDL_Rect* s, const SDL_Rect* d), (r, t, s, d))
FORWARD(void, SDL_RenderPresent, (SDL_Renderer* r), (r))
FORWARD(int, SDL_RenderReadPixels, (SDL_Renderer* r, const SDL_Rect* a, Uint32 f, void* p, int pitch), (r, a, f, p, pitch))
FORWARD(int, SDL_RenderSetLogicalSize, (SDL_Renderer* r, int w, int h), (r, w, h))
FORWARD(int, SDL_RenderSetVSync, (SDL_Renderer* r, int v), (r, v))
FORWARD(void, SDL_RestoreWindow, (SDL_Window* w), (w))
FORWARD(SDL_bool, SDL_SetHint, (const char* n, const char* v), (n, v))
FORWARD(int, SDL_SetRenderDrawColor, (SDL_Renderer* r, Uint8 cr, Uint8 cg, Uint8 cb, Uint8 ca), (r, cr, cg, cb, ca))
FORWARD(int, SDL_SetWindowFullscreen, (SDL_Window* w, Uint32 f), (w, f))
FORWARD(void, SDL_SetWindowKeyboardGrab, (SDL_Window* w, SDL_bool g), (w, g))
FORWARD(void, SDL_SetWindowMouseGrab, (SDL_Window* w, SDL_bool g), (w, g))
FORWARD(int, SDL_ShowCursor, (int t), (t))
FORWARD(int, SDL_ShowSimpleMessageBox, (Uint32 f, const char* t, const char* m, SDL_Window* w), (f, t, m, w))
FORWARD(void, SDL_ShowWindow, (SDL_Window* w), (w))
FORWARD(void, SDL_StartTextInput, (void), ())
FORWARD(void, SDL_StopTextInput, (void), ())
FORWARD(void, SDL_UnlockTexture, (SDL_Texture* t), (t))
FORWARD(int, SDL_UpdateTexture, (SDL_Texture* t, const SDL_Rect* r, const void* p, int pitch), (t, r, p, pitch))
FORWARD(int, SDL_UpdateWindowSurfaceRects, (SDL_Window* w, const SDL_Rect* r, int n), (w, r, n))
FORWARD(int, SDL_WaitEventTimeout, (SDL_Event* e, int ms), (e, ms))
