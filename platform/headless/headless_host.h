// Control of the headless host: the platform without display, audio or real time, for tests and the
// runner. Its clock is virtual: it jumps to the moment the frame gate is next due and Sleep advances it,
// so a run is deterministic and much faster than real time.
#pragma once
#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

#include "platform/win_types.h"

namespace plat::headless {

// Back to a fresh host: clock 0, empty queue, no window, no mutexes, no recorded boxes, frame count 0,
// schedule and hooks cleared, calendar time 1000000000.
void Reset();

void SetCalendarTime(std::time_t seconds);
// The path reported as the running program (the asset tree is looked up beside it).
void SetProgramPath(const std::string& path);

// Input delivered before the granted frame with that index (0 = before the first frame).
void ScheduleMessage(int frame, std::uint32_t message, WParam wParam, LParam lParam);
void ScheduleKey(int frame, int virtualKey, bool down);
void ScheduleMouseButton(int frame, bool left, bool down);
// Straight into the queue now.
void PostInput(std::uint32_t message, WParam wParam, LParam lParam);

// Frames granted by the frame gate so far, and frames whose scene function has finished.
int GrantedFrames();
int FinishedFrames();
// After that many finished frames a close request (WM_CLOSE) is posted; 0: no limit.
void SetFrameLimit(int frames);
using FrameHook = void (*)(int frameIndex, void* user);
// Called after each finished frame, with its 0-based index.
void SetFrameDoneHook(FrameHook hook, void* user);

// The virtual clock, in nanoseconds since Reset.
std::int64_t Nanoseconds();
void AdvanceClock(std::int64_t nanoseconds);

// Message boxes shown so far (UTF-8 "caption: text"), beeps, and raise requests sent to another copy.
const std::vector<std::string>& MessageBoxes();
int Beeps();
int ForeignRaises();
// Pretends another copy of the program runs: its window with this class and title exists.
void AddForeignWindow(const std::string& className, const std::string& title);
bool CursorConfined();

}  // namespace plat::headless

namespace plat::headless {
// The last picture shown (RGB565, width x height, tightly packed); empty before the first present.
const std::vector<std::uint16_t>& LastPresented(int& width, int& height);
int PresentCount();
}  // namespace plat::headless
