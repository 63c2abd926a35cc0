#pragma once
// A timetable built on one day pattern shared by every class and teacher: each task gets a
// number of pieces of each period length, then every piece gets a period of its length.
#include "scheduling/U_probleme.h"

// Uses at most EtapesMax steps of Effort. Pieces that would touch a course already
// placed are left out: the local search places those hours elsewhere.
TSolution GrilleCommune(const TProbleme& P, TEffort& Effort, long EtapesMax, THasard& Hasard);
