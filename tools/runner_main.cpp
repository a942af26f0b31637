// The headless runner: the real game loop on the headless host, driven by an input script, writing
// a per-frame state trace and screenshots.
//
//   shooter800-headless [--frames N] [--script FILE] [--seed N] [--trace FILE]
//                       [--shot FRAME:FILE.png ...] [--dump FRAME:FILE.json ...] [--audio FILE.wav]
//                       [--no-sound-device] [--assets DIR]
#include <dirent.h>
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "framework/el_input.h"
#include "game/win_main.h"
#include "platform/audio_output.h"
#include "platform/headless/headless_host.h"
#include "platform/png_writer.h"
#include "tools/input_script.h"
#include "tools/state_dump.h"
#include "tools/trace_fields.h"

namespace {

struct RunnerState {
  std::FILE* trace = nullptr;
  std::string tracePath;
  bool traceFailed = false;  // a line could not be written: no further line is tried
  // frame -> file; a frame may be pictured or dumped to several files, each written
  std::multimap<int, std::string> shots;
  std::multimap<int, std::string> dumps;
  bool keepsSound = false;  // --audio: the sound is written when the run ends
  std::string line;
  int lastFrame = -1;
  int failures = 0;
};

void WriteFailed(RunnerState& state, const std::string& path) {
  std::fprintf(stderr, "runner: could not write %s\n", path.c_str());
  ++state.failures;
}

void WriteTraceLine(RunnerState& state, int frame) {
  state.line.clear();
  runner::AppendTraceLine(state.line, frame);
  state.line += '\n';
  if (state.traceFailed || std::fputs(state.line.c_str(), state.trace) >= 0) return;
  state.traceFailed = true;
  WriteFailed(state, state.tracePath);
}

// The trace's last lines reach the file only when it closes: a close that fails loses them.
void CloseTrace(RunnerState& state) {
  if (state.trace == nullptr) return;
  const bool closed = std::fclose(state.trace) == 0;
  state.trace = nullptr;
  if (!closed && !state.traceFailed) WriteFailed(state, state.tracePath);
}

void WriteShots(RunnerState& state, int frame) {
  const auto range = state.shots.equal_range(frame);
  for (auto shot = range.first; shot != range.second; ++shot) {
    int width = 0, height = 0;
    const auto& pixels = plat::headless::LastPresented(width, height);
    if (pixels.empty() || !plat::WritePngRgb565(shot->second.c_str(), pixels.data(), width, height, width)) {
      WriteFailed(state, shot->second);
    }
  }
}

void WriteDumps(RunnerState& state, int frame) {
  const auto range = state.dumps.equal_range(frame);
  if (range.first == range.second) return;
  state.line.clear();
  runner::AppendStateDump(state.line, frame);
  state.line += '\n';
  for (auto dump = range.first; dump != range.second; ++dump) {
    std::FILE* file = std::fopen(dump->second.c_str(), "w");
    const bool written = file != nullptr && std::fputs(state.line.c_str(), file) >= 0;
    const bool closed = file != nullptr && std::fclose(file) == 0;
    if (!written || !closed) WriteFailed(state, dump->second);
  }
}

// The longest run the runner takes: 46 hours of play.
constexpr long long kMaxFrames = 10000000;

// The largest seed the random numbers take: an unsigned 32-bit value.
constexpr long long kMaxSeed = 4294967295LL;

// A whole number from `least` to `most` (at most kMaxSeed), digits only.
bool ParseWholeNumber(const std::string& text, long long least, long long most, long long& out) {
  if (text.empty()) return false;
  long long value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
    if (value > most) return false;  // stops long before the sum could overflow
  }
  if (value < least) return false;
  out = value;
  return true;
}

bool ParseFrameNumber(const std::string& text, long long least, int& out) {
  long long value = 0;
  if (!ParseWholeNumber(text, least, kMaxFrames, value)) return false;
  out = static_cast<int>(value);
  return true;
}

// A WAV file's sizes are 32-bit: the sound of a run must fit in them. The runner keeps the sound of
// the run's frames and two seconds more.
int AudioKeepSeconds(int frames) { return frames / 60 + 2; }
constexpr long long kMaxAudioFrames = (plat::headless::kWavMaxFrames / plat::audio::kOutputRate - 2) * 60 + 59;

bool ReadableFolder(const std::string& path) {
  DIR* dir = opendir(path.c_str());
  if (dir == nullptr) return false;
  closedir(dir);
  return true;
}

// FRAME:FILE with FRAME a whole number from 0 and FILE not empty.
bool ParseFrameAndFile(const std::string& value, int& frame, std::string& file) {
  const std::size_t colon = value.find(':');
  if (colon == std::string::npos || colon + 1 == value.size()) return false;
  if (!ParseFrameNumber(value.substr(0, colon), 0, frame)) return false;
  file = value.substr(colon + 1);
  return true;
}

// After a failed write the run has failed whatever comes next, and it goes on only for what is still
// to be written: once the trace is lost (or was never asked for) and no picture, dump or sound is still
// to come, playing the rest of the frames would write nothing.
bool NothingLeftToWrite(const RunnerState& state, int frame) {
  return (state.trace == nullptr || state.traceFailed) && !state.keepsSound &&
         state.shots.upper_bound(frame) == state.shots.end() && state.dumps.upper_bound(frame) == state.dumps.end();
}

void OnFrameDone(int frame, void* user) {
  auto& state = *static_cast<RunnerState*>(user);
  state.lastFrame = frame;
  if (state.trace != nullptr) WriteTraceLine(state, frame);
  // The trace line has listed this frame's music commands; without a trace nothing reads them. Either
  // way the host's log is emptied here, every frame and nowhere else, so it holds one frame's commands
  // at most and the next line lists the next frame's.
  plat::headless::ClearMciCommands();
  WriteShots(state, frame);
  WriteDumps(state, frame);
  if (state.failures > 0 && NothingLeftToWrite(state, frame)) plat::headless::SetFrameLimit(frame + 1);
}

std::string ExecutableDirectory() {
  char path[4096] = {};
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return ".";
  std::string s(path, static_cast<std::size_t>(n));
  return s.substr(0, s.find_last_of('/'));
}

int Usage(const char* program) {
  std::fprintf(stderr,
               "usage: %s [--frames N] [--script FILE] [--seed N] [--trace FILE] [--shot FRAME:FILE.png]... "
               "[--dump FRAME:FILE.json]... [--audio FILE.wav] [--no-sound-device] [--assets DIR]\n",
               program);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  setenv("OMP_NUM_THREADS", "1", 0);
  // An output whose reader has gone (a pipe into `head`) fails its write with EPIPE, which the run
  // reports as for any file it cannot write, instead of the runner being killed without a word.
  signal(SIGPIPE, SIG_IGN);
  int frames = 600;
  long long seed = 1000000000;
  std::string scriptPath, tracePath, audioPath, assetsDir = ExecutableDirectory();
  bool soundDevice = true;
  RunnerState state;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--frames" && hasValue) {
      if (!ParseFrameNumber(argv[++i], 1, frames)) {
        std::fprintf(stderr, "runner: --frames wants a whole number from 1 to %lld, got '%s'\n", kMaxFrames, argv[i]);
        return Usage(argv[0]);
      }
    } else if (arg == "--script" && hasValue) {
      scriptPath = argv[++i];
    } else if (arg == "--seed" && hasValue) {
      if (!ParseWholeNumber(argv[++i], 0, kMaxSeed, seed)) {
        std::fprintf(stderr, "runner: --seed wants a whole number from 0 to %lld, got '%s'\n", kMaxSeed, argv[i]);
        return Usage(argv[0]);
      }
    } else if (arg == "--trace" && hasValue) {
      tracePath = argv[++i];
    } else if (arg == "--audio" && hasValue) {
      audioPath = argv[++i];
    } else if (arg == "--no-sound-device") {
      soundDevice = false;
    } else if (arg == "--assets" && hasValue) {
      assetsDir = argv[++i];
    } else if ((arg == "--shot" || arg == "--dump") && hasValue) {
      const bool shot = arg == "--shot";
      int frame = 0;
      std::string file;
      if (!ParseFrameAndFile(argv[++i], frame, file)) {
        std::fprintf(stderr, "runner: %s wants FRAME:FILE.%s, got '%s'\n", arg.c_str(), shot ? "png" : "json", argv[i]);
        return Usage(argv[0]);
      }
      (shot ? state.shots : state.dumps).emplace(frame, file);
    } else {
      return Usage(argv[0]);
    }
  }

  if (!ReadableFolder(assetsDir)) {
    std::fprintf(stderr, "runner: --assets %s is not a folder the runner can read\n", assetsDir.c_str());
    return 2;
  }
  if (!audioPath.empty() && frames > kMaxAudioFrames) {
    std::fprintf(stderr, "runner: --audio %s: a WAV file holds the sound of %lld frames at most, not %d\n",
                 audioPath.c_str(), kMaxAudioFrames, frames);
    return 2;
  }

  plat::headless::Reset();
  plat::headless::SetCalendarTime(static_cast<std::time_t>(seed));
  plat::headless::SetAudioDevice(soundDevice);
  plat::headless::SetProgramPath(assetsDir + "/" + std::string(argv[0]).substr(std::string(argv[0]).find_last_of('/') + 1));
  if (!scriptPath.empty()) {
    std::string text, error;
    if (!runner::ReadScriptFile(scriptPath, text, error)) {
      std::fprintf(stderr, "runner: %s\n", error.c_str());
      return 2;
    }
    std::vector<runner::ScriptEvent> events;
    if (!runner::ParseInputScript(text, events, error)) {
      std::fprintf(stderr, "runner: %s: bad script %s\n", scriptPath.c_str(), error.c_str());
      return 2;
    }
    runner::ScheduleScript(events);
  }
  if (!tracePath.empty()) {
    state.tracePath = tracePath;
    state.trace = std::fopen(tracePath.c_str(), "w");
    if (state.trace == nullptr) {
      std::fprintf(stderr, "runner: cannot write %s\n", tracePath.c_str());
      return 2;
    }
    runner::StartTrace();
  }
  // The sound file is written when the run ends; a path that cannot take it is refused before.
  if (!audioPath.empty()) {
    std::FILE* audio = std::fopen(audioPath.c_str(), "wb");
    if (audio == nullptr) {
      std::fprintf(stderr, "runner: cannot write %s\n", audioPath.c_str());
      return 2;
    }
    std::fclose(audio);
  }
  // Sound is rendered only when something observes it: kept whole for --audio, and rendered for
  // --trace, whose music commands include the restarts at the end of a piece.
  state.keepsSound = !audioPath.empty();
  plat::headless::SetAudioRendering(!audioPath.empty() || !tracePath.empty());
  plat::headless::SetAudioKeepSeconds(audioPath.empty() ? 0 : AudioKeepSeconds(frames));
  plat::headless::SetFrameLimit(frames);
  plat::headless::SetFrameDoneHook(OnFrameDone, &state);
  elSystem::InitFrameTimer(60);

  const int result = WinMain(1, 0, "", 1);

  CloseTrace(state);
  if (!audioPath.empty() && !plat::headless::WriteRenderedAudio(audioPath)) WriteFailed(state, audioPath);
  for (const std::string& box : plat::headless::MessageBoxes()) std::fprintf(stderr, "runner: message box: %s\n", box.c_str());
  // A picture or dump asked for a frame the run never finished is a failure, not a missing file to
  // find later.
  for (auto shot = state.shots.upper_bound(state.lastFrame); shot != state.shots.end(); ++shot) {
    std::fprintf(stderr, "runner: --shot %d:%s: the run ended after frame %d\n", shot->first, shot->second.c_str(),
                 state.lastFrame);
    ++state.failures;
  }
  for (auto dump = state.dumps.upper_bound(state.lastFrame); dump != state.dumps.end(); ++dump) {
    std::fprintf(stderr, "runner: --dump %d:%s: the run ended after frame %d\n", dump->first, dump->second.c_str(),
                 state.lastFrame);
    ++state.failures;
  }
  return state.failures > 0 ? 1 : result;
}
