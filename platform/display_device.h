// The display device: the one screen the game owns while it runs. It lists itself, reports its
// capabilities, takes the 16-bit display mode (5-6-5 normally, 5-5-5 when the host asks for it), makes
// the primary surface and off-screen surfaces in that format, waits for the vertical blank, and shows
// the primary surface in the window each time a blit lands on it.
#pragma once
#include <cstdint>

#include "platform/surface.h"
#include "platform/win_types.h"

namespace plat {

enum : std::uint32_t {
  DDCAPS_3D = 0x1,
  DDCAPS_BLTSTRETCH = 0x200,
  DDSCAPS_TEXTURE = 0x1000,
  DDSCL_NORMAL = 0x8,
  DDSCL_FULLSCREEN = 0x1,
  DDSCL_ALLOWREBOOT = 0x2,
  DDSCL_EXCLUSIVE = 0x10,
};

struct DisplayCaps {
  std::uint32_t caps = 0;
  std::uint32_t surfaceCaps = 0;
};

struct DisplayDevice;

// Calls back once per display device (id > 0); the callback returns false to stop.
using DisplayEnumCallback = bool (*)(int deviceId, const char* description, void* context);
std::int32_t EnumerateDisplayDevices(DisplayEnumCallback callback, void* context);
// deviceId 0: the primary display driver.
std::int32_t CreateDisplayDevice(int deviceId, DisplayDevice*& out);
void ReleaseDisplayDevice(DisplayDevice* device);
std::int32_t GetDisplayCaps(const DisplayDevice* device, DisplayCaps* hardware, DisplayCaps* emulation);
std::int32_t SetCooperativeLevel(DisplayDevice* device, WindowHandle window, std::uint32_t flags);
std::int32_t SetDisplayMode(DisplayDevice* device, int width, int height, int bitsPerPixel);
std::int32_t RestoreDisplayMode(DisplayDevice* device);
// DDSCAPS_PRIMARYSURFACE makes the screen-sized primary surface; anything else an off-screen surface.
std::int32_t CreateDeviceSurface(DisplayDevice* device, const SurfaceDesc& desc, Surface*& out);
// The next showing of the primary surface waits for the vertical blank.
std::int32_t WaitForVerticalBlank(DisplayDevice* device);
std::int32_t FlipToGdiSurface(DisplayDevice* device);
// Bits per pixel of the desktop: the display mode's while one is set.
int DesktopBitsPerPixel();

}  // namespace plat
