// Scenes whose frames are not drawn yet: each clears, presents and keeps the scene machine going.
#include "framework/el_draw.h"
#include "game/scene.h"

namespace {
void BlankFrame() {
  elDraw::ClearBackBuffer();
  elDraw::SetVSyncWait(1);
  elDraw::Present();
}
}  // namespace

void RunStage2Scene() { BlankFrame(); }
void RunStage3Scene() { BlankFrame(); }
