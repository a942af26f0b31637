// Stage 2's frame: its entry and pause, its clock, its capsule and wave windows, the squadron shots it
// moves and those it leaves, and the boss-2 attack timeline at the bounds of its rows.
#include <algorithm>
#include <vector>

#include "game/assets.h"
#include "game/player_fixture.h"
#include "game/power_capsule.h"
#include "shots/aimed_fan_kinds.h"
#include "shots/aimed_ring_kinds.h"
#include "shots/aimed_shot.h"
#include "shots/aimed_stream_kinds.h"
#include "shots/drop_group_kinds.h"
#include "shots/falling_pair_kinds.h"
#include "shots/formation_kinds.h"
#include "stages/boss2_timeline.h"
#include "stages/bosses.h"
#include "stages/squadron.h"
#include "stages/turrets.h"

namespace {

class Stage2FrameTest : public PlayerTest {
 protected:
  void SetUp() override {
    PlayerTest::SetUp();
    SceneState = SceneStateRecord{SceneId::Stage2, SceneId::Stage2, 0};
    elSystem::FrameClock.frameTime = 0.0f;  // the clock stays where a test puts it
  }
  static void FrameAt(float clock) {
    GameState.stageClock = clock;
    RunStage2Scene();
  }
};

TEST_F(Stage2FrameTest, ClockRunsAtEighteenAndTheMusicCounterIsLeftAlone) {
  elSystem::FrameClock.frameTime = 0.5f;
  GameState.musicCounter = 7;
  const int presents = plat::headless::PresentCount();
  FrameAt(2000.0f);
  EXPECT_FLOAT_EQ(GameState.stageClock, 2009.0f);
  EXPECT_EQ(GameState.musicCounter, 7);
  EXPECT_EQ(plat::headless::PresentCount(), presents + 1);
}

// Unlike stage 1, the first frame keeps a pause left from before; Y continues only after game over.
TEST_F(Stage2FrameTest, FirstFrameKeepsThePauseAndYContinuesAfterGameOver) {
  SceneState.sceneEntered = 1;
  GameState.paused = 1;
  GameState.shipStock = 3;
  elInput::LastTypedKey = 'Y';
  const int presents = plat::headless::PresentCount();
  FrameAt(400.0f);
  EXPECT_EQ(GameState.paused, 1);
  EXPECT_EQ(GameState.shipStock, 3) << "not game over: Y does nothing";
  EXPECT_EQ(plat::headless::PresentCount(), presents) << "a paused frame presents nothing";

  GameState.gameOver = 1;
  GameState.score = 1234;
  FrameAt(400.0f);
  EXPECT_EQ(GameState.paused, 0);
  EXPECT_EQ(GameState.gameOver, 0);
  EXPECT_EQ(GameState.score, 0);
  EXPECT_EQ(GameState.shipStock, 111);
  EXPECT_EQ(GameState.capsuleCounter, 5);
  EXPECT_EQ(GameState.stageClock, 400.0f) << "play goes on where it stood";
  EXPECT_EQ(plat::headless::PresentCount(), presents);
}

TEST_F(Stage2FrameTest, CapsuleWindowsAreInclusive) {
  for (float clock : {299.99f, 350.01f, 499.99f, 550.01f, 799.99f, 850.01f, 999.99f, 1050.01f}) {
    FrameAt(clock);
    EXPECT_EQ(PowerCapsule.active, 0) << clock;
  }
  for (float clock : {300.0f, 350.0f, 500.0f, 550.0f, 800.0f, 850.0f, 1000.0f, 1050.0f}) {
    ResetPowerCapsule();
    FrameAt(clock);
    EXPECT_EQ(PowerCapsule.active, 1) << clock;
  }
}

TEST_F(Stage2FrameTest, TurretWindowIsStrict) {
  for (float clock : {50.0f, 120.0f}) {
    FrameAt(clock);
    EXPECT_EQ(Turrets1[0].spawnTick, 0) << clock;
    EXPECT_EQ(Turrets2[0].spawnTick, 0) << clock;
  }
  FrameAt(50.01f);
  FrameAt(119.99f);
  EXPECT_EQ(Turrets1[0].spawnTick, 2);
  EXPECT_EQ(Turrets2[0].spawnTick, 2);
}

struct WaveCase {
  float lo, hi;
  int slot;
};
const WaveCase kWaves[] = {{80, 150, 5},   {90, 160, 6},   {100, 180, 7},   {105, 180, 8},
                           {120, 200, 9},  {130, 200, 10}, {1100, 1180, 3}, {1100, 1180, 4}};

TEST_F(Stage2FrameTest, WaveWindowsAreStrictAndArmTheirSlots) {
  for (const WaveCase& w : kWaves) {
    for (float clock : {w.lo, w.hi}) {
      ResetSquadFighters();
      FrameAt(clock);
      EXPECT_EQ(SquadFighters[w.slot].active, 0) << "slot " << w.slot << " at " << clock;
    }
    for (float clock : {w.lo + 0.01f, w.hi - 0.01f}) {
      ResetSquadFighters();
      ResetSquadAimedShot1();
      FrameAt(clock);
      EXPECT_EQ(SquadFighters[w.slot].active, 1) << "slot " << w.slot << " at " << clock;
      // Slots 5 and 6 (moved by this stage) keep their fresh shot; 9 and 10's are never moved.
      EXPECT_EQ(kSquadAimedShot1.pool[w.slot].active, 1) << "slot " << w.slot << " at " << clock;
    }
  }
}

// The stage moves the squadron shots of slots 0 to 8 only: a stream that slot 7 fires from above the
// screen ends in the same frame (the shots are moved after the waves), while slot 9's and 10's stay
// where they were fired, still live, frame after frame.
TEST_F(Stage2FrameTest, ShotsOfSlotsNineAndTenAreNeverMoved) {
  FrameAt(130.01f);
  EXPECT_EQ(kSquadAimedStream1.pool[5 * 7].active, 0);
  ASSERT_EQ(kSquadAimedStream1.pool[5 * 9].active, 1);
  ASSERT_EQ(kSquadAimedStream1.pool[5 * 10].active, 1);
  const AimedStreamShot stream9 = kSquadAimedStream1.pool[5 * 9];
  const AimedStreamShot shot10 = kSquadAimedShot1.pool[10];
  elSystem::FrameClock.frameTime = kFrame;
  for (int i = 0; i < 30; ++i) RunStage2Scene();
  EXPECT_EQ(kSquadAimedStream1.pool[5 * 9].active, 1);
  EXPECT_EQ(kSquadAimedStream1.pool[5 * 9].x, stream9.x);
  EXPECT_EQ(kSquadAimedStream1.pool[5 * 9].y, stream9.y);
  EXPECT_EQ(kSquadAimedShot1.pool[10].active, 1);
  EXPECT_EQ(kSquadAimedShot1.pool[10].y, shot10.y);
}

// The boss-2 timeline at the bounds of its rows: each kind's tick count (or whether it fired) after one
// run from rest is the number of its windows holding the counter.
struct Window {
  int from, to;
};
struct KindProbe {
  const char* name;
  int (*seen)();  // tick count of the kind's first record, or 1 when it has fired
  std::vector<Window> windows;
};

int Stream1() { return kBoss2AimedStream1.pool[0].active; }
int Stream12() { return kBoss2AimedStream12.pool[0].active; }
int Ring2() { return kBoss2AimedRing2.pool[0].tickCount; }
int Fan2() { return kBoss2AimedFan2.pool[0].tickCount; }
int Fan3() { return kBoss2AimedFan3.pool[0].tickCount; }
int Fan5() { return kBoss2AimedFan5.pool[0].tickCount; }
int Fan7() { return kBoss2AimedFan7.pool[0].tickCount; }
int Pair1() { return kBoss2FallingPair1.pool[0].tickCount; }
int Pair6() { return kBoss2FallingPair6.pool[0].tickCount; }
int Formation2() { return kBoss2Formation2.pool[0].tickCount; }
int Formation8() { return kBoss2Formation8.pool[0].tickCount; }
int Formation9() { return kBoss2Formation9.pool[0].tickCount; }
int Formation12() { return kBoss2Formation12.pool[0].tickCount; }
int Formation13() { return kBoss2Formation13.pool[0].tickCount; }
int DropGroup8() { return kBoss2DropGroup8.pool[0].active; }
int DropGroup16() { return kBoss2DropGroup16.pool[0].active; }

const KindProbe kProbes[] = {
    {"stream 1", Stream1, {{350, 380}, {800, 900}}},
    {"stream 12", Stream12, {{350, 380}, {800, 900}}},
    {"ring 2", Ring2, {{400, 500}}},
    {"fan 2", Fan2, {{1320, 1500}}},
    {"fan 3", Fan3, {{1520, 1800}}},
    {"fan 5", Fan5, {{1820, 2000}}},
    {"fan 7", Fan7, {{2020, 2300}}},
    {"pair 1", Pair1, {{110, 200}}},
    {"pair 6", Pair6, {{480, 580}}},
    {"formation 2", Formation2, {{30, 150}}},
    {"formation 8", Formation8, {{450, 500}}},
    {"formation 9", Formation9, {{200, 250}, {250, 400}, {500, 700}, {700, 1000}}},
    {"formation 12", Formation12, {{200, 250}, {250, 400}, {750, 1100}}},
    {"formation 13", Formation13, {{580, 700}, {1050, 1300}}},
    {"drop group 8", DropGroup8, {{1, 30}}},
    {"drop group 16", DropGroup16, {{1, 30}}},
};

int WindowsHolding(const KindProbe& probe, int counter) {
  int n = 0;
  for (const Window& w : probe.windows) n += (w.from <= counter && counter <= w.to) ? 1 : 0;
  return n;
}

TEST_F(Stage2FrameTest, Boss2TimelineRowsRunInsideTheirBoundsOnly) {
  std::vector<int> counters;
  for (const KindProbe& probe : kProbes) {
    for (const Window& w : probe.windows) counters.insert(counters.end(), {w.from - 1, w.from, w.to, w.to + 1});
  }
  std::sort(counters.begin(), counters.end());
  counters.erase(std::unique(counters.begin(), counters.end()), counters.end());
  for (int counter : counters) {
    ResetGameObjects2();
    Boss2.body.x = 180.0f;
    Boss2.body.y = 0.0f;
    RunBoss2Timeline(counter);
    for (const KindProbe& probe : kProbes) {
      EXPECT_EQ(probe.seen(), WindowsHolding(probe, counter)) << probe.name << " at counter " << counter;
    }
  }
}

}  // namespace
