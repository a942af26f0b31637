// The player's weapons in real play, driven by keys alone: the capsule and its two powers, the
// special attack that weapon 3 arms with them, the barrage, and the option shots.
#include <gtest/gtest.h>

#include <cmath>

#include "support/replay_geometry.h"
#include "support/runner_replay.h"

namespace {

using testing_support::Hold;
using testing_support::Press;
using testing_support::RunRunner;

// Sound ids: the shot sound is loaded first, the explosion sound second.
constexpr int kShotSound = 0;
constexpr int kExplosionSound = 1;

// Enter starts stage 1 on frame 4; its wipe blanks the keys until frame 30.
const std::string kStartGame = Press("RETURN", 3);
// The invincible ship (a title key), which stays where a hit leaves it, flagged dead but flying.
const std::string kStartInvincible = Press("I", 3);
// The stage's first capsule appears on frame 1503, at x 269 in the 800x600 build and at x 312 in the
// 640x480 build, while the stage's first capsule window is open (up to frame 1650). The ship (2.67
// pixels a frame) goes up and across to meet it there, then back down to 40 pixels left of its
// start.
std::string ReachFirstCapsule(int screen) {
  const std::string across = screen == 800 ? Hold("LEFT", 1505, 1543) + Hold("RIGHT", 1610, 1633)
                                           : Hold("RIGHT", 1505, 1513) + Hold("LEFT", 1610, 1633);
  return across + Hold("UP", 1505, 1595) + Hold("DOWN", 1610, 1700);
}

using PlayerWeaponsReplay = testing_support::BothScreens;

TEST_P(PlayerWeaponsReplay, ACollectedCapsuleScores500AndGivesBothPowers) {
  // C fires plain volleys early on, and again once the capsule is held.
  const std::string script = kStartInvincible + ReachFirstCapsule(Screen()) + Hold("C", 100, 140) + Hold("C", 1900, 1940);
  const auto run = RunRunner(Screen(), "capsule", script, 1960);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  const auto& t = run.trace;
  const int counted = t.First("capsuleCounter", [](double v) { return v > 5; });
  ASSERT_GT(counted, 1500) << "the capsule was never collected";
  const int collected = counted - 1;  // the hit test after the present; the next draw counts it
  EXPECT_EQ(t.Int("score", collected) - t.Int("score", collected - 1), 500);
  EXPECT_EQ(t.sounds[collected], std::vector<int>{kExplosionSound});
  EXPECT_EQ(t.Int("doubleShot", collected), 0);
  EXPECT_EQ(t.Int("doubleShot", counted), 1);
  EXPECT_EQ(t.Int("wideShot", counted), 1);
  EXPECT_EQ(t.Int("capsuleCounter", counted), 6) << "the first capsule of a game adds one";
  EXPECT_LT(t.At("capsuleY", counted), 0.0) << "gone: the open window starts the next one at the top";
  EXPECT_LE(std::abs(t.At("capsuleX", collected) - t.At("shipX", collected)), 60.0);
  // Plain volleys are one shot each; with the powers three.
  auto shotsOfFirstVolley = [&t](int from) {
    const int volley = t.First(
        "muzzleFlash1", [](double v) { return v == 1; }, from);
    return t.Int("volleyShots1", volley) - t.Int("volleyShots1", volley - 1);
  };
  EXPECT_EQ(shotsOfFirstVolley(100), 1);
  EXPECT_EQ(shotsOfFirstVolley(1900), 3);
}

TEST_P(PlayerWeaponsReplay, WeaponThreeWithThePowersStrikesAFighterWithTheSpecialAttack) {
  // With the powers held, B arms the special attack; the ship climbs and sweeps side to side under
  // the waves so that some strikes find a fighter.
  std::string script = kStartInvincible + ReachFirstCapsule(Screen()) + Hold("UP", 1880, 1920) + Hold("B", 1900, 2500);
  bool right = true;
  for (int f = 1930; f < 2400; f += 101, right = !right) script += Hold(right ? "RIGHT" : "LEFT", f, f + 100);
  const auto scan = RunRunner(Screen(), "special-attack-scan", script, 2500);
  ASSERT_EQ(scan.exitCode, 0) << scan.errors;
  // Frames that show the blast's sixteenth picture and score at least one strike.
  std::vector<int> strikes;
  for (int f = 1; f < scan.trace.Frames() && strikes.size() < 3; ++f) {
    const bool sixteenth = scan.trace.Int("specialAttackStep", f) == 16;
    if (sixteenth && scan.trace.Int("score", f) - scan.trace.Int("score", f - 1) >= 16 * 500) strikes.push_back(f);
  }
  ASSERT_FALSE(strikes.empty()) << "the special attack never struck";
  const int first = scan.trace.First("specialAttackStep", [](double v) { return v == 1; });
  ASSERT_GT(first, 0);
  EXPECT_EQ(scan.trace.Int("specialAttackStep", first + 15), 16);
  EXPECT_EQ(scan.trace.Int("specialAttackStep", first + 16), 0) << "the blast ends after its 16 pictures";

  const auto run = RunRunner(Screen(), "special-attack", script, strikes.back() + 1, strikes);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  for (const int f : strikes) {
    const nlohmann::json& d = run.dumps.at(f);
    // Every record was armed by the same volley: all show picture 16 at the ship's corner.
    const nlohmann::json& blast = d["specialAttack"][15];
    ASSERT_EQ(blast["step"], 16) << f;
    const int px = blast["x"].get<int>() + 120;
    const int py = blast["y"].get<int>() + 4;
    int struck = 0;
    for (const nlohmann::json& fighter : d["squadFighters"]) {
      const float fy = fighter["y"].get<float>();
      const int x = static_cast<int>(fighter["x"].get<float>());
      const int y = static_cast<int>(fy);
      if (fy < -10.0f || px < x || px > x + 80 || py < y || py > y + 80) continue;
      ++struck;
      EXPECT_EQ(fighter["hit"], 1) << f;
    }
    EXPECT_GE(struck, 1) << "frame " << f << ": the points came from a fighter in the blast";
    const int gain = run.trace.Int("score", f) - run.trace.Int("score", f - 1);
    EXPECT_GE(gain, struck * 16 * 500) << f;
    EXPECT_LT(gain, (struck + 1) * 16 * 500) << f;
  }
}

TEST_P(PlayerWeaponsReplay, ABarrageRuns147FramesFiresTwoShotsEveryThirdFrameAndIgnoresN) {
  const std::string script = kStartGame + Hold("N", 40, 45) + Hold("N", 100, 105);
  const auto run = RunRunner(Screen(), "barrage", script, 340);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  const auto& t = run.trace;
  const int start = t.First("barrageRunning", [](double v) { return v == 1; });
  ASSERT_EQ(start, 41) << "N acts from its second frame down";
  // The ship's keys are read before the frame's barrage tick, so the first tick comes in the frame
  // that starts it and the 147th ends it, 146 frames later.
  const int end = t.First(
      "barrageRunning", [](double v) { return v == 0; }, start);
  EXPECT_EQ(end - start, 146) << "N pressed again while it runs changes nothing";
  EXPECT_EQ(t.Int("barrageCounter", end), 0);
  // Ticks 3, 6, ... launch two shots (no capsule power); none has left the top by tick 60.
  for (int tick = 1; tick <= 60; ++tick) {
    const int f = start + tick - 1;
    EXPECT_EQ(t.Int("barrageCounter", f), tick) << f;
    EXPECT_EQ(t.Int("barrageShots", f), 2 * (tick / 3)) << f;
  }
  EXPECT_EQ(t.Int("barrageShots", 339), 0) << "every shot has left the top";
}

TEST_P(PlayerWeaponsReplay, OptionShotsLeaveTheShipCurveAwayAndRelaunchUntilASidewaysKey) {
  // Ctrl held launches record 0 of each of the four kinds; LEFT, once held, ends the launches.
  const std::string script = kStartGame + Hold("CONTROL", 40, 400) + Hold("LEFT", 260, 262);
  const int launch = 41;
  const auto run = RunRunner(Screen(), "option-shots", script, 400, {launch, launch + 1});
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  const auto& t = run.trace;
  EXPECT_EQ(t.Int("optionShots", launch - 1), 0);
  EXPECT_EQ(t.Int("optionShots", launch), 4);
  const nlohmann::json& at = run.dumps.at(launch);
  const float shipX = at["gameState"]["shipX"].get<float>();
  const float shipY = at["gameState"]["shipY"].get<float>();
  const char* kinds[] = {"optionShots1", "optionShots2", "optionShots3", "optionShots4"};
  const int side[] = {-1, +1, -1, +1};  // kinds 1 and 3 curve left, 2 and 4 right
  // The flight runs after the launch in the same frame: each frame of the script's first window is
  // 6 pixels to the kind's side and 3 down from the launch point beside the ship.
  for (int k = 0; k < 4; ++k) {
    for (int step = 1; step <= 2; ++step) {
      const nlohmann::json& shot = run.dumps.at(launch + step - 1)[kinds[k]][0];
      EXPECT_EQ(shot["active"], 1) << kinds[k];
      EXPECT_EQ(shot["x"].get<float>(), shipX + 20.0f + 6.0f * step * side[k]) << kinds[k] << " " << step;
      EXPECT_EQ(shot["y"].get<float>(), shipY + 10.0f + 3.0f * step) << kinds[k] << " " << step;
    }
  }
  // From the middle of the field the curve carries every kind out of the field's side before its
  // script ends: all four are parked together, and the held key relaunches them on the next frame.
  int flights = 0;
  int lastParked = -1;
  for (int f = launch; f < t.Frames(); ++f) {
    if (t.Int("optionShots", f) != 0) continue;
    if (t.Int("optionShots", f - 1) == 4) {
      EXPECT_NEAR(f - launch - 43.5 * flights, 43.5, 1.0) << "flight " << flights;
      ++flights;
      lastParked = f;
    }
    if (f + 1 < t.Frames() && lastParked < 260) {
      EXPECT_EQ(t.Int("optionShots", f + 1), 4) << f;
    }
  }
  // Once LEFT has been held the launches address no record: the flight under way ends and Ctrl,
  // still held, launches no more.
  EXPECT_EQ(flights, 6);
  EXPECT_GT(lastParked, 262);
  for (int f = lastParked; f < t.Frames(); ++f) EXPECT_EQ(t.Int("optionShots", f), 0) << f;
}

REPLAY_IN_BOTH_SCREENS(PlayerWeaponsReplay);

}  // namespace
