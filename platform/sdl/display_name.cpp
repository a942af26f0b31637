#include "platform/sdl/display_name.h"

#include <strings.h>

#include <algorithm>
#include <cstring>

namespace plat::sdl {
namespace {

bool Same(const char* a, const char* b) { return a != nullptr && b != nullptr && strcasecmp(a, b) == 0; }

// "[protocol/]host:number[.screen]": the host (empty for this machine) and the number.
std::string XDisplayName(const std::string& display) {
  const std::size_t colon = display.rfind(':');
  if (colon == std::string::npos) return display;
  std::string host = display.substr(0, colon);
  const std::size_t slash = host.find('/');
  if (slash != std::string::npos) host.erase(0, slash + 1);
  // "unix" is this machine's own socket. A display over TCP on localhost is another one: an ssh
  // session forwards the remote desktop's display as localhost:10 beside the machine's own :10.
  if (host == "unix") host.clear();
  std::string number = display.substr(colon + 1);
  number.erase(std::min(number.find('.'), number.size()));
  return host.empty() ? number : host + ":" + number;
}

// The socket's name as it lies in the runtime folder: a full path into that folder and the short name
// are one socket (a path elsewhere stays whole).
std::string WaylandDisplayName(const char* display, const char* runtimeDir) {
  std::string name = display != nullptr && *display ? display : "wayland-0";
  std::string folder = runtimeDir != nullptr ? runtimeDir : "";
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  if (name[0] == '/' && !folder.empty() && name.size() > folder.size() + 1 &&
      name.compare(0, folder.size(), folder) == 0 && name[folder.size()] == '/') {
    name.erase(0, name.find_first_not_of('/', folder.size()));
  }
  return name;
}

}  // namespace

std::string DisplayName(const char* driver, const char* xDisplay, const char* waylandDisplay, const char* runtimeDir) {
  if (Same(driver, "x11")) return "x11:" + XDisplayName(xDisplay != nullptr ? xDisplay : "");
  if (Same(driver, "wayland")) return "wayland:" + WaylandDisplayName(waylandDisplay, runtimeDir);
  return driver != nullptr ? driver : "";
}

bool ShowsNothing(const char* driver) { return Same(driver, "offscreen") || Same(driver, "dummy"); }

bool AskedFor(const char* driver, const char* asked) {
  if (driver == nullptr || asked == nullptr) return false;
  const std::size_t length = std::strlen(driver);
  for (const char* p = asked; *p != '\0';) {
    const char* end = std::strchr(p, ',');
    const std::size_t n = end != nullptr ? static_cast<std::size_t>(end - p) : std::strlen(p);
    if (n == length && strncasecmp(p, driver, n) == 0) return true;
    if (end == nullptr) break;
    p = end + 1;
  }
  return false;
}

}  // namespace plat::sdl
