#include "tools/input_script.h"

#include <sys/stat.h>

#include <cstdio>
#include <sstream>

#include "platform/headless/headless_host.h"
#include "platform/regular_file.h"
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

namespace {

std::string TooLong(const std::string& path) {
  return "--script " + path + " is longer than the " + std::to_string(kMaxScriptBytes) + " bytes a script may hold";
}

// The script's file open for reading, or null with the reason in `error`. A regular file (or a link to
// one) is opened as every file the game reads is; a pipe is opened to wait (a named one waits in its
// open for a writer); anything else (a device, a folder) is refused before any read.
std::FILE* OpenScript(const std::string& path, std::string& error) {
  struct stat info;
  const bool known = stat(path.c_str(), &info) == 0;
  const bool pipe = known && S_ISFIFO(info.st_mode);
  if (known && S_ISREG(info.st_mode) && static_cast<unsigned long long>(info.st_size) > kMaxScriptBytes) {
    error = TooLong(path);
    return nullptr;
  }
  std::FILE* file = pipe ? std::fopen(path.c_str(), "rbe") : plat::OpenRegularFile(path.c_str());
  if (file != nullptr && pipe && (fstat(fileno(file), &info) != 0 || !S_ISFIFO(info.st_mode))) {
    std::fclose(file);
    file = nullptr;
  }
  if (file != nullptr) return file;
  if (known && S_ISDIR(info.st_mode)) {
    error = "--script " + path + " is a folder, not a script";
  } else if (known && !pipe && !S_ISREG(info.st_mode)) {
    error = "--script " + path + " is neither a file nor a pipe";
  } else {
    error = "cannot read " + path;
  }
  return nullptr;
}

}  // namespace

bool ReadScriptFile(const std::string& path, std::string& text, std::string& error) {
  text.clear();
  std::FILE* file = OpenScript(path, error);
  if (file == nullptr) return false;
  char block[4096];
  bool ok = true;
  for (std::size_t n; ok && (n = std::fread(block, 1, sizeof block, file)) > 0;) {
    ok = text.size() + n <= kMaxScriptBytes;
    if (ok) text.append(block, n);
  }
  if (!ok) {
    error = TooLong(path);
  } else if (std::ferror(file)) {
    error = "cannot read " + path;
    ok = false;
  }
  std::fclose(file);
  if (ok) error.clear();
  return ok;
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
