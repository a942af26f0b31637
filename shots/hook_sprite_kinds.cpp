#include "shots/hook_sprite_kinds.h"

namespace {

using shots::HookPath;

// The three hooks: how many legs of the shared bend each takes before its final run. The longer the
// bend, the further the sprite sweeps back across before it falls straight on.
constexpr HookPath kShortHook = {7, {22, 250, 3, 6}};
constexpr HookPath kMiddleHook = {9, {28, 250, 5, 6}};
constexpr HookPath kLongHook = {13, {40, 280, 10, 6}};

}  // namespace

// One hook-sprite kind: its records, its counter, its descriptor and its four named operations.
#define DEFINE_HOOK_SPRITE(Name, owner, sx, sy, rate, path, side, picture, size)                                   \
  namespace {                                                                                                      \
  HookSpriteShot Name##Pool[shots::kHookSprites];                                                                  \
  int Name##Counter = 0;                                                                                           \
  }                                                                                                                \
  const shots::HookSpriteKind k##Name = {Name##Pool, &Name##Counter, shots::ShotOwner::owner, sx,           sy,    \
                                         rate,       path,           shots::HookSide::side,   Pic::picture, size}; \
  void Tick##Name() { shots::TickHookSprites(k##Name); }                                                           \
  void Update##Name() { shots::UpdateHookSprites(k##Name); }                                                       \
  void Draw##Name() { shots::DrawHookSprites(k##Name); }                                                           \
  void Reset##Name() { shots::ResetHookSprites(k##Name); }
BOSS3_HOOK_SPRITE_KINDS(DEFINE_HOOK_SPRITE)
#undef DEFINE_HOOK_SPRITE
