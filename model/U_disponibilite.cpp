#include "model/U_disponibilite.h"

#include <algorithm>

TDispo TGrilleDispo::Lire(TJour Jour, TQuart Quart) const {
    return DansGrille(Jour, Quart) ? Etats[Jour][Quart - QuartDebutGrille] : TDispo::Libre;
}

void TGrilleDispo::Fixer(TJour Jour, TQuart Quart, TDispo Etat) {
    if (!DansGrille(Jour, Quart))
        return;
    TDispo& Cellule = Etats[Jour][Quart - QuartDebutGrille];
    NonLibres += (Etat != TDispo::Libre) - (Cellule != TDispo::Libre);
    Interdits += (Etat == TDispo::Interdit) - (Cellule == TDispo::Interdit);
    Cellule = Etat;
}

bool TGrilleDispo::Couvre(TJour Jour, TQuart Debut, TQuart Fin) const {
    if (Interdits == 0 || Jour >= NombreJours)
        return false;
    const int De = std::max<int>(Debut, QuartDebutGrille);
    const int A = std::min<int>(Fin, QuartFinGrille - 1);
    for (int s = De; s <= A; ++s)
        if (Etats[Jour][s - QuartDebutGrille] == TDispo::Interdit)
            return true;
    return false;
}
