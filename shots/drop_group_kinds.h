// The drop-group kinds of the stage-2 boss. Each row: name, owner, drop point (x, y) from the owner,
// fall speed (px/s), member speeds (their count is the group's member count). Each row gives the kind
// its pool and the operations Spawn<Name>, Update<Name>, Draw<Name> and Reset<Name>.
#pragma once

#include "shots/drop_group.h"

#define BOSS2_DROP_GROUP_KINDS(X)                         \
  X(Boss2DropGroup8, Boss2, 242, 200, 140, kPairSpread)  \
  X(Boss2DropGroup9, Boss2, 212, 110, 140, kPairSpread)  \
  X(Boss2DropGroup10, Boss2, 272, 110, 140, kPairSpread) \
  X(Boss2DropGroup11, Boss2, 242, 200, 120, kTrioSpread) \
  X(Boss2DropGroup12, Boss2, 192, 150, 120, kTrioSpread) \
  X(Boss2DropGroup13, Boss2, 292, 150, 120, kTrioSpread) \
  X(Boss2DropGroup14, Boss2, 162, 110, 120, kTrioSpread) \
  X(Boss2DropGroup15, Boss2, 322, 110, 120, kTrioSpread) \
  X(Boss2DropGroup16, Boss2, 242, 200, 110, kQuadSpread)

#define DECLARE_DROP_GROUP(Name, ...)       \
  extern const shots::DropGroupKind k##Name; \
  void Spawn##Name();                        \
  void Update##Name();                       \
  void Draw##Name();                         \
  void Reset##Name();
BOSS2_DROP_GROUP_KINDS(DECLARE_DROP_GROUP)
#undef DECLARE_DROP_GROUP
