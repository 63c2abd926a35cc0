// A teacher's class list replaced by the rows of the teacher form's grid.
#include "model/U_texte.h"
#include "tests/support/ModeleDeTest.h"

namespace {

// S1 (Maths 16, Francais 12) for C1 and C2, S2 (Francais only) for C3. P1 teaches Maths to
// C1 and C2, each with a course on Monday; P2 teaches Francais to C1, on Tuesday; P3 teaches
// Maths to nobody yet.
class ClassesProfTest : public ModeleTest {
protected:
    void SetUp() override {
        ConstruireEcole();
        LesSeries->AjouterSerie("S2")->FixerVolume("Francais", 8);
        LesClasses->AjouterClasse("C2", "S1")->AssocierProf("Maths", "P1");
        LesClasses->AjouterClasse("C3", "S2");
        P1()->FixerVolumeClasse("C2", 16);
        LesProfs->AjouterProf("P3", "Maths");
        Placer("C1", "Maths", 0, 40, 43);
        Placer("C2", "Maths", 0, 50, 53);
        Placer("C1", "Francais", 1, 40, 47);
    }
    static TProf* P1() { return LesProfs->Trouver("P1"); }
    static TProf* P3() { return LesProfs->Trouver("P3"); }
    static TClasse* C(const char* Nom) { return LesClasses->Trouver(Nom); }
};

} // namespace

TEST_F(ClassesProfTest, RowsBecomeTheClassListInTheirOrder) {
    struct Cas {
        std::vector<TClasseProf> Rangees;
        const char* Attendu;
    };
    const Cas Tableau[] = {
        {{{"C2", "255"}, {"C1", "-1"}}, "C2 16 255, C1 16 -1"},
        {{{"C1", "abc"}, {"C2", ""}}, "C1 16 16777215, C2 16 16777215"}, // no integer: white
        // Empty rows, unknown classes and classes whose series lacks the subject are left out.
        {{{"", "5"}, {"C3", "5"}, {"Ailleurs", "5"}, {"C1", "7"}}, "C1 16 7"},
        {{{"C2", "1"}, {"C1", "2"}, {"C2", "3"}}, "C2 16 3, C1 16 2"}, // the lower row's colour
        {{}, ""},
    };
    for (const Cas& c : Tableau) {
        P3()->FixerClasses(c.Rangees);
        EXPECT_EQ(Heures(*P3()->Heures), c.Attendu);
    }
}

TEST_F(ClassesProfTest, AClassLeavingTheListLosesTheTeachersCoursesOnly) {
    // P3 listed C2 though C2 kept P1 for Maths: C2's courses are P1's and stay.
    P3()->FixerClasses({{"C2", "1"}});
    P3()->FixerClasses({});
    P1()->FixerClasses({{"C2", "0"}});
    EXPECT_EQ(Heures(*P1()->Heures), "C2 16 0");
    EXPECT_EQ(C("C1")->CompterQuarts("Maths") + P1()->CompterQuarts("C1"), 0);
    EXPECT_EQ(C("C2")->CompterQuarts("Maths") + P1()->CompterQuarts("C2"), 8);
    EXPECT_EQ(C("C1")->CompterQuarts("Francais"), 8); // another subject's course stays
    EXPECT_EQ(Messages.Questions.size(), 1u);         // P3 asked for C2 and was told no
}

TEST_F(ClassesProfTest, TakingAClassFromAnotherTeacherAsksFirst) {
    for (const TReponse Reponse : {TReponse::Non, TReponse::Oui}) {
        const bool Oui = Reponse == TReponse::Oui;
        Messages.Questions.clear();
        Messages.Reponses = {Reponse};
        P3()->FixerClasses({{"C1", "9"}});
        EXPECT_EQ(Messages.Questions,
                  std::vector<std::string>{Ansi(
                      "Un professeur est déjà associé à cette classe. Changer de professeur?")});
        EXPECT_EQ(Heures(*P3()->Heures), "C1 16 9") << Oui; // either way the row is stored
        EXPECT_EQ(C("C1")->ProfDe("Maths"), Oui ? "P3" : "P1");
        EXPECT_EQ(P1()->Heures->Existe("C1"), !Oui);
        EXPECT_EQ(C("C1")->CompterQuarts("Maths") + P1()->CompterQuarts("C1"), Oui ? 0 : 8);
    }
}
