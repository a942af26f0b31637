#include "platform/device_context.h"

#include <new>

#include "platform/bitmap_resources.h"
#include "platform/pixel_rows.h"

namespace plat {
namespace {

constexpr int kContextCount = 8;
DeviceContext contexts[kContextCount];

DeviceContext* TakeContext() {
  for (DeviceContext& c : contexts) {
    if (!c.inUse) {
      c = DeviceContext{};
      c.inUse = true;
      return &c;
    }
  }
  return nullptr;
}

constexpr std::uint32_t SwapRedBlue(std::uint32_t c) {
  return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

std::uint16_t* SurfacePixel(const DeviceContext* c, int x, int y) {
  return c->pixels.pixels + static_cast<std::ptrdiff_t>(y) * (c->pixels.pitchBytes / 2) + x;
}

bool SameSurfaceFormat(const DeviceContext* a, const DeviceContext* b) {
  if (a->surface == nullptr || b->surface == nullptr) return false;
  const PixelFormat& fa = FormatOf(a->surface);
  const PixelFormat& fb = FormatOf(b->surface);
  return fa.redMask == fb.redMask && fa.greenMask == fb.greenMask && fa.blueMask == fb.blueMask;
}

// The colour at (x, y) as 0x00RRGGBB; the caller has checked the bounds.
std::uint32_t ReadRgb(const DeviceContext* c, int x, int y) {
  if (c->surface != nullptr) return PixelToRgb(FormatOf(c->surface), *SurfacePixel(c, x, y));
  return c->bitmap->pixels[static_cast<std::size_t>(y) * c->bitmap->width + x];
}

void WriteRgb(DeviceContext* c, int x, int y, std::uint32_t rgb) {
  if (c->surface != nullptr) {
    *SurfacePixel(c, x, y) = static_cast<std::uint16_t>(RgbToPixel(FormatOf(c->surface), rgb));
  } else {
    c->bitmap->pixels[static_cast<std::size_t>(y) * c->bitmap->width + x] = rgb;
  }
}

}  // namespace

Bitmap* LoadBitmapImage(const char* name, bool fromFile) {
  if (name == nullptr) return nullptr;
  auto* bitmap = new (std::nothrow) Bitmap;
  if (bitmap == nullptr) return nullptr;
  bool ok = false;
  if (fromFile) {
    ok = ReadBmpFile(name, *bitmap);
  } else if (const BitmapResource* resource = FindBitmapResource(name)) {
    ok = ReadBmpMemory(resource->data, resource->size, *bitmap);
  }
  if (!ok) {
    delete bitmap;
    return nullptr;
  }
  return bitmap;
}

void DeleteBitmap(Bitmap* bitmap) { delete bitmap; }

std::int32_t GetDC(Surface* surface, DeviceContext*& out) {
  out = nullptr;
  if (surface == nullptr) return DDERR_INVALIDPARAMS;
  DeviceContext* c = TakeContext();
  if (c == nullptr) return DDERR_GENERIC;
  const std::int32_t result = BeginContextAccess(surface, c->pixels);
  if (result != DD_OK) {
    c->inUse = false;
    return result;
  }
  c->surface = surface;
  out = c;
  return DD_OK;
}

std::int32_t ReleaseDC(Surface* surface, DeviceContext* context) {
  if (surface == nullptr || context == nullptr || context->surface != surface) return DDERR_INVALIDPARAMS;
  EndContextAccess(surface);
  *context = DeviceContext{};
  return DD_OK;
}

DeviceContext* CreateCompatibleDC() { return TakeContext(); }

Bitmap* SelectBitmap(DeviceContext* context, Bitmap* bitmap) {
  if (context == nullptr || context->surface != nullptr) return nullptr;
  Bitmap* previous = context->bitmap;
  context->bitmap = bitmap;
  return previous;
}

void DeleteDC(DeviceContext* context) {
  if (context != nullptr && context->surface == nullptr) *context = DeviceContext{};
}

int ContextWidth(const DeviceContext* c) {
  if (c == nullptr) return 0;
  if (c->surface != nullptr) return c->pixels.width;
  return c->bitmap != nullptr ? c->bitmap->width : 0;
}

int ContextHeight(const DeviceContext* c) {
  if (c == nullptr) return 0;
  if (c->surface != nullptr) return c->pixels.height;
  return c->bitmap != nullptr ? c->bitmap->height : 0;
}

ColorRef GetPixel(const DeviceContext* c, int x, int y) {
  if (x < 0 || y < 0 || x >= ContextWidth(c) || y >= ContextHeight(c)) return kInvalidColor;
  return SwapRedBlue(ReadRgb(c, x, y));
}

ColorRef SetPixel(DeviceContext* c, int x, int y, ColorRef color) {
  if (x < 0 || y < 0 || x >= ContextWidth(c) || y >= ContextHeight(c)) return kInvalidColor;
  WriteRgb(c, x, y, SwapRedBlue(color & 0xFFFFFF));
  return SwapRedBlue(ReadRgb(c, x, y));
}

bool StretchBlt(DeviceContext* destination, int x, int y, int width, int height, const DeviceContext* source,
                int sourceX, int sourceY, int sourceWidth, int sourceHeight) {
  if (width <= 0 || height <= 0 || sourceWidth <= 0 || sourceHeight <= 0) return false;
  const int dw = ContextWidth(destination), dh = ContextHeight(destination);
  const int sw = ContextWidth(source), sh = ContextHeight(source);
  if (dw == 0 || sw == 0) return false;
  const bool raw = SameSurfaceFormat(destination, source);
  // Picture loading stretches a bitmap onto a surface of its own size: that case converts row by row.
  const bool bitmapToSurface = !raw && destination->surface != nullptr && source->surface == nullptr;
  for (int j = 0; j < height; ++j) {
    const std::int64_t ty = static_cast<std::int64_t>(y) + j;
    const std::int64_t sy = sourceY + static_cast<std::int64_t>(j) * sourceHeight / height;
    if (ty < 0 || ty >= dh || sy < 0 || sy >= sh) continue;
    const int dy = static_cast<int>(ty), ry = static_cast<int>(sy);
    if (bitmapToSurface && width == sourceWidth && x >= 0 && x + width <= dw && sourceX >= 0 && sourceX + width <= sw &&
        FormatOf(destination->surface).greenMask == kFormat565.greenMask &&
        FormatOf(destination->surface).redMask == kFormat565.redMask) {
      XrgbToRgb565Row(SurfacePixel(destination, x, dy),
                      source->bitmap->pixels.data() + static_cast<std::size_t>(ry) * source->bitmap->width + sourceX,
                      static_cast<std::size_t>(width));
      continue;
    }
    // Source column sourceX + i * sourceWidth / width, stepped without a division per pixel.
    const std::int64_t whole = sourceWidth / width, part = sourceWidth % width;
    std::int64_t step = 0, remainder = 0;
    for (int i = 0; i < width; ++i) {
      const std::int64_t tx = static_cast<std::int64_t>(x) + i;
      const std::int64_t sx = sourceX + step;
      step += whole;
      remainder += part;
      if (remainder >= width) remainder -= width, ++step;
      if (tx < 0 || tx >= dw || sx < 0 || sx >= sw) continue;
      const int dx = static_cast<int>(tx), rx = static_cast<int>(sx);
      if (raw) {
        *SurfacePixel(destination, dx, dy) = *SurfacePixel(source, rx, ry);
      } else if (bitmapToSurface) {
        *SurfacePixel(destination, dx, dy) = static_cast<std::uint16_t>(
            RgbToPixel(FormatOf(destination->surface), source->bitmap->pixels[static_cast<std::size_t>(ry) * source->bitmap->width + rx]));
      } else {
        WriteRgb(destination, dx, dy, ReadRgb(source, rx, ry));
      }
    }
  }
  return true;
}

}  // namespace plat
