// The aimed-fan kinds. Each row: name, owner, shots per group W, the emitter's centre offset and side
// offset from the owner's x, pattern (cycle, marks, speed, aim offset, cull margin, contact box, look),
// picture. Every fan starts 130 pixels below the owner's y and is laid symmetrically about its aim line,
// (W - 1) x 6 degrees to either side. Each row gives the kind its pool and the operations Tick<Name>,
// Update<Name>, Draw<Name> and Reset<Name>.
#pragma once

#include "shots/aimed_fan.h"

#define AIMED_FAN_KINDS(X)                                     \
  X(Boss1AimedFan1, Boss1, 5, 200, 0, kBossFan, VAL40L)        \
  X(Boss1AimedFan2, Boss1, 5, 210, 0, kBoss1Fan2, VAL20241)    \
  X(Boss1AimedFan3, Boss1, 7, 210, 0, kBoss1Fan3, VALL20)      \
  X(Boss1AimedFan4, Boss1, 7, 210, 0, kBoss1Fan4, VAL20241)    \
  X(Boss2AimedFan1, Boss2, 3, 230, -100, kBossFan, VAL40L2)    \
  X(Boss2AimedFan2, Boss2, 3, 230, 100, kBossFan, VAL40L2)     \
  X(Boss2AimedFan3, Boss2, 7, 230, -120, kBossFan, VAL40L2)    \
  X(Boss2AimedFan4, Boss2, 7, 230, 120, kBossFan, VAL40L2)     \
  X(Boss2AimedFan5, Boss2, 11, 230, 0, kBossFan, VAL40L2)      \
  X(Boss2AimedFan6, Boss2, 11, 230, -130, kBossFan, VAL40L2)   \
  X(Boss2AimedFan7, Boss2, 11, 230, 130, kBossFan, VAL40L2)    \
  X(Boss3AimedFan1, Boss3, 3, 200, 0, kBossFan, VAL40L1)       \
  X(Boss3AimedFan2, Boss3, 3, 200, -100, kBossFan, VAL40L1)    \
  X(Boss3AimedFan3, Boss3, 3, 200, 100, kBossFan, VAL40L1)     \
  X(Boss3AimedFan4, Boss3, 5, 200, 0, kBossFan, VAL40L1)       \
  X(Boss3AimedFan5, Boss3, 5, 200, -120, kBossFan, VAL40L1)    \
  X(Boss3AimedFan6, Boss3, 5, 200, 120, kBossFan, VAL40L1)     \
  X(Boss3AimedFan7, Boss3, 7, 200, 0, kBossFan, VAL40L1)       \
  X(Boss3AimedFan8, Boss3, 7, 200, -120, kBossFan, VAL40L1)    \
  X(Boss3AimedFan9, Boss3, 7, 200, 120, kBossFan, VAL40L1)     \
  X(Boss3AimedFan10, Boss3, 9, 200, 0, kBossFan, VAL40L1)      \
  X(Boss3AimedFan11, Boss3, 9, 200, -130, kBossFan, VAL40L1)   \
  X(Boss3AimedFan12, Boss3, 9, 200, 130, kBossFan, VAL40L1)    \
  X(Boss3AimedFan13, Boss3, 11, 200, 0, kBossFan, VAL40L1)     \
  X(Boss3AimedFan14, Boss3, 11, 200, -130, kBossFan, VAL40L1)  \
  X(Boss3AimedFan15, Boss3, 11, 200, 130, kBossFan, VAL40L1)   \
  X(Boss3AimedFan16, Boss3, 13, 200, 0, kBossFan, VAL40L1)     \
  X(Boss3AimedFan17, Boss3, 13, 200, -140, kBossFan, VAL40L1)  \
  X(Boss3AimedFan18, Boss3, 13, 200, 140, kBossFan, VAL40L1)   \
  X(Boss3AimedFan19, Boss3, 15, 200, 0, kBossFan, VAL40L1)     \
  X(Boss3AimedFan20, Boss3, 15, 200, -150, kBossFan, VAL40L1)  \
  X(Boss3AimedFan21, Boss3, 15, 200, 150, kBossFan, VAL40L1)   

#define DECLARE_AIMED_FAN(Name, ...)         \
  extern const shots::AimedFanKind k##Name; \
  void Tick##Name();                         \
  void Update##Name();                       \
  void Draw##Name();                         \
  void Reset##Name();
AIMED_FAN_KINDS(DECLARE_AIMED_FAN)
#undef DECLARE_AIMED_FAN
