#pragma once
// The property both fuzzers check besides the sanitizers: whatever model an input gives,
// written and read again, gives the same text. Traps otherwise; then empties the model.
#include "model/U_classe.h"
#include "model/U_prof.h"
#include "model/U_serie.h"
#include "storage/U_fichier.h"

#include <string>

inline void VerifierAllerRetour(TSauveur& Lecteur) {
    const TLignes Ecrites = LignesDuModele();
    std::string Texte;
    for (const std::string& Ligne : Ecrites)
        Texte += Ligne + "\r\n";
    Lecteur.ChargerOctets(Texte, "relu.edt");
    if (LignesDuModele() != Ecrites)
        __builtin_trap();
    DetruireGlobal(LesClasses);
    DetruireGlobal(LesProfs);
    DetruireGlobal(LesSeries);
}
