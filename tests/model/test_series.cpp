// A series' subjects replaced by the rows of the series form's grid.
#include "tests/support/ModeleDeTest.h"

using SerieModeleTest = ModeleTest;

TEST_F(SerieModeleTest, RowsBecomeTheSubjectsInTheirOrder) {
    struct Cas {
        std::vector<TLigneMatiere> Lignes;
        std::string Attendu; // from Maths 16 255, Francais 12 white
    };
    const Cas Tableau[] = {
        {{{"Maths", "04h00", "255"}, {"Francais", "03h00", "16777215"}},
         "Maths 16 255, Francais 12 16777215"},
        {{{"Francais", "01h15", "-1"}, {"Maths", "02h00", " 65280"}},
         "Francais 5 -1, Maths 8 65280"},
        {{{"Maths", "01h00", "1"}, {"Francais", "03h00", "2"}, {"Maths", "05h00", "3"}},
         "Maths 20 3, Francais 12 2"},
        {{{"", "02h00", "1"},
          {"Maths", "00h00", "1"},
          {"Francais", "3h00", "1"},
          {"Anglais", "abc", "1"},
          {"Histoire", "", "1"},
          {"SVT", "01h30", "1"}},
         "SVT 6 1"},
        {{{"Maths", "04h00", "abc"}, {"SVT", "01h00", "12 3"}, {"EMC", "00h15", ""}},
         "Maths 16 16777215, SVT 4 16777215, EMC 1 16777215"},
        {{{"maths", "04h00", "255"}}, "maths 16 255"},
        {{}, ""},
    };
    int n = 0;
    for (const Cas& c : Tableau) {
        TSerie* S = LesSeries->AjouterSerie("S" + std::to_string(++n));
        S->Remplacer({{"Maths", "04h00", "255"}, {"Francais", "03h00", "abc"}});
        const std::string Avant = Matieres(*S);
        EXPECT_EQ(S->Remplacer(c.Lignes), c.Attendu != Avant) << c.Attendu;
        EXPECT_EQ(Matieres(*S), c.Attendu);
    }
}

TEST_F(SerieModeleTest, ASubjectThatGoesLeavesTheClassesOfItsSeriesAndTheirTeacher) {
    ConstruireEcole(); // S1 and C1, Maths by P1, Francais by P2
    LesClasses->AjouterClasse("C2", "S1");
    LesSeries->AjouterSerie("S2")->FixerVolume("Maths", 16);
    LesClasses->AjouterClasse("C3", "S2");
    TProf* P1 = LesProfs->Trouver("P1");
    for (const char* Nom : {"C2", "C3"}) {
        LesClasses->Trouver(Nom)->AssocierProf("Maths", "P1");
        P1->FixerVolumeClasse(Nom, 16);
    }
    for (const char* Nom : {"C1", "C2", "C3"})
        Placer(Nom, "Maths", 0, 40, 43);
    Placer("C1", "Francais", 1, 40, 47);

    // Maths renamed Math, Francais with another volume.
    LesSeries->Trouver("S1")->Remplacer({{"Math", "04h00", "1"}, {"Francais", "02h00", "2"}});
    for (const char* Nom : {"C1", "C2"}) {
        EXPECT_EQ(LesClasses->Trouver(Nom)->CompterQuarts("Maths"), 0) << Nom;
        EXPECT_EQ(P1->CompterQuarts(Nom), 0) << Nom;
        EXPECT_FALSE(P1->Heures->Existe(Nom)) << Nom;
    }
    EXPECT_EQ(LesClasses->Trouver("C1")->BlocDe(0, 40), nullptr);
    EXPECT_EQ(LesClasses->Trouver("C3")->CompterQuarts("Maths"), 4); // another series
    EXPECT_EQ(P1->CompterQuarts("C3"), 4);
    EXPECT_EQ(LesClasses->Trouver("C1")->CompterQuarts("Francais"), 8);
    EXPECT_EQ(LesProfs->Trouver("P2")->CompterQuarts("C1"), 8);
    EXPECT_TRUE(Messages.Montres.empty());
}
