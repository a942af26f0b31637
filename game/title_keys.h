// The two keys the title does not advertise: a game with 999 ships, and one with an invincible ship.
#pragma once

constexpr int kTitleKeyManyShips = '9';
constexpr int kTitleKeyInvincible = 'I';
