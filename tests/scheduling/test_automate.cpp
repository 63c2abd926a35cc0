#include "model/U_texte.h"
#include "scheduling/U_automate.h"
#include "tests/support/ModeleDeTest.h"

namespace {

// The runs of one name in a grid, as (day, first, last).
std::vector<std::tuple<int, int, int>> Plages(const TActeur& a, const std::string& Nom) {
    std::vector<std::tuple<int, int, int>> r;
    for (TJour d = 0; d < NombreJours; ++d)
        for (int s = QuartDebutGrille; s < QuartFinGrille; ++s)
            if (a.LireCase(d, static_cast<TQuart>(s)) == Nom &&
                a.LireCase(d, static_cast<TQuart>(s - 1)) != Nom) {
                int f = s;
                while (a.LireCase(d, static_cast<TQuart>(f + 1)) == Nom)
                    ++f;
                r.emplace_back(d, s, f);
            }
    return r;
}

const std::string Fin = "Horalo a essayé de placer les plages horaires, vous pouvez maintenant "
                        "les modifier à la main.";

} // namespace

class Automatique : public ModeleTest {
protected:
    Automatique() {
        ConstruireEcole();
        LesSeries->Trouver("S1")->FixerVolume("Francais", 0);
    }
    void Volume(const std::string& Matiere, std::uint16_t v) {
        LesSeries->Trouver("S1")->FixerVolume(Matiere, v);
    }
    TClasse& C1() { return *LesClasses->Trouver("C1"); }
    TProf& P1() { return *LesProfs->Trouver("P1"); }
    TAutomate A;
};

TEST_F(Automatique, SettingsHaveTheirDefaultsAndTravelAsFiveLines) {
    TLignes l;
    A.Sauver(l);
    EXPECT_EQ(l, (TLignes{"8", "08h00", "12h00", "14h00", "20h00"}));
    std::size_t p = 0;
    A.Charger({"12", "07h30", "11h45", "13h0", "17h00"}, p);
    EXPECT_EQ(p, 5u);
    EXPECT_EQ(A.DureeMax, 12);
    EXPECT_EQ(A.DebutJournee, 30);
    EXPECT_EQ(A.DebutPause, 47);
    EXPECT_EQ(A.FinPause, 0); // not a time text
    EXPECT_EQ(A.FinJournee, 68);
    p = 0;
    EXPECT_THROW(A.Charger({"huit", "08h00", "12h00", "14h00", "20h00"}, p), ELectureArchive);
}

TEST_F(Automatique, WithoutClassesOnlyBeepsAndTellsTheUser) {
    LesClasses->Vider();
    A.PlacementAutomatique();
    EXPECT_EQ(Messages.Bips, 1);
    EXPECT_EQ(Messages.MontresUtf8(), std::vector<std::string>{Fin});
}

TEST_F(Automatique, LongestRunsFirstOneADayThenTheRemainder) {
    Volume("Maths", 20);
    A.PlacementAutomatique();
    EXPECT_EQ(Plages(C1(), "Maths"),
              (std::vector<std::tuple<int, int, int>>{{0, 32, 39}, {1, 32, 39}, {2, 32, 35}}));
    EXPECT_EQ(Plages(P1(), "C1"), Plages(C1(), "Maths"));
    EXPECT_EQ(Messages.MontresUtf8(), std::vector<std::string>{Fin});
    EXPECT_GT(Messages.Evenements, 0);
}

TEST_F(Automatique, ASubjectShorterThanTheLongestRunGoesInOnePiece) {
    Volume("Maths", 7);
    A.PlacementAutomatique();
    EXPECT_EQ(Plages(C1(), "Maths"), (std::vector<std::tuple<int, int, int>>{{0, 32, 38}}));
}

TEST_F(Automatique, PlacedAndOverPlacedSubjectsAreLeftAlone) {
    Volume("Maths", 4);
    Placer("C1", "Maths", 3, 60, 65);
    A.PlacementAutomatique();
    EXPECT_EQ(C1().CompterQuarts("Maths"), 6);
    Volume("Maths", 200); // 8 bits: 200 - 6 is negative, the subject is skipped
    A.PlacementAutomatique();
    EXPECT_EQ(C1().CompterQuarts("Maths"), 6);
}

TEST_F(Automatique, NothingIsPlacedWithALongestRunOfZero) {
    Volume("Maths", 8);
    A.DureeMax = 0;
    A.PlacementAutomatique();
    EXPECT_EQ(C1().CompterQuarts("Maths"), 0);
    EXPECT_EQ(Messages.MontresUtf8(), std::vector<std::string>{Fin});
}

TEST_F(Automatique, RunsKeepClearOfTheLunchBreak) {
    Placer("C1", "Maths", 0, 32, 38);
    Volume("Maths", 15);
    A.PlacementAutomatique(); // 10h00-12h00 ends right before lunch: allowed
    EXPECT_EQ(Plages(C1(), "Maths"),
              (std::vector<std::tuple<int, int, int>>{{0, 32, 38}, {0, 40, 47}}));

    Volume("Maths", 23);
    A.PlacementAutomatique(); // from 12h15 every start up to 13h45 would cross the break
    EXPECT_EQ(Plages(C1(), "Maths")[2], (std::tuple<int, int, int>{0, 56, 63}));
}

TEST_F(Automatique, OnlyTheStartIsBoundedByTheEndOfTheDay) {
    Volume("Maths", 8);
    A.DebutJournee = 68;
    A.FinJournee = 68;
    A.PlacementAutomatique();
    EXPECT_EQ(Plages(C1(), "Maths"), (std::vector<std::tuple<int, int, int>>{{0, 68, 75}}));
}

TEST_F(Automatique, ADayStartBeforeEightIsClippedByTheGrid) {
    Volume("Maths", 4);
    A.DebutJournee = 20;
    A.PlacementAutomatique();
    EXPECT_EQ(Plages(C1(), "Maths"), (std::vector<std::tuple<int, int, int>>{{0, 32, 35}}));
}

TEST_F(Automatique, RunsNeverTouchOtherRunsOfTheClassOrTheTeacher) {
    Volume("Maths", 40);
    Volume("Francais", 40);
    LesClasses->AjouterClasse("C2", "S1")->AssocierProf("Maths", "P1");
    LesClasses->Trouver("C2")->AssocierProf("Francais", "P2");
    LesProfs->Trouver("P1")->FixerVolumeClasse("C2", 40);
    LesProfs->Trouver("P2")->FixerVolumeClasse("C2", 40);
    A.PlacementAutomatique();
    for (const TActeur* a : std::initializer_list<const TActeur*>{&C1(), LesClasses->Trouver("C2"),
                                                                  &P1(), LesProfs->Trouver("P2")})
        for (TJour d = 0; d < NombreJours; ++d)
            for (int s = 33; s < QuartFinGrille; ++s) {
                const std::string Avant = a->LireCase(d, static_cast<TQuart>(s - 1));
                const std::string Ici = a->LireCase(d, static_cast<TQuart>(s));
                EXPECT_FALSE(!Avant.empty() && !Ici.empty() && Avant != Ici) << a->Nom;
            }
    // Each side mirrors the other.
    EXPECT_EQ(Plages(P1(), "C1"), Plages(C1(), "Maths"));
    EXPECT_EQ(Plages(P1(), "C2"), Plages(*LesClasses->Trouver("C2"), "Maths"));
}

// Interdit cells of either grid are unusable, but a run may end or start right next to them.
TEST_F(Automatique, InterditCellsOfTheClassOrTheTeacherAreNeverCovered) {
    using P = std::vector<std::tuple<int, int, int>>;
    struct Cas {
        bool Prof;
        TJour Jour;
        TQuart De, A;
        P Attendu;
    } const Tableau[] = {
        {false, 0, 32, 40, {{0, 41, 48}}}, // starts right after
        {true, 0, 36, 79, {{1, 32, 39}}},  // nothing fits before 09h00
        {true, 0, 40, 79, {{0, 32, 39}}},  // ends right before
        {false, 0, 39, 39, {{0, 40, 47}}}, // one cell is enough to refuse
        {true, 0, 32, 79, {{1, 32, 39}}},
    };
    for (const Cas& c : Tableau) {
        Volume("Maths", 8);
        TActeur& a = c.Prof ? static_cast<TActeur&>(P1()) : C1();
        for (int q = c.De; q <= c.A; ++q)
            a.FixerDispo(c.Jour, static_cast<TQuart>(q), TDispo::Interdit);
        A.DebutPause = 60;
        A.FinPause = 60;
        A.PlacementAutomatique();
        EXPECT_EQ(Plages(C1(), "Maths"), c.Attendu) << int(c.De) << ".." << int(c.A);
        C1().EffacerPlagesDe("Maths");
        P1().EffacerPlagesDe("C1");
        for (int q = c.De; q <= c.A; ++q)
            a.FixerDispo(c.Jour, static_cast<TQuart>(q), TDispo::Libre);
    }
}

TEST_F(Automatique, ASubjectWithoutTeacherIsSkippedSilently) {
    Volume("Histoire", 8);
    A.PlacementAutomatique();
    EXPECT_EQ(C1().CompterQuarts("Histoire"), 0);
    EXPECT_EQ(Messages.Montres.size(), 1u);
}
