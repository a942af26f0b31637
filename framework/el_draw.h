// elDraw: the 16-bit display, the sprite object table, the blitters, present with the screen wipe,
// and text.
//   draw_screen.cpp    display set-up, pixel format and tables, colour keys, shut-down
//   draw_objects.cpp   the object table: loading pictures, swapping, restoring lost surfaces, capture
//   draw_blitters.cpp  the drawers and the back-buffer clear
//   draw_present.cpp   present and the line-jitter wipe
//   draw_text.cpp      fonts and the text bracket
#pragma once
#include <cstdint>

#include "platform/device_context.h"
#include "platform/display_device.h"
#include "platform/gdi_text.h"
#include "platform/surface.h"

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

// The sprite clip rectangle of every drawer (right and bottom exclusive).
struct ClipRectRecord {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};
extern ClipRectRecord ClipRect;

namespace elDraw {

constexpr int kObjectSlotCount = 500;
constexpr int kFirstPictureSlot = 4;
constexpr int kObjectNameSize = 32;
constexpr int kMaxObjectNameLength = 30;
constexpr int kSineTableSize = 450;
constexpr int kWipeKind = 3;
constexpr int kSystemMemory = 2;  // the memory mode of every slot

// One sprite object: its surface (null when it has none), the name it was loaded by (empty: free).
struct ObjectSlot {
  plat::Surface* surface = nullptr;
  char name[kObjectNameSize] = {};
  int memoryMode = kSystemMemory;
  int colorKey = 0;  // a colour (0x00BBGGRR) whose pixel value keys the surface
  std::uint16_t width = 0;
  std::uint16_t height = 0;
};
extern ObjectSlot ObjectTable[kObjectSlotCount];

struct DisplayDeviceRecord {
  plat::DisplayDevice* device = nullptr;
  plat::Surface* primary = nullptr;
  plat::Surface* backBuffer = nullptr;
  int displayDepth = 16;
  int deviceFromEnumeration = 0;
  int stretchCapable = 0;
  int vsyncWait = 0;
  plat::SurfaceRect screenRect;
};
extern DisplayDeviceRecord Display;

struct ChannelFormat {
  int levelMask = 0;   // the channel's mask moved down to bit 0
  int shift = 0;       // its lowest mask bit
  int tableShift = 0;  // shift + 1 for a 6-bit channel (handled at 5-bit precision)
};
struct PixelFormatInfoRecord {
  ChannelFormat red;
  ChannelFormat green;
  ChannelFormat blue;
  std::uint16_t halfMask = 0;  // every channel's mask without its top bit
};
extern PixelFormatInfoRecord PixelFormatInfo;

struct BlendTablesRecord {
  std::uint8_t splitTable[65536][3];  // a pixel's red, green, blue levels on the 5-bit scale
  std::uint16_t addRed[32][32];       // [source level][destination level]
  std::uint16_t addGreen[32][32];
  std::uint16_t addBlue[32][32];
};
extern BlendTablesRecord BlendTables;

// 360 * sin(d degrees), truncated toward zero; entry d + 90 is the cosine of d.
extern int SineTable[kSineTableSize];

// The colour whose pixel value keys the pictures loaded next.
extern int LoadColorKey;

// ---- display set-up ----------------------------------------------------------------------------
int Screen(int width, int height, int memoryType);
// The channel values of a 16-bit format (what Screen builds from the back buffer).
PixelFormatInfoRecord MakePixelFormatInfo(const plat::PixelFormat& format);
void SetClipRect(int left, int top, int right, int bottom);
int GetDesktopDepth();
int MatchColor(plat::Surface* surface, int color);
void SetColorKey(plat::Surface* surface, int color);
void SetLoadColorKey(int color);
void FlipToGdiSurface();
void Shutdown();

// ---- the object table --------------------------------------------------------------------------
int LoadObject(const char* name, int placement);
int SwapObject(const char* name, int slot, int placement);
plat::Surface* LoadBitmapSurface(plat::DisplayDevice* device, const char* path, std::uint16_t& width,
                                 std::uint16_t& height, int placement);
std::int32_t CopyBitmap(plat::Surface* surface, plat::Bitmap* bitmap, int x, int y, int width, int height);
std::int32_t RestoreAll();
std::int32_t Capture(int slot, int left, int top, int right, int bottom);

// ---- drawers: destination, object slot, then the source rectangle (right and bottom exclusive) ----
int DrawObject(int x, int y, int slot, int left, int top, int right, int bottom);
void DrawOpaque(int x, int y, int slot, int left, int top, int right, int bottom);
int DrawStretched(int x, int y, int slot, int left, int top, int right, int bottom, int width, int height);
int DrawHalfBlend(int x, int y, int slot, int left, int top, int right, int bottom);
int DrawAdditive(int x, int y, int slot, int left, int top, int right, int bottom);
int DrawRotated(int x1, int y1, int x2, int y2, int angle, int slot, int left, int top, int right, int bottom);
int ClearBackBuffer();

// ---- present -----------------------------------------------------------------------------------
void SetVSyncWait(int on);
void Present();

// ---- text (Shift-JIS) --------------------------------------------------------------------------
void InitFonts();
void FreeFontDesc();
// face 0 "標準明朝", 1 "標準ゴシック", any other keeps the previous face; angle in degrees.
void MakeFont(int face, int height, int angle, int bold, int italic, int underline);
void SetTextColors(int textColor, int backgroundColor, int transparent);
void PutText(int x, int y, const char* text);
void EndText();
void DrawTextLine(int x, int y, const char* text);
// Loads the glyphs DrawTextLine needs for this text ahead of time (at loading, not in play).
void PrepareTextLine(const char* text);
// The font record the next MakeFont fills (null before InitFonts and after FreeFontDesc).
const plat::LogFont* FontDesc();

// The back buffer as 16-bit pixels (pitch in pixels); null before the display exists.
const std::uint16_t* BackBufferPixels(int& pitchPixels);

}  // namespace elDraw
