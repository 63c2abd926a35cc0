#pragma once
// What teachers and pupils live with, actor by actor and day by day: gaps between courses,
// days at school, a subject (a class) twice in one day, the heaviest day, and courses on
// cells the actor would rather avoid or cannot take. The window's pane, the command line and
// the improvement of a timetable all count with these functions.
#include "scheduling/U_automate.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

class TActeur;
class TClasse;
class TProf;

// One run of an actor's day. Cle tells runs apart for the doublons: the subject of a class's
// run, the class of a teacher's.
struct TCoursJour {
    int Debut; // slot
    int Longueur;
    int Cle;
};

// An actor's cells of one day, bit q - 32 for slot q (08h00 is bit 0).
struct TDispoJour {
    std::uint64_t Evite = 0;
    std::uint64_t Interdit = 0;
};

struct TMesuresJour {
    int Trous = 0; // quarter-hours
    int Doublons = 0;
    int Charge = 0; // quarter-hours of courses
    int Evites = 0;
    int Conflits = 0;
    bool operator==(const TMesuresJour&) const = default;
};

struct TMesures {
    int Trous = 0;
    int Jours = 0;
    int Doublons = 0;
    int ChargeMax = 0;
    int Evites = 0;
    int Conflits = 0;
    void Ajouter(const TMesures& Autre);
    bool operator==(const TMesures&) const = default;
};

using TSemaineMesuree = std::array<TMesuresJour, NombreJours>;

// The slots of the lunch break, as bits of a day.
std::uint64_t MasquePause(const TAutomate& Reglages);

// One day of one actor, its runs in start order.
TMesuresJour MesurerJour(std::span<const TCoursJour> Cours, const TDispoJour& Dispo,
                         std::uint64_t Pause);
TMesures Resumer(const TSemaineMesuree& Jours);

struct TQualiteActeur {
    std::string Nom;
    TSemaineMesuree Jours;
    TMesures Semaine;
};

struct TQualite {
    std::vector<TQualiteActeur> Profs;   // in LesProfs' order
    std::vector<TQualiteActeur> Classes; // in LesClasses' order
    TMesures TotalProfs;
    TMesures TotalClasses;
};

// A run of a class, with the teacher it counts for: the one the class gives its subject,
// when that teacher lists the class.
struct TRunClasse {
    TCoursJour Cours; // Cle tells the class's subjects apart
    std::string Matiere;
    const TProf* Prof;
};
// The class's runs of one day, in start order.
std::vector<TRunClasse> RunsDeClasse(const TClasse& Classe, TJour Jour);

// A teacher's runs are the runs of the classes it lists whose subject the class gives it.
TQualite MesurerQualite(const TAutomate& Reglages);
// The teacher's runs of one day, as MesurerQualite counts them, in start order.
std::vector<TCoursJour> RunsDeProf(const TProf& Prof, TJour Jour);

// What a course of the class and the teacher would add to each one's day.
struct TAjoutCours {
    TMesuresJour Classe;
    TMesuresJour Prof;
    // No trou, doublon or évité cell more for either.
    bool Neutre() const;
};
// For every start of the day (index: slot - 32), what a run of Longueur slots of the
// teacher's subject would add there: the measures that grow with it, the others 0 (a run
// may also close a gap). Whether it may start there is the drop rule's business.
using TAjoutsJour = std::array<TAjoutCours, QuartFinGrille - QuartDebutGrille>;
TAjoutsJour AjoutsDuJour(const TClasse& Classe, const TProf& Prof, TJour Jour, int Longueur,
                         std::uint64_t Pause);

TDispoJour DispoJour(const TActeur& Acteur, TJour Jour);

// The measures as CSV in UTF-8, separated by ';', one line per teacher, per class, then the
// two totals.
std::string QualiteEnCsv(const TQualite& Qualite);
