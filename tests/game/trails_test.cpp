// The trails: rest state, seeding at the source shots, the jitter and sink with its rand() count,
// the death line below the boss, and the draw.
#include "game/trails.h"

#include <cstdlib>
#include <vector>

#include "game/barrage.h"
#include "game/volley_weapons.h"
#include "lit_pixels.h"
#include "player_fixture.h"

namespace {

using TrailTest = PlayerTest;

const TrailSet* const kSets[] = {&kStage1Trail1, &kStage1Trail2, &kStage1Trail3, &kStage2Trail1, &kStage2Trail2,
                                 &kStage2Trail3, &kStage3Trail1, &kStage3Trail2, &kStage3Trail3};

// The generator's next `count` numbers after srand(seed).
std::vector<int> RandSequence(unsigned seed, int count) {
  std::srand(seed);
  std::vector<int> out(static_cast<std::size_t>(count));
  for (int& v : out) v = std::rand();
  return out;
}

float BossY(const TrailSet& set) { return shots::OwnerPoint(set.boss, 0).y; }

bool AtRest(const TrailParticle& p) { return p.x == 1000.0f && p.y == 5000.0f && p.active == 0; }

TEST_F(TrailTest, TheResetPutsEverySlotOfEverySetAtRest) {
  EXPECT_EQ(TrailSlotCount(kStage1Trail1), 2340);
  EXPECT_EQ(TrailSlotCount(kStage2Trail3), 6000);
  SeedStage1Trail1();
  SeedStage3Trail3();
  kStage2Trail3.slots[5999] = {1.0f, 2.0f, 1};  // an unused slot too
  EXPECT_GT(CountLiveTrailParticles(), 0);
  LoadAssets();  // runs the game-wide reset
  for (const TrailSet* set : kSets) {
    for (int i = 0; i < TrailSlotCount(*set); ++i) ASSERT_TRUE(AtRest(set->slots[i])) << "slot " << i;
  }
  EXPECT_EQ(CountLiveTrailParticles(), 0);
}

TEST_F(TrailTest, ASeedStartsOnlyTheIdleUsedSlotsAtEverySourceShot) {
  VolleyShots1[5] = {300, 200, 0, 0, 1};
  VolleyShots2[5] = {100, 100, 0, 0, 1};
  kStage1Trail1.slots[152] = {11.0f, 12.0f, 1};  // still live from an earlier hit
  SeedStage1Trail1();
  for (int j = 150; j < 180; ++j) {
    if (j == 152) continue;
    EXPECT_EQ(kStage1Trail1.slots[j].x, 323.0f);
    EXPECT_EQ(kStage1Trail1.slots[j].y, 194.0f);
    EXPECT_EQ(kStage1Trail1.slots[j].active, 1);
  }
  EXPECT_EQ(kStage1Trail1.slots[152].x, 11.0f);
  // Parked shots get their sparks too, where they rest.
  EXPECT_EQ(kStage1Trail1.slots[0].x, -477.0f);
  EXPECT_EQ(kStage1Trail1.slots[0].y, 494.0f);
  EXPECT_EQ(CountLiveTrailParticles(), 2340);

  // The barrage set uses the first 3 slots of each source, with no lift.
  BarrageShots[7] = {310, 250, 0.0f, 1};
  SeedStage3Trail3();
  for (int j = 210; j < 213; ++j) {
    EXPECT_EQ(kStage3Trail3.slots[j].x, 333.0f);
    EXPECT_EQ(kStage3Trail3.slots[j].y, 250.0f);
  }
  EXPECT_TRUE(AtRest(kStage3Trail3.slots[213]));
  EXPECT_EQ(CountLiveTrailParticles(), 2340 + 600);
}

// A drift takes four numbers for a live slot's jitter and one for every slot's death line, in order.
TEST_F(TrailTest, DriftJittersLiveSparksAndDrawsFiveNumbersPerLiveSlotAndOnePerIdleSlot) {
  const float bossY = BossY(kStage1Trail2);
  kStage1Trail2.slots[0] = {300.0f, bossY + 100.0f, 1};
  const std::vector<int> r = RandSequence(42, 2400);
  std::srand(42);
  DriftTrail(kStage1Trail2);
  const TrailParticle& p = kStage1Trail2.slots[0];
  EXPECT_EQ(p.active, 1);
  EXPECT_EQ(p.x, 300.0f + static_cast<float>(r[0] % 5) - static_cast<float>(r[1] % 5));
  EXPECT_EQ(p.y, bossY + 100.0f + static_cast<float>(r[2] % 20) - static_cast<float>(r[3] % 12));
  EXPECT_EQ(std::rand(), r[5 + 2339]);

  // The barrage set walks its 600 used slots only.
  kStage2Trail3.slots[31] = {300.0f, BossY(kStage2Trail3), 1};
  kStage2Trail3.slots[33] = {300.0f, BossY(kStage2Trail3), 1};  // unused slot: never moved
  std::srand(42);
  DriftTrail(kStage2Trail3);
  EXPECT_EQ(std::rand(), r[5 + 599]);
  EXPECT_EQ(kStage2Trail3.slots[33].x, 300.0f);
  EXPECT_EQ(kStage2Trail3.slots[33].y, BossY(kStage2Trail3));
}

TEST_F(TrailTest, ASparkDiesAtARandomDepthBelowTheBoss) {
  // Depth 320 + rand() % 80 (sets 1 and 2) or % 40 (set 3) below the boss's y; a step moves y by -11..+19.
  const float bossY = BossY(kStage3Trail1);
  for (int seed = 1; seed <= 50; ++seed) {
    const std::vector<int> r = RandSequence(static_cast<unsigned>(seed), 5);
    kStage3Trail1.slots[0] = {400.0f, bossY + 380.0f, 1};
    kStage3Trail3.slots[0] = {400.0f, bossY + 371.0f, 1};  // at least 360 after the step: past every line
    kStage3Trail3.slots[1] = {400.0f, bossY + 300.0f, 1};  // at most 319: above every line
    std::srand(static_cast<unsigned>(seed));
    DriftTrail(kStage3Trail1);
    const float y = bossY + 380.0f + static_cast<float>(r[2] % 20) - static_cast<float>(r[3] % 12);
    const bool dies = bossY + 320.0f + static_cast<float>(r[4] % 80) <= y;
    EXPECT_EQ(kStage3Trail1.slots[0].active, dies ? 0 : 1) << "seed " << seed;
    if (dies) {
      EXPECT_TRUE(AtRest(kStage3Trail1.slots[0]));
    }
    DriftTrail(kStage3Trail3);
    EXPECT_TRUE(AtRest(kStage3Trail3.slots[0])) << "seed " << seed;
    EXPECT_EQ(kStage3Trail3.slots[1].active, 1) << "seed " << seed;
  }
}

TEST_F(TrailTest, OnlyLiveSparksShowWhereTheyAre) {
  kStage1Trail3.slots[60] = {400.9f, 300.5f, 1};
  elDraw::ClearBackBuffer();
  for (const TrailSet* set : kSets) DrawTrail(*set);
  EXPECT_TRUE(LitOnlyWithin(400, 300, 414, 314));
}

}  // namespace
