// Loading every picture and sound at start-up, and the resets that put the game back to rest.
#pragma once

void LoadAssets();
void ResetPlayerStart();
void ResetGameObjects1();
void ResetGameObjects2();
