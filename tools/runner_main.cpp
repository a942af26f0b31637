// The headless runner: the real game loop on the headless host, driven by an input script, writing
// a per-frame state trace and screenshots.
//
//   shooter800-headless [--frames N] [--script FILE] [--seed N] [--trace FILE]
//                       [--shot FRAME:FILE.png ...] [--dump FRAME:FILE.json ...] [--audio FILE.wav]
//                       [--no-sound-device] [--assets DIR]
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "framework/el_input.h"
#include "game/win_main.h"
#include "platform/headless/headless_host.h"
#include "platform/png_writer.h"
#include "tools/input_script.h"
#include "tools/state_dump.h"
#include "tools/trace_fields.h"

namespace {

struct RunnerState {
  std::FILE* trace = nullptr;
  std::map<int, std::string> shots;
  std::multimap<int, std::string> dumps;  // frame -> file; a frame may be dumped to several files
  std::string line;
  int lastFrame = -1;
  int failures = 0;
};

void WriteDumps(RunnerState& state, int frame) {
  const auto range = state.dumps.equal_range(frame);
  if (range.first == range.second) return;
  state.line.clear();
  runner::AppendStateDump(state.line, frame);
  state.line += '\n';
  for (auto dump = range.first; dump != range.second; ++dump) {
    std::FILE* file = std::fopen(dump->second.c_str(), "w");
    const bool written = file != nullptr && std::fputs(state.line.c_str(), file) >= 0;
    if (file != nullptr && std::fclose(file) != 0) ++state.failures;
    if (!written) {
      std::fprintf(stderr, "runner: could not write %s\n", dump->second.c_str());
      ++state.failures;
    }
  }
}

// The longest run the runner takes: 46 hours of play.
constexpr long long kMaxFrames = 10000000;

// A whole number from `least` to kMaxFrames, digits only.
bool ParseFrameNumber(const std::string& text, long long least, int& out) {
  if (text.empty() || text.size() > 9) return false;
  long long value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  if (value < least || value > kMaxFrames) return false;
  out = static_cast<int>(value);
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

void OnFrameDone(int frame, void* user) {
  auto& state = *static_cast<RunnerState*>(user);
  state.lastFrame = frame;
  if (state.trace != nullptr) {
    state.line.clear();
    runner::AppendTraceLine(state.line, frame);
    state.line += '\n';
    std::fputs(state.line.c_str(), state.trace);
  }
  auto shot = state.shots.find(frame);
  if (shot != state.shots.end()) {
    int width = 0, height = 0;
    const auto& pixels = plat::headless::LastPresented(width, height);
    if (pixels.empty() || !plat::WritePngRgb565(shot->second.c_str(), pixels.data(), width, height, width)) {
      std::fprintf(stderr, "runner: could not write %s\n", shot->second.c_str());
      ++state.failures;
    }
  }
  WriteDumps(state, frame);
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
      seed = std::atoll(argv[++i]);
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
      if (shot) {
        state.shots[frame] = file;
      } else {
        state.dumps.emplace(frame, file);
      }
    } else {
      return Usage(argv[0]);
    }
  }

  plat::headless::Reset();
  plat::headless::SetCalendarTime(static_cast<std::time_t>(seed));
  plat::headless::SetAudioDevice(soundDevice);
  plat::headless::SetProgramPath(assetsDir + "/" + std::string(argv[0]).substr(std::string(argv[0]).find_last_of('/') + 1));
  if (!scriptPath.empty()) {
    std::error_code ignored;
    if (std::filesystem::is_directory(scriptPath, ignored)) {
      std::fprintf(stderr, "runner: --script %s is a folder, not a script\n", scriptPath.c_str());
      return 2;
    }
    std::ifstream file(scriptPath);
    if (!file) {
      std::fprintf(stderr, "runner: cannot read %s\n", scriptPath.c_str());
      return 2;
    }
    std::stringstream text;
    text << file.rdbuf();
    std::vector<runner::ScriptEvent> events;
    std::string error;
    if (!runner::ParseInputScript(text.str(), events, error)) {
      std::fprintf(stderr, "runner: %s: bad script %s\n", scriptPath.c_str(), error.c_str());
      return 2;
    }
    runner::ScheduleScript(events);
  }
  if (!tracePath.empty()) {
    state.trace = std::fopen(tracePath.c_str(), "w");
    if (state.trace == nullptr) {
      std::fprintf(stderr, "runner: cannot write %s\n", tracePath.c_str());
      return 2;
    }
    runner::StartTrace();
  }
  // Sound is rendered only when something observes it: kept whole for --audio, and rendered for
  // --trace, whose music commands include the restarts at the end of a piece.
  plat::headless::SetAudioRendering(!audioPath.empty() || !tracePath.empty());
  plat::headless::SetAudioKeepSeconds(audioPath.empty() ? 0 : frames / 60 + 2);
  plat::headless::SetFrameLimit(frames);
  plat::headless::SetFrameDoneHook(OnFrameDone, &state);
  elSystem::InitFrameTimer(60);

  const int result = WinMain(1, 0, "", 1);

  if (state.trace != nullptr) std::fclose(state.trace);
  if (!audioPath.empty() && !plat::headless::WriteRenderedAudio(audioPath)) {
    std::fprintf(stderr, "runner: cannot write %s\n", audioPath.c_str());
    ++state.failures;
  }
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
