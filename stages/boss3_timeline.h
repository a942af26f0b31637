// The stage-3 boss's attacks, by its attack counter.
#pragma once

// Runs every row of the boss-3 timeline whose counter window holds `counter`, in order.
void RunBoss3Timeline(int counter);
