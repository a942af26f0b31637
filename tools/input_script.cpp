#include "tools/input_script.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
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

namespace {

std::string TooLong(const std::string& path) {
  return "--script " + path + " is longer than the " + std::to_string(kMaxScriptBytes) + " bytes a script may hold";
}

// The script's file open for reads that wait, or -1 with the reason in `error`. A pipe is opened to
// wait (a named one waits in its open for a writer), then looked at; anything else is opened without
// waiting and looked at, so that a device or a folder is refused before any read.
int OpenScript(const std::string& path, std::string& error) {
  error = "cannot read " + path;
  struct stat info;
  if (stat(path.c_str(), &info) != 0) return -1;
  const bool pipe = S_ISFIFO(info.st_mode);
  const int fd = open(path.c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC | (pipe ? 0 : O_NONBLOCK));
  if (fd < 0) return -1;
  const bool known = fstat(fd, &info) == 0;
  const bool tooLong = known && S_ISREG(info.st_mode) && static_cast<unsigned long long>(info.st_size) > kMaxScriptBytes;
  if (known && !tooLong && (pipe ? S_ISFIFO(info.st_mode) : S_ISREG(info.st_mode) && fcntl(fd, F_SETFL, 0) == 0)) {
    return fd;
  }
  if (tooLong) {
    error = TooLong(path);
  } else if (known && S_ISDIR(info.st_mode)) {
    error = "--script " + path + " is a folder, not a script";
  } else if (known) {
    error = "--script " + path + " is neither a file nor a pipe";
  }
  close(fd);
  return -1;
}

}  // namespace

bool ReadScriptFile(const std::string& path, std::string& text, std::string& error) {
  text.clear();
  const int fd = OpenScript(path, error);
  if (fd < 0) return false;
  char block[4096];
  bool ok = true;
  for (;;) {
    const ssize_t n = read(fd, block, sizeof block);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ok = n == 0;  // on a failed read the error stands: the file cannot be read
      break;
    }
    if (text.size() + static_cast<std::size_t>(n) > kMaxScriptBytes) {
      error = TooLong(path);
      ok = false;
      break;
    }
    text.append(block, static_cast<std::size_t>(n));
  }
  close(fd);
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
