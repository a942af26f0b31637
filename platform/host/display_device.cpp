// The display device over the backend's window: the primary surface is the window's picture.
#include "platform/display_device.h"

#include <vector>

#include "platform/backend.h"

namespace plat {

struct DisplayDevice {
  bool created = false;
  WindowHandle window = kNoWindow;
  std::uint32_t cooperativeLevel = 0;
  int width = 0;
  int height = 0;
  int bitsPerPixel = 0;  // 0: no mode set
  PixelFormat format = kFormat565;
  bool waitVerticalBlank = false;
  std::vector<std::uint16_t> converted;  // the 5-5-5 primary turned into 5-6-5 for the window
};

namespace {

constexpr int kDeviceId = 1;
constexpr int kMaxSide = 4096;
constexpr int kDesktopBitsPerPixel = 32;

DisplayDevice& Device() {
  static DisplayDevice device;
  return device;
}

void ShowPrimary(const std::uint16_t* pixels, int width, int height, int pitchPixels, const PixelFormat& format) {
  DisplayDevice& d = Device();
  const bool wait = d.waitVerticalBlank;
  d.waitVerticalBlank = false;
  if (format.greenMask == kFormat565.greenMask) {
    backend::Present(pixels, width, height, pitchPixels, wait);
    return;
  }
  if (d.converted.size() < static_cast<std::size_t>(width) * height) return;
  for (int y = 0; y < height; ++y) {
    const std::uint16_t* in = pixels + static_cast<std::ptrdiff_t>(y) * pitchPixels;
    std::uint16_t* out = d.converted.data() + static_cast<std::ptrdiff_t>(y) * width;
    for (int x = 0; x < width; ++x) {
      const std::uint16_t p = in[x];
      out[x] = static_cast<std::uint16_t>(((p & 0x7FE0) << 1) | ((p & 0x0200) >> 4) | (p & 0x001F));
    }
  }
  backend::Present(d.converted.data(), width, height, width, wait);
}

bool Valid(const DisplayDevice* device) { return device != nullptr && device == &Device() && device->created; }

}  // namespace

std::int32_t EnumerateDisplayDevices(DisplayEnumCallback callback, void* context) {
  if (callback == nullptr) return DDERR_INVALIDPARAMS;
  callback(kDeviceId, "Tessivane display", context);
  return DD_OK;
}

std::int32_t CreateDisplayDevice(int deviceId, DisplayDevice*& out) {
  out = nullptr;
  if (deviceId != 0 && deviceId != kDeviceId) return DDERR_INVALIDPARAMS;
  DisplayDevice& d = Device();
  if (d.created) return DDERR_GENERIC;  // one device at a time
  d = DisplayDevice{};
  d.created = true;
  out = &d;
  return DD_OK;
}

void ReleaseDisplayDevice(DisplayDevice* device) {
  if (!Valid(device)) return;
  SetPrimarySurface(nullptr, nullptr);
  *device = DisplayDevice{};
}

std::int32_t GetDisplayCaps(const DisplayDevice* device, DisplayCaps* hardware, DisplayCaps* emulation) {
  if (!Valid(device)) return DDERR_INVALIDPARAMS;
  // Everything is done by the processor: nothing in "hardware", stretching in the emulation when the
  // backend says so.
  if (hardware != nullptr) *hardware = DisplayCaps{};
  if (emulation != nullptr) {
    *emulation = DisplayCaps{backend::GetDisplayTraits().hardwareStretch ? DDCAPS_BLTSTRETCH : 0u, 0u};
  }
  return DD_OK;
}

std::int32_t SetCooperativeLevel(DisplayDevice* device, WindowHandle window, std::uint32_t flags) {
  if (!Valid(device)) return DDERR_INVALIDPARAMS;
  device->window = window;
  device->cooperativeLevel = flags;
  return DD_OK;
}

std::int32_t SetDisplayMode(DisplayDevice* device, int width, int height, int bitsPerPixel) {
  if (!Valid(device)) return DDERR_INVALIDPARAMS;
  if (bitsPerPixel != 16 || width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return DDERR_INVALIDMODE;
  device->width = width;
  device->height = height;
  device->bitsPerPixel = bitsPerPixel;
  device->format = backend::GetDisplayTraits().rgb555 ? kFormat555 : kFormat565;
  device->converted.assign(device->format.greenMask == kFormat565.greenMask ? 0 : static_cast<std::size_t>(width) * height, 0);
  return DD_OK;
}

std::int32_t RestoreDisplayMode(DisplayDevice* device) {
  if (!Valid(device)) return DDERR_INVALIDPARAMS;
  device->bitsPerPixel = 0;
  return DD_OK;
}

std::int32_t CreateDeviceSurface(DisplayDevice* device, const SurfaceDesc& desc, Surface*& out) {
  out = nullptr;
  if (!Valid(device) || device->bitsPerPixel == 0) return DDERR_INVALIDPARAMS;
  if ((desc.caps & DDSCAPS_PRIMARYSURFACE) == 0) return CreateSurface(desc, device->format, out);
  const std::int32_t result = CreateSurface(SurfaceDesc{device->width, device->height, desc.caps}, device->format, out);
  if (result == DD_OK) SetPrimarySurface(out, ShowPrimary);
  return result;
}

std::int32_t WaitForVerticalBlank(DisplayDevice* device) {
  if (!Valid(device)) return DDERR_INVALIDPARAMS;
  device->waitVerticalBlank = true;
  return DD_OK;
}

std::int32_t FlipToGdiSurface(DisplayDevice* device) { return Valid(device) ? DD_OK : DDERR_INVALIDPARAMS; }

int DesktopBitsPerPixel() {
  const DisplayDevice& d = Device();
  return d.created && d.bitsPerPixel != 0 ? d.bitsPerPixel : kDesktopBitsPerPixel;
}

}  // namespace plat
