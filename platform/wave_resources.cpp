#include "platform/wave_resources.h"

#include <string>
#include <vector>

namespace plat {
namespace {

constexpr std::size_t kMaxResources = 32;

struct Resource {
  std::string name;
  std::string type;
  std::vector<std::uint8_t> bytes;
};

std::vector<Resource>& Table() {
  static std::vector<Resource> table;
  return table;
}

Resource* Lookup(const char* name, const char* type) {
  for (Resource& r : Table()) {
    if (r.name == name && r.type == type) return &r;
  }
  return nullptr;
}

}  // namespace

bool FindResource(const char* name, const char* type, const std::uint8_t*& data, std::size_t& size) {
  data = nullptr;
  size = 0;
  if (name == nullptr || type == nullptr) return false;
  const Resource* r = Lookup(name, type);
  if (r == nullptr) return false;
  data = r->bytes.data();
  size = r->bytes.size();
  return true;
}

bool AddResource(const char* name, const char* type, const std::uint8_t* data, std::size_t size) {
  Resource* r = Lookup(name, type);
  if (r == nullptr) {
    if (Table().size() == kMaxResources) return false;
    Table().push_back(Resource{name, type, {}});
    r = &Table().back();
  }
  r->bytes.assign(data, data + size);
  return true;
}

void ClearResources() { Table().clear(); }

}  // namespace plat
