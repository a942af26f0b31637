#include "platform/host/desktop_grabs.h"

#include "platform/backend.h"

namespace plat::detail {
namespace {

struct Grabs {
  // Asked for by the game and the window system.
  bool fullScreen = false;
  bool focused = false;
  bool confined = false;
  bool hidden = false;
  bool boxShown = false;
  // Held now by the backend.
  bool keyboardHeld = false;
  bool pointerHeld = false;
  bool pointerHidden = false;
};

Grabs& G() {
  static Grabs grabs;
  return grabs;
}

void Apply() {
  Grabs& g = G();
  const bool keyboard = g.fullScreen && g.focused && !g.boxShown;
  // The pointer likewise is let go with the focus. Held through a minimising, SDL would try to take it
  // back for five seconds, the main thread waiting, when it wrongly takes the minimised window for
  // restored (openbox): no request from a later start would be taken meanwhile.
  const bool pointer = g.confined && g.focused && !g.boxShown;
  const bool hidden = g.hidden && !g.boxShown;
  if (keyboard != g.keyboardHeld) backend::GrabKeyboard(keyboard);
  if (pointer != g.pointerHeld) backend::ConfineCursor(pointer);
  if (hidden != g.pointerHidden) backend::ShowCursor(!hidden);
  g.keyboardHeld = keyboard;
  g.pointerHeld = pointer;
  g.pointerHidden = hidden;
}

}  // namespace

void GrabsForNewWindow(bool fullScreen) {
  G().fullScreen = fullScreen;
  Apply();
}

void GrabsForFocus(bool focused) {
  G().focused = focused;
  Apply();
}

void GrabsForCursorConfined(bool on) {
  G().confined = on;
  Apply();
}

void GrabsForCursorHidden(bool hidden) {
  G().hidden = hidden;
  Apply();
}

void GrabsForMessageBox(bool shown) {
  G().boxShown = shown;
  Apply();
}

void ResetGrabs() { G() = Grabs{}; }

}  // namespace plat::detail
