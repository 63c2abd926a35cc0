#pragma once
// Who is free: the teachers with neither a course nor an interdit cell over a range of one
// day, the most useful first.
#include "scheduling/U_automate.h"

#include <string>
#include <vector>

class TClasse;
class TProf;

struct TProfLibre {
    const TProf* Prof;
    // 0: teaches a subject the class shown still lacks; 1: at school that day before and
    // after the range (it would fill a gap); 2: the others.
    int Rang;
    std::vector<std::pair<TQuart, TQuart>> Cours; // that day's runs, first and last slot
    int Trous; // quarter-hours, as the quality measures count them (lunch break left out)
};

// In rank order, then in the teachers' order. Classe may be null.
std::vector<TProfLibre> QuiEstLibre(const TAutomate& Reglages, TJour Jour, TQuart Debut, TQuart Fin,
                                    const TClasse* Classe);
