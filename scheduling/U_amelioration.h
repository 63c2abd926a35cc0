#pragma once
// "Améliorer l'emploi du temps": the courses of a placed timetable move to where teachers and
// pupils are better off, by the weighted cost of U_recherchequalite. Never fewer
// quarter-hours, never a course onto an interdit cell, never a locked course moved.
#include "scheduling/U_optimiseur.h"
#include "scheduling/U_qualite.h"

#include <functional>

struct TBilanAmelioration {
    TQualite Avant;
    TQualite Apres;
    bool Interrompu;
};

constexpr long EtapesAmelioration = 500000;

// Moves every course of LesClasses/LesProfs that is not locked and whose teacher lists the
// class; the day bounds of Reglages bind where they go. Shows no message.
TBilanAmelioration Ameliorer(const TAutomate& Reglages, long Etapes = EtapesAmelioration,
                             IProgressionOptimisation* Progression = nullptr);

// Which runs may move (the class, the day, the run's first and last slot).
using TMobile = std::function<bool(const TClasse&, TJour, TQuart, TQuart)>;
// The same search, moving only the runs Mobile accepts; true when the user stopped it.
bool AmeliorerSelon(const TAutomate& Reglages, long Etapes, IProgressionOptimisation* Progression,
                    const TMobile& Mobile);
