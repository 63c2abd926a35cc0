#pragma once
// Improves a solution run by run: a run of a task still missing hours goes somewhere, what
// it touches is cut or removed, the tasks that lost hours are refilled greedily, and the
// change is kept or undone by annealing on the quarter-hours placed.
#include "scheduling/U_probleme.h"

// Returns the best solution met, never worse than Depart (trimmed to what each task misses).
TSolution RechercheLocale(const TProbleme& P, const TSolution& Depart, TEffort& Effort,
                          THasard& Hasard);
