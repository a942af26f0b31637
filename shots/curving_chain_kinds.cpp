#include "shots/curving_chain_kinds.h"

// One chain kind: its seven segments, its descriptor and its four named operations.
#define DEFINE_CURVING_CHAIN(Name, owner, lx, ly, start, step, flight, trailing, leading)                   \
  namespace {                                                                                               \
  CurvingFanShot Name##Pool[shots::kChainSegments];                                                         \
  }                                                                                                         \
  const shots::CurvingChainKind k##Name = {                                                                 \
      Name##Pool,  shots::ShotOwner::owner, lx, ly, start, step, shots::ChainFlight::flight, Pic::trailing, \
      Pic::leading};                                                                                        \
  void Fire##Name() { shots::FireCurvingChain(k##Name); }                                                   \
  void Update##Name() { shots::UpdateCurvingChain(k##Name); }                                               \
  void Draw##Name() { shots::DrawCurvingChain(k##Name); }                                                   \
  void Reset##Name() { shots::ResetCurvingChain(Name##Pool); }
BOSS3_CURVING_CHAIN_KINDS(DEFINE_CURVING_CHAIN)
#undef DEFINE_CURVING_CHAIN
