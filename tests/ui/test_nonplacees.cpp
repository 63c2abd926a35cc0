// The window "Heures non placées" through its menu entry, its rows and the mouse.
#include "tests/ui/FenetreDeTest.h"
#include "ui/main/U_glisser.h"

#include <QAction>
#include <QStatusBar>
#include <QTest>
#include <QWindow>

namespace {

using Textes = std::vector<std::string>;

void Interdire(TActeur& Acteur, TJour Jour, int Debut, int Fin) {
    for (int q = Debut; q <= Fin; ++q)
        Acteur.FixerDispo(Jour, static_cast<TQuart>(q), TDispo::Interdit);
}

// C1's Maths half placed on Tuesday morning, the only hours P1 may teach that day; C2 may come
// on Tuesdays only, so its Maths has no place in common with P1; P2 may never teach, so no
// timetable holds its French; English has no teacher.
class NonPlaceesTest : public FenetreTest {
protected:
    void SetUp() override {
        Ouvrir();
        ConstruireEcole();
        for (TJour d = 0; d < NombreJours; ++d) {
            Interdire(*P2(), d, 32, 79);
            if (d != 1)
                Interdire(*C2(), d, 32, 79);
        }
        Interdire(*P1(), 1, 41, 79);
        Placer("C1", "Maths", 1, 32, 39);
        Sauveur->Memoriser(); // what an undo comes back to
        Controle<QAction>(QStringLiteral("NonPlacees1"))->trigger();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Fenetre()));
        Fenetre()->move(Table->frameGeometry().topRight() + QPoint(20, 0)); // side by side
    }
    QWidget* Fenetre() const { return Controle<QWidget>(QStringLiteral("F_nonplacees")); }
    QTableWidget* Liste() const { return Controle<QTableWidget>(QStringLiteral("SGnonplacees")); }
    Textes Rangees() const {
        Textes Lignes;
        for (int r = 1; r <= Liste()->rowCount(); ++r) {
            std::string Ligne;
            for (const std::string& Texte : Cellules("SGnonplacees", r))
                Ligne += Texte + "|";
            Lignes.push_back(Ligne);
        }
        return Lignes;
    }
    void DoubleCliquer(int Rangee) {
        const QPoint Point = Liste()->visualItemRect(Liste()->item(Rangee, 0)).center();
        QWindow* W = Fenetre()->windowHandle();
        QTest::mouseDClick(W, Qt::LeftButton, {},
                           W->mapFromGlobal(Liste()->viewport()->mapToGlobal(Point)));
    }
    QWidget* Grille() const { return SGclasse()->viewport(); }
};

const Textes Toutes = {
    "C1|Maths|P1|02h00|Plaçable : 205 débuts possibles|",
    "C1|Francais|P2|03h00|Impossible avec ces réglages : P2 ne peut pas recevoir toutes ses "
    "heures|",
    "C1|Anglais||02h00|Aucun professeur pour cette matière|",
    "C2|Maths|P1|04h00|La classe et le professeur n'ont aucune place libre en commun|",
    "C2|Francais|P2|03h00|Impossible avec ces réglages : P2 ne peut pas recevoir toutes ses "
    "heures|",
    "C2|Anglais||02h00|Aucun professeur pour cette matière|",
};

} // namespace

// The double-click holds C1's Maths, tinted where it fits; dropped, it leaves the list, and
// an undo brings it back.
TEST_F(NonPlaceesTest, ADoubleClickedRowIsHeldThenDroppedAndTheListFollows) {
    EXPECT_EQ(Rangees(), Toutes);
    DoubleCliquer(0);
    EXPECT_EQ(Table->ClasseAffichee(), "C1");
    EXPECT_EQ(Table->ProfAffiche(), "P1");
    EXPECT_TRUE(Table->PlacesPossibles().Possible(2, 36));
    EXPECT_FALSE(Table->PlacesPossibles().Possible(1, 44));
    Bouger(Grille(), DansCellule(2, 36));
    ASSERT_NE(Bloc("MCC1Mathsx"), nullptr);
    EXPECT_TRUE(Bloc("MCC1Mathsx")->isVisible());
    Appuyer(Grille(), DansCellule(2, 36));
    Relacher(Grille(), DansCellule(2, 36));
    EXPECT_EQ(Plages(*C1(), "Maths"), "1:32-39 2:36-43");
    EXPECT_EQ(Plages(*P1(), "C1"), "1:32-39 2:36-43");
    EXPECT_EQ(Rangees(), Textes(Toutes.begin() + 1, Toutes.end()));

    QTest::keyClick(Fenetre(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Rangees(), Toutes);
}

// A course that fits nowhere is held all the same, each cell saying why; Escape lets it go
// with nothing placed. Meanwhile another double-click is refused, and a row without a
// teacher holds nothing.
TEST_F(NonPlaceesTest, ACourseThatFitsNowhereIsHeldUntilEscape) {
    DoubleCliquer(3);
    EXPECT_EQ(Table->ClasseAffichee(), "C2");
    Bouger(Grille(), DansCellule(0, 36));
    EXPECT_EQ(Table->statusBar()->currentMessage(),
              QStringLiteral("Case interdite pour la classe C2 : Lundi 09h00."));
    EXPECT_FALSE(Bloc("MCC2Mathsx")->isVisible());
    DoubleCliquer(0);
    EXPECT_TRUE(Table->Glissement().Actif());
    EXPECT_EQ(Table->ClasseAffichee(), "C2");
    QTest::keyClick(Table.get(), Qt::Key_Escape);
    EXPECT_FALSE(Table->Glissement().Actif());
    EXPECT_EQ(Plages(*C2(), "Maths"), "");

    const int Bips = Messages.Bips;
    DoubleCliquer(2);
    EXPECT_EQ(Messages.Bips, Bips + 1);
    EXPECT_FALSE(Table->Glissement().Actif());
    EXPECT_EQ(Rangees(), Toutes);
}
