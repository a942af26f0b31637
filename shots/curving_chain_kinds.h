// The curving-chain kinds of the stage-3 boss. Each row: name, owner, launch point (x, y) from the
// owner, start angle and turn step per Update call (radians), flight, trailing picture (segments 0
// to 5), leading picture (segment 6). Chains 1 and 3 head down-left first and bend to head down; 2 and
// 4 are their mirror image. Each row gives the kind its pool of seven segments and the operations
// Fire<Name>, Update<Name>, Draw<Name> and Reset<Name>.
#pragma once

#include "shots/curving_chain.h"

#define BOSS3_CURVING_CHAIN_KINDS(X)                                                             \
  X(Boss3CurvingChain1, Boss3, 205, 30, -0.6283185f, -0.0224399f, Against, VAL3017A, VALL3017) \
  X(Boss3CurvingChain2, Boss3, 205, 30, 0.6283185f, 0.0224399f, Along, VAL3018A, VALL3018)     \
  X(Boss3CurvingChain3, Boss3, 165, 20, -0.6283185f, -0.0196350f, Against, VAL3017A, VALL3017) \
  X(Boss3CurvingChain4, Boss3, 245, 20, 0.6283185f, 0.0196350f, Along, VAL3018A, VALL3018)

#define DECLARE_CURVING_CHAIN(Name, ...)       \
  extern const shots::CurvingChainKind k##Name; \
  void Fire##Name();                           \
  void Update##Name();                         \
  void Draw##Name();                           \
  void Reset##Name();
BOSS3_CURVING_CHAIN_KINDS(DECLARE_CURVING_CHAIN)
#undef DECLARE_CURVING_CHAIN
