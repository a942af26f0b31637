// The option shots' flight: the scripted curve of each kind, its gaps, the straight leg and the cull.
#include "game/option_flight.h"

#include "player_fixture.h"

namespace {

using OptionFlightTest = PlayerTest;

struct FlightCase {
  int kind;
  float startX;
  float side;                    // -1 for the kinds curving left, +1 for those curving right
  float straightDX, straightDY;  // one straight step at the heading after one launch
};

class OptionScriptTest : public PlayerTest, public ::testing::WithParamInterface<FlightCase> {};

const OptionShotKind* const kKinds[] = {&kOptionShotKind1, &kOptionShotKind2, &kOptionShotKind3, &kOptionShotKind4};

// With a frame time of 1/30 s the timer counts 1, 2, 3, ... so every call lands in a window.
TEST_P(OptionScriptTest, FollowsTheCurveThenFliesStraightFromTimer45) {
  const FlightCase& c = GetParam();
  const OptionShotKind& kind = *kKinds[c.kind - 1];
  elSystem::FrameClock.frameTime = 1.0f / 30.0f;
  ASSERT_EQ(kOptionTimerRate * FrameTime(), 1.0f);
  GameState.shipX = c.startX - 20.0f;
  GameState.shipY = 490.0f;
  SpawnOptionShot(kind, 0, 0);
  OptionShot& shot = kind.pool[0];
  ASSERT_EQ(shot.x, c.startX);
  ASSERT_EQ(shot.y, 500.0f);

  // Timer value after the call: sideways distance so far, y.
  const struct {
    int timer;
    float across, y;
  } checkpoints[] = {{5, 30, 515},   {10, 60, 520},  {15, 95, 520},  {20, 130, 510},
                     {25, 165, 475}, {30, 180, 440}, {40, 190, 370}, {44, 190, 342}};
  int timer = 0;
  for (const auto& point : checkpoints) {
    while (timer < point.timer) {
      FlyOptionShots(kind);
      ++timer;
    }
    ASSERT_EQ(shot.flightTimer, static_cast<float>(timer));
    EXPECT_EQ(shot.x, c.startX + c.side * point.across) << "timer " << timer;
    EXPECT_EQ(shot.y, point.y) << "timer " << timer;
  }
  // Timer 45: the last scripted step (0, -7) and the first straight step in the same call.
  FlyOptionShots(kind);
  EXPECT_NEAR(shot.x, c.startX + c.side * 190 + c.straightDX, 1e-3);
  EXPECT_NEAR(shot.y, 335 + c.straightDY, 1e-3);
  // Past 45: straight only.
  FlyOptionShots(kind);
  EXPECT_NEAR(shot.x, c.startX + c.side * 190 + 2 * c.straightDX, 1e-3);
  EXPECT_NEAR(shot.y, 335 + 2 * c.straightDY, 1e-3);
  EXPECT_EQ(shot.active, 1);
}

// cos 3 degrees = 0.99862953, sin 3 degrees = 0.05233596; kind 1 heads at 180 - 3 degrees after a launch.
INSTANTIATE_TEST_SUITE_P(Kinds, OptionScriptTest,
                         ::testing::Values(FlightCase{1, 600.0f, -1.0f, -9.9862953f, 0.8373753f},
                                           FlightCase{2, 200.0f, +1.0f, -9.9862953f, 0.8373753f},
                                           FlightCase{3, 600.0f, -1.0f, 9.9862953f, -0.8373753f},
                                           FlightCase{4, 200.0f, +1.0f, -9.9862953f, 0.5233596f}));

TEST_F(OptionFlightTest, ATimerBetweenTwoWindowsMovesNothing) {
  // At 60 frames per second the timer steps by a half, so it falls into every gap of the script.
  const float gaps[] = {5.5f, 10.5f, 15.5f, 20.5f, 25.5f, 30.5f, 40.5f};
  for (const float gap : gaps) {
    OptionShots2[0] = {400.0f, 300.0f, 1, kOptionRestAngle, gap - 0.5f};
    FlyOptionShots2();
    EXPECT_NEAR(OptionShots2[0].flightTimer, gap, 1e-4);
    EXPECT_EQ(OptionShots2[0].x, 400.0f) << "timer " << gap;
    EXPECT_EQ(OptionShots2[0].y, 300.0f) << "timer " << gap;
  }
}

TEST_F(OptionFlightTest, AShotWhollyOutsideTheFieldIsParkedKeepingItsHeading) {
  // Not live, so only the cull acts; the bounds are strict.
  const struct {
    float x, y;
    bool parked;
  } cases[] = {{160.0f, 300.0f, false}, {159.5f, 300.0f, true}, {620.0f, 300.0f, false}, {620.5f, 300.0f, true},
               {400.0f, -20.0f, false}, {400.0f, -20.5f, true}, {400.0f, 600.0f, false}, {400.0f, 600.5f, true}};
  for (int i = 0; i < 8; ++i) OptionShots4[i] = {cases[i].x, cases[i].y, 0, 1.25f, 7.0f};
  FlyOptionShots4();
  FlyOptionShots4();  // a parked shot is caught again and stays put
  for (int i = 0; i < 8; ++i) {
    const OptionShot& r = OptionShots4[i];
    EXPECT_EQ(r.x, cases[i].parked ? -500.0f : cases[i].x) << "case " << i;
    EXPECT_EQ(r.y, cases[i].parked ? 2550.0f : cases[i].y) << "case " << i;
    EXPECT_EQ(r.flightTimer, cases[i].parked ? 0.0f : 7.0f) << "case " << i;
    EXPECT_EQ(r.angle, 1.25f) << "case " << i;
  }
}

}  // namespace
