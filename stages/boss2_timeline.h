// The stage-2 boss's attacks, by its attack counter.
#pragma once

// Runs every row of the boss-2 timeline whose counter window holds `counter`, in order.
void RunBoss2Timeline(int counter);
