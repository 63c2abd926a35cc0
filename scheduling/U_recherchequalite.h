#pragma once
// The search behind "Améliorer l'emploi du temps", on a compact copy of the courses: runs
// move (alone, or two of one class or one teacher trade places) where both grids and the
// day bounds allow, never onto an interdit cell, and the weighted cost goes down.
#include "scheduling/U_probleme.h"
#include "scheduling/U_qualite.h"

// The weights of the cost, per quarter-hour or per run: written in the help page.
struct TPoids {
    static constexpr long Conflit = 4096; // quarter-hour on an interdit cell, of either actor
    static constexpr long Evite = 256;    // quarter-hour on an à éviter cell, of either actor
    static constexpr long Doublon = 16;   // counted for the class and for the teacher
    static constexpr long ChargeMax = 2;  // quarter-hour of a class's heaviest day
    static constexpr long Trou = 1;       // quarter-hour of a gap, teacher or class
};

// An actor's week, weighted; the heaviest day counts for classes only.
long CoutMesures(const TMesures& m, bool Classe);
long CoutQualite(const TQualite& Q);

struct TRunQualite {
    int Classe; // actor index
    int Prof;   // actor index after the classes; -1 when the run counts for no teacher
    int Cle;    // tells the class's subjects apart
    int Jour;
    int Debut;
    int Longueur;
    bool Mobile; // only runs with a teacher may be mobile
};

struct TProblemeQualite {
    TRegles Regles{};
    std::uint64_t Pause = 0;
    int NbClasses = 0;
    int NbActeurs = 0;
    std::vector<TRunQualite> Runs;
    std::vector<std::array<TDispoJour, JoursSemaine>> Dispo; // by actor
    // By actor, the cells no mobile run holds, each with the one after it.
    std::vector<TSemaine> Fixe;
};

struct TResultatQualite {
    std::vector<TRunQualite> Runs; // P.Runs at their best places, in the same order
    long CoutAvant;
    long CoutApres;
    bool Interrompu;
};

// Deterministic for a given problem and step count. Progression sees (steps done, steps).
TResultatQualite RechercheQualite(const TProblemeQualite& P, long Etapes,
                                  IProgressionOptimisation* Progression);
