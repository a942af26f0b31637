#include "shots/aimed_stream_kinds.h"

#include <iterator>

namespace {

using shots::AimedStreamKind;
using shots::ShotOwner;
using shots::SideStep;

constexpr float kStreamSpeeds[] = {260.0f, 280.0f, 300.0f, 320.0f, 340.0f};
constexpr float kSlowStreamSpeeds[] = {170.0f, 200.0f, 230.0f, 250.0f, 270.0f};
constexpr float kLongStreamSpeeds[] = {260.0f, 280.0f, 300.0f, 320.0f, 340.0f, 360.0f, 380.0f, 400.0f};

constexpr shots::ContactBox kBossStreamBox = {0.0f, 30.0f, 10.0f, 30.0f};
constexpr shots::ContactBox kSquadStreamBox = {10.0f, 30.0f, 10.0f, 30.0f};

AimedStreamShot squadAimedStream1Pool[kSquadStreamGroups * std::size(kStreamSpeeds)];

}  // namespace

// One boss kind: its pool, its descriptor and its four named operations.
#define DEFINE_BOSS_AIMED_STREAM(Name, owner, ex, ey, aim, degrees, speeds, picture, side)                      \
  namespace {                                                                                                \
  AimedStreamShot Name##Pool[std::size(speeds)];                                                             \
  }                                                                                                          \
  const AimedStreamKind k##Name = {                                                                          \
      Name##Pool, 1, static_cast<int>(std::size(speeds)), ShotOwner::owner, ex, ey, aim,                     \
      shots::Radians(degrees), speeds, Pic::picture, SideStep::side, kBossStreamBox};                        \
  void Fire##Name() { shots::FireAimedStream(k##Name, 0); }                                                  \
  void Update##Name() { shots::UpdateAimedStream(k##Name, 0, 1); }                                           \
  void Draw##Name() { shots::DrawAimedStreamTurned(k##Name); }                                               \
  void Reset##Name() { shots::ResetAimedStreamShots(Name##Pool, static_cast<int>(std::size(Name##Pool))); }
BOSS_AIMED_STREAM_KINDS(DEFINE_BOSS_AIMED_STREAM)
#undef DEFINE_BOSS_AIMED_STREAM

// Fired from fighter + (25, 25) at the ship + 15; the picture serves style 1 of its Draw.
const AimedStreamKind kSquadAimedStream1 = {
    squadAimedStream1Pool, kSquadStreamGroups, static_cast<int>(std::size(kStreamSpeeds)),
    ShotOwner::Squadron,   25.0f,              25.0f,
    15.0f,                 0.0f,               kStreamSpeeds,
    Pic::VALL301,          SideStep::None,     kSquadStreamBox};

void FireSquadAimedStream1(int fighter) { shots::FireAimedStream(kSquadAimedStream1, fighter); }

void UpdateSquadAimedStream1(int fighter) { shots::UpdateAimedStream(kSquadAimedStream1, fighter, 1); }

void DrawSquadAimedStream1(int fighter, int style) {
  AimedStreamShot* records = kSquadAimedStream1.pool + fighter * kSquadAimedStream1.groupSize;
  for (int i = 0; i < kSquadAimedStream1.groupSize; ++i) {
    if (records[i].active != 0) shots::DrawSquadShotLook(records[i], style, 2, Pic::VALL301);
  }
}

void ResetSquadAimedStream1() {
  shots::ResetAimedStreamShots(squadAimedStream1Pool, static_cast<int>(std::size(squadAimedStream1Pool)));
}
