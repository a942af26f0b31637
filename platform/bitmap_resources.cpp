#include "platform/bitmap_resources.h"

#include <strings.h>

namespace plat {
namespace {
const BitmapResource* resources = nullptr;
std::size_t resourceCount = 0;
}  // namespace

void SetBitmapResources(const BitmapResource* table, std::size_t count) {
  resources = count == 0 ? nullptr : table;
  resourceCount = table == nullptr ? 0 : count;
}

const BitmapResource* FindBitmapResource(const char* name) {
  if (name == nullptr) return nullptr;
  for (std::size_t i = 0; i < resourceCount; ++i) {
    if (resources[i].name != nullptr && strcasecmp(resources[i].name, name) == 0) return &resources[i];
  }
  return nullptr;
}

}  // namespace plat
