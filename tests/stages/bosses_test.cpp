// The bosses: path legs, entry picture, life bands and burning sprites, bursts, and the defeat with
// its scene change.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "framework/el_sound.h"
#include "game/pictures.h"
#include "game/player_fixture.h"
#include "stages/bosses.h"

namespace {

// A frame time of 0.1 s steps the path and defeat timers by exactly 1.
constexpr float kStep = 0.1f;

std::vector<std::uint16_t> BackBuffer() {
  int pitch = 0;
  const std::uint16_t* pixels = elDraw::BackBufferPixels(pitch);
  std::vector<std::uint16_t> copy;
  for (int y = 0; y < 600; ++y) copy.insert(copy.end(), pixels + y * pitch, pixels + y * pitch + 800);
  return copy;
}

class BossTest : public PlayerTest {
 protected:
  void SetUp() override {
    PlayerTest::SetUp();
    SceneState = SceneStateRecord{SceneId::Stage1, SceneId::Stage1, 0};
    elSystem::FrameClock.frameTime = kStep;
  }
  // Runs the path from timer t - 1 to t.
  static void StepTo(void (*move)(), BossRecord& boss, float t) {
    boss.body.pathTimer = t - 1.0f;
    move();
  }
  static void ExpectAt(const BossRecord& boss, float x, float y, float t) {
    EXPECT_FLOAT_EQ(boss.body.x, x) << "timer " << t;
    EXPECT_FLOAT_EQ(boss.body.y, y) << "timer " << t;
  }
};

TEST_F(BossTest, Boss1EntersBehindItsPictureAndHoldsCycling138To160) {
  // Timer 1..20: the entry picture is put at the bottom; 22..59 it flies up 40 px a frame and is
  // parked once above -480.
  for (int t = 1; t <= 20; ++t) MoveBoss1();
  EXPECT_EQ(Boss1Effects.entry.x, 160.0f);
  EXPECT_EQ(Boss1Effects.entry.y, 600.0f);
  MoveBoss1();  // 21: in the gap
  EXPECT_EQ(Boss1Effects.entry.y, 600.0f);
  MoveBoss1();  // 22
  EXPECT_FLOAT_EQ(Boss1Effects.entry.y, 560.0f);
  for (int t = 23; t <= 48; ++t) MoveBoss1();
  EXPECT_FLOAT_EQ(Boss1Effects.entry.y, -480.0f) << "-480 is not yet above";
  MoveBoss1();  // 49
  EXPECT_EQ(Boss1Effects.entry.x, -500.0f);
  EXPECT_EQ(Boss1Effects.entry.y, 2550.0f);
  EXPECT_EQ(Boss1Effects.entry.speed, 0.0f);
  EXPECT_EQ(Boss1.body.y, 2550.0f) << "the body waits parked during the entry";

  StepTo(MoveBoss1, Boss1, 61);
  ExpectAt(Boss1, 180.0f, -360.0f, 61);
  StepTo(MoveBoss1, Boss1, 91);
  ExpectAt(Boss1, 180.0f, -352.0f, 91);
  StepTo(MoveBoss1, Boss1, 135);  // the descent and the hold both act: the hold wins
  ExpectAt(Boss1, 180.0f, 0.0f, 135);

  // From 160 the timer goes back to 138: it never reaches 162, and the boss holds.
  Boss1.body.pathTimer = 136.0f;
  for (int i = 0; i < 200; ++i) {
    MoveBoss1();
    ASSERT_GE(Boss1.body.pathTimer, 137.0f);
    ASSERT_LT(Boss1.body.pathTimer, 160.0f);
    ExpectAt(Boss1, 180.0f, 0.0f, Boss1.body.pathTimer);
  }
  StepTo(MoveBoss1, Boss1, 160);
  EXPECT_EQ(Boss1.body.pathTimer, 138.0f);
}

TEST_F(BossTest, Boss2SwaysAndCyclesFrom331To145) {
  StepTo(MoveBoss2, Boss2, 13);
  EXPECT_EQ(Boss2Effects.entry.x, 150.0f);
  EXPECT_EQ(Boss2Effects.entry.y, 600.0f);
  StepTo(MoveBoss2, Boss2, 14);  // in the gap
  EXPECT_EQ(Boss2Effects.entry.y, 600.0f);
  StepTo(MoveBoss2, Boss2, 15);
  EXPECT_FLOAT_EQ(Boss2Effects.entry.y, 550.0f);
  StepTo(MoveBoss2, Boss2, 61);
  ExpectAt(Boss2, 150.0f, -400.0f, 61);
  StepTo(MoveBoss2, Boss2, 91);
  ExpectAt(Boss2, 150.0f, -390.7f, 91);
  StepTo(MoveBoss2, Boss2, 162);  // hold, then the first sway step
  ExpectAt(Boss2, 158.0f, 0.0f, 162);
  for (int t = 163; t <= 171; ++t) MoveBoss2();
  ExpectAt(Boss2, 230.0f, 0.0f, 171);
  MoveBoss2();  // 172: back left
  ExpectAt(Boss2, 222.0f, 0.0f, 172);
  StepTo(MoveBoss2, Boss2, 241);
  ExpectAt(Boss2, 150.0f, 0.0f, 241);
  StepTo(MoveBoss2, Boss2, 331);
  EXPECT_EQ(Boss2.body.pathTimer, 145.0f);
}

TEST_F(BossTest, Boss3HasNoEntryPictureAndWeaves) {
  elSystem::FrameClock.frameTime = 0.0f;
  MoveBoss3();  // timer 0: no leg holds it
  EXPECT_EQ(Boss3.body.y, 2550.0f);
  elSystem::FrameClock.frameTime = kStep;
  MoveBoss3();
  ExpectAt(Boss3, 180.0f, -480.0f, 1);
  EXPECT_EQ(Boss3Effects.entry.y, 2550.0f);
  StepTo(MoveBoss3, Boss3, 31);
  ExpectAt(Boss3, 180.0f, -469.6f, 31);
  StepTo(MoveBoss3, Boss3, 90);
  ExpectAt(Boss3, 180.0f, 0.0f, 90);
  StepTo(MoveBoss3, Boss3, 116);
  ExpectAt(Boss3, 180.0f, -6.0f, 116);
  StepTo(MoveBoss3, Boss3, 201);  // x and y together
  ExpectAt(Boss3, 190.0f, -1.0f, 201);
  Boss3.body.x = 180.0f;
  Boss3.body.y = 0.0f;
  StepTo(MoveBoss3, Boss3, 240);  // the last weave step, then the hold
  ExpectAt(Boss3, 180.0f, 0.0f, 240);
  StepTo(MoveBoss3, Boss3, 250);  // the hold, then the first wide step
  ExpectAt(Boss3, 195.0f, 0.0f, 250);
  StepTo(MoveBoss3, Boss3, 321);
  ExpectAt(Boss3, 215.0f, -10.0f, 321);
  StepTo(MoveBoss3, Boss3, 331);
  EXPECT_EQ(Boss3.body.pathTimer, 80.0f);
}

// The drawer's picture of a life, against the plain picture drawn at the boss's place (or nothing).
struct BandCase {
  int boss;
  float life;
  int picture;  // -1: no body
};

TEST_F(BossTest, BodyPictureFollowsTheLifeBands) {
  const BandCase cases[] = {
      {1, 1021.0f, -1},          {1, 1020.0f, Pic::BOSS11},   {1, 500.01f, Pic::BOSS11},
      {1, 500.0f, Pic::BOSS11_1}, {1, 300.0f, Pic::BOSS11_3},  {1, -99.0f, Pic::BOSS11_3},
      {1, -100.0f, -1},          {2, 1000.0f, Pic::BOSS71},   {2, 1000.5f, -1},
      {2, 400.0f, Pic::BOSS71_1}, {2, 300.0f, Pic::BOSS71_2},  {2, 150.0f, Pic::BOSS71_3},
      {3, 600.0f, Pic::BOSS41},   {3, 500.0f, Pic::BOSS41_1},  {3, 200.0f, Pic::BOSS41_2},
      {3, 100.0f, Pic::BOSS41_3}, {3, -100.0f, -1},
  };
  BossRecord* bosses[] = {nullptr, &Boss1, &Boss2, &Boss3};
  void (*drawers[])() = {nullptr, DrawBoss1Damage, DrawBoss2Damage, DrawBoss3Damage};
  const int sizes[][2] = {{0, 0}, {440, 360}, {500, 400}, {440, 380}};
  for (const BandCase& c : cases) {
    ResetBoss1();
    ResetBoss2();
    ResetBoss3();
    BossRecord& boss = *bosses[c.boss];
    boss.body.x = 180.0f;
    boss.body.y = 20.0f;
    boss.body.life = c.life;
    boss.body.hit = 1;
    elDraw::ClearBackBuffer();
    drawers[c.boss]();
    const std::vector<std::uint16_t> drawn = BackBuffer();
    elDraw::ClearBackBuffer();
    if (c.picture >= 0) {
      elDraw::DrawObject(180, 20, Slot(static_cast<Pic::Id>(c.picture)), 0, 0, sizes[c.boss][0], sizes[c.boss][1]);
    }
    EXPECT_TRUE(drawn == BackBuffer()) << "boss " << c.boss << " life " << c.life;
    EXPECT_EQ(boss.body.hit, 0) << "the drawer has seen the hit";
  }
}

// The burning sprites of a nearly dead boss, at the offsets of their pair and sunk by their frame.
TEST_F(BossTest, BurningSpritesShowBelowLife90And70) {
  struct Case {
    int boss;
    float life;
    int frame;
    std::vector<std::pair<int, int>> sprites;  // offsets from the boss corner
  };
  const Case cases[] = {
      {1, 80.0f, 2, {{140, 106}, {220, 106}}},
      {1, 70.0f, 0, {{140, 50}, {220, 50}, {60, 100}, {300, 100}}},
      {3, 60.0f, 3, {{140, 154}, {220, 154}, {60, 207}, {300, 207}}},
      {2, 40.0f, 1, {{150, 98}, {270, 98}, {90, 28}, {330, 28}}},
  };
  BossRecord* bosses[] = {nullptr, &Boss1, &Boss2, &Boss3};
  BossEffectsRecord* effects[] = {nullptr, &Boss1Effects, &Boss2Effects, &Boss3Effects};
  void (*drawers[])() = {nullptr, DrawBoss1Damage, DrawBoss2Damage, DrawBoss3Damage};
  const Pic::Id bodies[] = {Pic::Count, Pic::BOSS11_3, Pic::BOSS71_3, Pic::BOSS41_3};
  const int sizes[][2] = {{0, 0}, {440, 360}, {500, 400}, {440, 380}};
  for (const Case& c : cases) {
    BossRecord& boss = *bosses[c.boss];
    boss.body.x = 200.0f;
    boss.body.y = 0.0f;
    boss.body.life = c.life;
    effects[c.boss]->burningFrame = c.frame;
    elDraw::ClearBackBuffer();
    drawers[c.boss]();
    const std::vector<std::uint16_t> drawn = BackBuffer();
    elDraw::ClearBackBuffer();
    elDraw::DrawObject(200, 0, Slot(bodies[c.boss]), 0, 0, sizes[c.boss][0], sizes[c.boss][1]);
    for (const auto& [dx, dy] : c.sprites) {
      elDraw::DrawObject(200 + dx, dy, Slot(Pic::ZBAK3B), 80 * c.frame, 0, 80 * c.frame + 80, 80);
    }
    EXPECT_TRUE(drawn == BackBuffer()) << "boss " << c.boss << " life " << c.life;
    EXPECT_EQ(effects[c.boss]->burningFrame, c.frame + 1);
  }
  Boss1Effects.burningFrame = 9;
  DrawBoss1Damage();
  EXPECT_EQ(Boss1Effects.burningFrame, 0);
}

TEST_F(BossTest, DamageBurstsRunInsideTheBurstBands) {
  Boss1.body.x = 180.0f;
  Boss1.body.y = 0.0f;
  for (float life : {530.01f, 470.0f, 330.01f, 270.0f, 180.01f, 120.0f}) {
    ResetBoss1();
    Boss1.body.x = 180.0f;
    Boss1.body.y = 0.0f;
    Boss1.body.life = life;
    DrawBoss1Damage();
    EXPECT_EQ(Boss1Effects.large[0].frame, 0) << life;
  }
  for (float life : {530.0f, 470.01f, 330.0f, 270.01f, 180.0f, 120.01f}) {
    ResetBoss1();
    Boss1.body.x = 180.0f;
    Boss1.body.y = 0.0f;
    Boss1.body.life = life;
    std::srand(21);
    std::vector<float> expected;
    for (int i = 0; i < 8; ++i) {
      expected.push_back(180.0f + static_cast<float>(std::rand() % 440) - 100.0f);
      expected.push_back(0.0f + static_cast<float>(std::rand() % 360) - 100.0f);
    }
    std::srand(21);
    DrawBoss1Damage();
    for (int i = 0; i < 8; ++i) {
      EXPECT_EQ(Boss1Effects.large[i].frame, 1) << life;
      EXPECT_EQ(Boss1Effects.large[i].x, expected[2 * i]) << life;
      EXPECT_EQ(Boss1Effects.large[i].y, expected[2 * i + 1]) << life;
    }
    EXPECT_EQ(Boss1Effects.small[0].x, -500.0f) << "the small bursts belong to the defeat";
  }
  Boss1Effects.large[0].frame = 3;
  DrawBoss1Damage();
  EXPECT_EQ(Boss1Effects.large[0].frame, 0);
}

TEST_F(BossTest, DefeatExplodesFor70UnitsThenResetsAndChangesScene) {
  struct Case {
    BossRecord* boss;
    BossEffectsRecord* effects;
    void (*defeat)();
    int spreadA, spreadB, spreadC;
    int nextScene, wipe;
  };
  const Case cases[] = {
      {&Boss1, &Boss1Effects, RunBoss1Defeat, 440, 360, 360, SceneId::Stage2, 30},
      {&Boss2, &Boss2Effects, RunBoss2Defeat, 500, 350, 350, SceneId::Stage3, 60},
      {&Boss3, &Boss3Effects, RunBoss3Defeat, 440, 320, 310, SceneId::Ending, 30},
  };
  for (const Case& c : cases) {
    SceneState = SceneStateRecord{SceneId::Stage1, SceneId::Stage1, 0};
    ScreenTransition = ScreenTransitionRecord{};
    GameState.score = 4321;
    GameState.shipStock = 7;
    GameState.stageClock = 5000.0f;
    BossRecord& boss = *c.boss;
    boss.body.x = 150.0f;
    boss.body.y = 10.0f;
    boss.body.life = 1.0f;
    c.defeat();
    EXPECT_EQ(boss.body.defeatTimer, 0.0f) << "a living boss does not explode";

    boss.body.life = 0.0f;
    std::srand(8);
    const float largeX = 150.0f + static_cast<float>(std::rand() % c.spreadA) - 100.0f;
    const float largeY = 10.0f + static_cast<float>(std::rand() % c.spreadB);
    for (int i = 1; i < 8; ++i) {
      std::rand();
      std::rand();
    }
    const float smallX = 150.0f + static_cast<float>(std::rand() % c.spreadA) - 40.0f;
    const float smallY = 10.0f + static_cast<float>(std::rand() % c.spreadC);
    std::srand(8);
    c.defeat();
    EXPECT_EQ(c.effects->large[0].x, largeX);
    EXPECT_EQ(c.effects->large[0].y, largeY);
    EXPECT_EQ(c.effects->small[0].x, smallX);
    EXPECT_EQ(c.effects->small[0].y, smallY);
    EXPECT_EQ(boss.body.defeatTimer, 1.0f);

    for (int frame = 2; frame <= 70; ++frame) c.defeat();
    EXPECT_EQ(boss.body.defeatTimer, 70.0f);
    EXPECT_EQ(SceneState.currentScene, SceneId::Stage1) << "exactly 70 does not change the scene";
    c.defeat();
    EXPECT_EQ(SceneState.currentScene, c.nextScene);
    EXPECT_EQ(ScreenTransition.counter, c.wipe);
    EXPECT_EQ(ScreenTransition.steps, c.wipe);
    EXPECT_EQ(GameState.stageClock, 0.0f) << "the game-wide reset ran";
    EXPECT_EQ(boss.body.defeatTimer, 0.0f);
    EXPECT_EQ(boss.body.y, 2550.0f);
    EXPECT_EQ(GameState.score, 4321) << "the reset keeps the score";
    EXPECT_EQ(GameState.shipStock, 7);
  }
}

TEST_F(BossTest, Boss3StopsTheMusicBetween50And60) {
  Boss3.body.life = -5.0f;
  Boss3.body.defeatTimer = 49.0f;
  elSound::MusicState.musicOpen = 1;
  RunBoss3Defeat();  // 50: not yet
  EXPECT_EQ(elSound::MusicState.musicOpen, 1);
  RunBoss3Defeat();  // 51
  EXPECT_EQ(elSound::MusicState.musicOpen, 0);

  Boss1.body.life = -5.0f;
  Boss1.body.defeatTimer = 54.0f;
  elSound::MusicState.musicOpen = 1;
  RunBoss1Defeat();
  EXPECT_EQ(elSound::MusicState.musicOpen, 1) << "bosses 1 and 2 leave the music playing";
  elSound::MusicState.musicOpen = 0;
}

}  // namespace
