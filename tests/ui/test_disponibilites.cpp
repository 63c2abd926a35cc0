// The availability form, from the Saisie menu and the summaries' menus.
#include "tests/ui/SaisieDeTest.h"

#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>

namespace {

using DispoTest = SaisieTest;
using Actions = std::function<void(QDialog&)>;

// The week as the file writes it, one day after the other.
std::string Semaine(const TActeur& a) {
    std::string Texte;
    for (TJour d = 0; d < NombreJours; ++d) {
        for (int q = QuartDebutGrille; q < QuartFinGrille; ++q)
            Texte += ".ex"[static_cast<int>(a.Dispo(d, static_cast<TQuart>(q)))];
        Texte += '|';
    }
    return Texte;
}

std::string Semaine(const std::string& Lundi, const std::string& Mercredi = "") {
    const auto Jour = [](std::string J) { return J.append(48 - J.size(), '.') + "|"; };
    return Jour(Lundi) + Jour("") + Jour(Mercredi) + Jour("") + Jour("") + Jour("");
}

QTableWidget* Grille(const QDialog& F) {
    return F.findChild<QTableWidget*>(QStringLiteral("SG_dispo"));
}

QPoint Centre(const QDialog& F, int Rang, int Jour) {
    return Grille(F)->visualRect(Grille(F)->model()->index(Rang, Jour)).center();
}

void Etat(QDialog& F, const char* Bouton) {
    QTest::mouseClick(F.findChild<QRadioButton*>(QLatin1String(Bouton)), Qt::LeftButton);
}

} // namespace

TEST_F(DispoTest, CellsArePaintedByClickDragDayAndTimeAndOnlyOkRecordsThem) {
    const Actions Cellule = [](QDialog& F) {
        QTest::mouseClick(Grille(F)->viewport(), Qt::LeftButton, {}, Centre(F, 1, 0));
    };
    const Actions Glisse = [](QDialog& F) {
        QWidget* Vue = Grille(F)->viewport();
        QTest::mousePress(Vue, Qt::LeftButton, {}, Centre(F, 2, 2));
        QTest::mouseMove(Vue, Centre(F, 3, 2));
        QTest::mouseMove(Vue, Centre(F, 5, 2));
        QTest::mouseRelease(Vue, Qt::LeftButton, {}, Centre(F, 5, 2));
        QTest::mouseMove(Vue, Centre(F, 9, 2)); // released: nothing more
    };
    const Actions JourEtHeure = [](QDialog& F) {
        QHeaderView* Jours = Grille(F)->horizontalHeader();
        QTest::mouseClick(Jours->viewport(), Qt::LeftButton, {},
                          QPoint(Jours->sectionViewportPosition(5) + 5, 5));
        Etat(F, "RB_aeviter");
        QHeaderView* Heures = Grille(F)->verticalHeader();
        QTest::mouseClick(Heures->viewport(), Qt::LeftButton, {},
                          QPoint(5, Heures->sectionViewportPosition(47) + 5));
    };
    std::string Soirs; // 19h45 à éviter from Monday to Friday
    for (int d = 0; d < 5; ++d)
        Soirs += std::string(47, '.') + "e|";
    struct Cas {
        const char* Quoi;
        Actions Saisie;
        const char* Bouton;
        std::string C1;
    } const Tableau[] = {
        {"a cell", Cellule, "B_ok", Semaine(".x")},
        {"a drag", Glisse, "B_ok", Semaine("", "..xxxx")},
        {"a day, then a time every day", JourEtHeure, "B_ok", Soirs + std::string(47, 'x') + "e|"},
        {"Annuler", Cellule, "B_annuler", Semaine("")},
    };
    for (const Cas& c : Tableau) {
        C1()->FixerDisponibilites(TGrilleDispo{});
        const int Etapes = EtapesMemorisees();
        Lancer("Disponibilites1", [&](QDialog& F) {
            c.Saisie(F);
            Cliquer(F, c.Bouton);
        });
        EXPECT_EQ(Semaine(*C1()), c.C1) << c.Quoi;
        EXPECT_EQ(EtapesMemorisees() - Etapes, c.C1 == Semaine("") ? 0 : 1) << c.Quoi;
    }
    // The history carries the grids: undo brings back the last one recorded, redo this one.
    Lancer("Disponibilites1", [&](QDialog& F) {
        Cellule(F);
        Cliquer(F, "B_ok");
    });
    Table->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Table.get()));
    QTest::keyClick(Table.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Semaine(*C1()), Soirs + std::string(47, 'x') + "e|");
    QTest::keyClick(Table.get(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Semaine(*C1()), Semaine(".x"));
}

// From the teacher summary, on the teacher shown; a grid copied from a class and a course
// left standing on a cell that became interdit, counted in the window.
TEST_F(DispoTest, TheTeacherSummaryOpensOnItsTeacherAndCopiesAnotherGrid) {
    Placer("C1", "Francais", 2, 32, 35);
    C1()->FixerDispo(2, 33, TDispo::Interdit);
    std::string Nom;
    Lancer("DisponibilitesProf1", [&](QDialog& F) {
        Nom = Dans<QComboBox>(F, "CB_nom")->currentText().toStdString();
        auto* Source = Dans<QComboBox>(F, "CB_source");
        Source->setCurrentIndex(Source->findText(QStringLiteral("Classe C1")));
        Cliquer(F, "B_copier");
        Cliquer(F, "B_ok");
    });
    EXPECT_EQ(Nom, "P2");
    EXPECT_EQ(Semaine(*P2()), Semaine("", ".x"));
    EXPECT_EQ(Plages(*P2(), "C1"), "2:32-35");
    EXPECT_EQ(Controle<QLabel>(QStringLiteral("L_conflits"))->text().toStdString(),
              "1 cours sur une case interdite");
}
