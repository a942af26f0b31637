#include "tools/trace_fields.h"

#include <vector>

#include "framework/el_draw.h"
#include "framework/el_input.h"
#include "framework/el_sound.h"
#include "game/barrage.h"
#include "game/game_state.h"
#include "game/option_shots.h"
#include "game/power_capsule.h"
#include "game/ranking.h"
#include "game/scene.h"
#include "game/ship.h"
#include "game/ship_death.h"
#include "game/special_attack.h"
#include "game/trails.h"
#include "game/volley_weapons.h"
#include "platform/headless/headless_host.h"
#include "shots/shot_census.h"
#include "stages/bosses.h"
#include "stages/squadron.h"
#include "stages/stage1_enemies.h"
#include "stages/turrets.h"
#include "tools/json_writer.h"

namespace runner {
namespace {

struct IntField {
  const char* name;
  const int* value;
};
struct ComputedIntField {
  const char* name;
  int (*value)();
};
struct FloatField {
  const char* name;
  const float* value;
};

const IntField kIntFields[] = {
    {"scene", &SceneState.currentScene},
    {"sceneEntered", &SceneState.sceneEntered},
    {"transition", &ScreenTransition.counter},
    {"lastTypedKey", &elInput::LastTypedKey},
    {"score", &GameState.score},
    {"highScore", &GameState.highScore},
    {"shipStock", &GameState.shipStock},
    {"capsuleCounter", &GameState.capsuleCounter},
    {"bankFrame", &GameState.bankFrame},
    {"bankStep", &GameState.bankStep},
    {"musicCounter", &GameState.musicCounter},
    {"shipAlive", &GameState.shipAlive},
    {"respawning", &GameState.respawning},
    {"respawnCounter", &GameState.respawnCounter},
    {"invincible", &GameState.invincible},
    {"paused", &GameState.paused},
    {"gameOver", &GameState.gameOver},
    {"ControlMode", &GameState.ControlMode},
    {"barrageRunning", &GameState.barrageRunning},
    {"doubleShot", &GameState.doubleShot},
    {"wideShot", &GameState.wideShot},
    {"capsulesSpawned", &GameState.capsulesSpawned},
    {"volleyCounter1", &GameState.volleyCounter1},
    {"volleyCounter2", &GameState.volleyCounter2},
    {"volleyCounter3", &GameState.volleyCounter3},
    {"barrageCounter", &GameState.barrageCounter},
    {"muzzleFlash1", &GameState.muzzleFlash1},
    {"muzzleFlash2", &GameState.muzzleFlash2},
    {"muzzleFlash3", &GameState.muzzleFlash3},
    {"specialAttackStep", &SpecialAttack[0].step},
    {"explosionCount", &ShipExplosion[0].count},
    {"optionShotIndex", &ShipControls.optionShot},
    {"boss1AttackCounter", &Boss1.attackCounter},
    {"boss2AttackCounter", &Boss2.attackCounter},
    {"boss3AttackCounter", &Boss3.attackCounter},
    {"rankingRow", &RankingChangedRow},  // the ending clock is stageClock
};

const ComputedIntField kComputedIntFields[] = {
    {"volleyShots1", [] { return CountLiveVolleyShots(1); }},
    {"volleyShots2", [] { return CountLiveVolleyShots(2); }},
    {"volleyShots3", [] { return CountLiveVolleyShots(3); }},
    {"barrageShots", [] { return CountLiveBarrageShots(); }},
    {"explosionFragments", CountLiveFragments},
    {"squadFighters", CountLiveSquadFighters},
    {"enemyShots", CountLiveEnemyShots},
    {"stage1Enemies", CountLiveStage1Enemies},
    {"turrets", CountLiveTurrets},
    {"optionShots", CountLiveOptionShots},
    {"trailParticles", CountLiveTrailParticles},
};

const FloatField kFloatFields[] = {
    {"frameTime", &elSystem::FrameClock.frameTime},
    {"stageClock", &GameState.stageClock},
    {"shipX", &GameState.shipX},
    {"shipY", &GameState.shipY},
    {"shipVelX", &GameState.shipVelX},
    {"shipVelY", &GameState.shipVelY},
    {"capsuleX", &PowerCapsule.x},
    {"capsuleY", &PowerCapsule.y},
    {"boss1X", &Boss1.body.x},
    {"boss1Y", &Boss1.body.y},
    {"boss1Life", &Boss1.body.life},
    {"boss1DefeatTimer", &Boss1.body.defeatTimer},
    {"boss2X", &Boss2.body.x},
    {"boss2Y", &Boss2.body.y},
    {"boss2Life", &Boss2.body.life},
    {"boss2DefeatTimer", &Boss2.body.defeatTimer},
    {"boss3X", &Boss3.body.x},
    {"boss3Y", &Boss3.body.y},
    {"boss3Life", &Boss3.body.life},
    {"boss3DefeatTimer", &Boss3.body.defeatTimer},
};

// What the game asked to hear since the last trace line: sound ids in the order played, and the
// music command strings (the host's log, without the results it notes; the runner empties it after
// every frame).
std::vector<int> soundsPlayed;

void OnSoundPlayed(int soundId) { soundsPlayed.push_back(soundId); }

void WriteSoundsAndMusic(JsonWriter& json) {
  json.BeginArray("sounds");
  for (const int id : soundsPlayed) json.Value(id);
  json.EndArray();
  soundsPlayed.clear();
  json.BeginArray("music");
  const std::vector<std::string>& commands = plat::headless::MciCommands();
  constexpr const char kFailed[] = " -> error";
  for (std::string command : commands) {
    const std::size_t noted = command.rfind(kFailed);
    if (noted != std::string::npos && noted + sizeof kFailed - 1 == command.size()) command.resize(noted);
    json.Value(command);
  }
  json.EndArray();
}

}  // namespace

void StartTrace() {
  soundsPlayed.clear();
  plat::headless::ClearMciCommands();
  elSound::SetPlayObserver(OnSoundPlayed);
}

void AppendTraceLine(std::string& out, int frame) {
  JsonWriter json(out);
  json.BeginObject().Field("frame", frame);
  for (const IntField& f : kIntFields) json.Field(f.name, *f.value);
  for (const ComputedIntField& f : kComputedIntFields) json.Field(f.name, f.value());
  for (const FloatField& f : kFloatFields) json.Field(f.name, *f.value);
  WriteSoundsAndMusic(json);
  json.EndObject();
}

}  // namespace runner
