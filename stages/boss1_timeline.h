// The stage-1 boss's attacks, by its attack counter.
#pragma once

// Runs every row of the boss-1 timeline whose counter window holds `counter`, in order.
void RunBoss1Timeline(int counter);
