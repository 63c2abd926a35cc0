// The optimised placement command: its progress dialog, its stop button and its message.
#include "tests/ui/FenetreDeTest.h"

#include "scheduling/U_automate.h"
#include "scheduling/U_optimiseur.h"
#include "ui/main/U_progression.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// The demo collège under tight day bounds: 01h30 at most, lunch 11h00-13h00, no start
// after 14h00. The automatic placement leaves a good part of it unplaced.
class OptimiseTest : public FenetreTest {
protected:
    void SetUp() override { Preparer("college.edt"); }
    void Preparer(const char* Ecole) {
        Table.reset();
        Ouvrir({QStringLiteral(HORALO_EXAMPLES "/") + QLatin1String(Ecole)});
        *Automate = TAutomate{};
        Automate->DureeMax = 6;
        Automate->DebutPause = 44;
        Automate->FinPause = 52;
        Automate->FinJournee = 56;
    }
    void Optimiser() { Controle<QAction>(QStringLiteral("Optimise1"))->trigger(); }
    static long Places() {
        long APlacer = 0;
        return QuartsPlacesDuModele(APlacer);
    }
};

} // namespace

TEST_F(OptimiseTest, PlacesEverythingTheBoundAllowsAndRecordsOneStep) {
    const int Avant = EtapesMemorisees();
    Optimiser();
    EXPECT_EQ(Messages.MontresUtf8(),
              std::vector<std::string>{"1 744 quarts d'heure placés sur 1 744. Avec ces réglages, "
                                       "1 744 au plus peuvent l'être."});
    EXPECT_EQ(Places(), 1744);
    EXPECT_EQ(Messages.Bips, 1);
    EXPECT_EQ(EtapesMemorisees(), Avant + 1);
    EXPECT_TRUE(Sauveur->Modifie);
}

// Escape and the close box leave the search running; "Arrêter" stops it with the best
// timetable found so far, which is kept and recorded.
TEST_F(OptimiseTest, OnlyArreterStopsTheSearch) {
    Preparer("lycee.edt"); // long enough a search to be stopped
    bool Resiste = false;
    QTimer::singleShot(0, [&] {
        auto* Progression = qobject_cast<TFProgression*>(QApplication::activeModalWidget());
        ASSERT_NE(Progression, nullptr);
        QTest::keyClick(Progression, Qt::Key_Escape);
        Progression->close();
        Resiste = Progression->isVisible();
        QTest::mouseClick(Progression->findChild<QPushButton*>(QStringLiteral("B_arreter")),
                          Qt::LeftButton);
    });
    Optimiser();
    EXPECT_TRUE(Resiste);
    ASSERT_EQ(Messages.Montres.size(), 1u);
    EXPECT_EQ(Messages.MontresUtf8()[0].rfind("Placement arrêté. ", 0), 0u)
        << Messages.MontresUtf8()[0];
    EXPECT_GT(Places(), 0);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
