#pragma once
// The exact most quarter-hours an actor can hold alone under the day bounds, and the
// school's bound built from it. Plain computation over the compact copy.
#include "scheduling/U_probleme.h"

#include <vector>

// One class or teacher alone: what its grid already holds and the volumes it still needs,
// one per subject (class) or per class (teacher).
struct TActeurSeul {
    TSemaine Occupe{};   // placed courses: each cell and the one after it
    TSemaine Interdit{}; // cells no run may cover
    std::vector<int> Besoins;
};

// The most quarter-hours of its needs the actor can hold, each need served by its own runs,
// runs kept apart by a free quarter-hour and obeying the day bounds. Exact, except beyond
// a search size no demo school comes near, where it answers a bound still above it.
long MaximumActeur(const TRegles& R, const TActeurSeul& Acteur);

// The actor a of P alone (its tasks' needs, its fixed courses).
TActeurSeul ActeurSeul(const TProbleme& P, int a);

// Per actor, the most it can hold (0 for an actor without need).
std::vector<long> MaximaActeurs(const TProbleme& P);

// Per actor, its group: the classes and teachers linked to it through tasks share one
// number, that of one of them.
std::vector<int> Groupes(const TProbleme& P);

// What any solution can add at most: within each group of classes and teachers linked by
// their courses, the sum of the classes' maxima or of the teachers', the smaller.
long BorneNouveaux(const TProbleme& P);
