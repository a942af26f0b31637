// Whole frames of the game on the headless host with the generated pictures.
//
// First whole games are played, as the runner plays it (the invincible ship firing weapons 1 and 3
// from the title through the three stages and the ending back to the title), three by default, each
// in a process of its own, timing every frame of the message loop from the end of one frame to the
// end of the next. Each frame's time is its median over the games; from those come the median, 99th
// percentile and worst frame per scene, each beside its goal. Then the single-scene benchmarks: the
// title, and stage frames while the waves fly and while a boss attacks, one frame's work per
// iteration, present included.
//
//   tessivane_frame_bench [--games N] [benchmark options]   (--games 0 skips the whole games)
#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "framework/el_draw.h"
#include "framework/el_input.h"
#include "framework/el_system.h"
#include "game/assets.h"
#include "game/game_state.h"
#include "game/scene.h"
#include "platform/headless/headless_host.h"
#include "platform/window_system.h"
#include "game/win_main.h"
#include "stages/bosses.h"

namespace {

// The build directory, where the programs and their pictures are, beside this benchmark.
std::string BuildDir() {
  char path[4096] = {};
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  const std::string exe(path, n > 0 ? static_cast<std::size_t>(n) : 0);
  return exe.substr(0, exe.find_last_of('/'));
}

// A new game with an invincible ship that holds weapon 1, entered into `scene`.
void StartGame(int scene) {
  plat::headless::Reset();
  plat::headless::SetProgramPath(BuildDir() + "/shooter800-headless");
  elSystem::InitGlobals();
  plat::RegisterWindowClass(plat::WindowClass{"DEFAULT", elSystem::WindowProc, true});
  elSystem::Framework.mainWindow = plat::CreateMainWindow("DEFAULT", "Tessivane", true, 800, 600);
  LoadAssets();
  GameState.ControlMode = 1;
  GameState.invincible = 1;
  GameState.shipStock = 999;
  SceneState = SceneStateRecord{scene, scene, 1};
  plat::headless::PostInput(plat::WM_KEYDOWN, 'C', 0);
  plat::Message m;
  while (plat::PeekMessage(m, true)) plat::DispatchMessage(m);
  elSystem::FrameClock.frameTime = 1.0f / 60.0f;
}

void RunFrames(benchmark::State& state, int scene, void (*frame)(), int warmUpFrames) {
  StartGame(scene);
  for (int i = 0; i < warmUpFrames; ++i) {
    frame();
    SceneState.sceneEntered = 0;
  }
  for (auto _ : state) {
    frame();
    SceneState.sceneEntered = 0;
  }
}

void BM_TitleFrame(benchmark::State& state) { RunFrames(state, SceneId::Title, RunTitleScene, 0); }

// Stage 1 from its start: backdrops, star field, squadron waves and their shots.
void BM_Stage1WavesFrame(benchmark::State& state) { RunFrames(state, SceneId::Stage1, RunStage1Scene, 600); }

// Stage 3's boss in the middle of its attack timeline: the busiest frames of the game.
void BM_Stage3BossFrame(benchmark::State& state) {
  StartGame(SceneId::Stage3);
  for (int i = 0; i < 1500; ++i) {
    RunStage3Scene();
    SceneState.sceneEntered = 0;
    if (Boss3.body.life > 700.0f) Boss3.body.life = 700.0f;  // wounded enough to attack all the time
  }
  for (auto _ : state) {
    RunStage3Scene();
    if (Boss3.body.life < 100.0f) Boss3.body.life = 700.0f;
  }
}

BENCHMARK(BM_TitleFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Stage1WavesFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Stage3BossFrame)->Unit(benchmark::kMicrosecond);

// ---- a whole game, every frame timed ------------------------------------------------------------

constexpr int kWholeGameFrames = 13400;  // the title, three stages, the ending and the title again
const int kScenes[] = {SceneId::Title, SceneId::Stage1, SceneId::Stage2, SceneId::Stage3, SceneId::Ending};
const char* SceneName(int scene) {
  switch (scene) {
    case SceneId::Title: return "title";
    case SceneId::Stage1: return "stage 1";
    case SceneId::Stage2: return "stage 2";
    case SceneId::Stage3: return "stage 3";
    case SceneId::Ending: return "ending";
    default: return "other";
  }
}

struct TimedFrame {
  int scene;
  double ms;
};

struct GameTiming {
  std::chrono::steady_clock::time_point last;
  int sceneRunning = SceneId::Title;  // the scene the next frame runs
  double firstFrameMs = 0;            // from the program entry to the end of the first title frame
  std::vector<TimedFrame> frames;
};

void TimeFrame(int frame, void* user) {
  auto& t = *static_cast<GameTiming*>(user);
  const auto now = std::chrono::steady_clock::now();
  const double ms = std::chrono::duration<double, std::milli>(now - t.last).count();
  t.last = now;
  if (frame == 0) {
    t.firstFrameMs = ms;
  } else {
    t.frames.push_back(TimedFrame{t.sceneRunning, ms});
  }
  t.sceneRunning = SceneState.currentScene;
}

GameTiming PlayWholeGame() {
  GameTiming t;
  t.frames.reserve(kWholeGameFrames);
  plat::headless::Reset();
  plat::headless::SetProgramPath(BuildDir() + "/shooter800-headless");
  plat::headless::SetAudioRendering(false);  // as the runner plays it without --audio or --trace
  elSystem::InitFrameTimer(60);
  plat::headless::ScheduleKey(3, 'I', true);
  plat::headless::ScheduleKey(4, 'I', false);
  plat::headless::ScheduleKey(40, 'C', true);
  plat::headless::ScheduleKey(40, 'B', true);
  plat::headless::SetFrameLimit(kWholeGameFrames);
  plat::headless::SetFrameDoneHook(TimeFrame, &t);
  t.last = std::chrono::steady_clock::now();
  WinMain(1, 0, "", 1);
  plat::headless::SetFrameDoneHook(nullptr, nullptr);
  plat::headless::SetAudioRendering(true);
  return t;
}

double Percentile(std::vector<double> v, double p) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const std::size_t at = std::min(v.size() - 1, static_cast<std::size_t>(p * static_cast<double>(v.size() - 1) + 0.5));
  return v[at];
}

void PrintLoad() {
  double load[3] = {};
  if (getloadavg(load, 3) == 3) std::printf("load average %.2f %.2f %.2f on %ld cores\n", load[0], load[1], load[2],
                                           sysconf(_SC_NPROCESSORS_ONLN));
}

// One whole game in a child process of its own, so that every game starts from the same state and
// plays the same frames; its timings come back through a pipe.
GameTiming PlayWholeGameApart() {
  GameTiming t;
  int fds[2];
  if (pipe(fds) != 0) return t;
  std::fflush(stdout);
  const pid_t child = fork();
  if (child == 0) {
    close(fds[0]);
    const GameTiming played = PlayWholeGame();
    const std::size_t count = played.frames.size();
    bool ok = write(fds[1], &played.firstFrameMs, sizeof played.firstFrameMs) == sizeof played.firstFrameMs;
    ok = ok && write(fds[1], &count, sizeof count) == sizeof count;
    const auto* bytes = reinterpret_cast<const char*>(played.frames.data());
    std::size_t left = count * sizeof(TimedFrame);
    while (ok && left > 0) {
      const ssize_t n = write(fds[1], bytes, left);
      ok = n > 0;
      if (ok) bytes += n, left -= static_cast<std::size_t>(n);
    }
    _exit(ok ? 0 : 1);
  }
  close(fds[1]);
  auto readAll = [&](void* to, std::size_t size) {
    auto* p = static_cast<char*>(to);
    while (size > 0) {
      const ssize_t n = read(fds[0], p, size);
      if (n <= 0) return false;
      p += n, size -= static_cast<std::size_t>(n);
    }
    return true;
  };
  std::size_t count = 0;
  if (child > 0 && readAll(&t.firstFrameMs, sizeof t.firstFrameMs) && readAll(&count, sizeof count)) {
    t.frames.resize(count);
    if (!readAll(t.frames.data(), count * sizeof(TimedFrame))) t.frames.clear();
  }
  close(fds[0]);
  if (child > 0) waitpid(child, nullptr, 0);
  return t;
}

// Plays `games` whole games, each in a process of its own, and prints the figures of every scene.
// The games play the same frames, so each frame's time is taken as its median over the games: a frame
// that the machine alone delayed in one game (another process took the core) does not count as slow.
// Medians, percentiles and the worst frame are taken over those per-frame medians; the worst single
// frame of any game is printed beside them for reference.
void ReportWholeGames(int games) {
  std::vector<GameTiming> runs;
  for (int g = 0; g < games; ++g) runs.push_back(PlayWholeGameApart());
  std::printf("Whole game on the headless host, every frame timed (%d games of %d frames, each in its own process)\n",
              games, kWholeGameFrames);
  PrintLoad();
  for (const GameTiming& r : runs) {
    bool same = r.frames.size() == runs[0].frames.size() && !r.frames.empty();
    for (std::size_t i = 0; same && i < r.frames.size(); ++i) same = r.frames[i].scene == runs[0].frames[i].scene;
    if (!same) {
      std::printf("the games did not play the same frames\n");
      return;
    }
  }
  std::vector<TimedFrame> frames = runs[0].frames;  // each frame's median over the games
  double worstOfAny = 0;
  for (std::size_t i = 0; i < frames.size(); ++i) {
    std::vector<double> ms;
    for (const GameTiming& r : runs) ms.push_back(r.frames[i].ms), worstOfAny = std::max(worstOfAny, r.frames[i].ms);
    frames[i].ms = Percentile(ms, 0.5);
  }
  std::printf("%-9s %7s %9s %11s %9s %9s\n", "scene", "frames", "median", "(goal)", "99th", "worst");
  for (int scene : kScenes) {
    std::vector<double> ms;
    for (const TimedFrame& f : frames)
      if (f.scene == scene) ms.push_back(f.ms);
    const double median = Percentile(ms, 0.5);
    std::printf("%-9s %7zu %6.3f ms %11s %6.3f ms %6.3f ms  %s\n", SceneName(scene), ms.size(), median, "(<= 0.8 ms)",
                Percentile(ms, 0.99), Percentile(ms, 1.0), median <= 0.8 ? "ok" : "over");
  }
  std::vector<std::pair<double, int>> slow;
  for (std::size_t i = 0; i < frames.size(); ++i) slow.emplace_back(frames[i].ms, static_cast<int>(i) + 1);
  std::sort(slow.rbegin(), slow.rend());
  std::printf("slowest frames:");
  for (std::size_t i = 0; i < std::min<std::size_t>(8, slow.size()); ++i)
    std::printf(" %d (%s) %.2f ms;", slow[i].second, SceneName(frames[slow[i].second - 1].scene), slow[i].first);
  std::printf("\n");
  const double worst = slow.empty() ? 0 : slow[0].first;
  std::printf("worst frame of the whole game %.3f ms (goal <= 2 ms) %s\n", worst, worst <= 2.0 ? "ok" : "over");
  std::printf("worst single frame of any one game %.3f ms (the machine's delays included)\n", worstOfAny);
  std::vector<double> first;
  std::vector<double> gameMs;
  for (const GameTiming& r : runs) {
    first.push_back(r.firstFrameMs);
    double sum = 0;
    for (const TimedFrame& f : r.frames) sum += f.ms;
    gameMs.push_back(sum);
  }
  std::printf("program entry to the end of the first title frame %.1f ms (in-process, median)\n", Percentile(first, 0.5));
  const double realMs = static_cast<double>(kWholeGameFrames - 1) * 1000.0 / 60.0;
  std::printf("frames run at %.1fx real time (median game; goal >= 30x, aim 40x)\n\n",
              realMs / std::max(Percentile(gameMs, 0.5), 1e-9));
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  int games = 3;
  std::vector<char*> rest;
  for (int i = 0; i < argc; ++i) {
    if (std::strncmp(argv[i], "--games=", 8) == 0) {
      games = std::atoi(argv[i] + 8);
    } else if (std::strcmp(argv[i], "--games") == 0 && i + 1 < argc) {
      games = std::atoi(argv[++i]);
    } else {
      rest.push_back(argv[i]);
    }
  }
  setenv("OMP_NUM_THREADS", "1", 0);
  if (games > 0) ReportWholeGames(games);
  int restCount = static_cast<int>(rest.size());
  benchmark::Initialize(&restCount, rest.data());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
