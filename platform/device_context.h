// Device contexts: drawing with colours (0x00BBGGRR, as the framework names them) on a surface or on
// a bitmap in memory: pixel get and set, stretched copies, and text (gdi_text.h). A context on a
// surface keeps the surface locked until it is released, so no blit can touch it meanwhile.
#pragma once
#include <cstdint>

#include "platform/bmp_reader.h"
#include "platform/surface.h"

namespace plat {

using ColorRef = std::uint32_t;
constexpr ColorRef kInvalidColor = 0xFFFFFFFFu;
constexpr ColorRef MakeColorRef(int r, int g, int b) {
  return static_cast<ColorRef>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

// A picture loaded into memory (its pixels are 0x00RRGGBB).
using Bitmap = BmpImage;
// By resource name when fromFile is false, else from the file at that path; null when neither.
Bitmap* LoadBitmapImage(const char* name, bool fromFile);
void DeleteBitmap(Bitmap* bitmap);

enum : int { TRANSPARENT_MODE = 1, OPAQUE_MODE = 2 };

struct DeviceContext {
  bool inUse = false;
  Surface* surface = nullptr;  // a surface's context, or
  Bitmap* bitmap = nullptr;    // a memory context with this bitmap selected
  LockedSurface pixels;
  int font = 0;
  ColorRef textColor = 0;
  ColorRef backgroundColor = 0xFFFFFF;
  int backgroundMode = OPAQUE_MODE;
};

std::int32_t GetDC(Surface* surface, DeviceContext*& out);
std::int32_t ReleaseDC(Surface* surface, DeviceContext* context);
DeviceContext* CreateCompatibleDC();
Bitmap* SelectBitmap(DeviceContext* context, Bitmap* bitmap);  // returns the one it replaced
void DeleteDC(DeviceContext* context);

int ContextWidth(const DeviceContext* context);
int ContextHeight(const DeviceContext* context);
ColorRef GetPixel(const DeviceContext* context, int x, int y);  // kInvalidColor outside
ColorRef SetPixel(DeviceContext* context, int x, int y, ColorRef color);  // the colour set, or kInvalidColor
// Copies the source rectangle onto the destination rectangle, scaled to it (nearest pixel); parts
// outside either context are left out.
bool StretchBlt(DeviceContext* destination, int x, int y, int width, int height, const DeviceContext* source,
                int sourceX, int sourceY, int sourceWidth, int sourceHeight);

}  // namespace plat
