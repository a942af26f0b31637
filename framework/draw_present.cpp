// Present: the running wipe laid over the frame, the optional wait for the vertical blank, and the
// copy of the back buffer to the screen.
#include <cstdlib>

#include "framework/el_draw.h"
#include "framework/el_system.h"

ScreenTransitionRecord ScreenTransition;

namespace elDraw {
namespace {

// One step of the line-jitter wipe: the old screen (slot 1) over the new one, every line but those at
// multiples of the counter, each shifted sideways by its own random amount that grows as the wipe runs.
void WipeStep() {
  ScreenTransitionRecord& t = ScreenTransition;
  if (t.kind == kWipeKind && t.counter > 0) {
    const int span = 2 * (t.steps - t.counter) + 2;
    for (int i = 0; i < ScreenSize.height && span > 0; ++i) {
      if (i % t.counter == 0) continue;
      const int x = std::rand() % span + t.counter - t.steps - 1;
      DrawOpaque(x, i, 1, 0, i, ScreenSize.width, i + 1);
    }
  }
  t.counter += t.direction;
  if (t.direction == -1 && t.counter < 1) {
    t.counter = 0;
    t.direction = 0;
  }
}

}  // namespace

void SetVSyncWait(int on) { Display.vsyncWait = on; }

void Present() {
  if (ScreenTransition.counter != 0) WipeStep();
  if (Display.device == nullptr || Display.primary == nullptr) return;
  if (Display.vsyncWait == 1) plat::WaitForVerticalBlank(Display.device);
  const plat::Rect& p = elSystem::Framework.presentRect;
  const plat::SurfaceRect target{p.left, p.top, p.right, p.bottom};
  const std::int32_t result =
      plat::Blt(Display.primary, &target, Display.backBuffer, &Display.screenRect, plat::DDBLT_WAIT, 0);
  if (result == plat::DDERR_SURFACELOST) RestoreAll();
}

}  // namespace elDraw
