// Display set-up: the device, the display mode, the primary surface and back buffer, the internal
// slots 0-3, the pixel format values, the blend and sine tables; colour keys; shut-down.
#include <cmath>
#include <cstring>

#include "framework/el_draw.h"
#include "framework/el_sound.h"
#include "framework/el_system.h"

ScreenSizeRecord ScreenSize;
ClipRectRecord ClipRect;

namespace elDraw {

ObjectSlot ObjectTable[kObjectSlotCount];
DisplayDeviceRecord Display;
PixelFormatInfoRecord PixelFormatInfo;
BlendTablesRecord BlendTables;
int SineTable[kSineTableSize];
int LoadColorKey = 0;

namespace {

constexpr const char* kScreenLabel = "elDraw::Screen";
constexpr std::uint32_t kOffscreenCaps = plat::DDSCAPS_OFFSCREENPLAIN | plat::DDSCAPS_SYSTEMMEMORY;

struct InternalSlot {
  const char* name;
  const char* failure;
};
constexpr InternalSlot kInternalSlots[kFirstPictureSlot] = {
    {"内部用１", "Bufferスプライトが生成できません"},
    {"内部用２", "Screenスプライトが生成できません"},
    {"内部用３", "Fontスプライトが生成できません"},
    {"内部用４", "Fontバッファスプライトが生成できません"},
};

int Fail(const char* message, std::int32_t code) { return elSystem::ErrorBox(kScreenLabel, message, code); }

// The enumeration keeps the first device that has 3D hardware and texture surfaces.
bool KeepDeviceWith3D(int deviceId, const char*, void*) {
  Display.deviceFromEnumeration = 0;
  plat::DisplayDevice* device = nullptr;
  if (plat::CreateDisplayDevice(deviceId, device) != plat::DD_OK) return true;
  plat::DisplayCaps hardware, emulation;
  plat::GetDisplayCaps(device, &hardware, &emulation);
  if ((hardware.caps & plat::DDCAPS_3D) != 0 && (hardware.surfaceCaps & plat::DDSCAPS_TEXTURE) != 0) {
    Display.device = device;
    Display.deviceFromEnumeration = 1;
    return false;
  }
  plat::ReleaseDisplayDevice(device);
  return true;
}

ChannelFormat MakeChannel(std::uint32_t mask) {
  ChannelFormat c;
  if (mask == 0) return c;
  while (((mask >> c.shift) & 1u) == 0) ++c.shift;
  c.levelMask = static_cast<int>(mask >> c.shift);
  c.tableShift = c.levelMask == 63 ? c.shift + 1 : c.shift;
  return c;
}

void BuildSineTable() {
  constexpr double kPi = 3.14159265358979323846;
  for (int d = 0; d < kSineTableSize; ++d) SineTable[d] = static_cast<int>(360.0 * std::sin(d * 2.0 * kPi / 360.0));
}

// A 5-bit level of a channel with `levels` levels.
int FiveBitLevel(int level, int levelMask) { return levelMask == 63 ? level >> 1 : level; }

void BuildBlendTables() {
  const PixelFormatInfoRecord& f = PixelFormatInfo;
  for (int r = 0; r <= f.red.levelMask; ++r) {
    for (int g = 0; g <= f.green.levelMask; ++g) {
      for (int b = 0; b <= f.blue.levelMask; ++b) {
        const int pixel = ((r << f.red.shift) + (g << f.green.shift) + b) & 0xFFFF;
        BlendTables.splitTable[pixel][0] = static_cast<std::uint8_t>(FiveBitLevel(r, f.red.levelMask));
        BlendTables.splitTable[pixel][1] = static_cast<std::uint8_t>(FiveBitLevel(g, f.green.levelMask));
        BlendTables.splitTable[pixel][2] = static_cast<std::uint8_t>(FiveBitLevel(b, f.blue.levelMask));
      }
    }
  }
  for (int a = 0; a < 32; ++a) {
    for (int b = 0; b < 32; ++b) {
      const int sum = a + b < 31 ? a + b : 31;
      BlendTables.addRed[a][b] = static_cast<std::uint16_t>(sum << f.red.tableShift);
      BlendTables.addGreen[a][b] = static_cast<std::uint16_t>(sum << f.green.tableShift);
      BlendTables.addBlue[a][b] = static_cast<std::uint16_t>(sum << f.blue.tableShift);
    }
  }
}

void ClearSlot(ObjectSlot& slot) { slot = ObjectSlot{}; }

// Gives back every surface, the display mode and the device.
void ReleaseDisplay() {
  for (ObjectSlot& slot : ObjectTable) {
    plat::ReleaseSurface(slot.surface);
    ClearSlot(slot);
  }
  plat::ReleaseSurface(Display.primary);
  plat::ReleaseSurface(Display.backBuffer);
  Display.primary = nullptr;
  Display.backBuffer = nullptr;
  plat::RestoreDisplayMode(Display.device);
  plat::SetCooperativeLevel(Display.device, elSystem::Framework.mainWindow, plat::DDSCL_NORMAL);
  plat::ReleaseDisplayDevice(Display.device);
  Display.device = nullptr;
}

}  // namespace

PixelFormatInfoRecord MakePixelFormatInfo(const plat::PixelFormat& format) {
  PixelFormatInfoRecord info;
  info.red = MakeChannel(format.redMask);
  info.green = MakeChannel(format.greenMask);
  info.blue = MakeChannel(format.blueMask);
  int half = 0;
  for (const ChannelFormat* c : {&info.red, &info.green, &info.blue}) half |= (c->levelMask >> 1) << c->shift;
  info.halfMask = static_cast<std::uint16_t>(half);
  return info;
}

int Screen(int width, int height, int) {
  if (Display.device != nullptr) ReleaseDisplay();  // a second set-up starts from nothing
  Display.device = nullptr;
  Display.primary = nullptr;
  Display.backBuffer = nullptr;
  ScreenSize = ScreenSizeRecord{width, height};
  SetClipRect(0, 0, width, height);

  plat::EnumerateDisplayDevices(KeepDeviceWith3D, nullptr);
  if (Display.device == nullptr) {
    const std::int32_t result = plat::CreateDisplayDevice(0, Display.device);
    if (result != plat::DD_OK) return Fail("DirectDrawが使用できません", result);
  }
  std::int32_t result = plat::SetCooperativeLevel(
      Display.device, elSystem::Framework.mainWindow, plat::DDSCL_EXCLUSIVE | plat::DDSCL_ALLOWREBOOT | plat::DDSCL_FULLSCREEN);
  if (result != plat::DD_OK) return Fail("フルスクリーン化できません", result);
  result = plat::SetDisplayMode(Display.device, width, height, Display.displayDepth);
  if (result != plat::DD_OK) return Fail("解像度が変更できません", result);
  result = plat::CreateDeviceSurface(
      Display.device, plat::SurfaceDesc{0, 0, plat::DDSCAPS_PRIMARYSURFACE | plat::DDSCAPS_SYSTEMMEMORY}, Display.primary);
  if (result != plat::DD_OK) return Fail("表画面が生成できません", result);
  result = plat::CreateDeviceSurface(Display.device, plat::SurfaceDesc{width, height, kOffscreenCaps}, Display.backBuffer);
  if (result != plat::DD_OK) return Fail("裏画面が生成できません", result);

  for (int i = 0; i < kFirstPictureSlot; ++i) {
    ObjectSlot& slot = ObjectTable[i];
    result = plat::CreateDeviceSurface(Display.device, plat::SurfaceDesc{width, height, kOffscreenCaps}, slot.surface);
    if (result != plat::DD_OK) return Fail(kInternalSlots[i].failure, result);
    SetColorKey(slot.surface, 0);
    std::strncpy(slot.name, kInternalSlots[i].name, kObjectNameSize - 1);
    slot.memoryMode = kSystemMemory;
    slot.colorKey = 0;
    slot.width = static_cast<std::uint16_t>(width);
    slot.height = static_cast<std::uint16_t>(height);
  }

  plat::DisplayCaps hardware, emulation;
  Display.stretchCapable = 0;
  if (plat::GetDisplayCaps(Display.device, &hardware, &emulation) == plat::DD_OK) {
    const plat::DisplayCaps& counted = Display.deviceFromEnumeration == 1 ? hardware : emulation;
    Display.stretchCapable = (counted.caps & plat::DDCAPS_BLTSTRETCH) != 0 ? 1 : 0;
  }

  plat::PixelFormat format;
  result = plat::GetPixelFormat(Display.backBuffer, format);
  if (result != plat::DD_OK) return Fail("ピクセル情報が取得できません", result);
  PixelFormatInfo = MakePixelFormatInfo(format);
  BuildSineTable();
  if (GetDesktopDepth() == 16) BuildBlendTables();

  for (int i = kFirstPictureSlot; i < kObjectSlotCount; ++i) ClearSlot(ObjectTable[i]);

  auto& framework = elSystem::Framework;
  framework.presentRect = plat::Rect{framework.windowLeft, framework.windowTop, framework.windowLeft + width,
                                     framework.windowTop + height};
  Display.screenRect = plat::SurfaceRect{0, 0, width, height};

  elSound::Init();
  elSound::ResetMusic();
  elSystem::Init();
  InitFonts();
  return 1;
}

void SetClipRect(int left, int top, int right, int bottom) { ClipRect = ClipRectRecord{left, top, right, bottom}; }

int GetDesktopDepth() { return plat::DesktopBitsPerPixel(); }

int MatchColor(plat::Surface* surface, int color) {
  plat::DeviceContext* context = nullptr;
  plat::ColorRef remembered = plat::kInvalidColor;
  if (color != -1 && plat::GetDC(surface, context) == plat::DD_OK) {
    remembered = plat::GetPixel(context, 0, 0);
    plat::SetPixel(context, 0, 0, static_cast<plat::ColorRef>(color));
    plat::ReleaseDC(surface, context);
  }
  int value = -1;
  plat::LockedSurface locked;
  std::int32_t result = plat::DDERR_WASSTILLDRAWING;
  while (result == plat::DDERR_WASSTILLDRAWING) result = plat::Lock(surface, locked, 0);
  if (result == plat::DD_OK) {
    std::uint32_t word = 0;
    std::memcpy(&word, locked.pixels, sizeof word);  // rows are at least 4 bytes long
    value = static_cast<int>(word & 0xFFFFu);
    plat::Unlock(surface);
  }
  if (color != -1 && remembered != plat::kInvalidColor && plat::GetDC(surface, context) == plat::DD_OK) {
    plat::SetPixel(context, 0, 0, remembered);
    plat::ReleaseDC(surface, context);
  }
  return value;
}

void SetColorKey(plat::Surface* surface, int color) {
  const int value = MatchColor(surface, color);
  // A surface that could not be read keeps the key it had, rather than one keyed on "-1".
  if (value == -1) return;
  const auto key = static_cast<std::uint32_t>(value);
  plat::SetColorKey(surface, plat::DDCKEY_SRCBLT, plat::ColorKey{key, key});
}

void SetLoadColorKey(int color) { LoadColorKey = color; }

void FlipToGdiSurface() {
  if (Display.device != nullptr) plat::FlipToGdiSurface(Display.device);
}

void Shutdown() {
  if (Display.device != nullptr) ReleaseDisplay();
}

const std::uint16_t* BackBufferPixels(int& pitchPixels) {
  pitchPixels = 0;
  return Display.backBuffer == nullptr ? nullptr : plat::PeekPixels(Display.backBuffer, pitchPixels);
}

}  // namespace elDraw
