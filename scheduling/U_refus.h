#pragma once
// Where a held course may start, and when it may not, the first rule that refuses it.
#include "model/U_types.h"

#include <string>

class TClasse;
class TProf;

// The course of that class and teacher, Duree quarter-hours after its first, fits at
// (Jour, Debut) in both grids: the rule of every drop.
bool PlaceLibre(const TClasse& Classe, const TProf& Prof, TJour Jour, TQuart Debut, int Duree);

// Why it does not fit there, in the user's words and in the order the rule checks: empty
// when it fits. A locked course fits nowhere. Windows-1252, like the names it quotes.
std::string RaisonRefus(const TClasse& Classe, const TProf& Prof, TJour Jour, TQuart Debut,
                        int Duree, bool Verrouille = false);
