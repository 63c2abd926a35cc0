// A series' subjects replaced by the rows of the series dialog's grid.
#include "tests/support/ModeleDeTest.h"

#include <tuple>

namespace {

using Ligne = TLigneMatiere;
using Entree = std::tuple<std::string, int, TCouleur>;

std::vector<Entree> Entrees(const TSerie& S) {
    std::vector<Entree> Liste;
    for (std::size_t n = 1; n <= S.Heures->Nombre(); ++n) {
        const THeures* H = S.Heures->Numero(n);
        Liste.emplace_back(H->Nom, H->Volume, H->Couleur);
    }
    return Liste;
}

class SerieModeleTest : public ModeleTest {
protected:
    // S1 (Maths, Francais) for C1 and C2, S2 (Maths) for C3; P1 teaches Maths to all
    // three, P2 Francais to C1 only. Each class has Maths on Monday, C1 Francais on Tuesday.
    void SetUp() override {
        ConstruireEcole();
        S1 = LesSeries->Trouver("S1");
        S1->Heures->Trouver("Maths")->Couleur = 255;
        LesSeries->AjouterSerie("S2")->FixerVolume("Maths", 16);
        LesClasses->AjouterClasse("C2", "S1");
        LesClasses->AjouterClasse("C3", "S2");
        for (const char* Nom : {"C2", "C3"}) {
            LesClasses->Trouver(Nom)->AssocierProf("Maths", "P1");
            LesProfs->Trouver("P1")->FixerVolumeClasse(Nom, 16);
        }
        for (const char* Nom : {"C1", "C2", "C3"})
            Placer(Nom, "Maths", 0, 40, 43);
        Placer("C1", "Francais", 1, 40, 47);
    }
    int Quarts(const char* Classe, const char* Matiere) const {
        return LesClasses->Trouver(Classe)->CompterQuarts(Matiere);
    }
    int QuartsProf(const char* Prof, const char* Classe) const {
        return LesProfs->Trouver(Prof)->CompterQuarts(Classe);
    }
    bool Enseigne(const char* Prof, const char* Classe) const {
        return LesProfs->Trouver(Prof)->Heures->Existe(Classe);
    }

    TSerie* S1 = nullptr;
};

} // namespace

TEST_F(SerieModeleTest, RowsBecomeTheSubjectsInTheirOrder) {
    struct Cas {
        const char* Quoi;
        std::vector<Ligne> Lignes;
        std::vector<Entree> Attendu;
    };
    const Cas Tableau[] = {
        {"kept as they were",
         {{"Maths", "04h00", "255"}, {"Francais", "03h00", "16777215"}},
         {{"Maths", 16, 255}, {"Francais", 12, Blanc}}},
        {"reordered, new volume and colour",
         {{"Francais", "01h15", "-1"}, {"Maths", "02h00", "  65280"}},
         {{"Francais", 5, 0xFFFFFFFF}, {"Maths", 8, 65280}}},
        {"lower duplicate wins, first place kept",
         {{"Maths", "01h00", "1"}, {"Francais", "03h00", "2"}, {"Maths", "05h00", "3"}},
         {{"Maths", 20, 3}, {"Francais", 12, 2}}},
        {"empty name, zero or invalid volume ignored",
         {{"", "02h00", "1"},
          {"Maths", "00h00", "1"},
          {"Francais", "3h00", "1"},
          {"Anglais", "abc", "1"},
          {"Histoire", "", "1"},
          {"SVT", "01h30", "1"}},
         {{"SVT", 6, 1}}},
        {"colour not an integer is white",
         {{"Maths", "04h00", "abc"}, {"Francais", "03h00", ""}, {"SVT", "01h00", "12 3"}},
         {{"Maths", 16, Blanc}, {"Francais", 12, Blanc}, {"SVT", 4, Blanc}}},
        {"names compared exactly", {{"maths", "04h00", "255"}}, {{"maths", 16, 255}}},
        {"no row", {}, {}},
    };
    int n = 0;
    for (const Cas& c : Tableau) {
        // Each case on a series of its own, as S1 was built.
        TSerie* S = LesSeries->AjouterSerie("T" + std::to_string(++n));
        S->Remplacer({{"Maths", "04h00", "255"}, {"Francais", "03h00", "16777215"}});
        const bool Change = S->Remplacer(c.Lignes);
        EXPECT_EQ(Entrees(*S), c.Attendu) << c.Quoi;
        EXPECT_EQ(Change, Entrees(*S) != Entrees(*S1)) << c.Quoi;
    }
}

TEST_F(SerieModeleTest, ARemovedSubjectLeavesTheClassesOfItsSeriesAndTheirTeacher) {
    // Maths renamed Math: every Maths course of S1's classes goes, and P1 gives up C1 and
    // C2; S2's C3 keeps its Maths. Francais changes volume only and keeps its course.
    EXPECT_TRUE(S1->Remplacer({{"Math", "04h00", "255"}, {"Francais", "02h00", "7"}}));
    EXPECT_EQ(Quarts("C1", "Maths"), 0);
    EXPECT_EQ(Quarts("C2", "Maths"), 0);
    EXPECT_EQ(LesClasses->Trouver("C1")->BlocDe(0, 40), nullptr);
    EXPECT_EQ(QuartsProf("P1", "C1"), 0);
    EXPECT_EQ(QuartsProf("P1", "C2"), 0);
    EXPECT_FALSE(Enseigne("P1", "C1"));
    EXPECT_FALSE(Enseigne("P1", "C2"));
    EXPECT_EQ(Quarts("C3", "Maths"), 4);
    EXPECT_EQ(QuartsProf("P1", "C3"), 4);
    EXPECT_TRUE(Enseigne("P1", "C3"));
    EXPECT_EQ(Quarts("C1", "Francais"), 8);
    EXPECT_EQ(QuartsProf("P2", "C1"), 8);
    EXPECT_TRUE(Enseigne("P2", "C1"));
    EXPECT_TRUE(Messages.Montres.empty());
}

TEST_F(SerieModeleTest, NoRowLeftClearsEveryCourseOfTheSeries) {
    EXPECT_TRUE(S1->Remplacer({}));
    EXPECT_EQ(S1->Heures->Nombre(), 0);
    for (const char* Classe : {"C1", "C2"}) {
        EXPECT_EQ(Quarts(Classe, "Maths") + Quarts(Classe, "Francais"), 0) << Classe;
        EXPECT_FALSE(Enseigne("P1", Classe)) << Classe;
    }
    EXPECT_FALSE(Enseigne("P2", "C1"));
    EXPECT_EQ(LesProfs->Trouver("P2")->CompterQuarts("C1"), 0);
    EXPECT_EQ(Quarts("C3", "Maths"), 4);
}

TEST_F(SerieModeleTest, SameRowsChangeNothing) {
    EXPECT_FALSE(S1->Remplacer({{"Maths", "04h00", "255"}, {"Francais", "03h00", "abc"}}));
    EXPECT_EQ(Quarts("C1", "Maths"), 4);
    EXPECT_TRUE(Enseigne("P1", "C1"));
}
