// elInput and the frame clock: key states, the last typed key and the 60-frames-per-second gate.
#pragma once
#include <cstdint>

namespace elSystem {

struct FrameClockState {
  int fps = 0;
  int useHiRes = 0;
  int useTimeGetTime = 0;
  std::int64_t ticksPerFrame = 0;
  std::int64_t frameStart = 0;
  std::int64_t now = 0;
  std::uint32_t lastMs = 0;
  float frameTime = 0.0f;  // seconds since the previous granted frame
};
extern FrameClockState FrameClock;

int InitFrameTimer(int fps);
int WaitFrame();
void ResetFrameClock();

}  // namespace elSystem

namespace elInput {

// KeyState values.
enum : int { KeyUp = 0, KeyPressed = 1, KeyReleased = 2, KeyHeld = 3 };

extern int LastTypedKey;

void UpdateKey(int virtualKey, int& keyState);
void ClearTypedKey();
void KeyCommand(int virtualKey);

}  // namespace elInput

// The frame time every mover reads.
inline float FrameTime() { return elSystem::FrameClock.frameTime; }
