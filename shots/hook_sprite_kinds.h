// The hook-sprite kinds of the stage-3 boss, three mirrored pairs. Each row: name, owner, spawn point
// (x, y) from the owner, path-timer rate per second, path, side, picture, sprite size. Each row gives
// the kind its 50 records, its spawn counter and the operations Tick<Name>, Update<Name>, Draw<Name>
// and Reset<Name>.
#pragma once

#include "shots/hook_sprite.h"

#define BOSS3_HOOK_SPRITE_KINDS(X)                                          \
  X(Boss3HookSprite1, Boss3, 135, 135, 20, kShortHook, Left, GLIM4, 30)   \
  X(Boss3HookSprite2, Boss3, 275, 135, 20, kShortHook, Right, GLIM4, 30)  \
  X(Boss3HookSprite3, Boss3, 130, 130, 30, kMiddleHook, Left, GLIM5, 40)  \
  X(Boss3HookSprite4, Boss3, 270, 130, 30, kMiddleHook, Right, GLIM5, 40) \
  X(Boss3HookSprite5, Boss3, 125, 105, 40, kLongHook, Left, GLIM6, 50)    \
  X(Boss3HookSprite6, Boss3, 265, 105, 40, kLongHook, Right, GLIM6, 50)

#define DECLARE_HOOK_SPRITE(Name, ...)       \
  extern const shots::HookSpriteKind k##Name; \
  void Tick##Name();                          \
  void Update##Name();                        \
  void Draw##Name();                          \
  void Reset##Name();
BOSS3_HOOK_SPRITE_KINDS(DECLARE_HOOK_SPRITE)
#undef DECLARE_HOOK_SPRITE
