#include "model/U_texte.h"
#include "tests/support/ModeleDeTest.h"

using Acteurs = ModeleTest;

TEST_F(Acteurs, SeriesVolumesAndColours) {
    TSerie* S = LesSeries->AjouterSerie("S");
    EXPECT_EQ(S->VolumeDe("Maths"), 0);
    S->FixerVolume("Maths", 0);
    ASSERT_NE(S->Heures->Trouver("Maths"), nullptr);
    EXPECT_EQ(S->Heures->Trouver("Maths")->Couleur, Blanc);
    S->Heures->Trouver("Maths")->Couleur = 255;
    S->FixerVolume("Maths", 12);
    EXPECT_EQ(S->VolumeDe("Maths"), 12);
    EXPECT_EQ(S->Heures->Trouver("Maths")->Couleur, 255u);
    S->Heures->AjouterHeures("Maths", 40);
    EXPECT_EQ(S->VolumeDe("Maths"), 12);
}

TEST_F(Acteurs, AClassNeedsAnExistingSeries) {
    ConstruireEcole();
    EXPECT_EQ(LesClasses->AjouterClasse("C2", "Inconnue"), nullptr);
    EXPECT_EQ(LesClasses->Nombre(), 1);
    EXPECT_EQ(
        Messages.MontresUtf8(),
        std::vector<std::string>{"Vous tentez d'associer une classe à une série qui n'existe pas"});
}

TEST_F(Acteurs, PlacingChecksThePartnerOnEachSide) {
    ConstruireEcole();
    TClasse* C1 = LesClasses->Trouver("C1");
    TProf* P1 = LesProfs->Trouver("P1");
    EXPECT_TRUE(C1->PlageLibre("Maths", 0, 40, 43));
    EXPECT_FALSE(C1->PlageLibre("Anglais", 0, 40, 43)); // not a subject of the series
    LesSeries->Trouver("S1")->FixerVolume("Histoire", 8);
    EXPECT_FALSE(C1->PlageLibre("Histoire", 0, 40, 43)); // no teacher in the class
    EXPECT_TRUE(P1->PlageLibre("C1", 0, 40, 43));
    EXPECT_FALSE(P1->PlageLibre("C9", 0, 40, 43));
    P1->FixerVolumeClasse("Fantome", 4);
    EXPECT_FALSE(P1->PlageLibre("Fantome", 0, 40, 43)); // listed, but no such class

    C1->PlacerPlage(0, 40, 43, "Anglais");
    P1->PlacerPlage(0, 40, 43, "C9");
    EXPECT_EQ(C1->CompterQuarts("Anglais"), 0);
    EXPECT_EQ(P1->CompterQuarts("C9"), 0);
    EXPECT_EQ(Messages.MontresUtf8(), (std::vector<std::string>{"Anglais est inexistante pour C1",
                                                                "C9 est inexistante pour P1"}));
}

// A lock lives on the class's run start; it goes with the run, and a new run is unlocked.
TEST_F(Acteurs, ALockBelongsToTheRunStartingThereAndGoesWithIt) {
    ConstruireEcole();
    Placer("C1", "Maths", 0, 40, 43);
    Placer("C1", "Francais", 0, 44, 47); // touching runs, as a file may hold them
    TClasse* C1 = LesClasses->Trouver("C1");
    for (const TQuart q : {32, 41, 44, 200})
        C1->Verrouiller(0, q, true);
    C1->Verrouiller(9, 40, true);
    const auto Verrous = [C1] {
        std::string v;
        for (const TQuart q : {40, 41, 44})
            v += C1->Verrouillee(0, q) ? '1' : '0';
        return v;
    };
    EXPECT_EQ(Verrous(), "001");
    C1->Verrouiller(0, 40, true);
    C1->Verrouiller(0, 44, false);
    EXPECT_EQ(Verrous(), "100");
    C1->EffacerPlage(0, 40, true);
    Placer("C1", "Maths", 0, 40, 43);
    EXPECT_EQ(Verrous(), "000");
    C1->Verrouiller(0, 40, true);
    LesProfs->Supprimer("P1"); // deleting its teacher still removes a locked course
    EXPECT_EQ(C1->CompterQuarts("Maths"), 0);
    EXPECT_EQ(Verrous(), "000");
}

TEST_F(Acteurs, TeacherVolumesFollowTheSeries) {
    ConstruireEcole();
    TProf* P1 = LesProfs->Trouver("P1");
    LesSeries->Trouver("S1")->FixerVolume("Maths", 20);
    EXPECT_EQ(P1->RafraichirVolume("C1"), 20);
    EXPECT_EQ(P1->Heures->Trouver("C1")->Volume, 20);
    EXPECT_EQ(P1->RafraichirVolume("C9"), 0);

    P1->Heures->Trouver("C1")->Couleur = 123;
    P1->FixerVolumeClasse("C1", 8);
    EXPECT_EQ(P1->Heures->Trouver("C1")->Volume, 8);
    EXPECT_EQ(P1->Heures->Trouver("C1")->Couleur, 123u);
    P1->FixerVolumeClasse("C2", 0);
    EXPECT_EQ(P1->Heures->Nombre(), 1);
    P1->FixerVolumeClasse("C2", 4);
    EXPECT_EQ(P1->Heures->Trouver("C2")->Couleur, Blanc);
}

TEST_F(Acteurs, FixerVolumeClasseZeroRemovesTheRunsAndTheEntry) {
    ConstruireEcole();
    Placer("C1", "Maths", 0, 40, 43);
    Placer("C1", "Maths", 3, 50, 53);
    TProf* P1 = LesProfs->Trouver("P1");
    P1->FixerVolumeClasse("C1", 0);
    EXPECT_EQ(P1->CompterQuarts("C1"), 0);
    EXPECT_EQ(P1->BlocDe(0, 40), nullptr);
    EXPECT_FALSE(P1->Heures->Existe("C1"));
    EXPECT_EQ(LesClasses->Trouver("C1")->CompterQuarts("Maths"), 8); // callers clear that side
}

TEST_F(Acteurs, AssocierProfIgnoresUnknownTeachersAndOtherSubjects) {
    ConstruireEcole();
    TClasse* C1 = LesClasses->Trouver("C1");
    C1->AssocierProf("Maths", "Inconnu");
    C1->AssocierProf("Maths", "P2");
    C1->AssocierProf("Maths", "P1");
    EXPECT_EQ(C1->ProfDe("Maths"), "P1");
    EXPECT_TRUE(Messages.Questions.empty());
    EXPECT_EQ(C1->ProfDe("Histoire"), "");
}

TEST_F(Acteurs, AssocierProfAsksBeforeReplacingATeacher) {
    ConstruireEcole();
    LesProfs->AjouterProf("P3", "Maths");
    Placer("C1", "Maths", 0, 40, 43);
    TClasse* C1 = LesClasses->Trouver("C1");
    TProf* P1 = LesProfs->Trouver("P1");

    C1->AssocierProf("Maths", "P3"); // answered No
    ASSERT_EQ(Messages.Questions.size(), 1u);
    EXPECT_EQ(Utf8(Messages.Questions[0]),
              "Un professeur est déjà associé à cette classe. Changer de professeur?");
    EXPECT_EQ(C1->ProfDe("Maths"), "P1");
    EXPECT_EQ(C1->CompterQuarts("Maths"), 4);
    EXPECT_EQ(P1->CompterQuarts("C1"), 4);

    Messages.Reponses.push_back(TReponse::Oui);
    C1->AssocierProf("Maths", "P3");
    EXPECT_EQ(C1->ProfDe("Maths"), "P3");
    EXPECT_EQ(C1->CompterQuarts("Maths"), 0);
    EXPECT_EQ(C1->BlocDe(0, 40), nullptr);
    EXPECT_EQ(P1->CompterQuarts("C1"), 0);
    EXPECT_FALSE(P1->Heures->Existe("C1"));
}

TEST_F(Acteurs, DeletingAClassClearsItsTeachersAndTheirEntries) {
    ConstruireEcole();
    Placer("C1", "Maths", 0, 40, 43);
    Placer("C1", "Francais", 0, 45, 48);
    Placer("C1", "Maths", 2, 32, 39);
    LesClasses->Supprimer("C1");
    for (const char* Nom : {"P1", "P2"}) {
        EXPECT_EQ(LesProfs->Trouver(Nom)->CompterQuarts("C1"), 0) << Nom;
        EXPECT_FALSE(LesProfs->Trouver(Nom)->Heures->Existe("C1")) << Nom;
    }
    EXPECT_EQ(LesProfs->Trouver("P1")->BlocDe(2, 32), nullptr);
}

TEST_F(Acteurs, DeletingATeacherClearsItsCoursesInEveryClass) {
    ConstruireEcole();
    LesClasses->AjouterClasse("C2", "S1")->AssocierProf("Maths", "P1");
    LesProfs->Trouver("P1")->FixerVolumeClasse("C2", 16);
    Placer("C1", "Maths", 0, 40, 43);
    Placer("C2", "Maths", 1, 40, 43);
    Placer("C1", "Francais", 3, 40, 43);
    LesProfs->Supprimer("P1");
    EXPECT_EQ(LesClasses->Trouver("C1")->CompterQuarts("Maths"), 0);
    EXPECT_EQ(LesClasses->Trouver("C2")->CompterQuarts("Maths"), 0);
    EXPECT_EQ(LesClasses->Trouver("C1")->CompterQuarts("Francais"), 4);
}

// A class run naming a teacher who does not list the class is in no teacher grid; deleting
// that teacher must still clear it, or the run would be saved without teacher.
TEST_F(Acteurs, DeletingATeacherClearsTheRunsOfClassesItDoesNotList) {
    ConstruireEcole();
    LesClasses->AjouterClasse("C2", "S1")->AssocierProf("Maths", "P1");
    TClasse* C2 = LesClasses->Trouver("C2");
    C2->PlacerPlage(0, 40, 43, "Maths");
    ASSERT_EQ(LesProfs->Trouver("P1")->CompterQuarts("C2"), 0);
    LesProfs->Supprimer("P1");
    EXPECT_EQ(C2->CompterQuarts("Maths"), 0);
}

// A deleted teacher must never be reached through a class entry: the entry stays,
// without teacher, and every later use of it (placement test, save, deletion) is safe.
TEST_F(Acteurs, ClassEntriesOfADeletedTeacherBecomeEntriesWithoutTeacher) {
    ConstruireEcole();
    Placer("C1", "Francais", 1, 40, 43);
    LesProfs->Supprimer("P1");
    TClasse* C1 = LesClasses->Trouver("C1");
    ASSERT_NE(C1->Matieres->Trouver("Maths"), nullptr);
    EXPECT_EQ(C1->Matieres->Trouver("Maths")->Prof(), nullptr);
    EXPECT_EQ(C1->ProfDe("Maths"), "");
    EXPECT_FALSE(C1->PlageLibre("Maths", 0, 40, 43));

    TLignes Lignes;
    C1->Sauver(Lignes);
    EXPECT_EQ(Lignes, (TLignes{"C1", "S1", "2", "Maths", "", "Francais", "P2", "1", "Francais",
                               "Mardi", "40", "43"}));

    // A new teacher of the same name is a different teacher: nobody is asked to replace it.
    LesProfs->AjouterProf("P1", "Maths");
    EXPECT_EQ(C1->ProfDe("Maths"), "");
    C1->AssocierProf("Maths", "P1");
    EXPECT_TRUE(Messages.Questions.empty());
    EXPECT_EQ(C1->ProfDe("Maths"), "P1");
    LesClasses->Supprimer("C1");
    LesProfs->Supprimer("P2");
}

TEST_F(Acteurs, DeletingASeriesDeletesItsClassesOnly) {
    ConstruireEcole();
    LesSeries->AjouterSerie("S2")->FixerVolume("Maths", 8);
    LesClasses->AjouterClasse("A", "S2");
    LesClasses->AjouterClasse("B", "S1");
    LesClasses->AjouterClasse("D", "S2");
    LesClasses->AjouterClasse("E", "S1");
    Placer("C1", "Maths", 0, 40, 43);

    LesSeries->Supprimer("S2");
    ASSERT_EQ(LesClasses->Nombre(), 3);
    EXPECT_EQ(LesClasses->NomNumero(1), "C1");
    EXPECT_EQ(LesClasses->NomNumero(2), "B");
    EXPECT_EQ(LesClasses->NomNumero(3), "E");

    LesSeries->AjouterSerie("Vide");
    LesSeries->Supprimer("Vide");
    EXPECT_EQ(LesClasses->Nombre(), 3);

    // A series refused for its taken name owns no class: nothing of S1 goes with it.
    EXPECT_EQ(LesSeries->AjouterSerie("S1"), nullptr);
    EXPECT_EQ(LesClasses->Nombre(), 3);
    EXPECT_EQ(LesClasses->Trouver("C1")->CompterQuarts("Maths"), 4);

    LesSeries->Supprimer("S1");
    EXPECT_EQ(LesClasses->Nombre(), 0);
    EXPECT_EQ(LesProfs->Trouver("P1")->CompterQuarts("C1"), 0);
}

// The whole model torn down in each order the program uses leaves nothing dangling.
TEST_F(Acteurs, GlobalCollectionsCanBeDestroyedInEveryOrderUsed) {
    for (int Ordre = 0; Ordre < 2; ++Ordre) {
        ConstruireEcole();
        Placer("C1", "Maths", 0, 40, 43);
        Placer("C1", "Francais", 2, 40, 43);
        if (Ordre == 0) {
            DetruireGlobal(LesClasses);
            EXPECT_EQ(LesProfs->Trouver("P1")->CompterQuarts("C1"), 0);
            DetruireGlobal(LesProfs);
        } else {
            DetruireGlobal(LesProfs);
            EXPECT_EQ(LesClasses->Trouver("C1")->CompterQuarts("Maths"), 0);
            DetruireGlobal(LesClasses);
        }
        DetruireGlobal(LesSeries);
        LesSeries = new TLesSeries;
        LesProfs = new TLesProfs;
        LesClasses = new TLesClasses;
    }
}
