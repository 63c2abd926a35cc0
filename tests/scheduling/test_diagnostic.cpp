#include "model/U_texte.h"
#include "scheduling/U_diagnostic.h"
#include "scheduling/U_libres.h"
#include "scheduling/U_refus.h"
#include "tests/support/ModeleDeTest.h"
#include "tools/generateur/U_ecoles.h"

namespace {

void Interdire(TActeur& Acteur, TJour Jour, int Debut, int Fin) {
    for (int q = Debut; q <= Fin; ++q)
        Acteur.FixerDispo(Jour, static_cast<TQuart>(q), TDispo::Interdit);
}

} // namespace

// One subject of each reason: Maths fits anywhere in empty grids, Français has no teacher,
// Latin finds no room left by Physique in the only morning the class may have, and Chimie's
// teacher may never teach, so no timetable holds it.
TEST_F(ModeleTest, EachSubjectLeftIsGivenItsReason) {
    LesSeries->AjouterSerie("S")->FixerVolume("Maths", 16);
    LesSeries->Trouver("S")->FixerVolume(Ansi("Français"), 8);
    LesSeries->AjouterSerie("T")->FixerVolume("Physique", 8);
    LesSeries->Trouver("T")->FixerVolume("Latin", 4);
    LesSeries->AjouterSerie("U")->FixerVolume("Chimie", 4);
    const std::pair<const char*, const char*> Cours[] = {
        {"Terminale \"S\"", "Maths"}, {"C2", "Physique"}, {"C2", "Latin"}, {"C3", "Chimie"}};
    LesClasses->AjouterClasse("Terminale \"S\"", "S");
    LesClasses->AjouterClasse("C2", "T");
    LesClasses->AjouterClasse("C3", "U");
    for (const auto& [Classe, Matiere] : Cours) {
        const std::string Prof = std::string("P") + Matiere;
        LesProfs->AjouterProf(Prof, Matiere);
        LesClasses->Trouver(Classe)->AssocierProf(Matiere, Prof);
        LesProfs->Trouver(Prof)->FixerVolumeClasse(Classe, 4);
    }
    TClasse& C2 = *LesClasses->Trouver("C2");
    for (TJour d = 0; d < NombreJours; ++d) {
        Interdire(C2, d, d == 0 ? 45 : 32, 79);
        Interdire(*LesProfs->Trouver("PChimie"), d, 32, 79);
    }
    Placer("C2", "Physique", 0, 34, 41);

    const std::vector<TManque> Liste = HeuresNonPlacees(TAutomate{});
    EXPECT_EQ(DiagnosticEnCsv(Liste), "classe;matiere;professeur;manque;raison;places\n"
                                      "\"Terminale \"\"S\"\"\";Maths;PMaths;16;placable;246\n"
                                      "\"Terminale \"\"S\"\"\";Français;;8;sans-professeur;0\n"
                                      "C2;Latin;PLatin;4;aucune-place;0\n"
                                      "C3;Chimie;PChimie;4;impossible;0\n");
    ASSERT_EQ(Liste.size(), 4u);
    EXPECT_EQ(TexteRaison(Liste[2]), "C2 n'a aucune place libre assez longue cette semaine");
    EXPECT_EQ(TexteRaison(Liste[3]),
              "Impossible avec ces réglages : PChimie ne peut pas recevoir toutes ses heures");
}

// A French course of an hour held over each cell: the first rule that refuses it, naming
// what is in the way, and nothing where the drop's rule accepts it.
TEST_F(ModeleTest, ARefusedStartSaysWhatIsInTheWay) {
    ConstruireEcole();
    LesClasses->AjouterClasse("C2", "S1")->AssocierProf("Francais", "P2");
    LesProfs->Trouver("P2")->FixerVolumeClasse("C2", 12);
    Placer("C1", "Maths", 0, 40, 43);
    Placer("C2", "Francais", 2, 32, 35);
    TProf& P2 = *LesProfs->Trouver("P2");
    Interdire(P2, 1, 50, 50);
    const struct {
        TJour Jour;
        int Debut;
        const char* Raison;
        bool Verrouille = false;
    } Cas[] = {
        {0, 41, "La classe C1 a déjà Maths avec P1, de 10h00 à 11h00."},
        {0, 44,
         "Il faut un quart d'heure libre entre deux cours : la classe C1 a Maths avec P1, "
         "de 10h00 à 11h00."},
        {0, 77, "Le cours sortirait de la journée : il finirait après 19h45."},
        {1, 48, "Case interdite pour P2 : Mardi 12h30."},
        {2, 32, "P2 a déjà la classe C2, de 08h00 à 09h00."},
        {2, 36,
         "Il faut un quart d'heure libre entre deux cours : P2 a la classe C2, de 08h00 à "
         "09h00."},
        {3, 32, ""},
        {3, 32, "Ce cours est verrouillé : déverrouillez-le d'abord (clic droit, Déverrouiller).",
         true},
    };
    for (const auto& c : Cas) {
        const std::string Raison = RaisonRefus(*LesClasses->Trouver("C1"), P2, c.Jour,
                                               static_cast<TQuart>(c.Debut), 3, c.Verrouille);
        EXPECT_EQ(Utf8(Raison), c.Raison) << +c.Jour << " " << c.Debut;
        EXPECT_EQ(Raison.empty(),
                  !c.Verrouille && PlaceLibre(*LesClasses->Trouver("C1"), P2, c.Jour,
                                              static_cast<TQuart>(c.Debut), 3));
    }
}

// The placed collège, every day and a range of each length from each start: the teachers
// listed are those a scan of every cell finds free, ranked by what the class lacks, then
// by being at school before and after.
TEST_F(ModeleTest, WhoIsFreeIsWhatAScanOfEveryCellFinds) {
    ConstruireExemple(TEcole::College);
    TAutomate{}.PlacementAutomatique();
    const TClasse* Classe = LesClasses->Numero(3);
    for (TJour d = 0; d < NombreJours; ++d)
        for (int Debut = 32; Debut < 80; Debut += 5)
            for (int Fin = Debut; Fin < 80; Fin += 7) {
                std::vector<std::pair<int, std::string>> Attendus;
                for (std::size_t p = 1; p <= LesProfs->Nombre(); ++p) {
                    const TProf& Prof = *LesProfs->Numero(p);
                    bool Libre = true, Avant = false, Apres = false;
                    for (int q = 32; q < 80; ++q) {
                        const bool Occupe = !Prof.LireCase(d, static_cast<TQuart>(q)).empty();
                        Libre = Libre && (q < Debut || q > Fin || !Occupe);
                        Avant = Avant || (Occupe && q < Debut);
                        Apres = Apres || (Occupe && q > Fin);
                    }
                    const std::string& M = Prof.Matiere;
                    const bool Manque = Classe->Serie->Heures->Existe(M) &&
                                        Classe->CompterQuarts(M) < Classe->Serie->VolumeDe(M);
                    if (Libre)
                        Attendus.emplace_back(Manque ? 0 : Avant && Apres ? 1 : 2, Prof.Nom);
                }
                std::stable_sort(Attendus.begin(), Attendus.end(),
                                 [](const auto& a, const auto& b) { return a.first < b.first; });
                std::vector<std::pair<int, std::string>> Trouves;
                for (const TProfLibre& l : QuiEstLibre(TAutomate{}, d, static_cast<TQuart>(Debut),
                                                       static_cast<TQuart>(Fin), Classe))
                    Trouves.emplace_back(l.Rang, l.Prof->Nom);
                EXPECT_EQ(Trouves, Attendus) << +d << " " << Debut << " " << Fin;
            }
}
