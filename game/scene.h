// The scene machine: which scene runs, whether it was just entered, and the change between scenes.
#pragma once

namespace SceneId {
enum : int { None = 0, Title = 1, Stage1 = 2, Stage2 = 3, Stage3 = 5, Ending = 10 };
}

struct SceneStateRecord {
  int currentScene = SceneId::None;  // the SceneId
  int previousScene = SceneId::None;  // the id as the main loop last saw it; 0 after a change
  int sceneEntered = 0;               // 1 from a change until the new scene's first frame has run
};
extern SceneStateRecord SceneState;

// Wipe lengths of the scene changes, in frames.
constexpr int kWipeTitleToStage1 = 26;
constexpr int kWipeStage1ToStage2 = 30;
constexpr int kWipeStage2ToStage3 = 60;
constexpr int kWipeStage3ToEnding = 30;
constexpr int kWipeEndingToTitle = 60;

// Snapshots the screen into slot 1, starts a wipe of `wipeFrames` and switches to `scene`.
void ChangeScene(int scene, int wipeFrames);

// The scene functions, one frame each; called by the main loop only.
void RunTitleScene();
void RunStage1Scene();
void RunStage2Scene();
void RunStage3Scene();
void RunEndingScene();
