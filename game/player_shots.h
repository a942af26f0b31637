// Drawing the player's volley and barrage shots with the muzzle flashes of the last volleys.
#pragma once

void DrawPlayerShots();
