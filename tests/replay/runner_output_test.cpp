// What the runner writes besides the picture: the sounds and music of each frame in its trace, and
// whole-state dumps at chosen frames.
#include <gtest/gtest.h>

#include "support/runner_replay.h"

namespace {

using testing_support::Hold;
using testing_support::RunRunner;

TEST(RunnerOutputTest, TraceListsEachFramesSoundsAndMusicAndDumpsHoldEveryRecord) {
  // Enter starts stage 1 on frame 4; C held from frame 41 fires a volley every fourth frame.
  const auto run = RunRunner(800, "runner-output", Hold("RETURN", 3, 4) + Hold("C", 40, 90), 100, {60, 99});
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  ASSERT_EQ(run.trace.Frames(), 100);
  // The stage starts its piece on its first frame.
  ASSERT_EQ(run.trace.music[4].size(), 3u);
  const std::string open = run.trace.music[4][0];
  EXPECT_EQ(open.rfind("open \"/", 0), 0u) << open;
  EXPECT_NE(open.find("/MIDI/QMX1.MID\" type sequencer alias midi"), std::string::npos) << open;
  EXPECT_EQ(run.trace.music[4][1], "seek midi to start");
  EXPECT_EQ(run.trace.music[4][2], "play midi notify");
  int volleys = 0;
  for (int f = 0; f < run.trace.Frames(); ++f) {
    if (f != 4) {
      EXPECT_TRUE(run.trace.music[f].empty()) << f;
    }
    const bool volley =
        run.trace.Int("volleyCounter1", f) % 4 == 0 && run.trace.Int("volleyCounter1", f) > 0 && f > 40 && f < 90;
    EXPECT_EQ(run.trace.sounds[f], volley ? std::vector<int>{0} : std::vector<int>{}) << f;
    volleys += volley ? 1 : 0;
  }
  EXPECT_EQ(volleys, 12);

  ASSERT_EQ(run.dumps.size(), 2u);
  const nlohmann::json& d = run.dumps.at(60);
  EXPECT_EQ(d["frame"], 60);
  EXPECT_EQ(d["gameState"]["shipX"].get<double>(), run.trace.At("shipX", 60));
  EXPECT_EQ(d["gameState"]["volleyCounter1"].get<int>(), run.trace.Int("volleyCounter1", 60));
  EXPECT_EQ(d["scene"]["currentScene"].get<int>(), run.trace.Int("scene", 60));
  const struct {
    const char* pool;
    std::size_t records;
  } pools[] = {{"volleyShots1", 78},  {"volleyShots3", 156}, {"barrageShots", 200}, {"optionShots4", 45},
               {"specialAttack", 16}, {"shipExplosion", 80}, {"squadFighters", 50}, {"turrets3", 5},
               {"stage1EnemiesG", 5}, {"stars", 100},        {"backdropColumns", 4}};
  for (const auto& p : pools) EXPECT_EQ(d[p.pool].size(), p.records) << p.pool;
  EXPECT_EQ(d["backdropColumns"][3].size(), 5000u);
  EXPECT_EQ(d["trails"]["Stage2Trail3"].size(), 6000u);
  EXPECT_EQ(d["boss2"]["largeBursts"].size(), 8u);
  EXPECT_EQ(d["enemyShots"]["Boss3AimedFan19"].size(), 75u);
  EXPECT_EQ(d["enemyShots"]["Boss3AimedFan19"][0]["angle"].get<float>(), -0.05235988f);
  EXPECT_EQ(d["enemyShots"]["SquadAimedStream1"][0]["active"], 0);
  EXPECT_TRUE(d["enemyShotCounters"].contains("Boss3HookSprite6"));
  // The live volley shots of the dump are those the trace counts.
  int live = 0;
  for (const auto& shot : d["volleyShots1"]) live += shot["active"].get<int>();
  EXPECT_EQ(live, run.trace.Int("volleyShots1", 60));
  EXPECT_GT(live, 0);
  EXPECT_NE(run.dumps.at(99)["volleyShots1"], d["volleyShots1"]);
}

TEST(RunnerOutputTest, ADumpOfAFrameNeverReachedFailsTheRun) {
  const auto late = RunRunner(640, "runner-late-dump", "", 20, {10, 20});
  EXPECT_EQ(late.exitCode, 1);
  EXPECT_NE(late.errors.find("--dump 20:"), std::string::npos) << late.errors;
  EXPECT_NE(late.errors.find("ended after frame 19"), std::string::npos) << late.errors;
  EXPECT_EQ(late.dumps.count(10), 1u) << "the frames that were reached are still written";
  for (const char* bad : {"--dump 12", "--dump :x.json", "--dump 12:", "--dump -3:x.json", "--dump 1x:x.json"}) {
    EXPECT_EQ(RunRunner(640, "runner-bad-dump", "", 5, {}, bad).exitCode, 2) << bad;
  }
}

}  // namespace
