// "Qui est libre ?" through the Outils menu, the popup of an empty cell of the teacher view,
// its lists changed from the keyboard and a double-click.
#include "tests/ui/FenetreDeTest.h"

#include "ui/dialogs/U_quiestlibre.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace {

using Textes = std::vector<std::string>;

class QuiEstLibreTest : public FenetreTest {
protected:
    void SetUp() override {
        Ouvrir();
        ConstruireEcole();
        for (const auto& [Jour, Debut, Fin] : {std::tuple(0, 32, 35), {0, 40, 43}, {1, 32, 39}})
            Placer("C1", "Maths", static_cast<TJour>(Jour), static_cast<TQuart>(Debut),
                   static_cast<TQuart>(Fin)); // all of C1's Maths
    }
    TF_quiestlibre* Fenetre() const { return Table->findChild<TF_quiestlibre*>(); }
    template <class T> T* DeFenetre(const char* Nom) const {
        return Fenetre()->findChild<T*>(QLatin1String(Nom));
    }
    std::string Choix() const {
        std::string Texte;
        for (const char* Liste : {"CBjour", "CBdebut", "CBfin"})
            Texte += DeFenetre<QComboBox>(Liste)->currentText().toStdString() + " ";
        return Texte;
    }
    std::vector<std::string> Lignes() const {
        auto* Liste = DeFenetre<QTableWidget>("SGlibres");
        std::vector<std::string> l;
        for (int r = 0; r < Liste->rowCount(); ++r) {
            l.emplace_back();
            for (int c = 0; c < Liste->columnCount(); ++c)
                l.back() += (c ? " | " : "") + Liste->item(r, c)->text().toStdString();
        }
        return l;
    }
};

} // namespace

TEST_F(QuiEstLibreTest, ListsTheFreeTeachersOfTheCellClickedAndFollowsTheTimetable) {
    // Monday 09h00, between two of P1's courses: P2 teaches what C1 lacks, P1 is at school.
    Appuyer(SGProf()->viewport(), DansCellule(0, 36), {}, Qt::RightButton);
    Relacher(SGProf()->viewport(), DansCellule(0, 36), Qt::RightButton);
    ASSERT_TRUE(Table->PPMCaseProf->isVisible());
    Table->PPMCaseProf->close();
    Controle<QAction>(QStringLiteral("Quiestlibre2"))->trigger();
    ASSERT_NE(Fenetre(), nullptr);
    EXPECT_EQ(Choix(), "Lundi 09h00 10h00 ");
    EXPECT_EQ(DeFenetre<QLabel>("L_classe")->text().toStdString(), "Classe affichée : C1");
    EXPECT_EQ(
        Lignes(),
        (Textes{"P2 | Francais | enseigne une matière qui manque à la classe | 00h00 | aucun",
                "P1 | Maths | déjà présent ce jour-là | 00h45 | 08h00-09h00 C1, 10h00-11h00 C1"}));

    // An end before the start takes the start with it: 08h30-08h45, P1 is busy.
    for (int n = 0; n < 5; ++n)
        QTest::keyClick(DeFenetre<QComboBox>("CBfin"), Qt::Key_Up);
    EXPECT_EQ(Choix(), "Lundi 08h30 08h45 ");
    EXPECT_EQ(Lignes().size(), 1u);
    EXPECT_EQ(DeFenetre<QLabel>("L_nombre")->text().toStdString(), "1 professeur libre.");

    // The first course gone, P1 is free and C1 lacks Maths again.
    MenuSur("MCC1Lundi32Maths", "Supprimer1");
    EXPECT_EQ(
        Lignes(),
        (Textes{"P1 | Maths | enseigne une matière qui manque à la classe | 00h00 | 10h00-11h00 C1",
                "P2 | Francais | enseigne une matière qui manque à la classe | 00h00 | aucun"}));

    auto* Liste = DeFenetre<QTableWidget>("SGlibres");
    const QPoint Point = Liste->visualItemRect(Liste->item(0, 0)).center();
    QTest::mouseClick(Liste->viewport(), Qt::LeftButton, {}, Point); // as the system sends
    QTest::mouseDClick(Liste->viewport(), Qt::LeftButton, {}, Point);
    EXPECT_EQ(CBprof()->currentText(), QStringLiteral("P1"));

    // Closed, then opened from the Outils menu: the start of Monday.
    QTest::mouseClick(DeFenetre<QPushButton>("B_fermer"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Fenetre(), nullptr);
    Controle<QAction>(QStringLiteral("Quiestlibre1"))->trigger();
    ASSERT_NE(Fenetre(), nullptr);
    EXPECT_EQ(Choix(), "Lundi 08h00 09h00 ");
}
