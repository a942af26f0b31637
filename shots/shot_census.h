// How many enemy shots are live now, over every kind (for the runner's trace).
#pragma once

int CountLiveEnemyShots();
