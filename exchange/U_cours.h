#pragma once
// The placed courses of the model, each once, as publishing lists them.
#include "model/U_canevas.h"
#include "model/U_types.h"

#include <string>
#include <vector>

struct TCoursPublie {
    // Windows-1252, as the model holds them; Prof is empty for a subject without teacher.
    std::string Classe, Serie, Matiere, Prof;
    TJour Jour = 0;
    TQuart Debut = 0, Fin = 0;      // Fin: the last quarter-hour held
    TCouleur CouleurClasse = Blanc; // the subject's colour in the series
    TCouleur CouleurProf = Blanc;   // the class's colour in the teacher's list
};

// Every run of every class grid: classes in the collection's order, then by day and start.
std::vector<TCoursPublie> CoursDuModele();

// A name as a page or a calendar shows it: UTF-8, control characters made blanks.
std::string TexteAffiche(const std::string& Ansi);
