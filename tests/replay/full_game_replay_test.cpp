// The whole game in one run: the invincible ship firing weapons 1 and 3 goes from the title through
// the three stages and their bosses to the ending, and back to the title.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/el_draw.h"
#include "game/game_state.h"
#include "game/scene.h"
#include "platform/headless/headless_host.h"
#include "support/headless_game.h"

namespace {

struct SceneChange {
  int frame, scene, wipeSteps, score;
};

struct GameRun {
  std::vector<SceneChange> changes;
  int lastScene = -1;
};

void Record(int frame, void* user) {
  auto& run = *static_cast<GameRun*>(user);
  if (SceneState.currentScene == run.lastScene) return;
  run.lastScene = SceneState.currentScene;
  run.changes.push_back(SceneChange{frame, SceneState.currentScene, ScreenTransition.steps, GameState.score});
}

int CountCommands(const std::string& prefix) {
  int n = 0;
  for (const std::string& c : plat::headless::MciCommands()) n += c.rfind(prefix, 0) == 0 ? 1 : 0;
  return n;
}

TEST(FullGameReplayTest, TitleThroughThreeStagesAndTheEndingBackToTheTitle) {
  testing_support::FreshHost();
  plat::headless::ScheduleKey(3, 'I', true);
  plat::headless::ScheduleKey(4, 'I', false);
  plat::headless::ScheduleKey(40, 'C', true);
  plat::headless::ScheduleKey(40, 'B', true);
  GameRun run;
  plat::headless::SetFrameDoneHook(Record, &run);
  ASSERT_EQ(testing_support::RunGame(15000), 0);

  const int order[] = {SceneId::Title, SceneId::Stage1, SceneId::Stage2, SceneId::Stage3, SceneId::Ending,
                       SceneId::Title};
  const int wipes[] = {kWipeTitleToStage1, kWipeStage1ToStage2, kWipeStage2ToStage3, kWipeStage3ToEnding,
                       kWipeEndingToTitle};
  ASSERT_EQ(run.changes.size(), std::size(order));
  for (std::size_t i = 0; i < std::size(order); ++i) EXPECT_EQ(run.changes[i].scene, order[i]) << i;
  for (std::size_t i = 1; i < std::size(order); ++i) EXPECT_EQ(run.changes[i].wipeSteps, wipes[i - 1]) << i;
  // The score only grows through the stages and is kept into the ending.
  EXPECT_GT(run.changes[2].score, 0);
  EXPECT_GE(run.changes[3].score, run.changes[2].score);
  EXPECT_GE(run.changes[4].score, run.changes[3].score);
  EXPECT_EQ(GameState.highScore, run.changes[4].score);
  // The stage piece starts once and loops through the stages; the third boss stops it; the ending
  // plays its own piece.
  const std::string dir = testing_support::BuildDir();
  EXPECT_EQ(CountCommands("open \"" + dir + "/MIDI/QMX1.MID\""), 1);
  EXPECT_EQ(CountCommands("open \"" + dir + "/MIDI/QMX2.MID\""), 1);
  EXPECT_GE(CountCommands("stop midi"), 1);
  EXPECT_TRUE(plat::headless::MessageBoxes().empty());
}

}  // namespace
