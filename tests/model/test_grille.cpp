#include "model/U_texte.h"
#include "tests/support/ModeleDeTest.h"

namespace {

// A bare grid: the base placement rule without the partner checks of classes and teachers.
class TGrille final : public TActeur {
public:
    TGrille() : TActeur("G") {}
    void Charger(const TLignes&, std::size_t&) override {}
    void Remplir(TJour Jour, TQuart Debut, TQuart Fin, const std::string& Nom) {
        PlacerPlage(Jour, Debut, Fin, Nom);
        CreerBloc(Jour, Debut, Fin, Nom, PanneauClasse, Blanc);
    }
};

} // namespace

TEST(Grille, AnEmptyDayAcceptsRunsFromEightToEightOnly) {
    TGrille g;
    EXPECT_TRUE(g.PlageLibre("", 0, 32, 79));
    EXPECT_TRUE(g.PlageLibre("", 0, 32, 32));
    EXPECT_TRUE(g.PlageLibre("", 0, 79, 79));
    EXPECT_FALSE(g.PlageLibre("", 0, 31, 40));
    EXPECT_FALSE(g.PlageLibre("", 0, 40, 80));
    EXPECT_FALSE(g.PlageLibre("", 0, 41, 40));
    EXPECT_FALSE(g.PlageLibre("", 6, 40, 41));
}

TEST(Grille, RunsNeedAFreeQuarterOnEachSide) {
    TGrille g;
    g.Remplir(0, 40, 43, "M");
    EXPECT_FALSE(g.PlageLibre("", 0, 44, 47));
    EXPECT_TRUE(g.PlageLibre("", 0, 45, 47));
    EXPECT_FALSE(g.PlageLibre("", 0, 36, 39));
    EXPECT_TRUE(g.PlageLibre("", 0, 36, 38));
    EXPECT_FALSE(g.PlageLibre("", 0, 42, 42));
    EXPECT_TRUE(g.PlageLibre("", 1, 40, 43)); // other days are untouched

    g.Remplir(1, 32, 35, "M");
    EXPECT_FALSE(g.PlageLibre("", 1, 36, 38));
    EXPECT_TRUE(g.PlageLibre("", 1, 37, 40));
    g.Remplir(2, 76, 79, "M");
    EXPECT_TRUE(g.PlageLibre("", 2, 70, 74));
    EXPECT_FALSE(g.PlageLibre("", 2, 70, 75));
    EXPECT_TRUE(g.LireCase(2, 80).empty());
    EXPECT_FALSE(g.CaseLibre(2, 80));
    EXPECT_FALSE(g.CaseLibre(2, 31));
}

TEST(Grille, EffacerPlageClearsFromItsStartToTheEndOfTheRun) {
    TGrille g;
    g.Remplir(0, 40, 47, "M");
    TBloc* Bloc = g.BlocDe(0, 40);
    ASSERT_NE(Bloc, nullptr);
    g.EffacerPlage(0, 44, true); // from the middle: the block in the first cell stays
    EXPECT_EQ(g.CompterQuarts("M"), 4);
    EXPECT_EQ(g.BlocDe(0, 40), Bloc);

    // Without freeing, the block survives and belongs to whoever took it.
    std::unique_ptr<TBloc> Pris(g.BlocDe(0, 40));
    g.EffacerPlage(0, 40, false);
    EXPECT_EQ(g.CompterQuarts("M"), 0);
    EXPECT_EQ(g.BlocDe(0, 40), nullptr);
    EXPECT_EQ(Pris->Hauteur(), 8 * 19 - 1);

    g.EffacerPlage(0, 40, true); // an empty cell: nothing happens
    g.EffacerPlage(9, 40, true);
    g.EffacerPlage(0, 200, true);
}

TEST(Grille, TouchingRunsOfTheSameNameActAsOne) {
    TGrille g;
    g.Remplir(0, 40, 43, "M");
    g.Remplir(0, 44, 47, "M");
    g.EffacerPlage(0, 40, true);
    EXPECT_EQ(g.CompterQuarts("M"), 0);
    EXPECT_EQ(g.BlocDe(0, 44), nullptr);
}

TEST(Grille, CompterQuartsAddsEveryRunAndCountsFreeCellsForTheEmptyName) {
    TGrille g;
    g.Remplir(0, 40, 43, "M");
    g.Remplir(4, 50, 51, "M");
    g.Remplir(2, 60, 61, "F");
    EXPECT_EQ(g.CompterQuarts("M"), 6);
    EXPECT_EQ(g.CompterQuarts(""), 6 * 49 - 8);
}

TEST(Grille, PlacementOutsideTheGridTouchesNoCell) {
    TGrille g;
    g.PlacerPlage(0, 20, 40, "M");
    g.PlacerPlage(0, 70, 80, "M");
    g.PlacerPlage(0, 70, 200, "M");
    g.PlacerPlage(7, 40, 41, "M");
    g.PlacerPlage(0, 45, 44, "M");
    EXPECT_EQ(g.CompterQuarts(""), 6 * 49);
    g.Remplir(0, 40, 41, "M");
    g.PlacerPlage(0, 0, 255, ""); // removal is clipped to the grid
    EXPECT_EQ(g.CompterQuarts(""), 6 * 49);
    EXPECT_EQ(g.BlocDe(0, 40), nullptr);
}

TEST(Grille, NomDeComposantKeepsAsciiLettersAndDigits) {
    EXPECT_EQ(NomDeComposant(Ansi("6ème A-2")), "6meA2");
    EXPECT_EQ(NomDeComposant("MC6AMardi40Francais"), "MC6AMardi40Francais");
    EXPECT_EQ(NomDeComposant(" -_/.\xE9"), "");
}

TEST(Grille, InterditCellsRefuseTheRunsCoveringThemButNeedNoFreeQuarter) {
    TGrille g;
    for (TQuart q = 40; q <= 43; ++q)
        g.FixerDispo(0, q, TDispo::Interdit);
    g.FixerDispo(0, 50, TDispo::AEviter);
    struct Cas {
        TJour Jour;
        TQuart Debut, Fin;
        bool Libre;
    } const Tableau[] = {
        {0, 40, 43, false}, {0, 36, 40, false}, {0, 43, 47, false}, {0, 42, 42, false},
        {0, 32, 39, true},  {0, 44, 47, true},  {0, 48, 55, true},  {1, 40, 43, true},
    };
    for (const Cas& c : Tableau)
        EXPECT_EQ(g.PlageLibre("", c.Jour, c.Debut, c.Fin), c.Libre)
            << int(c.Jour) << " " << int(c.Debut) << ".." << int(c.Fin);

    // Outside the grid every cell reads libre and cannot be changed.
    g.FixerDispo(0, 80, TDispo::Interdit);
    g.FixerDispo(6, 40, TDispo::Interdit);
    EXPECT_EQ(g.Dispo(0, 80), TDispo::Libre);
    EXPECT_EQ(g.Dispo(0, 31), TDispo::Libre);
    EXPECT_EQ(g.Dispo(0, 50), TDispo::AEviter);
    EXPECT_FALSE(g.DispoVide());
    for (TQuart q = 40; q <= 43; ++q)
        g.FixerDispo(0, q, TDispo::Libre);
    EXPECT_TRUE(g.PlageLibre("", 0, 40, 43));
    g.FixerDispo(0, 50, TDispo::Libre);
    EXPECT_TRUE(g.DispoVide());
}
