#include "platform/surface.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

#include "platform/pixel_rows.h"

namespace plat {

struct Surface {
  int width = 0;
  int height = 0;
  int pitchPixels = 0;  // rows are 4-byte aligned
  std::uint32_t caps = 0;
  PixelFormat format;
  std::unique_ptr<std::uint16_t[]> memory;
  bool lost = false;
  bool locked = false;
  bool hasColorKey = false;
  ColorKey colorKey;
};

namespace {

constexpr int kMaxSide = 8192;

struct Registry {
  std::vector<Surface*> live;
  Surface* primary = nullptr;
  ShowHook show = nullptr;
  bool primaryHoldsShown = false;  // the primary's memory is the picture last shown from it
};
Registry& R() {
  static Registry registry;
  return registry;
}

void ShowIfPrimary(const Surface* surface) {
  if (surface != nullptr && surface == R().primary && R().show != nullptr) {
    R().show(surface->memory.get(), surface->width, surface->height, surface->pitchPixels, surface->format);
    R().primaryHoldsShown = true;
  }
}

bool Inside(const Surface* s, const SurfaceRect& r) {
  return r.left >= 0 && r.top >= 0 && r.left < r.right && r.top < r.bottom && r.right <= s->width &&
         r.bottom <= s->height;
}

std::uint16_t* Row(Surface* s, int y) { return s->memory.get() + static_cast<std::ptrdiff_t>(y) * s->pitchPixels; }

// Whether the surface can be touched now: DD_OK, or why not.
std::int32_t Usable(const Surface* s) {
  if (s == nullptr) return DDERR_INVALIDPARAMS;
  if (s->lost) return DDERR_SURFACELOST;
  if (s->locked) return DDERR_SURFACEBUSY;
  return DD_OK;
}

// Copies a w x h block; rows and columns run in the order that keeps an overlapping copy within one
// surface correct.
void CopyBlock(Surface* dst, int x, int y, Surface* src, int sx, int sy, int w, int h, bool keyed, std::uint16_t key) {
  const bool upward = dst == src && y > sy;
  for (int n = 0; n < h; ++n) {
    const int j = upward ? h - 1 - n : n;
    std::uint16_t* d = Row(dst, y + j) + x;
    const std::uint16_t* s = Row(src, sy + j) + sx;
    if (!keyed) {
      std::memmove(d, s, sizeof(std::uint16_t) * static_cast<std::size_t>(w));
    } else if (dst == src && y == sy && x > sx) {
      for (int i = w - 1; i >= 0; --i) if (s[i] != key) d[i] = s[i];
    } else if (PlainPixelLoops()) {
      KeyedCopyRowPlain(d, s, static_cast<std::size_t>(w), key);
    } else {
      KeyedCopyRow(d, s, static_cast<std::size_t>(w), key);  // eight at a time: safe for a copy to the left
    }
  }
}

int ChannelShift(std::uint32_t mask) {
  if (mask == 0) return 0;
  int shift = 0;
  while (((mask >> shift) & 1u) == 0) ++shift;
  return shift;
}

int ChannelBits(std::uint32_t mask) {
  int bits = 0;
  for (std::uint32_t m = mask >> ChannelShift(mask); m & 1u; m >>= 1) ++bits;
  return bits;
}

std::uint32_t StoreChannel(std::uint32_t level8, std::uint32_t mask) {
  const int bits = ChannelBits(mask);
  if (bits == 0) return 0;
  return ((level8 >> (8 - std::min(bits, 8))) << ChannelShift(mask)) & mask;
}

std::uint32_t ReadChannel(std::uint32_t pixel, std::uint32_t mask) {
  const int bits = std::min(ChannelBits(mask), 8);
  if (bits == 0) return 0;
  const std::uint32_t level = (pixel & mask) >> ChannelShift(mask);
  std::uint32_t value = level << (8 - bits);
  for (int have = bits; have < 8; have += bits) value |= value >> bits;  // repeat the top bits below
  return value & 0xFF;
}

}  // namespace

std::int32_t CreateSurface(const SurfaceDesc& desc, const PixelFormat& format, Surface*& out) {
  out = nullptr;
  if (desc.width <= 0 || desc.height <= 0 || desc.width > kMaxSide || desc.height > kMaxSide) return DDERR_INVALIDPARAMS;
  if (format.bitsPerPixel != 16) return DDERR_INVALIDPARAMS;
  auto* s = new (std::nothrow) Surface;
  if (s == nullptr) return DDERR_OUTOFMEMORY;
  s->width = desc.width;
  s->height = desc.height;
  s->pitchPixels = (desc.width + 1) & ~1;
  s->caps = desc.caps;
  s->format = format;
  s->memory.reset(new (std::nothrow) std::uint16_t[static_cast<std::size_t>(s->pitchPixels) * desc.height]());
  if (!s->memory) {
    delete s;
    return DDERR_OUTOFMEMORY;
  }
  R().live.push_back(s);
  out = s;
  return DD_OK;
}

void ReleaseSurface(Surface* surface) {
  if (surface == nullptr) return;
  auto& live = R().live;
  live.erase(std::remove(live.begin(), live.end(), surface), live.end());
  if (R().primary == surface) R().primary = nullptr;
  delete surface;
}

std::int32_t GetSurfaceDesc(const Surface* surface, SurfaceDesc& out) {
  if (surface == nullptr) return DDERR_INVALIDPARAMS;
  out = SurfaceDesc{surface->width, surface->height, surface->caps};
  return DD_OK;
}

std::int32_t GetPixelFormat(const Surface* surface, PixelFormat& out) {
  if (surface == nullptr) return DDERR_INVALIDPARAMS;
  out = surface->format;
  return DD_OK;
}

int SurfaceWidth(const Surface* surface) { return surface == nullptr ? 0 : surface->width; }
int SurfaceHeight(const Surface* surface) { return surface == nullptr ? 0 : surface->height; }
const PixelFormat& FormatOf(const Surface* surface) { return surface->format; }

std::int32_t Lock(Surface* surface, LockedSurface& out, std::uint32_t) {
  out = LockedSurface{};
  const std::int32_t usable = Usable(surface);
  if (usable != DD_OK) return usable;
  surface->locked = true;
  out = LockedSurface{surface->memory.get(), surface->pitchPixels * 2, surface->width, surface->height};
  return DD_OK;
}

std::int32_t Unlock(Surface* surface) {
  if (surface == nullptr) return DDERR_INVALIDPARAMS;
  if (!surface->locked) return DDERR_NOTLOCKED;
  surface->locked = false;
  if (!surface->lost) ShowIfPrimary(surface);
  return DD_OK;
}

std::int32_t BeginContextAccess(Surface* surface, LockedSurface& out) { return Lock(surface, out, DDLOCK_WAIT); }
void EndContextAccess(Surface* surface) {
  if (surface != nullptr) surface->locked = false;
}

std::int32_t SetColorKey(Surface* surface, std::uint32_t flags, const ColorKey& key) {
  if (surface == nullptr || (flags & DDCKEY_SRCBLT) == 0) return DDERR_INVALIDPARAMS;
  surface->hasColorKey = true;
  surface->colorKey = key;
  return DD_OK;
}

std::int32_t GetColorKey(const Surface* surface, ColorKey& out) {
  if (surface == nullptr) return DDERR_INVALIDPARAMS;
  if (!surface->hasColorKey) return DDERR_NOCOLORKEY;
  out = surface->colorKey;
  return DD_OK;
}

std::int32_t BltFast(Surface* destination, int x, int y, Surface* source, const SurfaceRect& sourceRect,
                     std::uint32_t flags) {
  for (const Surface* s : {destination, source}) {
    if (s == nullptr) return DDERR_INVALIDPARAMS;
    if (s->lost) return DDERR_SURFACELOST;
    if (s->locked) return DDERR_SURFACEBUSY;
  }
  if (!Inside(source, sourceRect)) return DDERR_INVALIDRECT;
  const int w = sourceRect.right - sourceRect.left;
  const int h = sourceRect.bottom - sourceRect.top;
  if (!Inside(destination, SurfaceRect{x, y, x + w, y + h})) return DDERR_INVALIDRECT;
  const bool keyed = (flags & DDBLTFAST_SRCCOLORKEY) != 0 && source->hasColorKey;
  CopyBlock(destination, x, y, source, sourceRect.left, sourceRect.top, w, h, keyed,
            static_cast<std::uint16_t>(source->colorKey.low));
  ShowIfPrimary(destination);
  return DD_OK;
}

std::int32_t Blt(Surface* destination, const SurfaceRect* destinationRect, Surface* source,
                 const SurfaceRect* sourceRect, std::uint32_t flags, std::uint32_t fillColor) {
  const std::int32_t usable = Usable(destination);
  if (usable != DD_OK) return usable;
  const SurfaceRect d = destinationRect ? *destinationRect : SurfaceRect{0, 0, destination->width, destination->height};
  if (!Inside(destination, d)) return DDERR_INVALIDRECT;
  const int dw = d.right - d.left;
  const int dh = d.bottom - d.top;
  if (flags & DDBLT_COLORFILL) {
    const auto value = static_cast<std::uint16_t>(fillColor);
    void (*fill)(std::uint16_t*, std::size_t, std::uint16_t) = PlainPixelLoops() ? FillPixelsPlain : FillPixels;
    if (d.left == 0 && dw == destination->pitchPixels) {
      fill(Row(destination, d.top), static_cast<std::size_t>(dw) * static_cast<std::size_t>(dh), value);  // rows touch
    } else {
      for (int y = d.top; y < d.bottom; ++y) fill(Row(destination, y) + d.left, static_cast<std::size_t>(dw), value);
    }
    ShowIfPrimary(destination);
    return DD_OK;
  }
  const std::int32_t sourceUsable = Usable(source);
  if (sourceUsable != DD_OK) return sourceUsable;
  const SurfaceRect s = sourceRect ? *sourceRect : SurfaceRect{0, 0, source->width, source->height};
  if (!Inside(source, s)) return DDERR_INVALIDRECT;
  const int sw = s.right - s.left;
  const int sh = s.bottom - s.top;
  const bool keyed = (flags & DDBLT_KEYSRC) != 0 && source->hasColorKey;
  const auto key = static_cast<std::uint16_t>(source->colorKey.low);
  if (sw == dw && sh == dh) {
    CopyBlock(destination, d.left, d.top, source, s.left, s.top, dw, dh, keyed, key);
  } else {
    // Nearest-pixel stretch; a stretch within one surface goes through no overlap guard.
    for (int j = 0; j < dh; ++j) {
      const std::uint16_t* srow = Row(source, s.top + static_cast<int>(static_cast<std::int64_t>(j) * sh / dh));
      std::uint16_t* drow = Row(destination, d.top + j) + d.left;
      for (int i = 0; i < dw; ++i) {
        const std::uint16_t p = srow[s.left + static_cast<int>(static_cast<std::int64_t>(i) * sw / dw)];
        if (!keyed || p != key) drow[i] = p;
      }
    }
  }
  ShowIfPrimary(destination);
  return DD_OK;
}

std::int32_t IsLost(const Surface* surface) {
  if (surface == nullptr) return DDERR_INVALIDPARAMS;
  return surface->lost ? DDERR_SURFACELOST : DD_OK;
}

std::int32_t Restore(Surface* surface) {
  if (surface == nullptr) return DDERR_INVALIDPARAMS;
  if (surface->lost) {
    // The memory behind a lost surface is gone: it comes back blank.
    std::fill_n(surface->memory.get(), static_cast<std::size_t>(surface->pitchPixels) * surface->height, 0);
    surface->lost = false;
    surface->locked = false;
    if (surface == R().primary) R().primaryHoldsShown = false;
  }
  return DD_OK;
}

void MarkAllSurfacesLost() {
  for (Surface* s : R().live) s->lost = true;
}

int LiveSurfaceCount() { return static_cast<int>(R().live.size()); }

const std::uint16_t* PeekPixels(const Surface* surface, int& pitchPixels) {
  pitchPixels = surface == nullptr ? 0 : surface->pitchPixels;
  return surface == nullptr || surface->lost ? nullptr : surface->memory.get();
}

void SetPrimarySurface(Surface* primary, ShowHook show) {
  R().primary = primary;
  R().show = show;
  R().primaryHoldsShown = false;
}

// Being lost only marks a surface: its memory goes when it is restored.
void ShowPrimaryAgain() {
  if (R().primaryHoldsShown) ShowIfPrimary(R().primary);
}

namespace {
bool Is565(const PixelFormat& f) {
  return f.redMask == kFormat565.redMask && f.greenMask == kFormat565.greenMask && f.blueMask == kFormat565.blueMask;
}
}  // namespace

std::uint32_t RgbToPixel(const PixelFormat& f, std::uint32_t rgb) {
  if (Is565(f)) return ((rgb >> 8) & 0xF800) | ((rgb >> 5) & 0x07E0) | ((rgb >> 3) & 0x001F);  // the common display
  return StoreChannel((rgb >> 16) & 0xFF, f.redMask) | StoreChannel((rgb >> 8) & 0xFF, f.greenMask) |
         StoreChannel(rgb & 0xFF, f.blueMask);
}

std::uint32_t PixelToRgb(const PixelFormat& f, std::uint32_t pixel) {
  if (Is565(f)) {
    const std::uint32_t r = (pixel >> 11) & 31, g = (pixel >> 5) & 63, b = pixel & 31;
    return ((r << 3 | r >> 2) << 16) | ((g << 2 | g >> 4) << 8) | (b << 3 | b >> 2);
  }
  return (ReadChannel(pixel, f.redMask) << 16) | (ReadChannel(pixel, f.greenMask) << 8) | ReadChannel(pixel, f.blueMask);
}

}  // namespace plat
