// The frame gate: at most one frame per 1/60 s, and the real time between granted frames.
#include "framework/el_input.h"
#include "platform/window_system.h"

namespace elSystem {

FrameClockState FrameClock;

namespace {

std::uint32_t MillisecondClock() { return plat::TimeGetTime(); }

std::int64_t ReadCounter() {
  if (FrameClock.useHiRes) {
    std::int64_t counter = 0;
    plat::QueryPerformanceCounter(counter);
    return counter;
  }
  return static_cast<std::int64_t>(MillisecondClock());
}

}  // namespace

int InitFrameTimer(int fps) {
  FrameClockState& c = FrameClock;
  c.fps = fps;
  unsigned minimumPeriod = 0;
  c.useTimeGetTime = plat::TimeGetMinimumPeriod(minimumPeriod) && minimumPeriod < 10 ? 1 : 0;
  std::int64_t frequency = 0;
  if (plat::QueryPerformanceFrequency(frequency)) {
    c.useHiRes = 1;
    c.ticksPerFrame = fps > 0 ? frequency / fps : 0;
  } else {
    c.useHiRes = 0;
    c.ticksPerFrame = fps > 0 ? 1000 / fps : 0;
  }
  c.frameStart = c.now = ReadCounter();
  c.lastMs = plat::TimeGetTime();
  return 1;
}

int WaitFrame() {
  FrameClockState& c = FrameClock;
  c.now = ReadCounter();
  const std::int64_t elapsed = c.now - c.frameStart;
  if (elapsed < 0) {
    c.frameStart = c.now;
    return 0;
  }
  if (elapsed < c.ticksPerFrame) {
    plat::IdleUntilCounter(c.frameStart + c.ticksPerFrame);
    return 0;
  }
  c.frameStart = c.now;
  const std::uint32_t ms = MillisecondClock();
  c.frameTime = static_cast<float>(ms - c.lastMs) / 1000.0f;
  c.lastMs = plat::TimeGetTime();
  plat::NotifyFrameGranted();
  return 1;
}

void ResetFrameClock() { FrameClock.frameTime = 0.0f; }

}  // namespace elSystem
