// Off-screen picture surfaces in memory: the display layer the framework draws on. A surface has a
// 16-bit pixel format with channel masks, a pitch, lock and unlock for the processor blitters, blits
// (colour fill, copy, colour-keyed copy, stretched copy), a source colour key and a lost flag. Results
// are the display layer's result codes below (0 = success).
#pragma once
#include <cstdint>
#include <memory>

namespace plat {

// Result codes of the display layer.
enum : std::int32_t {
  DD_OK = 0,
  DDERR_GENERIC = static_cast<std::int32_t>(0x80004005u),
  DDERR_INVALIDPARAMS = static_cast<std::int32_t>(0x80070057u),
  DDERR_OUTOFMEMORY = static_cast<std::int32_t>(0x8007000Eu),
  DDERR_INVALIDRECT = static_cast<std::int32_t>(0x88760096u),
  DDERR_INVALIDMODE = static_cast<std::int32_t>(0x88760078u),
  DDERR_NOCOLORKEY = static_cast<std::int32_t>(0x887600D7u),
  DDERR_NOTLOCKED = static_cast<std::int32_t>(0x887601E6u),
  DDERR_SURFACEBUSY = static_cast<std::int32_t>(0x887601B8u),
  DDERR_SURFACELOST = static_cast<std::int32_t>(0x887601C2u),
  DDERR_WASSTILLDRAWING = static_cast<std::int32_t>(0x8876021Cu),
};

// Surface capabilities asked for at creation (kept for the record; every surface lives in memory).
enum : std::uint32_t {
  DDSCAPS_OFFSCREENPLAIN = 0x40,
  DDSCAPS_PRIMARYSURFACE = 0x200,
  DDSCAPS_SYSTEMMEMORY = 0x800,
};

// Blit flags.
enum : std::uint32_t {
  DDBLTFAST_SRCCOLORKEY = 0x1,
  DDBLTFAST_WAIT = 0x10,
  DDBLT_COLORFILL = 0x400,
  DDBLT_KEYSRC = 0x8000,
  DDBLT_WAIT = 0x1000000,
  DDLOCK_WAIT = 0x1,
  DDCKEY_SRCBLT = 0x8,
};

struct PixelFormat {
  int bitsPerPixel = 16;
  std::uint32_t redMask = 0xF800;
  std::uint32_t greenMask = 0x07E0;
  std::uint32_t blueMask = 0x001F;
};
constexpr PixelFormat kFormat565{16, 0xF800, 0x07E0, 0x001F};
constexpr PixelFormat kFormat555{16, 0x7C00, 0x03E0, 0x001F};

struct SurfaceRect {
  int left = 0, top = 0, right = 0, bottom = 0;
};

struct ColorKey {
  std::uint32_t low = 0;
  std::uint32_t high = 0;
};

struct Surface;

struct SurfaceDesc {
  int width = 0;
  int height = 0;
  std::uint32_t caps = 0;
};

// What a lock gives: the first pixel and the distance between rows.
struct LockedSurface {
  std::uint16_t* pixels = nullptr;
  int pitchBytes = 0;
  int width = 0;
  int height = 0;
};

// Surfaces are made at set-up and load time only. The primary surface, once made, shows its picture
// through the display device each time a blit lands on it (display_device.h).
std::int32_t CreateSurface(const SurfaceDesc& desc, const PixelFormat& format, Surface*& out);
void ReleaseSurface(Surface* surface);

std::int32_t GetSurfaceDesc(const Surface* surface, SurfaceDesc& out);
std::int32_t GetPixelFormat(const Surface* surface, PixelFormat& out);
int SurfaceWidth(const Surface* surface);
int SurfaceHeight(const Surface* surface);

std::int32_t Lock(Surface* surface, LockedSurface& out, std::uint32_t flags);
std::int32_t Unlock(Surface* surface);

std::int32_t SetColorKey(Surface* surface, std::uint32_t flags, const ColorKey& key);
std::int32_t GetColorKey(const Surface* surface, ColorKey& out);

// Copy of the source rectangle to (x, y); DDBLTFAST_SRCCOLORKEY skips pixels equal to the source key.
// Rectangles reaching outside either surface are refused (DDERR_INVALIDRECT).
std::int32_t BltFast(Surface* destination, int x, int y, Surface* source, const SurfaceRect& sourceRect,
                     std::uint32_t flags);
// General blit: DDBLT_COLORFILL fills destinationRect (null: all) with fillColor; otherwise the source
// rectangle is copied, stretched when the sizes differ, keyed with DDBLT_KEYSRC.
std::int32_t Blt(Surface* destination, const SurfaceRect* destinationRect, Surface* source,
                 const SurfaceRect* sourceRect, std::uint32_t flags, std::uint32_t fillColor);

// Lost surfaces: every call that touches the memory answers DDERR_SURFACELOST until Restore.
std::int32_t IsLost(const Surface* surface);
std::int32_t Restore(Surface* surface);
void MarkAllSurfacesLost();
int LiveSurfaceCount();
// Read-only look at a surface's pixels (tools and tests); null while it is lost.
const std::uint16_t* PeekPixels(const Surface* surface, int& pitchPixels);

// The primary surface of the display (set by the display device); blits onto it are shown.
using ShowHook = void (*)(const std::uint16_t* pixels, int width, int height, int pitchPixels,
                          const PixelFormat& format);
void SetPrimarySurface(Surface* primary, ShowHook show);
// The picture last shown from the primary shown once more, as it was (the window lost it: shown again,
// resized, uncovered): a lost primary still holds it until restored. Nothing when no picture was shown
// since the primary was made or restored.
void ShowPrimaryAgain();

// Colour conversion between a surface's pixels and 0x00RRGGBB, the way the text and bitmap layer
// sees it: a channel keeps its top bits when stored and repeats them when read back.
std::uint32_t RgbToPixel(const PixelFormat& format, std::uint32_t rgb);
std::uint32_t PixelToRgb(const PixelFormat& format, std::uint32_t pixel);

// Device-context access (gdi_surface.cpp): the surface stays locked while its context is open.
std::int32_t BeginContextAccess(Surface* surface, LockedSurface& out);
void EndContextAccess(Surface* surface);
const PixelFormat& FormatOf(const Surface* surface);

}  // namespace plat
