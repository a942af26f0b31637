// The runner's input script: lines "FRAME down KEY" / "FRAME up KEY", delivered before that frame.
#pragma once
#include <string>
#include <vector>

namespace runner {

struct ScriptEvent {
  int frame = 0;
  bool down = false;
  int virtualKey = 0;  // VK_LBUTTON / VK_RBUTTON for the mouse buttons
};

// Key names: LEFT RIGHT UP DOWN RETURN SPACE ESCAPE SHIFT CONTROL LBUTTON RBUTTON, a letter or a digit.
int VirtualKeyFromName(const std::string& name);
// Reads the script; blank lines and lines starting with '#' are skipped. On a bad line returns false
// with its number and text in `error`.
bool ParseInputScript(const std::string& text, std::vector<ScriptEvent>& events, std::string& error);
// Hands the events to the headless host.
void ScheduleScript(const std::vector<ScriptEvent>& events);

}  // namespace runner
