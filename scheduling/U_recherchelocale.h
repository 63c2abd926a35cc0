#pragma once
// Improves a solution run by run: a run of a task still missing hours goes somewhere, what
// it touches is cut or removed, the tasks that lost hours are refilled greedily, and the
// change is kept or undone by annealing on the quarter-hours placed. Where some cells are à
// éviter, a second walk from the best takes no change that covers more of them for as many.
#include "scheduling/U_probleme.h"

// Returns the best solution met, never worse than Depart (trimmed to what each task misses):
// the fullest, and among as full ones the one with the fewest à éviter cells.
TSolution RechercheLocale(const TProbleme& P, const TSolution& Depart, TEffort& Effort,
                          THasard& Hasard);
