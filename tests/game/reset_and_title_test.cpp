// Asset loading, the resets, and the title's keys.
#include <gtest/gtest.h>

#include <array>

#include "framework/el_input.h"
#include "game/assets.h"
#include "game/backdrops.h"
#include "game/game_state.h"
#include "game/pictures.h"
#include "game/scene.h"
#include "game/title_keys.h"
#include "platform/headless/headless_host.h"
#include "support/headless_game.h"

namespace {

TEST(LoadAssetsTest, StartsOnTheTitleWithTheNewGameValues) {
  testing_support::FreshHost();
  GameState = GameStateRecord{};
  LoadAssets();
  EXPECT_EQ(SceneState.currentScene, SceneId::Title);
  EXPECT_EQ(SceneState.previousScene, SceneId::None);
  EXPECT_EQ(GameState.highScore, 500);
  EXPECT_EQ(GameState.score, 0);
  EXPECT_EQ(GameState.shipStock, 1);
  EXPECT_EQ(GameState.capsuleCounter, 5);
  EXPECT_EQ(GameState.shipX, 370.0f);
  EXPECT_EQ(GameState.shipY, 520.0f);
  EXPECT_EQ(GameState.bankFrame, 3);
  EXPECT_EQ(GameState.shipAlive, 1);
}

TEST(LoadAssetsTest, EveryPictureGoesToTheNextSlotInLoadOrder) {
  testing_support::FreshHost();
  LoadAssets();
  for (int i = 0; i < Pic::Count; ++i) EXPECT_EQ(PictureHandles[i], 4 + i) << kPictureFiles[i];
  EXPECT_NE(PictureHandles[Pic::VAL402], PictureHandles[Pic::VAL402_SECOND]);
  EXPECT_EQ(SoundHandles.shot, 0);
  EXPECT_EQ(SoundHandles.bomb, 1);
  EXPECT_TRUE(plat::headless::MessageBoxes().empty());
}

TEST(ResetTest, GameWideResetSetsItsColumnAndLeavesTheRest) {
  testing_support::FreshHost();
  GameState.score = 777;
  GameState.highScore = 900;
  GameState.shipStock = 3;
  GameState.capsuleCounter = 12;
  GameState.shipX = 300.0f;
  GameState.shipY = 200.0f;
  GameState.invincible = 1;
  GameState.ControlMode = 1;
  GameState.stageClock = 1234.0f;
  GameState.shipVelX = 160.0f;
  GameState.shipVelY = -160.0f;
  GameState.bankFrame = 6;
  GameState.bankStep = 1;
  GameState.musicCounter = 55;
  GameState.shipAlive = 0;
  GameState.respawning = 1;
  GameState.respawnCounter = 100;
  GameState.paused = 1;
  GameState.gameOver = 1;
  GameState.barrageRunning = 1;
  ResetGameObjects1();
  ResetGameObjects2();
  EXPECT_EQ(GameState.stageClock, 0.0f);
  EXPECT_EQ(GameState.shipVelX, 0.0f);
  EXPECT_EQ(GameState.shipVelY, 0.0f);
  EXPECT_EQ(GameState.bankFrame, 3);
  EXPECT_EQ(GameState.bankStep, 0);
  EXPECT_EQ(GameState.musicCounter, 0);
  EXPECT_EQ(GameState.shipAlive, 1);
  EXPECT_EQ(GameState.respawning, 0);
  EXPECT_EQ(GameState.respawnCounter, 0);
  EXPECT_EQ(GameState.paused, 0);
  EXPECT_EQ(GameState.gameOver, 0);
  EXPECT_EQ(GameState.barrageRunning, 0);
  // Kept across the reset (a boss defeat keeps score, stock and ship position).
  EXPECT_EQ(GameState.score, 777);
  EXPECT_EQ(GameState.highScore, 900);
  EXPECT_EQ(GameState.shipStock, 3);
  EXPECT_EQ(GameState.capsuleCounter, 12);
  EXPECT_EQ(GameState.shipX, 300.0f);
  EXPECT_EQ(GameState.shipY, 200.0f);
  EXPECT_EQ(GameState.invincible, 1);
  EXPECT_EQ(GameState.ControlMode, 1);
}

std::array<StarFieldStar, kStarCount> StarsAfterResetAt(std::time_t seconds) {
  plat::headless::SetCalendarTime(seconds);
  ResetGameObjects1();
  ResetGameObjects2();
  std::array<StarFieldStar, kStarCount> stars;
  std::copy(std::begin(StarField), std::end(StarField), stars.begin());
  return stars;
}

TEST(ResetTest, TheSameSecondGivesTheSameRandomGame) {
  testing_support::FreshHost();
  const auto a = StarsAfterResetAt(1700000000);
  const int nextA = std::rand();
  const auto b = StarsAfterResetAt(1700000000);
  const int nextB = std::rand();
  const auto c = StarsAfterResetAt(1700000001);
  EXPECT_EQ(nextA, nextB);
  bool sameAsC = true;
  for (int i = 0; i < kStarCount; ++i) {
    EXPECT_EQ(a[i].colour, b[i].colour);
    EXPECT_EQ(a[i].x, b[i].x);
    EXPECT_EQ(a[i].y, b[i].y);
    EXPECT_EQ(a[i].fallSpeed, b[i].fallSpeed);
    EXPECT_GE(a[i].colour, 0);
    EXPECT_LE(a[i].colour, 6);
    EXPECT_GE(a[i].x, -400.0f);
    EXPECT_LE(a[i].x, 839.0f);
    EXPECT_GE(a[i].y, 0.0f);
    EXPECT_LE(a[i].y, 479.0f);
    EXPECT_GE(a[i].fallSpeed, 100.0f);
    EXPECT_LE(a[i].fallSpeed, 199.0f);
    sameAsC = sameAsC && a[i].x == c[i].x && a[i].y == c[i].y;
  }
  EXPECT_FALSE(sameAsC);
}

// Runs the game from its start; the key is typed on the title's third frame.
void StartFromTitleWith(int key) {
  testing_support::FreshHost();
  plat::headless::ScheduleKey(2, key, true);
  plat::headless::ScheduleKey(3, key, false);
  ASSERT_EQ(testing_support::RunGame(6), 0);
}

TEST(TitleTest, EnterStartsANormalGame) {
  StartFromTitleWith(plat::VK_RETURN);
  EXPECT_EQ(SceneState.currentScene, SceneId::Stage1);
  EXPECT_EQ(GameState.ControlMode, 1);
  EXPECT_EQ(GameState.shipStock, 1);
  EXPECT_EQ(GameState.invincible, 0);
}

TEST(TitleTest, HiddenKeysStartWithManyShipsOrAnInvincibleShip) {
  StartFromTitleWith(kTitleKeyManyShips);
  EXPECT_EQ(SceneState.currentScene, SceneId::Stage1);
  EXPECT_EQ(GameState.shipStock, 999);
  EXPECT_EQ(GameState.invincible, 0);
  StartFromTitleWith(kTitleKeyInvincible);
  EXPECT_EQ(SceneState.currentScene, SceneId::Stage1);
  EXPECT_EQ(GameState.shipStock, 1);
  EXPECT_EQ(GameState.invincible, 1);
}

TEST(TitleTest, OtherKeysKeepTheTitle) {
  StartFromTitleWith('X');
  EXPECT_EQ(SceneState.currentScene, SceneId::Title);
  EXPECT_EQ(GameState.ControlMode, 0);
}

}  // namespace
