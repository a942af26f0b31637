// The damage drawers of the three bosses: bursts while the life passes a burst band, the body picture
// of the life band, and the burning sprites of a nearly dead boss; then the defeat runs.
#include <cstdlib>
#include <iterator>

#include "framework/el_draw.h"
#include "framework/el_sound.h"
#include "game/pictures.h"
#include "game/pixel.h"
#include "stages/boss_bursts.h"
#include "stages/bosses.h"

namespace {

// The life bands in which a boss shows damage bursts (lower bound exclusive, upper inclusive).
struct LifeRange {
  float above, upTo;
};
constexpr LifeRange kBurstBands[] = {{470.0f, 530.0f}, {270.0f, 330.0f}, {120.0f, 180.0f}};
constexpr BurstSpread kDamageSpread = {440, 100, 360, 100};

// Body pictures by life band, from the top: a band holds lives above `above`, up to the band before.
struct LifeBand {
  float above;
  Pic::Id picture;
};

// Burning sprites: a pair at two x offsets, sinking with the burning frame.
struct BurningPair {
  float lifeUpTo;  // drawn while 0 < life <= lifeUpTo
  int dx[2];
  int sinkPerFrame, dy;
};
constexpr int kBurningCell = 80;
constexpr int kBurningLastFrame = 9;

struct BossLook {
  BossRecord& boss;
  BossEffectsRecord& effects;
  int width, height;
  float topLife;  // above it no body is drawn
  const LifeBand* bands;
  int bandCount;
  BurningPair burning[2];
  int burningRepeats;  // the same sprites drawn over again at the same places
};

constexpr LifeBand kBoss1Bands[] = {{500.0f, Pic::BOSS11}, {300.0f, Pic::BOSS11_1}, {-100.0f, Pic::BOSS11_3}};
constexpr LifeBand kBoss2Bands[] = {
    {500.0f, Pic::BOSS71}, {300.0f, Pic::BOSS71_1}, {150.0f, Pic::BOSS71_2}, {-100.0f, Pic::BOSS71_3}};
constexpr LifeBand kBoss3Bands[] = {
    {500.0f, Pic::BOSS41}, {300.0f, Pic::BOSS41_1}, {150.0f, Pic::BOSS41_2}, {-100.0f, Pic::BOSS41_3}};

const BossLook kBoss1Look = {Boss1,
                             Boss1Effects,
                             440,
                             360,
                             kBoss1StartLife,
                             kBoss1Bands,
                             static_cast<int>(std::size(kBoss1Bands)),
                             {{90.0f, {140, 220}, 28, 50}, {70.0f, {60, 300}, 28, 100}},
                             9};
const BossLook kBoss2Look = {Boss2,
                             Boss2Effects,
                             500,
                             400,
                             kBoss2StartLife,
                             kBoss2Bands,
                             static_cast<int>(std::size(kBoss2Bands)),
                             {{90.0f, {150, 270}, 28, 70}, {70.0f, {90, 330}, 28, 0}},
                             9};
const BossLook kBoss3Look = {Boss3,
                             Boss3Effects,
                             440,
                             380,
                             kBoss3StartLife,
                             kBoss3Bands,
                             static_cast<int>(std::size(kBoss3Bands)),
                             {{90.0f, {140, 220}, 28, 70}, {70.0f, {60, 300}, 19, 150}},
                             1};

bool InBurstBand(float life) {
  for (const LifeRange& band : kBurstBands) {
    if (band.above < life && life <= band.upTo) return true;
  }
  return false;
}

void DrawDamageBursts(const BossLook& look) {
  const LargeEnemyRecord& body = look.boss.body;
  if (!InBurstBand(body.life)) return;
  for (BossBurst& burst : look.effects.large) {
    FlashBurst(burst, kLargeBurstStrip, body, kDamageSpread);
    elSound::Play(SoundHandles.bomb, -1);
  }
}

void DrawBody(const BossLook& look) {
  LargeEnemyRecord& body = look.boss.body;
  if (body.life <= look.topLife) {
    for (int i = 0; i < look.bandCount; ++i) {
      if (body.life > look.bands[i].above) {
        elDraw::DrawObject(ToPixel(body.x), ToPixel(body.y), Slot(look.bands[i].picture), 0, 0, look.width,
                           look.height);
        break;
      }
    }
  }
  body.hit = 0;
}

void DrawBurning(const BossLook& look) {
  const LargeEnemyRecord& body = look.boss.body;
  int& frame = look.effects.burningFrame;
  const int left = frame * kBurningCell;
  const int x = ToPixel(body.x);
  const int y = ToPixel(body.y);
  for (int r = 0; r < look.burningRepeats; ++r) {
    for (const BurningPair& pair : look.burning) {
      if (!(0.0f < body.life && body.life <= pair.lifeUpTo)) continue;
      for (int dx : pair.dx) {
        elDraw::DrawObject(x + dx, y + frame * pair.sinkPerFrame + pair.dy, Slot(Pic::ZBAK3B), left, 0,
                           left + kBurningCell, kBurningCell);
      }
    }
  }
  frame += 1;
  if (frame > kBurningLastFrame) frame = 0;
}

void DrawBossDamage(const BossLook& look) {
  DrawDamageBursts(look);
  DrawBody(look);
  DrawBurning(look);
}

}  // namespace

void FlashBurst(BossBurst& burst, const BurstStrip& strip, const LargeEnemyRecord& body, const BurstSpread& spread) {
  const int left = burst.frame * strip.cell;
  elDraw::DrawObject(ToPixel(burst.x), ToPixel(burst.y), Slot(strip.picture), left, 0, left + strip.cell, strip.cell);
  burst.frame += 1;
  if (burst.frame > strip.lastFrame) burst.frame = 0;
  burst.x = body.x + static_cast<float>(std::rand() % spread.spreadX) - static_cast<float>(spread.shiftX);
  burst.y = body.y + static_cast<float>(std::rand() % spread.spreadY) - static_cast<float>(spread.shiftY);
}

void DrawBoss1Damage() {
  DrawBossDamage(kBoss1Look);
  RunBoss1Defeat();
}
void DrawBoss2Damage() {
  DrawBossDamage(kBoss2Look);
  RunBoss2Defeat();
}
void DrawBoss3Damage() {
  DrawBossDamage(kBoss3Look);
  RunBoss3Defeat();
}
