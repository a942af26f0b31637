// The squadron: the small fighters of stages 1 and 2, each entering at the top at a random place and
// flying one of ten movement patterns until it leaves the screen or is shot down.
#pragma once

struct SquadFighterRecord {
  int explosionCycle = 0;  // completed 10-frame cycles of the destruction (removed at 2)
  int explosionFrame = 0;  // frame 0..9 of the current destruction cycle
  int flameFrame = 0;      // engine-flame cell 0..19
  int kind = 0;            // destruction look 0..3
  float x = 0.0f;          // top-left corner of the 80x80 sprite box
  float y = 0.0f;
  float vx = 0.0f;  // pixels per second (patterns 1-8)
  float vy = 0.0f;
  float patternTimer = 0.0f;  // the pattern's own clock (patterns 2-8)
  float angle = 0.0f;         // heading, radians (patterns 9 and 10)
  float speed = 0.0f;         // along the heading, pixels per second (patterns 9 and 10)
  int active = 0;
  int hit = 0;  // 1 once a player's shot has struck it: it plays its destruction
};

constexpr int kSquadFighterCount = 50;
// The stages fly slots 0 to 14 only; the others stay zero.
constexpr int kSquadSlotsUsed = 15;
extern SquadFighterRecord SquadFighters[kSquadFighterCount];

void ResetSquadFighters();
void SpawnSquadFighter(int slot);
void MoveSquadFighter(int slot, int pattern);
void SetHitFlagSquad(int slot);
void DrawSquadFighter(int slot, int style);

// Fighters flying or playing their destruction (for the runner's trace).
int CountLiveSquadFighters();
