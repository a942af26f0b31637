// The runner's input script: lines "FRAME down KEY" / "FRAME up KEY", delivered before that frame.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace runner {

// The longest script read: a whole game's script is a few kB.
constexpr std::size_t kMaxScriptBytes = 1 << 20;

struct ScriptEvent {
  int frame = 0;
  bool down = false;
  int virtualKey = 0;  // VK_LBUTTON / VK_RBUTTON for the mouse buttons
};

// Key names: LEFT RIGHT UP DOWN RETURN SPACE ESCAPE SHIFT CONTROL LBUTTON RBUTTON, a letter or a digit.
int VirtualKeyFromName(const std::string& name);
// The script file's text: a regular file (or a link to one), or a pipe, read until its writer closes
// it (a named pipe is first waited on for a writer). A device, a folder, or a script longer than
// kMaxScriptBytes is refused at once (a pipe as soon as it passes the limit), with the reason in `error`.
bool ReadScriptFile(const std::string& path, std::string& text, std::string& error);
// Reads the script; blank lines and lines starting with '#' are skipped. On a bad line returns false
// with its number and text in `error`.
bool ParseInputScript(const std::string& text, std::vector<ScriptEvent>& events, std::string& error);
// Hands the events to the headless host.
void ScheduleScript(const std::vector<ScriptEvent>& events);

}  // namespace runner
