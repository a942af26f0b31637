// The program entry: framework start-up, the single-instance check, the window, the assets and the
// message loop that runs one scene frame whenever the frame clock grants one.
#pragma once

constexpr const char* kWindowTitle = "Tessivane";
constexpr const char* kWindowClass = "DEFAULT";

int WinMain(int instance, int previousInstance, const char* commandLine, int showCommand);

// One pass of the message loop; false when the quit message ended it.
bool RunMessageLoopPass();
