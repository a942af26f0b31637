// Stage 3: the boss-3 attack timeline at its counter bounds, and the stage frame (entry, clock rate,
// capsule windows, the boss window, fire before update, nothing but the boss).
#include <string>
#include <vector>

#include "game/assets.h"
#include "game/player_fixture.h"
#include "game/power_capsule.h"
#include "shots/aimed_fan_kinds.h"
#include "shots/aimed_ring_kinds.h"
#include "shots/aimed_stream_kinds.h"
#include "shots/curving_chain_kinds.h"
#include "shots/falling_pair_kinds.h"
#include "shots/formation_kinds.h"
#include "shots/hook_sprite_kinds.h"
#include "stages/boss3_timeline.h"
#include "stages/bosses.h"
#include "stages/squadron.h"

namespace {

struct Window {
  int from, to;
};

// What one kind did on one timeline call: ticks counted by its emitter counter, fires by its first
// record going live.
struct KindProbe {
  std::string name;
  int (*response)();
  std::vector<Window> windows;  // every counter window of the kind, inclusive
};

template <const shots::AimedFanKind& kind>
int FanTicks() { return kind.pool[0].tickCount; }
template <const shots::AimedRingKind& kind>
int RingTicks() { return kind.pool[0].tickCount; }
template <const shots::FallingPairKind& kind>
int PairTicks() { return kind.pool[0].tickCount; }
template <const shots::FormationKind& kind>
int FormationTicks() { return kind.pool[0].tickCount; }
template <const shots::HookSpriteKind& kind>
int HookTicks() { return *kind.counter; }
template <const shots::AimedStreamKind& kind>
int StreamFires() { return kind.pool[0].active; }
template <const shots::CurvingChainKind& kind>
int ChainFires() { return kind.pool[0].active; }

const std::vector<Window> kSideStreams = {{250, 280}, {510, 540}, {1200, 1250}};
const std::vector<Window> kWidestStreams = {{1200, 1250}};
const std::vector<Window> kStreams25 = {{160, 200}, {380, 500}, {1050, 1200}};
const std::vector<Window> kStreams27 = {{300, 500}, {1000, 1200}};
const std::vector<Window> kStreams29 = {{100, 200}, {950, 1200}};
const std::vector<Window> kPairs = {{60, 80}, {450, 500}};
const std::vector<Window> kRings = {{30, 60}, {500, 550}};
const std::vector<Window> kFormations4 = {{400, 500}, {550, 800}};
const std::vector<Window> kHooks = {{1510, 1900}};

#define PROBE(Name, response, windows) KindProbe{#Name, response<k##Name>, windows}
const std::vector<KindProbe> kProbes = {
    PROBE(Boss3AimedRing3, RingTicks, kRings),
    PROBE(Boss3AimedRing4, RingTicks, kRings),
    PROBE(Boss3FallingPair1, PairTicks, kPairs),
    PROBE(Boss3FallingPair2, PairTicks, kPairs),
    PROBE(Boss3FallingPair3, PairTicks, kPairs),
    PROBE(Boss3AimedStream29, StreamFires, kStreams29),
    PROBE(Boss3AimedStream30, StreamFires, kStreams29),
    PROBE(Boss3AimedStream25, StreamFires, kStreams25),
    PROBE(Boss3AimedStream26, StreamFires, kStreams25),
    PROBE(Boss3AimedStream27, StreamFires, kStreams27),
    PROBE(Boss3AimedStream28, StreamFires, kStreams27),
    PROBE(Boss3Formation6, FormationTicks, (std::vector<Window>{{200, 300}})),
    PROBE(Boss3Formation7, FormationTicks, (std::vector<Window>{{200, 300}})),
    PROBE(Boss3Formation4, FormationTicks, kFormations4),
    PROBE(Boss3Formation5, FormationTicks, kFormations4),
    PROBE(Boss3Formation1, FormationTicks, (std::vector<Window>{{800, 950}})),
    PROBE(Boss3AimedStream3, StreamFires, kSideStreams),
    PROBE(Boss3AimedStream8, StreamFires, kSideStreams),
    PROBE(Boss3AimedStream9, StreamFires, kWidestStreams),
    PROBE(Boss3AimedStream15, StreamFires, kSideStreams),
    PROBE(Boss3AimedStream20, StreamFires, kSideStreams),
    PROBE(Boss3AimedStream21, StreamFires, kWidestStreams),
    PROBE(Boss3CurvingChain1, ChainFires, (std::vector<Window>{{600, 750}, {1250, 1500}})),
    PROBE(Boss3CurvingChain2, ChainFires, (std::vector<Window>{{600, 750}, {1250, 1500}})),
    PROBE(Boss3CurvingChain3, ChainFires, (std::vector<Window>{{1250, 1500}})),
    PROBE(Boss3CurvingChain4, ChainFires, (std::vector<Window>{{1250, 1500}})),
    PROBE(Boss3HookSprite1, HookTicks, kHooks),
    PROBE(Boss3HookSprite6, HookTicks, kHooks),
    PROBE(Boss3AimedFan1, FanTicks, (std::vector<Window>{{1920, 2100}})),
    PROBE(Boss3AimedFan4, FanTicks, (std::vector<Window>{{2120, 2300}})),
    PROBE(Boss3AimedFan7, FanTicks, (std::vector<Window>{{2320, 2500}})),
    PROBE(Boss3AimedFan10, FanTicks, (std::vector<Window>{{2520, 2700}})),
    PROBE(Boss3AimedFan13, FanTicks, (std::vector<Window>{{2720, 2900}})),
    PROBE(Boss3AimedFan16, FanTicks, (std::vector<Window>{{2920, 3100}})),
    PROBE(Boss3AimedFan19, FanTicks, (std::vector<Window>{{3120, 3300}})),
    PROBE(Boss3AimedFan2, FanTicks, (std::vector<Window>{{3320, 3500}})),
    PROBE(Boss3AimedFan3, FanTicks, (std::vector<Window>{{3320, 3500}})),
    PROBE(Boss3AimedFan5, FanTicks, (std::vector<Window>{{3520, 3700}, {4720, 4900}})),
    PROBE(Boss3AimedFan6, FanTicks, (std::vector<Window>{{3520, 3700}, {4720, 4900}})),
    PROBE(Boss3AimedFan8, FanTicks, (std::vector<Window>{{3720, 3900}})),
    PROBE(Boss3AimedFan9, FanTicks, (std::vector<Window>{{3720, 3900}})),
    PROBE(Boss3AimedFan11, FanTicks, (std::vector<Window>{{3920, 4100}})),
    PROBE(Boss3AimedFan12, FanTicks, (std::vector<Window>{{3920, 4100}})),
    PROBE(Boss3AimedFan14, FanTicks, (std::vector<Window>{{4120, 4300}})),
    PROBE(Boss3AimedFan15, FanTicks, (std::vector<Window>{{4120, 4300}})),
    PROBE(Boss3AimedFan17, FanTicks, (std::vector<Window>{{4320, 4500}})),
    PROBE(Boss3AimedFan18, FanTicks, (std::vector<Window>{{4320, 4500}})),
    PROBE(Boss3AimedFan20, FanTicks, (std::vector<Window>{{4520, 4700}})),
    PROBE(Boss3AimedFan21, FanTicks, (std::vector<Window>{{4520, 4700}})),
};
#undef PROBE

bool Holds(const std::vector<Window>& windows, int counter) {
  for (const Window& w : windows) {
    if (w.from <= counter && counter <= w.to) return true;
  }
  return false;
}

class Stage3Test : public PlayerTest {
 protected:
  void SetUp() override {
    PlayerTest::SetUp();
    SceneState = SceneStateRecord{SceneId::Stage3, SceneId::Stage3, 0};
    ResetGameObjects1();
    ResetGameObjects2();
    PlaceBoss();
  }
  // The boss holding at the top of the field, the ship below it.
  static void PlaceBoss() {
    Boss3.body.x = 180.0f;
    Boss3.body.y = 0.0f;
    GameState.shipX = 380.0f;
    GameState.shipY = 500.0f;
  }
};

// Every kind answers exactly once on every counter of its windows and never outside them, checked on
// both sides of every window bound; a kind that ran twice on one counter would count 2.
TEST_F(Stage3Test, EveryTimelineRowRunsOnlyInsideItsCounterWindow) {
  std::vector<int> counters = {1, 29, 1501, 1509, 1901, 1919, 4900};
  for (const KindProbe& probe : kProbes) {
    for (const Window& w : probe.windows) {
      for (int c : {w.from - 1, w.from, w.to, w.to + 1}) counters.push_back(c);
    }
  }
  for (int counter : counters) {
    ResetGameObjects2();
    PlaceBoss();
    RunBoss3Timeline(counter);
    for (const KindProbe& probe : kProbes) {
      EXPECT_EQ(probe.response(), Holds(probe.windows, counter) ? 1 : 0) << probe.name << " at counter " << counter;
    }
  }
}

TEST_F(Stage3Test, ClockRunsAtSixteenAndTheMusicCounterIsLeftAlone) {
  elSystem::FrameClock.frameTime = 0.5f;
  GameState.musicCounter = 1234;
  RunStage3Scene();
  EXPECT_FLOAT_EQ(GameState.stageClock, 8.0f);
  EXPECT_EQ(GameState.musicCounter, 1234);
}

TEST_F(Stage3Test, TheFirstFrameKeepsAPauseAndOnlyYContinues) {
  GameState.paused = 1;
  GameState.gameOver = 1;
  SceneState.sceneEntered = 1;
  const int presents = plat::headless::PresentCount();
  RunStage3Scene();
  EXPECT_EQ(plat::headless::PresentCount(), presents) << "a paused frame draws nothing";
  EXPECT_EQ(GameState.paused, 1);
  EXPECT_EQ(GameState.stageClock, 0.0f);

  elInput::LastTypedKey = 'Y';
  RunStage3Scene();
  EXPECT_EQ(GameState.paused, 0);
  EXPECT_EQ(GameState.shipStock, 111);
  EXPECT_EQ(plat::headless::PresentCount(), presents);
  RunStage3Scene();
  EXPECT_EQ(plat::headless::PresentCount(), presents + 1);
}

TEST_F(Stage3Test, CapsuleWindowsAreInclusive) {
  elSystem::FrameClock.frameTime = 0.0f;
  for (float clock : {99.99f, 150.01f, 299.99f, 350.01f, 499.99f, 550.01f, 799.99f, 850.01f, 999.99f, 1050.01f}) {
    GameState.stageClock = clock;
    RunStage3Scene();
    EXPECT_EQ(PowerCapsule.active, 0) << clock;
  }
  for (float clock : {100.0f, 150.0f, 300.0f, 350.0f, 500.0f, 550.0f, 800.0f, 850.0f, 1000.0f, 1050.0f}) {
    ResetPowerCapsule();
    GameState.stageClock = clock;
    RunStage3Scene();
    EXPECT_EQ(PowerCapsule.active, 1) << clock;
  }
}

// One frame is 1/16 s: the clock gains exactly 1. The boss window 10..11100 is strict on the clock
// after the gain.
TEST_F(Stage3Test, TheBossMovesOnlyInsideItsClockWindow) {
  elSystem::FrameClock.frameTime = 1.0f / 16.0f;
  struct Case {
    float clockBefore;
    bool moves;
  };
  for (const Case& c : {Case{9.0f, false}, Case{10.0f, true}, Case{11098.0f, true}, Case{11099.0f, false}}) {
    ResetBoss3();
    GameState.stageClock = c.clockBefore;
    RunStage3Scene();
    EXPECT_EQ(Boss3.body.pathTimer > 0.0f, c.moves) << "clock " << GameState.stageClock;
  }
}

// The timeline fires before the shots update: a stream fired in a frame has already flown one step
// when that frame is drawn. Stage 3 moves nothing but its boss.
TEST_F(Stage3Test, ShotsFiredInAFrameFlyInThatFrameAndNoOtherEnemyMoves) {
  elSystem::FrameClock.frameTime = 1.0f / 16.0f;
  GameState.stageClock = 500.0f;
  Boss3.body.life = 779.0f;
  Boss3.body.pathTimer = 150.0f;  // holding at (180, 0)
  Boss3.attackCounter = 99;
  SquadFighters[0].active = 1;
  SquadFighters[0].x = 300.0f;
  SquadFighters[0].y = 100.0f;
  RunStage3Scene();
  ASSERT_EQ(Boss3.attackCounter, 100);
  const auto& first = kBoss3AimedStream29.pool[0];
  ASSERT_EQ(first.active, 1);
  EXPECT_GT(first.y, first.startY);
  EXPECT_EQ(SquadFighters[0].y, 100.0f);
  EXPECT_EQ(SquadFighters[0].x, 300.0f);
}

}  // namespace
