// The formation kinds. Each row: name, owner, x offset from the owner, member x offsets (nullptr: only
// the launched record is placed, at the x offset), member y offsets from the owner (their count is the
// group size), cycle, marks of the groups (their count is the number of groups), fall speed, own
// sideways speed, member drift speeds, contact box, look. Each row gives the kind its pool and the
// operations Tick<Name>, Update<Name>, Draw<Name> and Reset<Name>.
#pragma once

#include "shots/formation.h"

#define FORMATION_KINDS(X)                                                                                             \
  X(Boss1Formation1, Boss1, 90, nullptr, kArc3, 800, kMarksBy60, 120, 0, kDriftRight3, kFallBoxLow, kRoundObject)      \
  X(Boss1Formation2, Boss1, 330, nullptr, kArc3, 800, kMarksBy60, 120, 0, kDriftLeft3, kFallBoxLow, kRoundObject)      \
  X(Boss1Formation3, Boss1, 200, nullptr, kArc7, 140, kMarksBy25, 200, 0, kDrift7, kFallBoxWide, kLeaning7)            \
  X(Boss2Formation1, Boss2, 110, nullptr, kArc3, 230, kMarks230, 190, 0, kDriftFastRight3, kFallBox20, kLeaningRight3) \
  X(Boss2Formation2, Boss2, 350, nullptr, kArc3, 230, kMarks230, 190, 0, kDriftFastLeft3, kFallBox20, kLeaningLeft3)   \
  X(Boss2Formation8, Boss2, 240, nullptr, kArc5Low, 230, kMarksBy20, 130, 0, kDrift5, kFallBoxLow, kAnimated)          \
  X(Boss2Formation9, Boss2, 200, nullptr, kArc5, 860, kMarksBy80, 120, 0, kDrift5, kFallBox20, kLeaning5)              \
  X(Boss2Formation10, Boss2, 260, nullptr, kArc5, 860, kMarksBy80, 120, 0, kDrift5, kFallBox20, kLeaning5)             \
  X(Boss2Formation11, Boss2, 110, nullptr, kArc5, 260, kMarksInThrees, 120, 0, kDrift5, kFallBox20, kLeaning5)         \
  X(Boss2Formation12, Boss2, 350, nullptr, kArc5, 260, kMarksInThrees, 120, 0, kDrift5, kFallBox20, kLeaning5)         \
  X(Boss2Formation13, Boss2, 120, kRow5, kArc5High, 150, kMarksBy10, 180, 0, kDrift5Ends, kFallBoxLow, kAnimated)      \
  X(Boss2Formation14, Boss2, 360, kRow5, kArc5High, 150, kMarksBy10, 180, 0, kDrift5Ends, kFallBoxLow, kAnimated)      \
  X(Boss3Formation1, Boss3, 210, nullptr, kArc5, 150, kMarks150, 210, 0, kDrift5, kFallBoxLow, kRoundAdditive)         \
  X(Boss3Formation4, Boss3, 150, nullptr, kArc5, 200, kMarks200, 110, 90, kDrift5, kFallBoxLow, kRoundAdditive)        \
  X(Boss3Formation5, Boss3, 270, nullptr, kArc5, 200, kMarks200, 110, -90, kDrift5, kFallBoxLow, kRoundAdditive)       \
  X(Boss3Formation6, Boss3, 120, nullptr, kArc5Top, 720, kMarksBy60, 280, 0, kDrift5, kFallBoxLow, kRoundAdditive)     \
  X(Boss3Formation7, Boss3, 300, nullptr, kArc5Top, 720, kMarksBy60, 280, 0, kDrift5, kFallBoxLow, kRoundAdditive)

#define DECLARE_FORMATION(Name, ...)          \
  extern const shots::FormationKind k##Name; \
  void Tick##Name();                          \
  void Update##Name();                        \
  void Draw##Name();                          \
  void Reset##Name();
FORMATION_KINDS(DECLARE_FORMATION)
#undef DECLARE_FORMATION
