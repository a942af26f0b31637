// The drawers: colour-keyed and opaque copies by the blitter, the stretched copy, and the three
// processor blitters (half blend, additive, rotated) on the locked surfaces. Every drawer clips to
// ClipRect; the processor blitters also keep to the picture and to the back buffer, so a source
// rectangle reaching past a picture never reads outside it.
#include <algorithm>
#include <cstdint>

#include "framework/el_draw.h"
#include "platform/pixel_rows.h"

namespace elDraw {
namespace {

// Boxes of the rotated drawer larger than this are not drawn (their sums would not fit in 32 bits).
constexpr std::int64_t kMaxRotatedBox = 8192;

plat::Surface* SlotSurface(int slot) {
  if (slot < 0 || slot >= kObjectSlotCount) return nullptr;
  return ObjectTable[slot].surface;
}

// The colour-keyed and opaque copies: clip to ClipRect, then one blitter copy.
int CopyClipped(int x, int y, int slot, int left, int top, int right, int bottom, std::uint32_t flags) {
  plat::Surface* source = SlotSurface(slot);
  if (source == nullptr || Display.backBuffer == nullptr) return plat::DDERR_INVALIDPARAMS;
  const ClipRectRecord& c = ClipRect;
  std::int64_t r = right, b = bottom, l = left, t = top, dx = x, dy = y;
  if (dx + (r - l) > c.right) r = c.right - dx + l;
  if (dy + (b - t) > c.bottom) b = c.bottom - dy + t;
  if (dx < c.left) {
    l += c.left - dx;
    dx = c.left;
  }
  if (dy < c.top) {
    t += c.top - dy;
    dy = c.top;
  }
  if (r < l || b < t) return plat::DD_OK;
  const plat::SurfaceRect rect{static_cast<int>(l), static_cast<int>(t), static_cast<int>(r), static_cast<int>(b)};
  const std::int32_t result =
      plat::BltFast(Display.backBuffer, static_cast<int>(dx), static_cast<int>(dy), source, rect, flags);
  if (result == plat::DDERR_SURFACELOST) return RestoreAll();
  return result;
}

// A block of the back buffer to draw from a block of a picture, both already clipped.
struct Block {
  std::int64_t x, y;        // destination
  std::int64_t left, top;   // source
  std::int64_t w, h;
};

// Keeps the block inside the picture and inside the back buffer (ClipRect may reach past either).
void KeepInside(Block& k, int sourceWidth, int sourceHeight) {
  const std::int64_t bw = plat::SurfaceWidth(Display.backBuffer), bh = plat::SurfaceHeight(Display.backBuffer);
  const std::int64_t skipX = std::max({std::int64_t{0}, -k.left, -k.x});
  const std::int64_t skipY = std::max({std::int64_t{0}, -k.top, -k.y});
  k.x += skipX, k.left += skipX, k.w -= skipX;
  k.y += skipY, k.top += skipY, k.h -= skipY;
  k.w = std::min({k.w, sourceWidth - k.left, bw - k.x});
  k.h = std::min({k.h, sourceHeight - k.top, bh - k.y});
}

struct LockedPair {
  plat::LockedSurface source;
  plat::LockedSurface target;
  plat::Surface* sourceSurface = nullptr;
};

// Locks the source and then the back buffer; false (nothing left locked) when either fails.
bool LockPair(plat::Surface* source, LockedPair& pair) {
  pair.sourceSurface = source;
  if (source == nullptr || Display.backBuffer == nullptr) return false;
  if (plat::Lock(source, pair.source, plat::DDLOCK_WAIT) != plat::DD_OK) return false;
  if (plat::Lock(Display.backBuffer, pair.target, plat::DDLOCK_WAIT) != plat::DD_OK) {
    plat::Unlock(source);
    return false;
  }
  return true;
}

void UnlockPair(LockedPair& pair) {
  plat::Unlock(pair.sourceSurface);
  plat::Unlock(Display.backBuffer);
}

inline const std::uint16_t* RowOf(const plat::LockedSurface& s, std::int64_t y) {
  return s.pixels + y * (s.pitchBytes / 2);
}
inline std::uint16_t* RowOf(plat::LockedSurface& s, std::int64_t y) { return s.pixels + y * (s.pitchBytes / 2); }

// The half-blend and additive drawers: clip, lock, and run `blendRow(destination row, source row,
// width)` over the block, which blends every source pixel that is not 0.
template <typename BlendRow>
int BlendBlock(int x, int y, int slot, int left, int top, int right, int bottom, BlendRow blendRow) {
  const ClipRectRecord& c = ClipRect;
  Block k{x, y, left, top, static_cast<std::int64_t>(right) - left, static_cast<std::int64_t>(bottom) - top};
  if (k.x + k.w > c.right) k.w = c.right - k.x;
  if (k.y + k.h > c.bottom) k.h = c.bottom - k.y;
  if (k.x < c.left) {
    k.left += c.left - k.x;
    k.w -= c.left - k.x;
    k.x = c.left;
  }
  if (k.y < c.top) {
    k.top += c.top - k.y;
    k.h -= c.top - k.y;
    k.y = c.top;
  }
  if (k.w < 0 || k.h < 0) return 1;
  LockedPair pair;
  if (!LockPair(SlotSurface(slot), pair)) return 0;
  KeepInside(k, pair.source.width, pair.source.height);
  for (std::int64_t j = 0; k.w > 0 && j < k.h; ++j) {
    const std::uint16_t* s = RowOf(pair.source, k.top + j) + k.left;
    std::uint16_t* d = RowOf(pair.target, k.y + j) + k.x;
    blendRow(d, s, static_cast<std::size_t>(k.w));
  }
  UnlockPair(pair);
  return 1;
}

}  // namespace

int DrawObject(int x, int y, int slot, int left, int top, int right, int bottom) {
  return CopyClipped(x, y, slot, left, top, right, bottom, plat::DDBLTFAST_SRCCOLORKEY | plat::DDBLTFAST_WAIT);
}

void DrawOpaque(int x, int y, int slot, int left, int top, int right, int bottom) {
  CopyClipped(x, y, slot, left, top, right, bottom, plat::DDBLTFAST_WAIT);
}

int DrawStretched(int x, int y, int slot, int left, int top, int right, int bottom, int width, int height) {
  plat::Surface* source = SlotSurface(slot);
  if (source == nullptr || Display.backBuffer == nullptr) return plat::DDERR_INVALIDPARAMS;
  if (Display.stretchCapable == 1) {
    const plat::SurfaceRect target{x, y, x + width, y + height};
    const plat::SurfaceRect from{left, top, right, bottom};
    const std::int32_t result =
        plat::Blt(Display.backBuffer, &target, source, &from, plat::DDBLT_KEYSRC | plat::DDBLT_WAIT, 0);
    if (result == plat::DDERR_SURFACELOST) return RestoreAll();
    return result;
  }
  plat::Surface* scratch = ObjectTable[0].surface;
  plat::DeviceContext* scratchContext = nullptr;
  plat::DeviceContext* sourceContext = nullptr;
  const bool haveScratch = plat::GetDC(scratch, scratchContext) == plat::DD_OK;
  const bool haveSource = plat::GetDC(source, sourceContext) == plat::DD_OK;
  if (haveScratch && haveSource) {
    plat::StretchBlt(scratchContext, 0, 0, width, height, sourceContext, left, top, right - left, bottom - top);
  }
  if (haveScratch) plat::ReleaseDC(scratch, scratchContext);
  if (haveSource) plat::ReleaseDC(source, sourceContext);
  return DrawObject(x, y, 0, 0, 0, width, height);
}

int DrawHalfBlend(int x, int y, int slot, int left, int top, int right, int bottom) {
  const std::uint16_t mask = PixelFormatInfo.halfMask;
  auto* row = plat::PlainPixelLoops() ? plat::HalfBlendRowPlain : plat::HalfBlendRow;
  return BlendBlock(x, y, slot, left, top, right, bottom,
                    [mask, row](std::uint16_t* d, const std::uint16_t* s, std::size_t n) { row(d, s, n, mask); });
}

namespace {
// The additive blend by the tables, for any pixel format.
void AddRowByTables(std::uint16_t* d, const std::uint16_t* s, std::size_t n) {
  const BlendTablesRecord& t = BlendTables;
  for (std::size_t i = 0; i < n; ++i) {
    if (s[i] == 0) continue;
    const std::uint8_t* a = t.splitTable[s[i]];
    const std::uint8_t* b = t.splitTable[d[i]];
    d[i] = static_cast<std::uint16_t>(t.addRed[a[0]][b[0]] | t.addGreen[a[1]][b[1]] | t.addBlue[a[2]][b[2]]);
  }
}

bool Is565() {
  const PixelFormatInfoRecord& f = PixelFormatInfo;
  return f.red.shift == 11 && f.red.levelMask == 31 && f.green.shift == 5 && f.green.levelMask == 63 &&
         f.blue.shift == 0 && f.blue.levelMask == 31;
}
}  // namespace

int DrawAdditive(int x, int y, int slot, int left, int top, int right, int bottom) {
  // The tables' sums worked out in registers for the 5-6-5 display; by the tables otherwise.
  auto* row = plat::PlainPixelLoops() || !Is565() ? AddRowByTables : plat::AddRow565;
  return BlendBlock(x, y, slot, left, top, right, bottom, row);
}

int DrawRotated(int x1, int y1, int x2, int y2, int angle, int slot, int left, int top, int right, int bottom) {
  // Headings come in as 270 minus an angle and can leave 0..359: the same turn, brought into the table.
  angle = ((angle % 360) + 360) % 360;
  const ClipRectRecord& c = ClipRect;
  const std::int64_t W = static_cast<std::int64_t>(x2) - x1, H = static_cast<std::int64_t>(y2) - y1;
  const std::int64_t sw = static_cast<std::int64_t>(right) - left, sh = static_cast<std::int64_t>(bottom) - top;
  std::int64_t i0 = x1 < c.left ? c.left - static_cast<std::int64_t>(x1) : 0;
  std::int64_t i1 = x1 + W > c.right ? c.right - static_cast<std::int64_t>(x1) : W;
  std::int64_t j0 = y1 < c.top ? c.top - static_cast<std::int64_t>(y1) : 0;
  std::int64_t j1 = y1 + H > c.bottom ? c.bottom - static_cast<std::int64_t>(y1) : H;
  if (i1 < i0 || j1 < j0) return 1;
  if (W > kMaxRotatedBox || H > kMaxRotatedBox || sw > kMaxRotatedBox || sh > kMaxRotatedBox) return 1;

  LockedPair pair;
  if (!LockPair(SlotSurface(slot), pair)) return 0;
  // Keep to the back buffer, and read only source points inside the picture.
  i0 = std::max(i0, -static_cast<std::int64_t>(x1));
  i1 = std::min(i1, pair.target.width - static_cast<std::int64_t>(x1));
  j0 = std::max(j0, -static_cast<std::int64_t>(y1));
  j1 = std::min(j1, pair.target.height - static_cast<std::int64_t>(y1));
  const int uLow = static_cast<int>(std::max<std::int64_t>(0, -static_cast<std::int64_t>(left)));
  const int uHigh = static_cast<int>(std::min<std::int64_t>(sw, pair.source.width - static_cast<std::int64_t>(left)));
  const int vLow = static_cast<int>(std::max<std::int64_t>(0, -static_cast<std::int64_t>(top)));
  const int vHigh = static_cast<int>(std::min<std::int64_t>(sh, pair.source.height - static_cast<std::int64_t>(top)));

  const int w = static_cast<int>(W), h = static_cast<int>(H);
  const int ox = (w - static_cast<int>(sw)) >> 1, oy = (h - static_cast<int>(sh)) >> 1;
  const int hw = w >> 1, hh = h >> 1;
  const int sn = SineTable[angle], cs = SineTable[angle + 90];
  const int u0 = sn * hh + (360 - cs) * hw;
  const int v0 = (360 - cs) * hh - sn * hw;
  for (int j = static_cast<int>(j0); j < j1; ++j) {
    std::uint16_t* d = RowOf(pair.target, static_cast<std::int64_t>(y1) + j);
    for (int i = static_cast<int>(i0); i < i1; ++i) {
      const int u = (u0 + i * cs - j * sn) / 360 - ox;
      const int v = (v0 + i * sn + j * cs) / 360 - oy;
      if (u < uLow || u >= uHigh || v < vLow || v >= vHigh) continue;
      const std::uint16_t p = RowOf(pair.source, static_cast<std::int64_t>(top) + v)[left + u];
      if (p != 0) d[x1 + i] = p;
    }
  }
  UnlockPair(pair);
  return 1;
}

int ClearBackBuffer() {
  if (Display.backBuffer == nullptr) return plat::DDERR_INVALIDPARAMS;
  const plat::SurfaceRect all{0, 0, ScreenSize.width, ScreenSize.height};
  return plat::Blt(Display.backBuffer, &all, nullptr, nullptr, plat::DDBLT_COLORFILL | plat::DDBLT_WAIT, 0);
}

}  // namespace elDraw
