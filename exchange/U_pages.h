#pragma once
// The web pages of a publication: an index, and each class's and teacher's week as a table
// in the timetable's colours. Plain HTML5 and an inline style sheet: no script, nothing
// fetched, readable on a phone, printable.
#include "exchange/U_cours.h"
#include "exchange/U_nomsfichiers.h"

#include <string>
#include <vector>

// What a page shows besides its courses; texts UTF-8.
struct TEntetePage {
    std::string Titre;     // "Emploi du temps de : 2nde 1"
    std::string SousTitre; // "Classe de série : Seconde"
    std::string Fichier;   // the page's own file name, extension left out
};

// A class's page (ParClasse) or a teacher's: each course with its subject, its partner
// (linked to the partner's page) and its times.
std::string PageSemaine(const TEntetePage& Entete, const std::vector<const TCoursPublie*>& Cours,
                        bool ParClasse, const TAnnuaire& Annuaire);
// Links to every page and calendar; Periode says which dates the calendars cover.
std::string PageIndex(const TAnnuaire& Annuaire, const std::string& Periode);

// Text and attribute values made safe for HTML.
std::string EchapperHtml(const std::string& Utf8);
