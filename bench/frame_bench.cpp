// Whole frames of the game on the headless host with the generated pictures.
//
// First a whole game is played, as the runner plays it (the invincible ship firing weapons 1 and 3
// from the title through the three stages and the ending back to the title), timing every frame of
// the message loop from the end of one frame to the end of the next: median, 99th percentile and worst
// frame per scene, each beside its goal. Then the single-scene benchmarks: the title, and stage frames
// while the waves fly and while a boss attacks, one frame's work per iteration, present included.
//
//   tessivane_frame_bench [--games N] [benchmark options]   (--games 0 skips the whole games)
#include <benchmark/benchmark.h>
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

// Plays `games` whole games and prints the figures of every scene; the medians and percentiles are
// taken over the frames of all the games, the worst frame is each game's worst, as a median over games.
void ReportWholeGames(int games) {
  std::vector<GameTiming> runs;
  for (int g = 0; g < games; ++g) runs.push_back(PlayWholeGame());
  std::printf("Whole game on the headless host, every frame timed (%d games of %d frames)\n", games, kWholeGameFrames);
  PrintLoad();
  std::printf("%-9s %7s %9s %11s %9s %9s\n", "scene", "frames", "median", "(goal)", "99th", "worst");
  std::vector<double> worstOfGame;
  for (const GameTiming& r : runs) {
    double worst = 0;
    for (const TimedFrame& f : r.frames) worst = std::max(worst, f.ms);
    worstOfGame.push_back(worst);
  }
  for (int scene : kScenes) {
    std::vector<double> ms;
    std::vector<double> worst;
    for (const GameTiming& r : runs) {
      double w = 0;
      for (const TimedFrame& f : r.frames)
        if (f.scene == scene) ms.push_back(f.ms), w = std::max(w, f.ms);
      worst.push_back(w);
    }
    const double median = Percentile(ms, 0.5);
    std::printf("%-9s %7zu %6.3f ms %11s %6.3f ms %6.3f ms  %s\n", SceneName(scene), ms.size() / std::max(games, 1), median,
                "(<= 0.8 ms)", Percentile(ms, 0.99), Percentile(worst, 0.5), median <= 0.8 ? "ok" : "over");
  }
  std::vector<std::pair<double, int>> slow;  // the first game's slowest frames, to say where they are
  for (std::size_t i = 0; !runs.empty() && i < runs[0].frames.size(); ++i) slow.emplace_back(runs[0].frames[i].ms, static_cast<int>(i) + 1);
  std::sort(slow.rbegin(), slow.rend());
  std::printf("slowest frames:");
  for (std::size_t i = 0; i < std::min<std::size_t>(8, slow.size()); ++i)
    std::printf(" %d (%s) %.2f ms;", slow[i].second, SceneName(runs[0].frames[slow[i].second - 1].scene), slow[i].first);
  std::printf("\n");
  const double worst = Percentile(worstOfGame, 0.5);
  std::printf("worst frame of the whole game %.3f ms (goal <= 2 ms) %s\n", worst, worst <= 2.0 ? "ok" : "over");
  std::vector<double> first;
  double gameMs = 0;
  for (const GameTiming& r : runs) {
    first.push_back(r.firstFrameMs);
    for (const TimedFrame& f : r.frames) gameMs += f.ms;
  }
  std::printf("program entry to the end of the first title frame %.1f ms (in-process, median)\n", Percentile(first, 0.5));
  const double realMs = static_cast<double>(kWholeGameFrames - 1) * games * 1000.0 / 60.0;
  std::printf("frames run at %.1fx real time (goal >= 30x, aim 40x)\n\n", realMs / std::max(gameMs, 1e-9));
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
