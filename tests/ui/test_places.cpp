// While a course is held both views tint every cell where it may start; hovering a block
// shows its whole course.
#include "tests/ui/FenetreDeTest.h"

#include "scheduling/U_automate.h"
#include "ui/dialogs/U_apropos.h"
#include "ui/main/U_glisser.h"
#include "ui/main/U_places.h"

#include <QHelpEvent>
#include <QStatusBar>
#include <QTest>
#include <QToolTip>

namespace {

// The demo lycée once placed: full grids, where most places are taken.
class PlacesTest : public FenetreTest {
protected:
    void SetUp() override {
        OuvrirExemple(QStringLiteral("lycee.edt"));
        Automate->PlacementAutomatique();
        Table->RafraichirVues();
        Messages.Montres.clear();
    }
    // The places a drop accepts, asked of both grids' own rule and of the drag itself.
    void VerifierTeinte(const std::string& Contexte) {
        const TClasse* C = LesClasses->Trouver(Table->ClasseAffichee());
        const TProf* P = LesProfs->Trouver(Table->ProfAffiche());
        ASSERT_TRUE(C && P) << Contexte;
        int Possibles = 0;
        for (TJour d = 0; d < NombreJours; ++d)
            for (int s = 32; s < 80; ++s) {
                const auto q = static_cast<TQuart>(s);
                const auto Fin = static_cast<TQuart>(s + Table->DureePrise);
                const bool Libre =
                    C->PlageLibre(P->Matiere, d, q, Fin) && P->PlageLibre(C->Nom, d, q, Fin);
                ASSERT_EQ(Table->PlacesPossibles().Possible(d, q), Libre)
                    << Contexte << " jour " << int(d) << " quart " << s;
                const QPoint Point = DansCellule(d, q);
                EXPECT_EQ(Table->FormDragOver(*SGclasse(), Point.x(), Point.y(), QCursor::pos()),
                          Libre)
                    << Contexte << " jour " << int(d) << " quart " << s;
                Possibles += Libre;
            }
        EXPECT_GT(Possibles, 0) << Contexte;
    }
};

} // namespace

TEST_F(PlacesTest, TheTintIsExactlyWhereADropIsAccepted) {
    int Essais = 0;
    for (const char* Classe : {"2nde 1", "1ère 3", "Tle 2"})
        for (const bool VueClasse : {true, false})
            for (const bool Copie : {false, true}) {
                const std::string Contexte = std::string(Classe) +
                                             (VueClasse ? " classe" : " prof") +
                                             (Copie ? " copie" : " deplacement");
                Montrer(Classe, "");
                SBClasse()->setValue(0); // checking every cell scrolled the views
                SBProf()->setValue(0);
                // The first block of the class's week, then, for the teacher's side, its twin.
                TBlocVue* Vue = nullptr;
                for (TBlocVue* b : Table->findChildren<TBlocVue*>())
                    if (b->isVisible() && b->Bloc() && b->Bloc()->DeClasse() &&
                        (!Vue || b->y() < Vue->y()))
                        Vue = b;
                ASSERT_NE(Vue, nullptr) << Contexte;
                if (!VueClasse) {
                    const QPoint Ici = Vue->pos();
                    Appuyer(Vue, QPoint(5, 5)); // brings its teacher into view
                    QTest::keyClick(Table.get(), Qt::Key_Escape);
                    Relacher(SGclasse()->viewport(), QPoint(5, 5));
                    Vue = nullptr;
                    for (TBlocVue* b : Table->findChildren<TBlocVue*>())
                        if (b->isVisible() && b->Bloc() && !b->Bloc()->DeClasse() &&
                            b->pos() == Ici)
                            Vue = b;
                    ASSERT_NE(Vue, nullptr) << Contexte;
                }
                Appuyer(Vue, QPoint(5, 5), Copie ? Qt::ControlModifier : Qt::NoModifier);
                ASSERT_TRUE(Table->Glissement().Actif()) << Contexte;
                VerifierTeinte(Contexte);
                QTest::keyClick(Table.get(), Qt::Key_Escape);
                Relacher(SGclasse()->viewport(), QPoint(5, 5));
                ++Essais;
            }
    EXPECT_EQ(Essais, 12);
    // Put back, the course leaves no tint behind.
    for (TJour d = 0; d < NombreJours; ++d)
        for (int s = 32; s < 80; ++s)
            EXPECT_FALSE(Table->PlacesPossibles().Possible(d, static_cast<TQuart>(s)));
}

// What the user sees: the tinted cells in the pale colour, the others as they were; and
// hovering a block tells what its narrow cell cannot.
class VuePlacesTest : public FenetreTest {
protected:
    void SetUp() override {
        Ouvrir();
        ConstruireEcole();
        Placer("C1", "Maths", 0, 40, 43);
        Placer("C2", "Maths", 1, 32, 47); // P1 busy on Tuesday until 12h00
        Montrer("C1", "P1");
        Table->F_apropos->close();
    }
};

TEST_F(VuePlacesTest, TheGridsPaintTheTintWhileTheCourseIsHeld) {
    Appuyer(Bloc("MCC1Lundi40Maths"), QPoint(19, 10));
    const QColor Aucune;
    struct TCas {
        TJour Jour;
        TQuart Quart;
        QColor Couleur;
        QString Bulle; // what hovering the cell tells
    };
    const QString Trous = QStringLiteral("Ajouterait 3 quarts d'heure de trou au professeur.");
    const QImage Vue = SGclasse()->viewport()->grab().toImage();
    for (const TCas& c :
         {TCas{2, 33, TDelegueTeinte::Teinte, {}}, TCas{1, 33, Aucune, {}}, // the teacher is busy
          TCas{1, 48, Aucune, {}},                 // no free quarter-hour between
          TCas{1, 49, TDelegueTeinte::Teinte, {}}, // only the lunch between
          TCas{1, 60, TDelegueTeinte::TeinteCouteuse, Trous},
          TCas{0, 40, TDelegueTeinte::Teinte, {}}, TCas{5, 77, Aucune, {}}}) {
        const QColor Pixel = Vue.pixelColor(DansCellule(c.Jour, c.Quart, 20, 9));
        for (const QColor& Teinte : {TDelegueTeinte::Teinte, TDelegueTeinte::TeinteCouteuse})
            EXPECT_EQ(Pixel == Teinte, c.Couleur == Teinte) << int(c.Jour) << " " << int(c.Quart);
        if (c.Couleur != Aucune) {
            // Off the edges, and never where the pointer already is in the window.
            SBClasse()->setValue(std::max(0, 19 * (c.Quart - 32) - 100));
            Bouger(SGclasse()->viewport(), DansCellule(c.Jour, c.Quart, 4 + c.Quart % 30));
            EXPECT_EQ(Table->statusBar()->currentMessage(), c.Bulle) << int(c.Quart);
            if (!c.Bulle.isEmpty()) {
                EXPECT_EQ(QToolTip::text(), c.Bulle) << int(c.Jour) << " " << int(c.Quart);
            }
        }
    }
    QTest::keyClick(Table.get(), Qt::Key_Escape);
    const QImage Apres = SGclasse()->viewport()->grab().toImage();
    EXPECT_NE(Apres.pixelColor(DansCellule(2, 33, 20, 9)), TDelegueTeinte::Teinte);
}

TEST_F(VuePlacesTest, HoveringABlockShowsTheWholeCourse) {
    for (const char* Identifiant : {"MCC1Lundi40Maths", "MPP1040C1"}) {
        TBlocVue* Vue = Bloc(Identifiant);
        ASSERT_NE(Vue, nullptr) << Identifiant;
        QHelpEvent Survol(QEvent::ToolTip, QPoint(5, 5), Vue->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(Vue, &Survol);
        EXPECT_EQ(QToolTip::text(), QStringLiteral("Maths — C1 — P1 — Lundi 10h00–11h00"))
            << Identifiant;
        QToolTip::hideText();
    }
}
