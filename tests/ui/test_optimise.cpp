// The optimised placement command: its progress dialog, its stop button and its message.
#include "tests/ui/FenetreDeTest.h"

#include "scheduling/U_automate.h"
#include "scheduling/U_optimiseur.h"
#include "scheduling/U_qualite.h"
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
        OuvrirExemple(QLatin1String(Ecole));
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
    EXPECT_EQ(
        Messages.MontresUtf8(),
        std::vector<std::string>{"1 744 quarts d'heure placés sur 1 744. Avec ces réglages, "
                                 "1 744 au plus peuvent l'être. C'est le maximum possible avec "
                                 "ces réglages."});
    EXPECT_EQ(Places(), 1744);
    EXPECT_EQ(Messages.Bips, 1);
    EXPECT_EQ(EtapesMemorisees(), Avant + 1);
    EXPECT_TRUE(Sauveur->Modifie);
}

// Escape and the close box leave the search running; "Arrêter" stops it with the best
// timetable found so far, which is kept and recorded: the optimised placement, and the
// improvement of the placed lycée.
TEST_F(OptimiseTest, OnlyArreterStopsTheSearch) {
    const std::pair<const char*, std::string> Cas[] = {{"Optimise1", "Placement arrêté. "},
                                                       {"Ameliorer1", "Amélioration arrêtée.\n"}};
    for (const auto& [Action, Debut] : Cas) {
        Preparer("lycee.edt"); // long enough a search to be stopped
        if (std::string(Action) == "Ameliorer1")
            Automate->PlacementAutomatique();
        Messages.Montres.clear();
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
        Controle<QAction>(QLatin1String(Action))->trigger();
        EXPECT_TRUE(Resiste) << Action;
        ASSERT_EQ(Messages.Montres.size(), 1u) << Action;
        EXPECT_EQ(Messages.MontresUtf8()[0].rfind(Debut, 0), 0u) << Messages.MontresUtf8()[0];
        EXPECT_GT(Places(), 0);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
}

// "Améliorer" on the placed collège at the default settings: at most half the gaps, every
// quarter-hour kept, each measure before and after in its message (in the characters a
// message box shows), one history step.
TEST_F(OptimiseTest, AmeliorerHalvesTheGapsAndRecordsOneStep) {
    *Automate = TAutomate{};
    Automate->PlacementAutomatique();
    Messages.Montres.clear();
    const TQualite Avant = MesurerQualite(*Automate);
    const int Etapes = EtapesMemorisees();
    Controle<QAction>(QStringLiteral("Ameliorer1"))->trigger();
    const TQualite Apres = MesurerQualite(*Automate);
    EXPECT_EQ(Places(), 1744);
    EXPECT_LE(2 * Apres.TotalProfs.Trous, Avant.TotalProfs.Trous);
    EXPECT_LE(2 * Apres.TotalClasses.Trous, Avant.TotalClasses.Trous);
    EXPECT_EQ(Apres.TotalClasses.Doublons, 0);
    EXPECT_EQ(EtapesMemorisees(), Etapes + 1);
    ASSERT_EQ(Messages.Montres.size(), 1u);
    EXPECT_EQ(Messages.MontresUtf8()[0].rfind("Emploi du temps amélioré.\nProfesseurs : trous de " +
                                                  std::to_string(Avant.TotalProfs.Trous) + " à " +
                                                  std::to_string(Apres.TotalProfs.Trous) + ",",
                                              0),
              0u)
        << Messages.MontresUtf8()[0];
}
