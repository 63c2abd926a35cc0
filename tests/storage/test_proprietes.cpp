// Whatever state the model's operations lead to, on any names (none, blanks, look-alikes
// that read the same), then the automatic and the optimised placements, no one is booked
// twice and saving gives a file that opens again and saves back to the same text. Sequences of
// operations are drawn at random from a fixed seed, so a failure names the sequence that reproduces
// it.
#include "scheduling/U_optimiseur.h"
#include "tests/storage/SupportStockage.h"

#include <gtest/gtest.h>

#include <random>

namespace {

class Hasard {
public:
    explicit Hasard(std::uint32_t Graine) : Moteur(Graine) {}
    int Entre(int Min, int Max) { return Min + static_cast<int>(Moteur() % (Max - Min + 1)); }
    const char* Parmi(std::initializer_list<const char*> Noms) {
        return Noms.begin()[Entre(0, static_cast<int>(Noms.size()) - 1)];
    }

private:
    std::mt19937 Moteur; // the engine's sequence is fixed by the standard, unlike distributions
};

// Bytes 0x81 and 0x8D have no character: both names read as "X\uFFFD".
const std::initializer_list<const char*> Series = {"S1", "S2", "Sé", "", "X\x81", "X\x8D"};
const std::initializer_list<const char*> Matieres = {"Maths", "Français", "Anglais", "", "  "};
const std::initializer_list<const char*> Classes = {"C1", "C2", "C3",    "4ème",
                                                    "",   " ",  "X\x81", "X\x8D"};
const std::initializer_list<const char*> Profs = {"P1",    "P2", "P3",    "P4",
                                                  "Mme É", "",   "X\x81", "X\x8D"};

class ProprietesTest : public StockageTest {
protected:
    // One operation of those the commands and dialogs use, on random names.
    void Operation(Hasard& h, int Choix = -1) {
        const std::string Serie = h.Parmi(Series), Matiere = h.Parmi(Matieres);
        const std::string Classe = h.Parmi(Classes), Prof = h.Parmi(Profs);
        TClasse* C = LesClasses->Trouver(Classe);
        TProf* P = LesProfs->Trouver(Prof);
        switch (Choix >= 0 ? Choix : h.Entre(0, 12)) {
        case 0:
            LesSeries->AjouterSerie(Serie);
            break;
        case 1:
            if (h.Entre(0, 3) == 0)
                LesSeries->Supprimer(Serie);
            break;
        case 2:
            if (TSerie* S = LesSeries->Trouver(Serie))
                S->FixerVolume(Matiere, static_cast<std::uint16_t>(h.Entre(0, 20)));
            break;
        case 3:
            LesClasses->AjouterClasse(Classe, Serie);
            break;
        case 4: // a class given another series is deleted and created again
            if (C && h.Entre(0, 2) == 0) {
                LesClasses->Supprimer(Classe);
                LesClasses->AjouterClasse(Classe, Serie);
            }
            break;
        case 5:
            LesProfs->AjouterProf(Prof, Matiere);
            break;
        case 6:
            if (h.Entre(0, 3) == 0)
                LesProfs->Supprimer(Prof);
            break;
        case 7: // the teacher dialog's association of a class
            if (C && P) {
                Messages.Reponses.push_back(h.Entre(0, 1) ? TReponse::Oui : TReponse::Non);
                C->AssocierProf(P->Matiere, P->Nom);
                Messages.Reponses.clear();
                P->FixerVolumeClasse(Classe, C->Serie->VolumeDe(P->Matiere));
            }
            break;
        case 8: // the teacher dialog's "Modifier": its rows, one of them emptied or changed
            if (P && h.Entre(0, 2) == 0) {
                std::vector<TClasseProf> Rangees;
                for (std::size_t k = 1; k <= P->Heures->Nombre(); ++k)
                    Rangees.push_back({P->Heures->NomNumero(k), h.Parmi({"255", "-1", "abc", ""})});
                Rangees.push_back({});
                Rangees[static_cast<std::size_t>(h.Entre(0, int(Rangees.size()) - 1))].Classe =
                    h.Parmi({"C1", "C2", "C3", "4ème", "", "C9"});
                Messages.Reponses.push_back(h.Entre(0, 1) ? TReponse::Oui : TReponse::Non);
                P->FixerClasses(Rangees);
                Messages.Reponses.clear();
            }
            break;
        case 9:
        case 10:
            Placer(h, C);
            break;
        case 11:
            Automate->DureeMax = static_cast<std::uint8_t>(h.Entre(0, 10));
            Automate->DebutPause = static_cast<TQuart>(h.Entre(40, 56));
            Automate->PlacementAutomatique();
            break;
        case 12: // the series dialog's "Modifier": the series' rows, one of them changed
            if (TSerie* S = LesSeries->Trouver(Serie); S && h.Entre(0, 2) == 0) {
                std::vector<TLigneMatiere> Lignes;
                for (std::size_t k = 1; k <= S->Heures->Nombre(); ++k) {
                    const THeures& M = *S->Heures->Numero(k);
                    Lignes.push_back({M.Nom, TexteHeure(static_cast<TQuart>(M.Volume)),
                                      std::to_string(static_cast<std::int32_t>(M.Couleur))});
                }
                Lignes.emplace_back();
                Lignes[static_cast<std::size_t>(h.Entre(0, int(Lignes.size()) - 1))] = {
                    h.Parmi(Matieres), h.Parmi({"01h00", "02h30", "00h00", "abc", ""}),
                    h.Parmi({"255", "-1", "abc", "16777215"})};
                S->Remplacer(Lignes);
            }
            break;
        }
    }
    // A drop or a removal, as the window makes them: both grids tested, both changed.
    void Placer(Hasard& h, TClasse* C) {
        if (!C || C->Serie->Heures->Nombre() == 0)
            return;
        const auto Jour = static_cast<TJour>(h.Entre(0, 5));
        const auto Debut = static_cast<TQuart>(h.Entre(32, 79));
        const std::string Matiere = C->Serie->Heures->NomNumero(
            static_cast<std::size_t>(h.Entre(1, C->Serie->Heures->Nombre())));
        TProf* P = LesProfs->Trouver(C->ProfDe(Matiere));
        if (h.Entre(0, 2) == 0) { // the course there, with its own teacher
            if (TProf* Q = LesProfs->Trouver(C->ProfDe(C->LireCase(Jour, Debut))))
                Q->EffacerPlage(Jour, Debut, true);
            C->EffacerPlage(Jour, Debut, true);
            return;
        }
        const auto Fin = static_cast<TQuart>(std::min(79, Debut + h.Entre(0, 7)));
        if (P && C->PlageLibre(Matiere, Jour, Debut, Fin) &&
            P->PlageLibre(C->Nom, Jour, Debut, Fin)) {
            C->PlacerPlage(Jour, Debut, Fin, Matiere);
            P->PlacerPlage(Jour, Debut, Fin, C->Nom);
        }
    }
    // A school to work on: every series, class and teacher named, associations drawn.
    void Ecole(Hasard& h) {
        for (const char* Serie : Series)
            LesSeries->AjouterSerie(Serie);
        for (const char* Serie : Series)
            for (const char* Matiere : Matieres)
                if (TSerie* S = LesSeries->Trouver(Serie)) // "" is none
                    S->FixerVolume(Matiere, static_cast<std::uint16_t>(h.Entre(0, 16)));
        for (const char* Classe : Classes)
            LesClasses->AjouterClasse(Classe, h.Parmi(Series));
        for (const char* Prof : Profs)
            LesProfs->AjouterProf(Prof, h.Parmi(Matieres));
        for (int k = 0; k < 12; ++k)
            Operation(h, 7);
    }
    static long Places(const TClasse& C) {
        long n = 0;
        for (std::size_t k = 1; k <= C.Serie->Heures->Nombre(); ++k)
            n += C.CompterQuarts(C.Serie->Heures->NomNumero(k));
        return n;
    }
    static std::string Texte() { return Joindre(LignesDuModele()); }
};

TEST_F(ProprietesTest, EverySavedStateOpensAgainAndSavesBackTheSame) {
    constexpr int Sequences = 1500;
    constexpr int Operations = 60;
    long Fait = 0;
    long Quarts = 0;
    for (int Graine = 1; Graine <= Sequences; ++Graine) {
        Sauveur_->ChargerOctets(
            "Horalo\r\n0\r\n0\r\n0\r\n8\r\n08h00\r\n12h00\r\n14h00\r\n20h00\r\n", "vide");
        Hasard h(static_cast<std::uint32_t>(Graine));
        Ecole(h);
        for (int k = 0; k < Operations; ++k, ++Fait)
            Operation(h);
        if (Graine % 4 == 0) { // a quarter of them, or the placements would double the time
            Automate->PlacementAutomatique();
            PlacementOptimise(*Automate, 2000);
        }
        ASSERT_EQ(DoublesReservations(), 0) << "graine " << Graine;
        const std::string Premier = Texte();
        for (std::size_t i = 1; i <= LesClasses->Nombre(); ++i)
            Quarts += Places(*LesClasses->Numero(i));
        ASSERT_TRUE(Sauveur_->ChargerOctets(Premier, "premier")) << "graine " << Graine;
        ASSERT_EQ(Texte(), Premier) << "graine " << Graine;
    }
    RecordProperty("operations", static_cast<int>(Fait));
    RecordProperty("quarts_places", static_cast<int>(Quarts));
    EXPECT_GT(Quarts, Sequences * 20L); // the sequences do reach timetables worth the name
}

} // namespace
