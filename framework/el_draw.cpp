#include "framework/el_draw.h"

#include <cstring>

#include "platform/backend.h"

ScreenSizeRecord ScreenSize;
ScreenTransitionRecord ScreenTransition;

namespace elDraw {
namespace {
constexpr int kMaxPixels = 800 * 600;
std::uint16_t backBuffer[kMaxPixels];
std::uint16_t snapshot[kMaxPixels];
bool displayReady = false;
int vsyncWait = 0;
}  // namespace

int Screen(int width, int height, int) {
  ScreenSize = ScreenSizeRecord{width, height};
  displayReady = width * height <= kMaxPixels;
  return displayReady ? 1 : 0;
}

void SetClipRect(int, int, int, int) {}

void ClearBackBuffer() {
  if (displayReady) std::memset(backBuffer, 0, sizeof(std::uint16_t) * ScreenSize.width * ScreenSize.height);
}

void SetVSyncWait(int on) { vsyncWait = on; }

void Present() {
  if (ScreenTransition.counter != 0) {
    ScreenTransition.counter += ScreenTransition.direction;
    if (ScreenTransition.direction == -1 && ScreenTransition.counter < 1) {
      ScreenTransition.counter = 0;
      ScreenTransition.direction = 0;
    }
  }
  if (displayReady) plat::backend::Present(backBuffer, ScreenSize.width, ScreenSize.height, ScreenSize.width, vsyncWait != 0);
}

int Capture(int, int, int, int, int) {
  if (displayReady) std::memcpy(snapshot, backBuffer, sizeof(std::uint16_t) * ScreenSize.width * ScreenSize.height);
  return 0;
}

void FlipToGdiSurface() {}
void FreeFontDesc() {}
void Shutdown() { displayReady = false; }

int LoadObject(const char*, int) { return 0; }
int DrawObject(int, int, int, int, int, int, int) { return 0; }
void DrawOpaque(int, int, int, int, int, int, int) {}
int DrawStretched(int, int, int, int, int, int, int, int, int) { return 0; }
int DrawHalfBlend(int, int, int, int, int, int, int) { return 1; }
int DrawAdditive(int, int, int, int, int, int, int) { return 1; }
int DrawRotated(int, int, int, int, int, int, int, int, int, int) { return 1; }
void DrawTextLine(int, int, const char*) {}

const std::uint16_t* BackBufferPixels(int& pitchPixels) {
  pitchPixels = ScreenSize.width;
  return displayReady ? backBuffer : nullptr;
}

}  // namespace elDraw
