// Whole frames of the game on the headless host with the generated pictures: the title, and stage
// frames while the waves fly and while a boss attacks. Each iteration is one frame's work, present
// included; the display's picture is copied out as the headless host's "screen".
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <string>

#include "framework/el_draw.h"
#include "framework/el_input.h"
#include "framework/el_system.h"
#include "game/assets.h"
#include "game/game_state.h"
#include "game/scene.h"
#include "platform/headless/headless_host.h"
#include "platform/window_system.h"
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

}  // namespace
