// What the window holds of the desktop while the game runs: the keyboard (full screen) and the pointer
// confined to the window, both while the window has the focus, and the pointer hidden over it. The
// game's requests and the window system's focus changes come in here; an error box lets go of
// everything while it is up, so it can be answered with the mouse, and the grabs come back after it.
#pragma once

namespace plat::detail {

void GrabsForNewWindow(bool fullScreen);
void GrabsForFocus(bool focused);
void GrabsForCursorConfined(bool on);
void GrabsForCursorHidden(bool hidden);
void GrabsForMessageBox(bool shown);
// No window: nothing held, nothing asked for.
void ResetGrabs();

}  // namespace plat::detail
