// Whole runs through the program: the title, Enter, and stage 1 with the ship flying and firing.
#include <gtest/gtest.h>

#include <vector>

#include "framework/el_draw.h"
#include "game/game_state.h"
#include "game/scene.h"
#include "platform/headless/headless_host.h"
#include "platform/win_types.h"
#include "support/headless_game.h"

namespace {

struct FrameRecord {
  int scene, bank, flash1, volleyCounter1, paused, gameOver, shipStock, presents;
  float shipX, clock;
};

struct ReplayRun {
  std::vector<FrameRecord> frames;
};

void Record(int, void* user) {
  auto& run = *static_cast<ReplayRun*>(user);
  run.frames.push_back(FrameRecord{SceneState.currentScene, GameState.bankFrame, GameState.muzzleFlash1,
                                   GameState.volleyCounter1, GameState.paused, GameState.gameOver,
                                   GameState.shipStock, plat::headless::PresentCount(), GameState.shipX,
                                   GameState.stageClock});
}

void Hold(int virtualKey, int from, int to) {
  plat::headless::ScheduleKey(from, virtualKey, true);
  plat::headless::ScheduleKey(to, virtualKey, false);
}

// Enter on frame 3: the stage's first frame is 4 and its 26-frame wipe blanks the keys until 30.
constexpr int kStageStart = 4;
constexpr int kKeysLive = 30;

TEST(Stage1ReplayTest, TheShipMovesAndFiresAfterThePresent) {
  testing_support::FreshHost();
  Hold(plat::VK_RETURN, 3, 4);
  Hold(plat::VK_LEFT, 40, 50);
  Hold('C', 60, 70);
  ReplayRun run;
  plat::headless::SetFrameDoneHook(Record, &run);
  ASSERT_EQ(testing_support::RunGame(80), 0);
  ASSERT_EQ(run.frames[kStageStart].scene, SceneId::Stage1);
  EXPECT_GT(run.frames[kKeysLive].clock, run.frames[kStageStart].clock);

  // Left is down before frame 40 and held from 41: the ship moves in 41's after-present step.
  EXPECT_EQ(run.frames[40].shipX, 370.0f);
  EXPECT_LT(run.frames[41].shipX, 370.0f);
  EXPECT_EQ(run.frames[42].bank, 4);
  EXPECT_EQ(run.frames[53].bank, 3);  // released before frame 50: back at level three frames later

  // C is held from frame 61: the volley of counter 4 is launched after frame 64's present, so its
  // flash is still raised when that frame ends and is drawn and cleared by frame 65.
  EXPECT_EQ(run.frames[64].volleyCounter1, 4);
  EXPECT_EQ(run.frames[64].flash1, 1);
  EXPECT_EQ(run.frames[65].flash1, 0);
}

}  // namespace
