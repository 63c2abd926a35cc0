#pragma once
// The day bounds of the automatic placement, and the greedy pass itself.
#include "model/U_base.h"
#include "model/U_types.h"

class TClasse;
class TProf;

class TAutomate {
public:
    void Sauver(TLignes& Lignes) const;
    void Charger(const TLignes& Lignes, std::size_t& Position);
    // Places what every subject of every class still misses, wherever the class and
    // its teacher both have room. Never moves a course already placed.
    void PlacementAutomatique();

    std::uint8_t DureeMax = 8; // longest run tried, in quarter-hours
    TQuart DebutJournee = 32;  // 08h00: first start allowed
    TQuart DebutPause = 48;    // 12h00
    TQuart FinPause = 56;      // 14h00: a run may start here again
    TQuart FinJournee = 80;    // 20h00: last start allowed (the end is not bounded)

private:
    struct TPassage {
        TClasse* Classe;
        TProf* Prof;
        const std::string& Matiere;
        std::int8_t Restant;
        int Jour;
    };
    void PlacerMatiere(TClasse& Classe, const std::string& Matiere, std::uint16_t Volume);
    void PlacerBlocs(TPassage& Passage, std::int8_t Longueur) const;
    bool Placer(TPassage& Passage, int Debut, int Fin) const;
};

extern TAutomate* Automate;
