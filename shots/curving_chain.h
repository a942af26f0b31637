// The curving-chain template: seven segments leave one point on a boss together, each at its own
// speed, and swing along a curve while they drift apart, so that they string out into a chain that
// bends as it goes. The fastest segment leads the chain and has a picture of its own.
#pragma once

#include "game/pictures.h"
#include "shots/shot_owners.h"
#include "shots/shot_pool.h"

// One segment of a curving chain.
struct CurvingFanShot {
  float x = 0.0f;
  float y = 0.0f;
  float driftX = 0.0f;  // px/s; the drift set by one Update is applied by the next
  float driftY = 0.0f;
  float angle = 0.0f;      // heading, radians
  float speed = 0.0f;      // px/s along the heading
  float turnTimer = 0.0f;  // rises 20 per second; the segment turns while it is 0..17, then it holds at 18
  int active = 0;
};

namespace shots {

// Segments per chain; segment 0 is the slowest and ends the chain, segment 6 leads it.
constexpr int kChainSegments = 7;

// How a chain flies and turns its pictures: against its heading with the pictures turned by
// -heading, or along its heading with the pictures turned by +heading (the mirror image).
enum class ChainFlight : int { Against = -1, Along = 1 };

struct CurvingChainKind {
  CurvingFanShot* pool;  // kChainSegments records
  ShotOwner owner;
  float launchX, launchY;  // launch point from the owner's position
  float startAngle;        // radians
  float turnStep;          // radians added on each Update call while the segment turns
  ChainFlight flight;
  Pic::Id trailing;  // segments 0 to 5
  Pic::Id leading;   // segment 6
};

// Rest state of a chain's segments.
void ResetCurvingChain(CurvingFanShot* pool);
// Starts every free segment from the launch point.
void FireCurvingChain(const CurvingChainKind& kind);
// Moves, turns and drifts the live segments; the whole chain ends when segment 0 leaves the screen.
void UpdateCurvingChain(const CurvingChainKind& kind);
// Draws the live segments turned to their heading, the leading segment last.
void DrawCurvingChain(const CurvingChainKind& kind);

}  // namespace shots
