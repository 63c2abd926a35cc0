#include "scheduling/U_automate.h"

#include "model/U_classe.h"
#include "model/U_messages.h"
#include "model/U_prof.h"
#include "model/U_serie.h"
#include "model/U_texte.h"

TAutomate* Automate = nullptr;

void TAutomate::Sauver(TLignes& Lignes) const {
    Lignes.push_back(std::to_string(DureeMax));
    for (const TQuart q : {DebutJournee, DebutPause, FinPause, FinJournee})
        Lignes.push_back(TexteHeure(q));
}

void TAutomate::Charger(const TLignes& Lignes, std::size_t& Position) {
    DureeMax = static_cast<std::uint8_t>(LireEntier(Lignes, Position));
    for (TQuart* q : {&DebutJournee, &DebutPause, &FinPause, &FinJournee})
        *q = HeureTexte(LireLigne(Lignes, Position));
}

void TAutomate::PlacementAutomatique() {
    for (std::size_t P = 1; LesClasses && P <= LesClasses->Nombre(); ++P) {
        TClasse* Classe = LesClasses->Trouver(LesClasses->NomNumero(P));
        const TLesHeures& Heures = *Classe->Serie->Heures;
        for (std::size_t k = 1; k <= Heures.Nombre(); ++k)
            PlacerMatiere(*Classe, Heures.Numero(k)->Nom, Heures.Numero(k)->Volume);
    }
    Messages().Bip();
    Messages().Message(Ansi("Horalo a essayé de placer les plages horaires, vous pouvez "
                            "maintenant les modifier à la main."));
}

void TAutomate::PlacerMatiere(TClasse& Classe, const std::string& Matiere, std::uint16_t Volume) {
    // The volumes and counts are taken on 8 bits, as the duration dialog never exceeds 40.
    const auto Restant =
        static_cast<std::int8_t>(static_cast<std::uint8_t>(Volume) -
                                 static_cast<std::uint8_t>(Classe.CompterQuarts(Matiere)));
    auto Longueur = static_cast<std::int8_t>(DureeMax);
    TProf* Prof = LesProfs ? LesProfs->Trouver(Classe.ProfDe(Matiere)) : nullptr;
    if (!Prof)
        return;
    TPassage Passage{&Classe, Prof, Matiere, Restant, 0};
    while (Passage.Restant > 0 && Longueur >= 1) {
        Passage.Jour = 0;
        PlacerBlocs(Passage, Longueur);
        while (Longueur > Passage.Restant && Passage.Jour <= 5) {
            Longueur = Passage.Restant;
            PlacerBlocs(Passage, Longueur);
        }
        --Longueur;
    }
}

// One run a day at most, the earliest start that fits in both grids.
void TAutomate::PlacerBlocs(TPassage& Passage, std::int8_t Longueur) const {
    while (Passage.Restant >= Longueur && Passage.Jour <= 5) {
        for (int s = DebutJournee; Passage.Restant >= Longueur && s <= FinJournee; ++s) {
            Messages().TraiterEvenements();
            const int f = s + Longueur - 1;
            if (f >= DebutPause && s < FinPause)
                continue; // the run would touch the lunch break
            if (Placer(Passage, s, f)) {
                Passage.Restant = static_cast<std::int8_t>(Passage.Restant - Longueur);
                break;
            }
        }
        ++Passage.Jour;
    }
}

bool TAutomate::Placer(TPassage& Passage, int Debut, int Fin) const {
    if (Fin > 255 || Debut > Fin)
        return false;
    const auto Jour = static_cast<TJour>(Passage.Jour);
    const auto d = static_cast<TQuart>(Debut);
    const auto f = static_cast<TQuart>(Fin);
    if (!Passage.Classe->PlageLibre(Passage.Matiere, Jour, d, f) ||
        !Passage.Prof->PlageLibre(Passage.Classe->Nom, Jour, d, f))
        return false;
    Passage.Classe->PlacerPlage(Jour, d, f, Passage.Matiere);
    Passage.Prof->PlacerPlage(Jour, d, f, Passage.Classe->Nom);
    return true;
}
