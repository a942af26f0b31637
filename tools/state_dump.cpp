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
#define FIELD(name) json.Field(#name, r.name)

void Fields(JsonWriter& json, const VolleyShot& r) { FIELD(x); FIELD(y); FIELD(sideStep); FIELD(forwardStep); FIELD(active); }
void Fields(JsonWriter& json, const BarrageShot& r) { FIELD(x); FIELD(y); FIELD(flightTimer); FIELD(active); }
void Fields(JsonWriter& json, const OptionShot& r) { FIELD(x); FIELD(y); FIELD(active); FIELD(angle); FIELD(flightTimer); }
void Fields(JsonWriter& json, const TrailParticle& r) { FIELD(x); FIELD(y); FIELD(active); }
void Fields(JsonWriter& json, const SpecialAttackRecord& r) { FIELD(x); FIELD(y); FIELD(step); FIELD(active); }
void Fields(JsonWriter& json, const ShipExplosionFragment& r) {
  FIELD(x); FIELD(y); FIELD(aimDX); FIELD(aimDY); FIELD(startX); FIELD(startY); FIELD(heading); FIELD(speed);
  FIELD(active); FIELD(cellColumn); FIELD(cellRow); FIELD(cellCounter); FIELD(count);
}
void Fields(JsonWriter& json, const PowerCapsuleRecord& r) {
  FIELD(x); FIELD(y); FIELD(fallSpeed); FIELD(active); FIELD(collected);
}
void Fields(JsonWriter& json, const SquadFighterRecord& r) {
  FIELD(explosionCycle); FIELD(explosionFrame); FIELD(flameFrame); FIELD(kind); FIELD(x); FIELD(y); FIELD(vx);
  FIELD(vy); FIELD(patternTimer); FIELD(angle); FIELD(speed); FIELD(active); FIELD(hit);
}
void Fields(JsonWriter& json, const Stage1EnemyRecord& r) {
  FIELD(explosionCycle); FIELD(explosionFrame); FIELD(spawnCounter); FIELD(x); FIELD(y); FIELD(vx); FIELD(vy);
  FIELD(active); FIELD(hit);
}
void Fields(JsonWriter& json, const TurretRecord& r) {
  FIELD(explosionCycle); FIELD(spawnTick); FIELD(explosionFrame); FIELD(spareInt); FIELD(pathTimer); FIELD(x);
  FIELD(y); FIELD(vx); FIELD(vy); FIELD(spareFloat1); FIELD(spareFloat2); FIELD(active); FIELD(hit);
}
void Fields(JsonWriter& json, const LargeEnemyRecord& r) {
  FIELD(x); FIELD(y); FIELD(pathTimer); FIELD(life); FIELD(defeatTimer); FIELD(hit);
}
void Fields(JsonWriter& json, const BossBurst& r) { FIELD(frame); FIELD(x); FIELD(y); }
void Fields(JsonWriter& json, const BossEntryPicture& r) { FIELD(x); FIELD(y); FIELD(speed); }
void Fields(JsonWriter& json, const StarFieldStar& r) { FIELD(colour); FIELD(x); FIELD(y); FIELD(fallSpeed); }
void Fields(JsonWriter& json, const BackdropTile& r) { FIELD(x); FIELD(y); }
void Fields(JsonWriter& json, const AimedStreamShot& r) {
  FIELD(cell); FIELD(x); FIELD(y); FIELD(aimDx); FIELD(aimDy); FIELD(startX); FIELD(startY); FIELD(angle);
  FIELD(speed); FIELD(sideStep); FIELD(active);
}
void Fields(JsonWriter& json, const DroppedShot& r) { FIELD(cell); FIELD(x); FIELD(y); FIELD(vx); FIELD(vy); FIELD(active); }
void Fields(JsonWriter& json, const AimedFanShot& r) {
  FIELD(cell); FIELD(tickCount); FIELD(drawDegrees); FIELD(x); FIELD(y); FIELD(aimDx); FIELD(aimDy);
  FIELD(startX); FIELD(startY); FIELD(angle); FIELD(speed); FIELD(active);
}
void Fields(JsonWriter& json, const CurvingFanShot& r) {
  FIELD(x); FIELD(y); FIELD(driftX); FIELD(driftY); FIELD(angle); FIELD(speed); FIELD(turnTimer); FIELD(active);
}
void Fields(JsonWriter& json, const FallingPairShot& r) {
  FIELD(cell); FIELD(tickCount); FIELD(x); FIELD(y); FIELD(sideSpeed); FIELD(fallSpeed); FIELD(active);
}
void Fields(JsonWriter& json, const SpiralShot& r) { FIELD(cell); FIELD(x); FIELD(y); FIELD(angle); FIELD(speed); FIELD(active); }
void Fields(JsonWriter& json, const DropGroupShot& r) {
  FIELD(cell); FIELD(tickCount); FIELD(x); FIELD(y); FIELD(sideSpeed); FIELD(fallSpeed); FIELD(active);
}
void Fields(JsonWriter& json, const HookSpriteShot& r) { FIELD(x); FIELD(y); FIELD(pathTimer); FIELD(active); }
void Fields(JsonWriter& json, const AimedRingShot& r) {
  FIELD(cell); FIELD(tickCount); FIELD(x); FIELD(y); FIELD(aimDx); FIELD(aimDy); FIELD(startX); FIELD(startY);
  FIELD(angle); FIELD(speed); FIELD(active);
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
  FIELD(score); FIELD(highScore); FIELD(shipStock); FIELD(capsuleCounter); FIELD(stageClock); FIELD(shipX);
  FIELD(shipY); FIELD(shipVelX); FIELD(shipVelY); FIELD(bankFrame); FIELD(bankStep); FIELD(musicCounter);
  FIELD(shipAlive); FIELD(respawning); FIELD(respawnCounter); FIELD(invincible); FIELD(paused); FIELD(gameOver);
  FIELD(ControlMode); FIELD(barrageRunning); FIELD(doubleShot); FIELD(wideShot); FIELD(capsulesSpawned);
  FIELD(volleyCounter1); FIELD(volleyCounter2); FIELD(volleyCounter3); FIELD(barrageCounter);
  FIELD(muzzleFlash1); FIELD(muzzleFlash2); FIELD(muzzleFlash3); FIELD(volleyArmed1); FIELD(volleyArmed2);
  json.EndObject();
}

void Scene(JsonWriter& json) {
  {
    const SceneStateRecord& r = SceneState;
    json.BeginObject("scene");
    FIELD(currentScene); FIELD(previousScene); FIELD(sceneEntered);
    json.Field("lastTypedKey", elInput::LastTypedKey);
    json.Field("frameTime", elSystem::FrameClock.frameTime);
    json.EndObject();
  }
  {
    const ScreenTransitionRecord& r = ScreenTransition;
    json.BeginObject("wipe");
    FIELD(kind); FIELD(counter); FIELD(direction); FIELD(steps);
    json.EndObject();
  }
  {
    const elSound::MusicStateRecord& r = elSound::MusicState;
    json.BeginObject("musicState");
    FIELD(musicOpen); FIELD(musicLoop);
    json.EndObject();
  }
  {
    const ShipControlRecord& r = ShipControls;
    json.BeginObject("shipControls");
    Ints(json, "keys", r.keys, ShipKeyCount);
    FIELD(optionRow); FIELD(optionShot);
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
  shots::ForEachEnemyShotPool([&json](const char* name, const auto* pool, int records, const int*) {
    Pool(json, name, pool, records);
  });
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

#undef FIELD

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
