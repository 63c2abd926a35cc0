// A teacher's class list replaced by the rows of the teacher dialog's grid.
#include "model/U_texte.h"
#include "tests/support/ModeleDeTest.h"

#include <tuple>

namespace {

using Entree = std::tuple<std::string, int, TCouleur>;

std::vector<Entree> Entrees(const TProf& P) {
    std::vector<Entree> Liste;
    for (std::size_t n = 1; n <= P.Heures->Nombre(); ++n) {
        const THeures* H = P.Heures->Numero(n);
        Liste.emplace_back(H->Nom, H->Volume, H->Couleur);
    }
    return Liste;
}

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
        const char* Quoi;
        std::vector<TClasseProf> Rangees;
        std::vector<Entree> Attendu;
    };
    const Cas Tableau[] = {
        {"series volumes, colours as typed",
         {{"C2", "255"}, {"C1", "-1"}},
         {{"C2", 16, 255}, {"C1", 16, 0xFFFFFFFF}}},
        {"a colour that is no integer is white",
         {{"C1", "abc"}, {"C2", ""}},
         {{"C1", 16, Blanc}, {"C2", 16, Blanc}}},
        {"empty rows, unknown classes and classes without the subject are left out",
         {{"", "5"}, {"C3", "5"}, {"Ailleurs", "5"}, {"C1", "7"}},
         {{"C1", 16, 7}}},
        {"a class twice keeps its place and the lower colour",
         {{"C2", "1"}, {"C1", "2"}, {"C2", "3"}},
         {{"C2", 16, 3}, {"C1", 16, 2}}},
        {"no row empties the list", {}, {}},
    };
    for (const Cas& c : Tableau) {
        P3()->FixerClasses(c.Rangees);
        EXPECT_EQ(Entrees(*P3()), c.Attendu) << c.Quoi;
    }
}

TEST_F(ClassesProfTest, AClassLeavingTheListLosesTheTeachersCoursesInBothGrids) {
    P1()->FixerClasses({{"C2", "0"}});
    EXPECT_EQ(Entrees(*P1()), (std::vector<Entree>{{"C2", 16, 0}}));
    EXPECT_EQ(C("C1")->CompterQuarts("Maths"), 0);
    EXPECT_EQ(P1()->CompterQuarts("C1"), 0);
    EXPECT_EQ(C("C2")->CompterQuarts("Maths"), 4); // kept with its course
    EXPECT_EQ(P1()->CompterQuarts("C2"), 4);
    EXPECT_EQ(C("C1")->CompterQuarts("Francais"), 8); // another subject's course stays
    EXPECT_EQ(LesProfs->Trouver("P2")->CompterQuarts("C1"), 8);
    EXPECT_TRUE(Messages.Questions.empty());
}

TEST_F(ClassesProfTest, ATeacherLeavingAClassItDoesNotTeachLeavesItsCoursesAlone) {
    // P3 listed C2 though C2 kept P1 for Maths: C2's courses are P1's.
    P3()->FixerClasses({{"C2", "1"}});
    ASSERT_EQ(Entrees(*P3()).size(), 1u);
    P3()->FixerClasses({});
    EXPECT_EQ(C("C2")->CompterQuarts("Maths"), 4);
    EXPECT_EQ(P1()->CompterQuarts("C2"), 4);
    EXPECT_EQ(C("C2")->ProfDe("Maths"), "P1");
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
        // Either way the row is stored.
        EXPECT_EQ(Entrees(*P3()), (std::vector<Entree>{{"C1", 16, 9}})) << Oui;
        EXPECT_EQ(C("C1")->ProfDe("Maths"), Oui ? "P3" : "P1");
        EXPECT_EQ(P1()->Heures->Existe("C1"), !Oui);
        EXPECT_EQ(C("C1")->CompterQuarts("Maths"), Oui ? 0 : 4);
        EXPECT_EQ(P1()->CompterQuarts("C1"), Oui ? 0 : 4);
    }
}
