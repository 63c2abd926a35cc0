// The demo schools of examples/: what a new user opens first, and what the benchmarks
// measure. They must load cleanly, look like real schools, and be exactly what the
// generator writes.
#include "model/U_texte.h"
#include "scheduling/U_automate.h"
#include "storage/U_fichier.h"
#include "tests/support/ModeleDeTest.h"
#include "tools/generateur/U_ecoles.h"

#include <fstream>
#include <iterator>

namespace {

struct TAttendu {
    TEcole Ecole;
    int Series, Profs, Classes;
    const char* UneSerie; // UTF-8, to prove the accents reach the file intact
    const char* UneClasse;
};

void PrintTo(const TAttendu& A, std::ostream* Flux) {
    *Flux << NomFichierExemple(A.Ecole);
}

std::string Contenu(const std::string& Chemin) {
    std::ifstream Fichier(Chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(Fichier), std::istreambuf_iterator<char>()};
}

std::string CheminExemple(TEcole Ecole) {
    return std::string(HORALO_EXAMPLES) + "/" + NomFichierExemple(Ecole);
}

class EcoleTest : public ModeleTest {
protected:
    EcoleTest() { Automate = &Reglages; }
    ~EcoleTest() override { Automate = nullptr; }

    TAutomate Reglages;
    TSauveur Sauvegarde;
};

class ExemplesTest : public EcoleTest, public ::testing::WithParamInterface<TAttendu> {};

TEST_P(ExemplesTest, SeChargeSansMessageEtRessembleAUneEcole) {
    const TAttendu& A = GetParam();
    Sauvegarde.LireFichier(CheminExemple(A.Ecole));
    EXPECT_EQ(Messages.MontresUtf8(), std::vector<std::string>{});
    ASSERT_EQ(LesSeries->Nombre(), A.Series);
    ASSERT_EQ(LesProfs->Nombre(), A.Profs);
    ASSERT_EQ(LesClasses->Nombre(), A.Classes);
    ASSERT_NE(LesSeries->Trouver(Ansi(A.UneSerie)), nullptr);
    ASSERT_NE(LesClasses->Trouver(Ansi(A.UneClasse)), nullptr);

    for (std::size_t c = 1; c <= LesClasses->Nombre(); ++c) {
        const TClasse& Classe = *LesClasses->Numero(c);
        SCOPED_TRACE(Utf8(Classe.Nom));
        int Total = 0;
        for (std::size_t m = 1; m <= Classe.Serie->Heures->Nombre(); ++m) {
            const THeures& Matiere = *Classe.Serie->Heures->Numero(m);
            SCOPED_TRACE(Utf8(Matiere.Nom));
            Total += Matiere.Volume;
            EXPECT_GE(Matiere.Volume, 1);
            EXPECT_LE(Matiere.Volume, 40); // the most the duration dialog offers
            EXPECT_NE(Matiere.Couleur, Blanc);
            EXPECT_EQ(Classe.CompterQuarts(Matiere.Nom), 0); // empty grids
            // Taught by a teacher of that subject, who lists the class with its volume.
            const TProf* Prof = LesProfs->Trouver(Classe.ProfDe(Matiere.Nom));
            ASSERT_NE(Prof, nullptr);
            EXPECT_EQ(Prof->Matiere, Matiere.Nom);
            const THeures* Entree = Prof->Heures->Trouver(Classe.Nom);
            ASSERT_NE(Entree, nullptr);
            EXPECT_EQ(Entree->Volume, Matiere.Volume);
            EXPECT_NE(Entree->Couleur, Blanc);
        }
        EXPECT_GE(Total, 25 * 4);
        EXPECT_LE(Total, 32 * 4);
    }
    for (std::size_t p = 1; p <= LesProfs->Nombre(); ++p) {
        const TProf& Prof = *LesProfs->Numero(p);
        int Charge = 0;
        for (std::size_t k = 1; k <= Prof.Heures->Nombre(); ++k)
            Charge += Prof.Heures->Numero(k)->Volume;
        EXPECT_GT(Charge, 0) << Utf8(Prof.Nom);
        EXPECT_LE(Charge, 20 * 4) << Utf8(Prof.Nom);
    }
}

// A change to the generator that is not followed by regenerating the files fails here.
TEST_P(ExemplesTest, LeGenerateurEcritExactementLeFichierLivre) {
    const TEcole Ecole = GetParam().Ecole;
    ConstruireExemple(Ecole);
    EXPECT_TRUE(Messages.Montres.empty());
    const std::string Chemin = Sauvegarde.Dossier + NomFichierExemple(Ecole);
    Sauvegarde.EcrireFichier(Chemin);
    const std::string Livre = Contenu(CheminExemple(Ecole));
    ASSERT_FALSE(Livre.empty());
    EXPECT_TRUE(Contenu(Chemin) == Livre)
        << "regenerate the demo schools: build the target generateur and run it";
}

// The demo schools are the model at scale: once placed, every course of a class lies in
// its teacher's grid too, nothing is left over, and no teacher holds anything else.
TEST_P(ExemplesTest, LePlacementAutomatiqueLesRemplitDansLesDeuxGrilles) {
    Sauvegarde.LireFichier(CheminExemple(GetParam().Ecole));
    Reglages.PlacementAutomatique();
    for (std::size_t c = 1; c <= LesClasses->Nombre(); ++c) {
        const TClasse& Classe = *LesClasses->Numero(c);
        SCOPED_TRACE(Utf8(Classe.Nom));
        for (std::size_t m = 1; m <= Classe.Serie->Heures->Nombre(); ++m) {
            const THeures& Matiere = *Classe.Serie->Heures->Numero(m);
            EXPECT_EQ(Classe.CompterQuarts(Matiere.Nom), Matiere.Volume) << Utf8(Matiere.Nom);
        }
        for (TJour j = 0; j < NombreJours; ++j)
            for (int s = QuartDebutGrille; s < QuartFinGrille; ++s) {
                const auto q = static_cast<TQuart>(s);
                const std::string Matiere = Classe.LireCase(j, q);
                if (!Matiere.empty()) {
                    ASSERT_EQ(LesProfs->Trouver(Classe.ProfDe(Matiere))->LireCase(j, q),
                              Classe.Nom);
                }
            }
    }
    for (std::size_t p = 1; p <= LesProfs->Nombre(); ++p) {
        const TProf& Prof = *LesProfs->Numero(p);
        int Charge = 0;
        for (std::size_t k = 1; k <= Prof.Heures->Nombre(); ++k)
            Charge += Prof.Heures->Numero(k)->Volume;
        int Occupes = 0;
        for (TJour j = 0; j < NombreJours; ++j)
            for (int s = QuartDebutGrille; s < QuartFinGrille; ++s)
                Occupes += !Prof.CaseLibre(j, static_cast<TQuart>(s));
        EXPECT_EQ(Occupes, Charge) << Utf8(Prof.Nom);
    }
}

// Pins where every course of the collège goes, so that work on the speed of the grids,
// the placement or the file cannot move one unnoticed.
TEST_F(EcoleTest, LeCollegePlaceEstCeluiDeReference) {
    Sauvegarde.LireFichier(CheminExemple(TEcole::College));
    Reglages.PlacementAutomatique();
    const std::string Chemin = Sauvegarde.Dossier + "college-place.edt";
    Sauvegarde.EcrireFichier(Chemin);
    EXPECT_TRUE(Contenu(Chemin) == Contenu(HORALO_TEST_DATA "/college-place.edt"));
}

INSTANTIATE_TEST_SUITE_P(
    Ecoles, ExemplesTest,
    ::testing::Values(TAttendu{TEcole::College, 4, 35, 16, "Sixième", "6ème A"},
                      TAttendu{TEcole::Lycee, 8, 150, 60, "Seconde européenne", "1ère ES2"}),
    [](const auto& Info) { return Info.param.Ecole == TEcole::College ? "College" : "Lycee"; });

} // namespace
