// The program's entry on the desktop: the game in a real window with real sound.
#include <cstdlib>
#include <string>

#include "game/win_main.h"

int main(int argc, char** argv) {
  // The soundfont loader starts idle worker threads unless told otherwise.
  setenv("OMP_NUM_THREADS", "1", 0);
  std::string commandLine;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) commandLine += ' ';
    commandLine += argv[i];
  }
  return WinMain(1, 0, commandLine.c_str(), 1);
}
