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
// schedule and hooks cleared, calendar time 1000000000, the IPA fonts.
void Reset();

void SetCalendarTime(std::time_t seconds);
// The path reported as the running program (the asset tree is looked up beside it).
void SetProgramPath(const std::string& path);
// The font files the text's Mincho and Gothic faces are read from ("" for the IPA fonts), when the
// game next prepares its text.
void SetFontFiles(const std::string& mincho, const std::string& gothic);

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

// Message boxes shown so far (UTF-8 "caption: text"), and raise requests sent to another copy.
const std::vector<std::string>& MessageBoxes();
void ClearMessageBoxes();
int ForeignRaises();
// Pretends another copy of the program runs: its window with this class and title exists, and meets a
// request to come to the front as `answer` says.
struct ForeignCopy {
  enum class Answer {
    Shown,    // comes to the front
    Nothing,  // never answers: stopped, or hung
    Closes,   // quitting: closes the request unanswered, its window and its lock go
  } answer = Answer::Shown;
  std::string lock;                 // the lock a quitting copy lets go
  std::uint32_t listensFromMs = 0;  // still starting: found from this millisecond of the clock on
};
void AddForeignWindow(const std::string& className, const std::string& title, const ForeignCopy& copy = {});
// What the window holds of the desktop now, and what it held while each message box was up.
struct DesktopHold {
  bool keyboardGrabbed = false;
  bool cursorConfined = false;
  bool cursorHidden = false;
};
DesktopHold Holds();
const std::vector<DesktopHold>& HoldsAtBoxes();
// Whether the input method may compose typed letters (on until the program turns it off).
bool TextInputOn();

}  // namespace plat::headless

namespace plat::headless {
// The last picture shown (RGB565, width x height, tightly packed); empty before the first present.
const std::vector<std::uint16_t>& LastPresented(int& width, int& height);
int PresentCount();
}  // namespace plat::headless

namespace plat::headless {
// ---- sound ----------------------------------------------------------------------------------------
// The host renders the sound output into memory on the virtual clock (44100 Hz, interleaved stereo,
// 16-bit), from the moment the output opens (the first sound device or music piece) on.
// Whether the host has an audio device (default: yes). Without one, the sound device cannot be
// made, and music plays on a silent output: it keeps its time and sends its end notices as with a
// device, and nothing is rendered into memory.
void SetAudioDevice(bool present);
bool AudioOutputOpen();
// Everything rendered so far (rendering first what is due up to the present virtual time).
const std::vector<std::int16_t>& RenderedAudio();
// Samples past this many seconds are rendered but not kept (default 120). Room for the first 120
// seconds of them is taken when the output opens; past that, room grows with what is kept. With none
// kept (0 seconds, or no rendering) music loads no soundfont: it keeps its time and its end notices,
// and renders silence. Only with no output open.
void SetAudioKeepSeconds(int seconds);
// Whether the output renders at all (default: yes). Without rendering nothing is mixed: no sample is
// kept, and music never reaches its end (so a looping piece is not restarted). Not touched by Reset.
void SetAudioRendering(bool on);
// The rendered samples as a 16-bit stereo WAV file; false when the file could not be written whole,
// or when they are more than a WAV file's 32-bit sizes can hold.
bool WriteRenderedAudio(const std::string& path);
// The most stereo frames a WAV file holds: its sizes are 32-bit, and the whole file's counts the
// 36 bytes of header before the samples.
constexpr std::int64_t kWavMaxFrames = (0xFFFFFFFFLL - 36) / 4;
// Closes the music, frees every sound buffer, closes the output, forgets the rendered samples, and
// goes back to the default soundfont and to having an audio device. Reset() calls it too.
void ResetAudio();
// The music command strings sent since the log was last cleared (a failed one ends in " -> error"),
// every one: the log has no cap, so a long run clears it as it reads it (the runner, every frame).
// ResetAudio clears them.
const std::vector<std::string>& MciCommands();
void ClearMciCommands();
// The soundfont that music loads ("" for the default one).
void SetSoundFont(const std::string& path);
}  // namespace plat::headless

namespace plat::headless {
// The display the next display mode gets: 5-5-5 instead of 5-6-5, and a device that says it stretches
// in hardware. Not touched by Reset; a test that changes it puts it back.
void SetDisplayTraits(bool rgb555, bool hardwareStretch);
// Every display surface counts as lost, as after switching away from the full-screen program.
void MarkSurfacesLost();
}  // namespace plat::headless
