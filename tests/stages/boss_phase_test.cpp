// The boss phase of the three stages: the clock window, the attack counter and its wrap, the time-out
// that doubles the defeat's pace, and a defeat that resets the game in the middle of the phase.
#include <vector>

#include "game/player_fixture.h"
#include "shots/aimed_stream_kinds.h"
#include "stages/boss1_timeline.h"
#include "stages/boss_phase.h"
#include "stages/bosses.h"

namespace {

constexpr float kStep = 0.1f;  // path and defeat timers step by exactly 1

std::vector<int> Seen;
void RecordTimeline(int counter) { Seen.push_back(counter); }

struct PhaseCase {
  void (*run)(BossTimeline);
  BossRecord* boss;
  float clockAfter, clockBefore, attacksBelow;
  int wrap;
  float timeOut;
};
const PhaseCase kPhases[] = {
    {RunBoss1Phase, &Boss1, 1460.0f, 10100.0f, 1010.0f, 4300, 10000.0f},
    {RunBoss2Phase, &Boss2, 150.0f, 11100.0f, 980.0f, 2300, 11000.0f},
    {RunBoss3Phase, &Boss3, 10.0f, 11100.0f, 780.0f, 4900, 11000.0f},
};

class BossPhaseTest : public PlayerTest {
 protected:
  void SetUp() override {
    PlayerTest::SetUp();
    SceneState = SceneStateRecord{SceneId::Stage1, SceneId::Stage1, 0};
    elSystem::FrameClock.frameTime = kStep;
    Seen.clear();
  }
};

TEST_F(BossPhaseTest, WindowIsStrictOnTheLiveClock) {
  for (const PhaseCase& c : kPhases) {
    for (float clock : {c.clockAfter, c.clockBefore}) {
      GameState.stageClock = clock;
      c.run(RecordTimeline);
      EXPECT_EQ(c.boss->body.pathTimer, 0.0f) << "clock " << clock;
    }
    GameState.stageClock = c.clockAfter + 0.01f;
    c.run(RecordTimeline);
    EXPECT_EQ(c.boss->body.pathTimer, 1.0f) << "clock " << GameState.stageClock;
  }
}

TEST_F(BossPhaseTest, CounterRunsOnlyWhileHurtAndAliveAndWraps) {
  for (const PhaseCase& c : kPhases) {
    Seen.clear();
    GameState.stageClock = c.clockAfter + 1.0f;
    BossRecord& boss = *c.boss;
    boss.body.life = c.attacksBelow;  // not yet hurt enough
    c.run(RecordTimeline);
    boss.body.life = 0.0f;  // exploding
    c.run(RecordTimeline);
    EXPECT_TRUE(Seen.empty());
    EXPECT_EQ(boss.attackCounter, 0);

    boss.body.life = c.attacksBelow - 0.5f;
    boss.body.defeatTimer = 0.0f;
    c.run(RecordTimeline);
    boss.attackCounter = c.wrap - 1;
    c.run(RecordTimeline);
    EXPECT_EQ(boss.attackCounter, 0) << "wraps after its last value has run";
    c.run(RecordTimeline);
    EXPECT_EQ(Seen, (std::vector<int>{1, c.wrap, 1}));
  }
}

TEST_F(BossPhaseTest, TimeOutDestroysTheBossAndDoublesTheDefeatPace) {
  for (const PhaseCase& c : kPhases) {
    BossRecord& boss = *c.boss;
    boss.body.life = 400.0f;
    GameState.stageClock = c.timeOut - 0.01f;
    c.run(RecordTimeline);
    EXPECT_EQ(boss.body.life, 400.0f);
    GameState.stageClock = c.timeOut;
    c.run(RecordTimeline);
    EXPECT_EQ(boss.body.life, 0.0f);
    EXPECT_EQ(boss.body.defeatTimer, 1.0f) << "the drawer saw a living boss; the time-out ran the defeat once";
    c.run(RecordTimeline);
    EXPECT_EQ(boss.body.defeatTimer, 3.0f) << "from then on twice a frame";
  }
}

// A defeat that ends inside the phase resets the clock to 0 and brings a fresh boss: the time-out and
// the attack test of the same frame read the live clock and life and leave it alone.
TEST_F(BossPhaseTest, DefeatResettingMidFrameSparesTheFreshBoss) {
  GameState.stageClock = 10050.0f;
  Boss1.body.life = 0.0f;
  Boss1.body.defeatTimer = 70.0f;
  RunBoss1Phase(RecordTimeline);
  EXPECT_EQ(SceneState.currentScene, SceneId::Stage2);
  EXPECT_EQ(ScreenTransition.counter, 30);
  EXPECT_EQ(GameState.stageClock, 0.0f);
  EXPECT_EQ(Boss1.body.life, 1020.0f);
  EXPECT_EQ(Boss1.body.defeatTimer, 0.0f);
  EXPECT_EQ(Boss1.attackCounter, 0);
  EXPECT_TRUE(Seen.empty());
}

TEST_F(BossPhaseTest, Boss1TimelineFiresItsStreamsInTheirWindows) {
  Boss1.body.x = 180.0f;
  Boss1.body.y = 0.0f;
  struct Case {
    int counter;
    bool fires9, fires3;
  };
  const Case cases[] = {{99, false, false},   {100, true, false},   {170, true, true},  {201, false, false},
                        {600, true, false},   {760, false, true},   {1100, false, true}, {2300, true, false},
                        {3600, true, true},   {4250, false, true},  {4251, false, false}};
  for (const Case& c : cases) {
    ResetBoss1AimedStream3();
    ResetBoss1AimedStream9();
    RunBoss1Timeline(c.counter);
    EXPECT_EQ(kBoss1AimedStream9.pool[0].active, c.fires9 ? 1 : 0) << c.counter;
    EXPECT_EQ(kBoss1AimedStream3.pool[0].active, c.fires3 ? 1 : 0) << c.counter;
  }
}

}  // namespace
