#include "tools/state_dump.h"

#include "framework/el_draw.h"
#include "framework/el_input.h"
#include "framework/el_sound.h"
#include "game/backdrops.h"
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
#include "shots/enemy_shot_pools.h"
#include "stages/bosses.h"
#include "stages/squadron.h"
#include "stages/stage1_enemies.h"
#include "stages/turrets.h"
#include "tools/json_writer.h"

namespace runner {
namespace {

// The fields of each record type, by the names the game gives them.
#define F(name) .Field(#name, r.name)

void Fields(JsonWriter& json, const VolleyShot& r) { json F(x) F(y) F(sideStep) F(forwardStep) F(active); }
void Fields(JsonWriter& json, const BarrageShot& r) { json F(x) F(y) F(flightTimer) F(active); }
void Fields(JsonWriter& json, const OptionShot& r) { json F(x) F(y) F(active) F(angle) F(flightTimer); }
void Fields(JsonWriter& json, const TrailParticle& r) { json F(x) F(y) F(active); }
void Fields(JsonWriter& json, const SpecialAttackRecord& r) { json F(x) F(y) F(step) F(active); }
void Fields(JsonWriter& json, const ShipExplosionFragment& r) {
  json F(x) F(y) F(aimDX) F(aimDY) F(startX) F(startY) F(heading) F(speed) F(active) F(cellColumn) F(cellRow)
      F(cellCounter) F(count);
}
void Fields(JsonWriter& json, const PowerCapsuleRecord& r) { json F(x) F(y) F(fallSpeed) F(active) F(collected); }
void Fields(JsonWriter& json, const SquadFighterRecord& r) {
  json F(explosionCycle) F(explosionFrame) F(flameFrame) F(kind) F(x) F(y) F(vx) F(vy) F(patternTimer) F(angle) F(speed)
      F(active) F(hit);
}
void Fields(JsonWriter& json, const Stage1EnemyRecord& r) {
  json F(explosionCycle) F(explosionFrame) F(spawnCounter) F(x) F(y) F(vx) F(vy) F(active) F(hit);
}
void Fields(JsonWriter& json, const TurretRecord& r) {
  json F(explosionCycle) F(spawnTick) F(explosionFrame) F(spareInt) F(pathTimer) F(x) F(y) F(vx) F(vy) F(spareFloat1)
      F(spareFloat2) F(active) F(hit);
}
void Fields(JsonWriter& json, const LargeEnemyRecord& r) { json F(x) F(y) F(pathTimer) F(life) F(defeatTimer) F(hit); }
void Fields(JsonWriter& json, const BossBurst& r) { json F(frame) F(x) F(y); }
void Fields(JsonWriter& json, const BossEntryPicture& r) { json F(x) F(y) F(speed); }
void Fields(JsonWriter& json, const StarFieldStar& r) { json F(colour) F(x) F(y) F(fallSpeed); }
void Fields(JsonWriter& json, const BackdropTile& r) { json F(x) F(y); }
void Fields(JsonWriter& json, const AimedStreamShot& r) {
  json F(cell) F(x) F(y) F(aimDx) F(aimDy) F(startX) F(startY) F(angle) F(speed) F(sideStep) F(active);
}
void Fields(JsonWriter& json, const DroppedShot& r) { json F(cell) F(x) F(y) F(vx) F(vy) F(active); }
void Fields(JsonWriter& json, const AimedFanShot& r) {
  json F(cell) F(tickCount) F(drawDegrees) F(x) F(y) F(aimDx) F(aimDy) F(startX) F(startY) F(angle) F(speed) F(active);
}
void Fields(JsonWriter& json, const CurvingFanShot& r) {
  json F(x) F(y) F(driftX) F(driftY) F(angle) F(speed) F(turnTimer) F(active);
}
void Fields(JsonWriter& json, const FallingPairShot& r) {
  json F(cell) F(tickCount) F(x) F(y) F(sideSpeed) F(fallSpeed) F(active);
}
void Fields(JsonWriter& json, const SpiralShot& r) { json F(cell) F(x) F(y) F(angle) F(speed) F(active); }
void Fields(JsonWriter& json, const DropGroupShot& r) {
  json F(cell) F(tickCount) F(x) F(y) F(sideSpeed) F(fallSpeed) F(active);
}
void Fields(JsonWriter& json, const HookSpriteShot& r) { json F(x) F(y) F(pathTimer) F(active); }
void Fields(JsonWriter& json, const AimedRingShot& r) {
  json F(cell) F(tickCount) F(x) F(y) F(aimDx) F(aimDy) F(startX) F(startY) F(angle) F(speed) F(active);
}

template <class Record>
void Object(JsonWriter& json, const char* name, const Record& r) {
  json.BeginObject(name);
  Fields(json, r);
  json.EndObject();
}

template <class Record>
void Pool(JsonWriter& json, const char* name, const Record* pool, int count) {
  json.BeginArray(name);
  for (int i = 0; i < count; ++i) Object(json, nullptr, pool[i]);
  json.EndArray();
}
template <class Record, int N>
void Pool(JsonWriter& json, const char* name, const Record (&pool)[N]) {
  Pool(json, name, pool, N);
}

void Ints(JsonWriter& json, const char* name, const int* values, int count) {
  json.BeginArray(name);
  for (int i = 0; i < count; ++i) json.Value(values[i]);
  json.EndArray();
}

void Game(JsonWriter& json) {
  const GameStateRecord& r = GameState;
  json.BeginObject("gameState");
  json F(score) F(highScore) F(shipStock) F(capsuleCounter) F(stageClock) F(shipX) F(shipY) F(shipVelX) F(shipVelY);
  json F(bankFrame) F(bankStep) F(musicCounter) F(shipAlive) F(respawning) F(respawnCounter) F(invincible) F(paused);
  json F(gameOver) F(ControlMode) F(barrageRunning) F(doubleShot) F(wideShot) F(capsulesSpawned);
  json F(volleyCounter1) F(volleyCounter2) F(volleyCounter3) F(barrageCounter) F(muzzleFlash1) F(muzzleFlash2);
  json F(muzzleFlash3) F(volleyArmed1) F(volleyArmed2);
  json.EndObject();
}

void Scene(JsonWriter& json) {
  {
    const SceneStateRecord& r = SceneState;
    json.BeginObject("scene") F(currentScene) F(previousScene) F(sceneEntered);
    json.Field("lastTypedKey", elInput::LastTypedKey);
    json.Field("frameTime", elSystem::FrameClock.frameTime);
    json.EndObject();
  }
  {
    const ScreenTransitionRecord& r = ScreenTransition;
    json.BeginObject("wipe") F(kind) F(counter) F(direction) F(steps);
    json.EndObject();
  }
  {
    const elSound::MusicStateRecord& r = elSound::MusicState;
    json.BeginObject("musicState") F(musicOpen) F(musicLoop);
    json.EndObject();
  }
  {
    const ShipControlRecord& r = ShipControls;
    json.BeginObject("shipControls");
    Ints(json, "keys", r.keys, ShipKeyCount);
    json F(optionRow) F(optionShot);
    json.EndObject();
  }
  json.BeginObject("ranking");
  Ints(json, "table", RankingTable, kRankingRows);
  json.Field("changedRow", RankingChangedRow);
  json.EndObject();
}

void PlayerShots(JsonWriter& json) {
  Pool(json, "volleyShots1", VolleyShots1);
  Pool(json, "volleyShots2", VolleyShots2);
  Pool(json, "volleyShots3", VolleyShots3);
  Pool(json, "barrageShots", BarrageShots);
#define DUMP_OPTION_SHOTS(K, ...) Pool(json, "optionShots" #K, OptionShots##K);
  OPTION_SHOT_KINDS(DUMP_OPTION_SHOTS)
#undef DUMP_OPTION_SHOTS
  json.BeginObject("trails");
#define DUMP_TRAIL_SET(Name, ...) Pool(json, #Name, k##Name.slots, TrailSlotCount(k##Name));
  TRAIL_SETS(DUMP_TRAIL_SET)
#undef DUMP_TRAIL_SET
  json.EndObject();
  Pool(json, "specialAttack", SpecialAttack);
  Pool(json, "shipExplosion", ShipExplosion);
  Object(json, "powerCapsule", PowerCapsule);
}

void Boss(JsonWriter& json, const char* name, const BossRecord& boss, const BossEffectsRecord& effects) {
  json.BeginObject(name);
  json.Field("attackCounter", boss.attackCounter);
  Object(json, "body", boss.body);
  Pool(json, "largeBursts", effects.large);
  Pool(json, "smallBursts", effects.small);
  json.Field("burningFrame", effects.burningFrame);
  Object(json, "entry", effects.entry);
  json.EndObject();
}

void Enemies(JsonWriter& json) {
  Pool(json, "squadFighters", SquadFighters);
  Pool(json, "stage1EnemiesD", Stage1EnemiesD);
  Pool(json, "stage1EnemiesE", Stage1EnemiesE);
  Pool(json, "stage1EnemiesF", Stage1EnemiesF);
  Pool(json, "stage1EnemiesG", Stage1EnemiesG);
  Pool(json, "turrets1", Turrets1);
  Pool(json, "turrets2", Turrets2);
  Pool(json, "turrets3", Turrets3);
  Pool(json, "turrets4", Turrets4);
  Boss(json, "boss1", Boss1, Boss1Effects);
  Boss(json, "boss2", Boss2, Boss2Effects);
  Boss(json, "boss3", Boss3, Boss3Effects);
}

void EnemyShots(JsonWriter& json) {
  json.BeginObject("enemyShots");
  shots::ForEachEnemyShotPool(
      [&json](const char* name, const auto* pool, int records, const int*) { Pool(json, name, pool, records); });
  json.EndObject();
  json.BeginObject("enemyShotCounters");  // the kinds that count beside their records
  shots::ForEachEnemyShotPool([&json](const char* name, const auto*, int, const int* counter) {
    if (counter != nullptr) json.Field(name, *counter);
  });
  json.EndObject();
}

void Backdrops(JsonWriter& json) {
  Pool(json, "stars", StarField);
  json.BeginArray("backdropColumns");
  for (const auto& column : BackdropColumns) Pool(json, nullptr, column);
  json.EndArray();
}

#undef F

}  // namespace

void AppendStateDump(std::string& out, int frame) {
  JsonWriter json(out);
  json.BeginObject();
  json.Field("frame", frame);
  Scene(json);
  Game(json);
  PlayerShots(json);
  Enemies(json);
  EnemyShots(json);
  Backdrops(json);
  json.EndObject();
}

}  // namespace runner
