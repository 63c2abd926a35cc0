#pragma once
// Checks what a placement added to the global model against every rule, reading the grids
// only: nothing of the placer's own code is used.
#include "scheduling/U_automate.h"

#include <map>
#include <string>
#include <vector>

class TVerificateurRegles {
public:
    // Remembers every cell of every class and teacher as it is now.
    TVerificateurRegles();
    // Each broken rule as a readable line; empty when every rule holds. With Deplaces, a
    // course may have moved: only the runs found again whole where they were count as old,
    // and the volumes are the caller's to compare.
    std::vector<std::string> Verifier(const TAutomate& Reglages, bool Deplaces = false) const;

private:
    using TGrille = std::vector<std::string>; // day * 48 + slot - 32
    std::map<std::string, TGrille> Classes;
    std::map<std::string, TGrille> Profs;
};
