#include "tests/support/ModeleDeTest.h"

using Sauvegarde = ModeleTest;

TEST_F(Sauvegarde, ClassRunsAreWrittenDayByDayEvenWhenTheyTouch) {
    ConstruireEcole();
    TClasse* C1 = LesClasses->Trouver("C1");
    // Only a file can hold touching runs; place them directly.
    C1->PlacerPlage(0, 40, 43, "Maths");
    C1->PlacerPlage(0, 44, 47, "Francais");
    C1->PlacerPlage(5, 76, 79, "Maths");
    TLignes Lignes;
    C1->Sauver(Lignes);
    EXPECT_EQ(Lignes, (TLignes{"C1", "S1",    "2",     "Maths",  "P1", "Francais", "P2",
                               "3",  "Maths", "Lundi", "40",     "43", "Francais", "Lundi",
                               "44", "47",    "Maths", "Samedi", "76", "79"}));
}

TEST_F(Sauvegarde, ATeacherSavesItsListButNoCourse) {
    ConstruireEcole();
    Placer("C1", "Maths", 0, 40, 43);
    TLignes Lignes;
    LesProfs->Trouver("P1")->Sauver(Lignes);
    EXPECT_EQ(Lignes, (TLignes{"P1", "Maths", "1", "C1", "16", "16777215"}));
    TLignes Serie;
    LesSeries->Trouver("S1")->Sauver(Serie);
    EXPECT_EQ(Serie, (TLignes{"S1", "2", "Maths", "16", "16777215", "Francais", "12", "16777215"}));
}

TEST_F(Sauvegarde, LoadingRebuildsTheCoursesOnBothSidesWithTheirBlocks) {
    ConstruireEcole();
    Placer("C1", "Maths", 0, 40, 43);
    Placer("C1", "Francais", 2, 32, 39);
    TLignes Lignes;
    LesSeries->Sauver(Lignes);
    LesProfs->Sauver(Lignes);
    LesClasses->Sauver(Lignes);

    DetruireGlobal(LesClasses);
    DetruireGlobal(LesProfs);
    DetruireGlobal(LesSeries);
    LesSeries = new TLesSeries;
    LesProfs = new TLesProfs;
    LesClasses = new TLesClasses;
    std::size_t Position = 0;
    LesSeries->Charger(Lignes, Position);
    LesProfs->Charger(Lignes, Position);
    LesClasses->Charger(Lignes, Position);
    EXPECT_EQ(Position, Lignes.size());

    TClasse* C1 = LesClasses->Trouver("C1");
    EXPECT_EQ(C1->CompterQuarts("Maths"), 4);
    EXPECT_NE(C1->BlocDe(2, 32), nullptr);
    EXPECT_EQ(LesProfs->Trouver("P1")->CompterQuarts("C1"), 4);
    EXPECT_NE(LesProfs->Trouver("P2")->BlocDe(2, 32), nullptr);
    EXPECT_EQ(C1->ProfDe("Francais"), "P2");
}

TEST_F(Sauvegarde, LoadingFailsOnARunWithoutTeacherOrAClassWithoutSeries) {
    ConstruireEcole();
    std::size_t p = 0;
    EXPECT_THROW(LesClasses->Charger({"1", "C2", "S1", "0", "1", "Maths", "Lundi", "40", "43"}, p),
                 ELectureArchive);
    p = 0;
    EXPECT_THROW(LesClasses->Charger({"1", "C3", "S9", "0", "0"}, p), ELectureArchive);
    EXPECT_FALSE(LesClasses->Existe("C3"));
}

TEST_F(Sauvegarde, RunsOutsideTheGridAreLeftOutWhenLoading) {
    ConstruireEcole();
    LesProfs->Trouver("P1")->FixerVolumeClasse("C2", 16);
    std::size_t p = 0;
    LesClasses->Charger({"1", "C2", "S1", "1", "Maths", "P1", "3", "Maths", "Lundi", "20", "40",
                         "Maths", "Mardi", "76", "80", "Maths", "Dimanche", "40", "43"},
                        p);
    TClasse* C2 = LesClasses->Trouver("C2");
    EXPECT_EQ(C2->CompterQuarts("Maths"), 4);
    EXPECT_EQ(C2->LireCase(0, 40), "Maths"); // an unknown day name reads as Monday
    EXPECT_TRUE(C2->LireCase(1, 76).empty());
    EXPECT_EQ(LesProfs->Trouver("P1")->CompterQuarts("C2"), 4);
    EXPECT_TRUE(Messages.Montres.empty());
}

TEST_F(Sauvegarde, ATeacherWithoutEntryForTheClassRefusesItsSideWithAMessage) {
    ConstruireEcole();
    std::size_t p = 0;
    LesClasses->Charger({"1", "C2", "S1", "1", "Maths", "P1", "1", "Maths", "Lundi", "40", "43"},
                        p);
    // Nor the class's: alone, it would leave P1 free where C2 has its course.
    EXPECT_EQ(LesClasses->Trouver("C2")->CompterQuarts("Maths"), 0);
    EXPECT_EQ(LesProfs->Trouver("P1")->CompterQuarts("C2"), 0);
    EXPECT_EQ(Messages.MontresUtf8(), std::vector<std::string>{"C2 est inexistante pour P1"});
}
