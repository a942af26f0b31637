// elDraw: the display, the sprite object table, the blitters, present with the screen wipe, and text.
// (Only the beginnings are here yet: the back buffer, present and the wipe state.)
#pragma once
#include <cstdint>

struct ScreenSizeRecord {
  int width = 0;
  int height = 0;
};
extern ScreenSizeRecord ScreenSize;

struct ScreenTransitionRecord {
  int kind = 0;
  int counter = 0;    // the current step; 0 when no wipe runs
  int direction = 0;  // -1 while a wipe runs
  int steps = 0;      // the wipe's length
};
extern ScreenTransitionRecord ScreenTransition;

namespace elDraw {

int Screen(int width, int height, int memoryType);
void SetClipRect(int left, int top, int right, int bottom);
void ClearBackBuffer();
void SetVSyncWait(int on);
void Present();
int Capture(int slot, int left, int top, int right, int bottom);
void FlipToGdiSurface();
void FreeFontDesc();
void Shutdown();
// The sprite object table.
int LoadObject(const char* name, int placement);

// Drawers: destination, object slot, then the source rectangle (right and bottom exclusive).
int DrawObject(int x, int y, int slot, int left, int top, int right, int bottom);
void DrawOpaque(int x, int y, int slot, int left, int top, int right, int bottom);
int DrawStretched(int x, int y, int slot, int left, int top, int right, int bottom, int width, int height);
int DrawHalfBlend(int x, int y, int slot, int left, int top, int right, int bottom);
int DrawAdditive(int x, int y, int slot, int left, int top, int right, int bottom);
int DrawRotated(int x1, int y1, int x2, int y2, int angle, int slot, int left, int top, int right, int bottom);

// Text (Shift-JIS).
void DrawTextLine(int x, int y, const char* text);

// The back buffer as RGB565 (pitch in pixels); null before the display exists.
const std::uint16_t* BackBufferPixels(int& pitchPixels);

}  // namespace elDraw
