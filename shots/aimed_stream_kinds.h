// The aimed-stream kinds. Each boss kind is one row: name, owner, emitter offset (x, y), aim offset,
// heading offset in degrees (clockwise), speed list (its length is the group's record count), picture,
// side step. Every boss kind has one group and the contact box 0..30 x 10..30. Each row gives the kind
// its pool and the operations Fire<Name>, Update<Name>, Draw<Name> and Reset<Name>.
#pragma once

#include "shots/aimed_stream.h"

#define BOSS_AIMED_STREAM_KINDS(X)                                                            \
  X(Boss1AimedStream3, Boss1, 85, 100, 15, 18, kStreamSpeeds, VALL301, None)                 \
  X(Boss1AimedStream4, Boss1, 85, 100, 9, 0, kStreamSpeeds, VALL301, None)                   \
  X(Boss1AimedStream5, Boss1, 85, 100, 9, -18, kStreamSpeeds, VALL301, None)                 \
  X(Boss1AimedStream6, Boss1, 325, 100, 15, 18, kStreamSpeeds, VALL301, None)                \
  X(Boss1AimedStream7, Boss1, 325, 100, 15, 0, kStreamSpeeds, VALL301, None)                 \
  X(Boss1AimedStream8, Boss1, 325, 100, 15, -18, kStreamSpeeds, VALL301, None)               \
  X(Boss1AimedStream9, Boss1, 105, 100, 15, 0, kStreamSpeeds, VALL301, None)                 \
  X(Boss1AimedStream10, Boss1, 305, 100, 15, 0, kStreamSpeeds, VALL301, None)                \
  X(Boss3AimedStream3, Boss3, 85, 100, 15, 90, kSlowStreamSpeeds, VALL3011, None)            \
  X(Boss3AimedStream4, Boss3, 85, 100, 15, 60, kSlowStreamSpeeds, VALL3011, None)            \
  X(Boss3AimedStream5, Boss3, 85, 100, 15, 30, kSlowStreamSpeeds, VALL3011, None)            \
  X(Boss3AimedStream6, Boss3, 85, 100, 15, 0, kSlowStreamSpeeds, VALL3011, None)             \
  X(Boss3AimedStream7, Boss3, 85, 100, 15, -30, kSlowStreamSpeeds, VALL3011, None)           \
  X(Boss3AimedStream8, Boss3, 85, 100, 15, -60, kSlowStreamSpeeds, VALL3011, None)           \
  X(Boss3AimedStream9, Boss3, 85, 100, 15, -90, kSlowStreamSpeeds, VALL3011, None)           \
  X(Boss3AimedStream15, Boss3, 325, 100, 15, -90, kSlowStreamSpeeds, VALL3011, None)         \
  X(Boss3AimedStream16, Boss3, 325, 100, 15, -60, kSlowStreamSpeeds, VALL3011, None)         \
  X(Boss3AimedStream17, Boss3, 325, 100, 15, -30, kSlowStreamSpeeds, VALL3011, None)         \
  X(Boss3AimedStream18, Boss3, 325, 100, 15, 0, kSlowStreamSpeeds, VALL3011, None)           \
  X(Boss3AimedStream19, Boss3, 325, 100, 15, 30, kSlowStreamSpeeds, VALL3011, None)          \
  X(Boss3AimedStream20, Boss3, 325, 100, 15, 60, kSlowStreamSpeeds, VALL3011, None)          \
  X(Boss3AimedStream21, Boss3, 325, 100, 15, 90, kSlowStreamSpeeds, VALL3011, None)          \
  X(Boss3AimedStream25, Boss3, 105, 100, 15, 0, kStreamSpeeds, VALL3011, None)               \
  X(Boss3AimedStream26, Boss3, 305, 100, 15, 0, kStreamSpeeds, VALL3011, None)               \
  X(Boss3AimedStream27, Boss3, 75, 140, 15, 0, kStreamSpeeds, VALL3011, None)                \
  X(Boss3AimedStream28, Boss3, 335, 140, 15, 0, kStreamSpeeds, VALL3011, None)               \
  X(Boss3AimedStream29, Boss3, 105, 100, 15, 0, kLongStreamSpeeds, VALL3011, Left)           \
  X(Boss3AimedStream30, Boss3, 305, 100, 15, 0, kLongStreamSpeeds, VALL3011, Right)          \
  X(Boss2AimedStream1, Boss2, 115, 100, 15, 54, kSlowStreamSpeeds, VALL301, None)            \
  X(Boss2AimedStream2, Boss2, 115, 100, 15, 36, kSlowStreamSpeeds, VALL301, None)            \
  X(Boss2AimedStream3, Boss2, 115, 100, 15, 18, kSlowStreamSpeeds, VALL301, None)            \
  X(Boss2AimedStream4, Boss2, 115, 100, 15, 0, kSlowStreamSpeeds, VALL302, None)             \
  X(Boss2AimedStream5, Boss2, 115, 100, 15, -18, kSlowStreamSpeeds, VALL301, None)           \
  X(Boss2AimedStream6, Boss2, 115, 100, 15, -36, kSlowStreamSpeeds, VALL301, None)           \
  X(Boss2AimedStream7, Boss2, 355, 100, 15, -54, kSlowStreamSpeeds, VALL301, None)           \
  X(Boss2AimedStream8, Boss2, 355, 100, 15, -36, kSlowStreamSpeeds, VALL301, None)           \
  X(Boss2AimedStream9, Boss2, 355, 100, 15, -18, kSlowStreamSpeeds, VALL301, None)           \
  X(Boss2AimedStream10, Boss2, 355, 100, 15, 0, kSlowStreamSpeeds, VALL302, None)            \
  X(Boss2AimedStream11, Boss2, 355, 100, 15, 18, kSlowStreamSpeeds, VALL301, None)           \
  X(Boss2AimedStream12, Boss2, 355, 100, 15, 36, kSlowStreamSpeeds, VALL301, None)

#define DECLARE_BOSS_AIMED_STREAM(Name, ...) \
  extern const shots::AimedStreamKind k##Name;  \
  void Fire##Name();                           \
  void Update##Name();                         \
  void Draw##Name();                           \
  void Reset##Name();
BOSS_AIMED_STREAM_KINDS(DECLARE_BOSS_AIMED_STREAM)
#undef DECLARE_BOSS_AIMED_STREAM

// The squadron's stream: one group of five per fighter index 0 to 14, fired from the fighter.
constexpr int kSquadStreamGroups = 15;
extern const shots::AimedStreamKind kSquadAimedStream1;
void FireSquadAimedStream1(int fighter);
void UpdateSquadAimedStream1(int fighter);
// Style 0: strip cells of VAL16241 two pixels in; style 1: VALL301 turned to the heading.
void DrawSquadAimedStream1(int fighter, int style);
void ResetSquadAimedStream1();
