#pragma once
// The last touch of the optimised placement: fewer à éviter cells for the same hours.
#include "scheduling/U_probleme.h"

// Moves runs, one at a time, to the free place of the same length that covers the fewest
// à éviter cells of its class and teacher, while that lowers their count: every run keeps
// its task and its length, so the quarter-hours placed stay the same.
TSolution MoinsAEviter(const TProbleme& P, TSolution S);
