// Replays through the headless runner: the real program of one geometry, driven by an input script
// alone, read back from its per-frame trace and its state dumps.
#pragma once
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "support/headless_game.h"

namespace testing_support {

// The per-frame trace, one column per numeric field, plus what each frame played.
struct RunnerTrace {
  std::map<std::string, std::vector<double>> columns;
  std::vector<std::vector<int>> sounds;
  std::vector<std::vector<std::string>> music;

  int Frames() const { return static_cast<int>(sounds.size()); }
  double At(const std::string& field, int frame) const { return columns.at(field).at(static_cast<std::size_t>(frame)); }
  int Int(const std::string& field, int frame) const { return static_cast<int>(At(field, frame)); }
  // The first frame from `from` on whose field holds `value`, or -1.
  int FirstEqual(const std::string& field, int value, int from = 0) const {
    return First(
        field, [value](double v) { return static_cast<int>(v) == value; }, from);
  }
  // The first frame from `from` on whose field satisfies `test`, or -1.
  template <class Test>
  int First(const std::string& field, Test test, int from = 0) const {
    const std::vector<double>& c = columns.at(field);
    for (int f = from; f < static_cast<int>(c.size()); ++f) {
      if (test(c[static_cast<std::size_t>(f)])) return f;
    }
    return -1;
  }
};

struct RunnerRun {
  int exitCode = -1;
  std::string errors;  // what the runner wrote to stderr
  RunnerTrace trace;
  std::map<int, nlohmann::json> dumps;  // by frame
};

inline std::string ReadFile(const std::string& path) {
  std::ifstream file(path);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

// Runs shooter<geometry>-headless for `frames` frames on `script` (lines "FRAME down|up KEY"), with
// the trace and a dump at the end of each frame of `dumpFrames`. `name` keeps the files of parallel
// runs apart.
inline RunnerRun RunRunner(int geometry, const std::string& name, const std::string& script, int frames,
                           const std::vector<int>& dumpFrames = {}, const std::string& extraArguments = "") {
  const std::string dir = BuildDir() + "/tests/replays";
  const std::string base = dir + "/" + name + "-" + std::to_string(geometry);
  std::system(("mkdir -p '" + dir + "'").c_str());
  std::ofstream(base + ".script") << script;
  std::string command = BuildDir() + "/shooter" + std::to_string(geometry) + "-headless --frames " +
                        std::to_string(frames) + " --script '" + base + ".script' --trace '" + base + ".trace'";
  for (const int f : dumpFrames)
    command += " --dump " + std::to_string(f) + ":'" + base + "-" + std::to_string(f) + ".json'";
  command += " " + extraArguments + " 2>'" + base + ".errors'";
  RunnerRun run;
  const int status = std::system(command.c_str());
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.errors = ReadFile(base + ".errors");
  std::ifstream trace(base + ".trace");
  for (std::string line; std::getline(trace, line);) {
    const nlohmann::json frame = nlohmann::json::parse(line);
    for (const auto& [key, value] : frame.items()) {
      if (value.is_number()) run.trace.columns[key].push_back(value.get<double>());
    }
    run.trace.sounds.push_back(frame.at("sounds").get<std::vector<int>>());
    run.trace.music.push_back(frame.at("music").get<std::vector<std::string>>());
  }
  for (const int f : dumpFrames) {
    const std::string text = ReadFile(base + "-" + std::to_string(f) + ".json");
    if (!text.empty()) run.dumps[f] = nlohmann::json::parse(text);
  }
  return run;
}

// Script lines that hold `key` down from frame `from` and let it go before frame `to`.
inline std::string Hold(const std::string& key, int from, int to) {
  return std::to_string(from) + " down " + key + "\n" + std::to_string(to) + " up " + key + "\n";
}
inline std::string Press(const std::string& key, int frame) { return Hold(key, frame, frame + 1); }

}  // namespace testing_support
