#include "shots/curving_chain.h"

namespace shots {
namespace {

// Speed of segment k, px/s.
constexpr float kSegmentSpeeds[kChainSegments] = {163.0f, 171.0f, 178.0f, 184.0f, 188.0f, 191.0f, 193.0f};

// The member drift of segment k, px/s: 16, 9, 2, -5, -12, -19, -26.
constexpr float MemberDrift(int k) { return static_cast<float>(16 - 7 * k); }

constexpr ShotBounds kChainBounds = ScreenBounds(-30.0f, -30.0f);
constexpr ContactBox kChainBox = {0.0f, 30.0f, 10.0f, 30.0f};
constexpr int kSegmentSize = 30;

// Ends a segment where it stands: it is no longer drawn or moved, but keeps its place.
void EndSegment(CurvingFanShot& s, const CurvingChainKind& kind) {
  s.active = 0;
  s.turnTimer = 0.0f;
  s.angle = kind.startAngle;
  s.driftX = 0.0f;
  s.driftY = 0.0f;
}

void MoveSegment(CurvingFanShot& s, int k, const CurvingChainKind& kind) {
  const float dt = FrameTime();
  const float side = static_cast<float>(kind.flight);
  MoveAlongHeading(s.x, s.y, s.angle, side * s.speed);
  // The turn is one step per call while the timer is in 0..17, whatever the frame time.
  s.turnTimer += 20.0f * dt;
  if (s.turnTimer <= 17.0f) s.angle += kind.turnStep;
  if (s.turnTimer >= 17.0f) s.turnTimer = 18.0f;
  // Last frame's drift moves the segment; this frame's is set for the next.
  s.y -= s.driftY * dt;
  s.driftY = MemberDrift(k);
  s.x += side * s.driftX * dt;
  s.driftX = MemberDrift(k);
}

void DrawSegment(const CurvingFanShot& s, const CurvingChainKind& kind, Pic::Id picture) {
  const int x = ToPixel(s.x);
  const int y = ToPixel(s.y);
  const int degrees = static_cast<int>(static_cast<float>(kind.flight) * s.angle * 57.29578f);
  elDraw::DrawRotated(x, y, x + kSegmentSize, y + kSegmentSize, degrees, Slot(picture), 0, 0, kSegmentSize,
                      kSegmentSize);
}

}  // namespace

void ResetCurvingChain(CurvingFanShot* pool) {
  for (int k = 0; k < kChainSegments; ++k) {
    CurvingFanShot& s = pool[k];
    Park(s);
    s.driftX = s.driftY = 0.0f;
    s.speed = 0.0f;
    s.turnTimer = 0.0f;
    s.angle = kRestAngle;
  }
}

void FireCurvingChain(const CurvingChainKind& kind) {
  for (int k = 0; k < kChainSegments; ++k) {
    CurvingFanShot& s = kind.pool[k];
    if (s.active != 0) continue;
    const ShotPoint owner = OwnerPoint(kind.owner, 0);
    s.active = 1;
    s.turnTimer = 0.0f;
    s.driftX = s.driftY = 0.0f;
    s.angle = kind.startAngle;
    s.x = owner.x + kind.launchX;
    s.y = owner.y + kind.launchY;
    for (int n = 0; n < kChainSegments; ++n) kind.pool[n].speed = kSegmentSpeeds[n];
  }
}

void UpdateCurvingChain(const CurvingChainKind& kind) {
  ShipContactPass contact;
  const CurvingFanShot& last = kind.pool[0];
  for (int k = 0; k < kChainSegments; ++k) {
    CurvingFanShot& s = kind.pool[k];
    if (s.active != 0) MoveSegment(s, k, kind);
    if (OutsideBounds(last.x, last.y, kChainBounds)) EndSegment(s, kind);
    // An ended segment stays where it stopped, and touchable there, until the next Fire.
    contact.Test(s.x, s.y, kChainBox);
  }
}

void DrawCurvingChain(const CurvingChainKind& kind) {
  for (int k = 0; k < kChainSegments - 1; ++k) {
    if (kind.pool[k].active != 0) DrawSegment(kind.pool[k], kind, kind.trailing);
  }
  const CurvingFanShot& head = kind.pool[kChainSegments - 1];
  if (head.active != 0) DrawSegment(head, kind, kind.leading);
}

}  // namespace shots
