#include "tools/input_script.h"

#include <sstream>

#include "platform/headless/headless_host.h"
#include "platform/win_types.h"

namespace runner {

int VirtualKeyFromName(const std::string& name) {
  struct Named {
    const char* name;
    int key;
  };
  static const Named kNames[] = {
      {"LEFT", plat::VK_LEFT},       {"RIGHT", plat::VK_RIGHT},     {"UP", plat::VK_UP},
      {"DOWN", plat::VK_DOWN},       {"RETURN", plat::VK_RETURN},   {"SPACE", plat::VK_SPACE},
      {"ESCAPE", plat::VK_ESCAPE},   {"SHIFT", plat::VK_SHIFT},     {"CONTROL", plat::VK_CONTROL},
      {"LBUTTON", plat::VK_LBUTTON}, {"RBUTTON", plat::VK_RBUTTON},
  };
  for (const Named& n : kNames) {
    if (name == n.name) return n.key;
  }
  if (name.size() == 1 && ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= '0' && name[0] <= '9'))) return name[0];
  return 0;
}

bool ParseInputScript(const std::string& text, std::vector<ScriptEvent>& events, std::string& error) {
  std::istringstream lines(text);
  std::string line;
  int lineNumber = 0;
  while (std::getline(lines, line)) {
    ++lineNumber;
    std::istringstream words(line);
    std::string first;
    if (!(words >> first) || first[0] == '#') continue;
    std::string action, key, extra;
    ScriptEvent event;
    bool ok = words >> action >> key && !(words >> extra);
    if (ok) {
      try {
        std::size_t used = 0;
        event.frame = std::stoi(first, &used);
        ok = used == first.size() && event.frame >= 0;
      } catch (...) {
        ok = false;
      }
    }
    if (ok) {
      ok = action == "down" || action == "up";
      event.down = action == "down";
      event.virtualKey = VirtualKeyFromName(key);
      ok = ok && event.virtualKey != 0;
    }
    if (!ok) {
      error = "line " + std::to_string(lineNumber) + ": " + line;
      return false;
    }
    events.push_back(event);
  }
  return true;
}

void ScheduleScript(const std::vector<ScriptEvent>& events) {
  for (const ScriptEvent& e : events) {
    if (e.virtualKey == plat::VK_LBUTTON || e.virtualKey == plat::VK_RBUTTON) {
      plat::headless::ScheduleMouseButton(e.frame, e.virtualKey == plat::VK_LBUTTON, e.down);
    } else {
      plat::headless::ScheduleKey(e.frame, e.virtualKey, e.down);
    }
  }
}

}  // namespace runner
