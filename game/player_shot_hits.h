// The hit tests of the player's shots, once per stage or ending frame after the present: the ship
// picks up the capsule, then every live volley and barrage shot flies one step and is tested against
// every enemy by boxes in whole pixels.
#pragma once

void HitTestPlayerShots();

// The player's four shot pools, in the order the hit tests walk them.
enum class PlayerWeapon : int { Volley3, Volley2, Volley1, Barrage };
