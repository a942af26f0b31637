#include "shots/spiral_kinds.h"

// One kind: its pool and timer, its descriptor and its four named operations.
#define DEFINE_SPIRAL(Name, owner, ex, turn)                                                    \
  namespace {                                                                                  \
  SpiralShot Name##Pool[shots::kSpiralRecords];                                                \
  int Name##Timer = 0;                                                                         \
  }                                                                                            \
  const shots::SpiralKind k##Name = {Name##Pool, &Name##Timer, shots::ShotOwner::owner, ex, turn}; \
  void Tick##Name() { shots::TickSpiral(k##Name); }                                            \
  void Update##Name() { shots::UpdateSpiral(k##Name); }                                        \
  void Draw##Name() { shots::DrawSpiral(k##Name); }                                            \
  void Reset##Name() { shots::ResetSpiral(k##Name); }
SPIRAL_KINDS(DEFINE_SPIRAL)
#undef DEFINE_SPIRAL
