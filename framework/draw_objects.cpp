// The object table: pictures loaded from BMP files (or bitmap resources) into slots 4..499, swapped,
// reloaded after their surfaces were lost, and the screen snapshot into a slot.
#include <cstring>

#include "framework/el_draw.h"
#include "framework/el_system.h"

namespace elDraw {
namespace {

constexpr const char* kLoadLabel = "elDraw::LoadObject";
constexpr const char* kSwapLabel = "elDraw::SwapObject";
constexpr const char* kNameTooLong = "ファイル名またはリソース名が長すぎます";
constexpr const char* kUnreadable = "BMPファイルを読み込めません";
constexpr std::size_t kPathSize = elSystem::kProgramDirSize + kObjectNameSize;

std::uint32_t OffscreenCaps(int placement) {
  return placement == 2 ? plat::DDSCAPS_OFFSCREENPLAIN : plat::DDSCAPS_OFFSCREENPLAIN | plat::DDSCAPS_SYSTEMMEMORY;
}

bool NameTooLong(const char* name) { return name == nullptr || strnlen(name, kObjectNameSize) > kMaxObjectNameLength; }

void StoreName(ObjectSlot& slot, const char* name) {
  std::memset(slot.name, 0, sizeof slot.name);
  std::memcpy(slot.name, name, strnlen(name, kMaxObjectNameLength));
  slot.memoryMode = kSystemMemory;
}

// The program directory followed by the name; the game's names may separate folders with '\'.
void MakePath(char (&path)[kPathSize], const char* name) {
  std::memset(path, 0, sizeof path);
  std::strncpy(path, elSystem::GetProgramDir(), elSystem::kProgramDirSize - 1);
  std::strncat(path, name, sizeof path - std::strlen(path) - 1);
  for (char* c = path; *c != '\0'; ++c) {
    if (*c == '\\') *c = '/';
  }
}

// Loads the slot's named picture (file first, then resource) into the slot. True when it has it.
bool LoadIntoSlot(int index, int placement) {
  ObjectSlot& slot = ObjectTable[index];
  char path[kPathSize];
  MakePath(path, slot.name);
  slot.surface = LoadBitmapSurface(Display.device, path, slot.width, slot.height, placement);
  if (slot.surface != nullptr) {
    SetColorKey(slot.surface, LoadColorKey);
    slot.colorKey = LoadColorKey;
    return true;
  }
  plat::Bitmap* bitmap = plat::LoadBitmapImage(slot.name, false);
  if (bitmap == nullptr) return false;
  slot.width = static_cast<std::uint16_t>(bitmap->width);
  slot.height = static_cast<std::uint16_t>(bitmap->height);
  bool loaded = false;
  if (plat::CreateDeviceSurface(Display.device, plat::SurfaceDesc{bitmap->width, bitmap->height, OffscreenCaps(placement)},
                                slot.surface) == plat::DD_OK) {
    SetColorKey(slot.surface, LoadColorKey);
    slot.colorKey = LoadColorKey;
    loaded = CopyBitmap(slot.surface, bitmap, 0, 0, 0, 0) == plat::DD_OK;
  }
  plat::DeleteBitmap(bitmap);
  return loaded;
}

}  // namespace

int LoadObject(const char* name, int placement) {
  if (NameTooLong(name)) return elSystem::ErrorBox(kLoadLabel, kNameTooLong, 0);
  int index = kFirstPictureSlot;
  while (index < kObjectSlotCount && ObjectTable[index].name[0] != '\0') ++index;
  if (index == kObjectSlotCount) return elSystem::ErrorBox(kLoadLabel, "オブジェクト数が多過ぎます", 0);
  StoreName(ObjectTable[index], name);
  if (!LoadIntoSlot(index, placement)) return elSystem::ErrorBox(kLoadLabel, kUnreadable, 0);
  return index;
}

int SwapObject(const char* name, int slot, int placement) {
  if (NameTooLong(name)) return elSystem::ErrorBox(kSwapLabel, kNameTooLong, 0);
  if (slot < 0 || slot >= kObjectSlotCount) return elSystem::ErrorBox(kSwapLabel, kUnreadable, 0);
  ObjectSlot& target = ObjectTable[slot];
  plat::ReleaseSurface(target.surface);
  target.surface = nullptr;
  char copy[kObjectNameSize] = {};  // the name may be the slot's own
  std::memcpy(copy, name, strnlen(name, kMaxObjectNameLength));
  StoreName(target, copy);
  if (!LoadIntoSlot(slot, placement)) return elSystem::ErrorBox(kSwapLabel, kUnreadable, 0);
  return 1;
}

plat::Surface* LoadBitmapSurface(plat::DisplayDevice* device, const char* path, std::uint16_t& width,
                                 std::uint16_t& height, int placement) {
  plat::Bitmap* bitmap = plat::LoadBitmapImage(path, false);
  if (bitmap == nullptr) bitmap = plat::LoadBitmapImage(path, true);
  if (bitmap == nullptr) return nullptr;
  width = static_cast<std::uint16_t>(bitmap->width);
  height = static_cast<std::uint16_t>(bitmap->height);
  plat::Surface* surface = nullptr;
  if (plat::CreateDeviceSurface(device, plat::SurfaceDesc{bitmap->width, bitmap->height, OffscreenCaps(placement)},
                                surface) == plat::DD_OK) {
    CopyBitmap(surface, bitmap, 0, 0, 0, 0);
  }
  plat::DeleteBitmap(bitmap);
  return surface;
}

std::int32_t CopyBitmap(plat::Surface* surface, plat::Bitmap* bitmap, int x, int y, int width, int height) {
  if (surface == nullptr || bitmap == nullptr) return plat::DDERR_GENERIC;
  plat::Restore(surface);
  plat::DeviceContext* memory = plat::CreateCompatibleDC();
  if (memory == nullptr) return plat::DDERR_GENERIC;
  plat::SelectBitmap(memory, bitmap);
  if (width == 0) width = bitmap->width;
  if (height == 0) height = bitmap->height;
  plat::SurfaceDesc desc;
  plat::GetSurfaceDesc(surface, desc);
  plat::DeviceContext* target = nullptr;
  const std::int32_t result = plat::GetDC(surface, target);
  if (result == plat::DD_OK) {
    plat::StretchBlt(target, 0, 0, desc.width, desc.height, memory, x, y, width, height);
    plat::ReleaseDC(surface, target);
  }
  plat::DeleteDC(memory);
  return result;
}

std::int32_t RestoreAll() {
  std::int32_t result = plat::Restore(Display.primary);
  plat::Surface* internal[] = {Display.backBuffer, ObjectTable[0].surface, ObjectTable[1].surface,
                               ObjectTable[2].surface, ObjectTable[3].surface};
  for (plat::Surface* surface : internal) {
    if (surface != nullptr && plat::IsLost(surface) == plat::DDERR_SURFACELOST) result = plat::Restore(surface);
  }
  for (int i = kFirstPictureSlot; i < kObjectSlotCount; ++i) {
    ObjectSlot& slot = ObjectTable[i];
    // A slot whose picture never loaded has a name but no surface: nothing to bring back.
    if (slot.name[0] == '\0' || slot.surface == nullptr) continue;
    if (plat::IsLost(slot.surface) != plat::DDERR_SURFACELOST) continue;
    result = plat::Restore(slot.surface);
    SetLoadColorKey(slot.colorKey);
    SwapObject(slot.name, i, slot.memoryMode);
  }
  return result;
}

std::int32_t Capture(int slot, int left, int top, int right, int bottom) {
  if (slot < 0 || slot >= kObjectSlotCount || ObjectTable[slot].surface == nullptr) return plat::DDERR_INVALIDPARAMS;
  const std::int32_t result = plat::BltFast(ObjectTable[slot].surface, 0, 0, Display.backBuffer,
                                            plat::SurfaceRect{left, top, right, bottom}, plat::DDBLTFAST_WAIT);
  if (result == plat::DDERR_SURFACELOST) return RestoreAll();
  return result;
}

}  // namespace elDraw
