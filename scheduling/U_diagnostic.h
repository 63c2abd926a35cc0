#pragma once
// What is left to place, and why: the window's list of hours not placed and the command
// line's --diagnostiquer both read it from here.
#include "scheduling/U_automate.h"

#include <string>
#include <vector>

enum class TRaison { SansProfesseur, AucunePlace, Impossible, Placable };

// One subject of one class with quarter-hours still missing.
struct TManque {
    std::string Classe; // names in Windows-1252
    std::string Matiere;
    std::string Prof; // empty without a teacher paired
    int Manque;       // quarter-hours
    TRaison Raison;
    std::string Cause; // the class or teacher in the way (aucune-place, impossible)
    int Duree;         // quarter-hours of the course to hold: at most the longest run
    int Places;        // starts where such a course fits now, by the drop's rule
};

// Every class (in order) and subject of its series (in order) with quarter-hours missing.
// A course that fits somewhere now is placeable; one that does not is impossible when its
// class or teacher cannot hold its whole load in any timetable with these day bounds.
std::vector<TManque> HeuresNonPlacees(const TAutomate& Reglages);

// "sans-professeur", "aucune-place", "impossible", "placable".
const char* CodeRaison(TRaison Raison);
// The reason in the user's words (UTF-8).
std::string TexteRaison(const TManque& Manque);
// classe;matiere;professeur;manque;raison;places, UTF-8, LF, quoted where needed.
std::string DiagnosticEnCsv(const std::vector<TManque>& Liste);
