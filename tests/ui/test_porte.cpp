// Every command either runs whole or is refused: while a course is held, while the
// automatic placement runs. Driven by keys and clicks, as a user gives them.
#include "tests/ui/AideEnregistreuse.h"
#include "tests/ui/FenetreDeTest.h"

#include "ui/dialogs/U_apropos.h"
#include "ui/main/U_glisser.h"
#include "ui/main/U_messagesqt.h"
#include "ui/main/U_progression.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QMenu>
#include <QTest>

namespace {

using Textes = std::vector<std::string>;

// C1's Maths on Monday 10h00-10h45 (slots 40..43) with P1, one step recorded.
class PorteTest : public FenetreTest {
protected:
    void SetUp() override {
        Ouvrir();
        ConstruireEcole();
        Placer("C1", "Maths", 0, 40, 43);
        Sauveur->Memoriser();
        Table->ActualiserCommandes();
        Montrer("C1", "P2");
        Avant = EtapesMemorisees();
    }
    QWidget* Grille() const { return SGclasse()->viewport(); }
    void Touche(Qt::Key Touche, Qt::KeyboardModifiers Modificateurs = {}) {
        QWidget* Cible = QApplication::focusWidget() ? QApplication::focusWidget() : Table.get();
        QTest::keyClick(Cible, Touche, Modificateurs);
    }
    // The course lifted by a press, or by the course menu's "Déplacer", then moved over
    // Wednesday 09h00.
    void Prendre(bool ParMenu, Qt::KeyboardModifiers Touches = {}) {
        if (ParMenu)
            MenuSur("MCC1Lundi40Maths", "Deplacer1");
        else
            Appuyer(Bloc("MCC1Lundi40Maths"), QPoint(19, 10), Touches);
        ASSERT_TRUE(Table->Glissement().Actif());
        Bouger(Grille(), DansCellule(2, 36));
    }

    int Avant = 0;
};

enum class TIntrusion { QuitterPuisEntree, Enregistrer, Annuler, Fleche, Fermer, MenuFichier };

class IntrusionTest : public PorteTest,
                      public ::testing::WithParamInterface<std::tuple<TIntrusion, bool>> {
protected:
    void Faire(TIntrusion Intrusion) {
        switch (Intrusion) {
        case TIntrusion::QuitterPuisEntree:
            Messages.Reponses = {TReponse::Oui};
            Touche(Qt::Key_Q, Qt::ControlModifier);
            Touche(Qt::Key_Return);
            break;
        case TIntrusion::Enregistrer:
            Touche(Qt::Key_S, Qt::ControlModifier);
            break;
        case TIntrusion::Annuler:
            Touche(Qt::Key_Z, Qt::ControlModifier);
            break;
        case TIntrusion::Fleche:
            Touche(Qt::Key_Down);
            break;
        case TIntrusion::Fermer:
            EXPECT_FALSE(Table->close());
            break;
        case TIntrusion::MenuFichier:
            Touche(Qt::Key_F, Qt::AltModifier);
            Touche(Qt::Key_N);
            break;
        }
    }
};

const char* const NomsIntrusions[] = {"QuitterPuisEntree", "Enregistrer",     "Annuler",
                                      "FlecheDansLaListe", "FermerLaFenetre", "AltFPuisN"};

} // namespace

// Whatever the user tries while a course is held, nothing else happens but a beep; Escape
// then puts the course back in both grids and records nothing.
TEST_P(IntrusionTest, IsRefusedAndEscapePutsTheCourseBack) {
    const auto& [Intrusion, ParMenu] = GetParam();
    Prendre(ParMenu);
    CBclasse()->setFocus();
    const int Bips = Messages.Bips;
    Faire(Intrusion);

    EXPECT_GT(Messages.Bips, Bips);
    EXPECT_TRUE(Table->isVisible());
    EXPECT_TRUE(Table->Glissement().Actif());
    EXPECT_EQ(Table->ClasseAffichee(), "C1");
    EXPECT_EQ(Table->ProfAffiche(), "P1");
    EXPECT_EQ(EtapesMemorisees(), Avant);
    EXPECT_TRUE(Messages.Questions.empty());

    Touche(Qt::Key_Escape);
    EXPECT_FALSE(Table->Glissement().Actif());
    EXPECT_EQ(Plages(*C1(), "Maths"), "0:40-43");
    EXPECT_EQ(Plages(*P1(), "C1"), "0:40-43");
    ASSERT_NE(Bloc("MCC1Lundi40Maths"), nullptr);
    EXPECT_EQ(EtapesMemorisees(), Avant);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    PendantUnGlisser, IntrusionTest,
    ::testing::Combine(::testing::Values(TIntrusion::QuitterPuisEntree, TIntrusion::Enregistrer,
                                         TIntrusion::Annuler, TIntrusion::Fleche,
                                         TIntrusion::Fermer, TIntrusion::MenuFichier),
                       ::testing::Bool()),
    [](const ::testing::TestParamInfo<std::tuple<TIntrusion, bool>>& Info) {
        return std::string(NomsIntrusions[static_cast<int>(std::get<0>(Info.param))]) +
               (std::get<1>(Info.param) ? "ParLeMenu" : "ParUnClic");
    });

// Ctrl+Z in the middle of a copy used to restore the old state under the held course, and
// the drop then placed a second copy.
TEST_F(PorteTest, UndoDuringACopyIsRefusedAndTheDropPlacesOneCopy) {
    Prendre(false, Qt::ControlModifier);
    Touche(Qt::Key_Z, Qt::ControlModifier);
    Relacher(Grille(), DansCellule(2, 36));
    EXPECT_EQ(Plages(*C1(), "Maths"), "0:40-43 2:36-39");
    EXPECT_EQ(Plages(*P1(), "C1"), "0:40-43 2:36-39");
    EXPECT_EQ(EtapesMemorisees(), Avant + 1);
}

// The drop looks again at both grids: a place taken meanwhile sends the course back.
TEST_F(PorteTest, TheDropChecksBothGridsAgain) {
    Prendre(false);
    Placer("C2", "Maths", 2, 38, 40); // P1 busy on Wednesday from 09h30
    Relacher(Grille(), DansCellule(2, 36));
    EXPECT_EQ(Plages(*C1(), "Maths"), "0:40-43");
    EXPECT_EQ(Plages(*P1(), "C1"), "0:40-43");
}

// A damaged file may give two classes one teacher on the same slots: the teacher's grid
// then holds the other class there, and picking this course up must not take that run.
TEST_F(PorteTest, NothingIsTakenWhenTheTeachersGridHoldsAnotherCourse) {
    C2()->PlacerPlage(0, 40, 43, "Maths");
    P1()->PlacerPlage(0, 40, 43, "C2");
    Table->RafraichirVues();
    Appuyer(Bloc("MCC1Lundi40Maths"), QPoint(19, 10));
    EXPECT_FALSE(Table->Glissement().Actif());
    EXPECT_EQ(Plages(*P1(), "C2"), "0:40-43");
    EXPECT_EQ(Plages(*C1(), "Maths"), "0:40-43");
}

// The progress dialog of the automatic placement stays until the pass ends, and no other
// command runs meanwhile (an undo used to free the collections under the running pass).
TEST_F(PorteTest, NothingInterruptsTheAutomaticPlacement) {
    bool Fait = false;
    bool Resiste = true;
    Messages.PendantTravail = [&] {
        if (Fait)
            return;
        Fait = true;
        auto* Progression = qobject_cast<TFProgression*>(QApplication::activeModalWidget());
        ASSERT_NE(Progression, nullptr);
        QTest::keyClick(Progression, Qt::Key_Escape);
        Progression->close();
        Resiste = Progression->isVisible();
        QTest::keyClick(Table.get(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_FALSE(Table->close());
    };
    Table->findChild<QAction*>(QStringLiteral("Automatique1"))->trigger();
    EXPECT_TRUE(Fait);
    EXPECT_TRUE(Resiste);
    EXPECT_EQ(EtapesMemorisees(), Avant + 1);
    EXPECT_EQ(C1()->CompterQuarts("Maths"), 16);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// The undo and redo shortcuts work as soon as there is something to undo or redo, whether
// or not the menu was opened (opening it with nothing to undo used to disable Ctrl+Z).
TEST_F(PorteTest, UndoAndRedoShortcutsFollowTheHistory) {
    Sauveur->Reinitialiser();
    Table->ActualiserCommandes();
    auto* Edition = Controle<QMenu>(QStringLiteral("Edition1"));
    emit Edition->aboutToShow();
    EXPECT_FALSE(Controle<QAction>(QStringLiteral("Annuler1"))->isEnabled());

    for (int k = 0; k < 2; ++k) { // two drops: both can be undone
        Appuyer(Bloc(k == 0 ? "MCC1Lundi40Maths" : "MCC1Mercredi36Maths"), QPoint(19, 10));
        Bouger(Grille(), DansCellule(2 + k, 36));
        Relacher(Grille(), DansCellule(2 + k, 36));
    }
    EXPECT_EQ(Plages(*C1(), "Maths"), "3:36-39");
    Touche(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Plages(*C1(), "Maths"), "2:36-39");
    EXPECT_TRUE(Controle<QAction>(QStringLiteral("Annuler1"))->isEnabled());
    Touche(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Plages(*C1(), "Maths"), "3:36-39");
    EXPECT_FALSE(Controle<QAction>(QStringLiteral("Refaire1"))->isEnabled());
}

// In the main window F1 is "Rubriques d'aide..."; Shift+F1 opens the topic of what lies
// under the pointer (or has the focus).
TEST_F(PorteTest, F1OpensTheContentsAndShiftF1TheTopicOfTheControl) {
    TAideEnregistreuse Aide;
    Table->F_apropos->close(); // it lies over the grids at start-up
    const auto F1Sur = [&](QWidget* Widget, QPoint Point, Qt::KeyboardModifiers Touches) {
        QCursor::setPos(Widget->mapToGlobal(Point));
        QTest::keyClick(Widget, Qt::Key_F1, Touches);
    };
    F1Sur(CBclasse(), QPoint(5, 5), Qt::ShiftModifier);
    F1Sur(Bloc("MCC1Lundi40Maths"), QPoint(5, 5), Qt::ShiftModifier);
    F1Sur(Grille(), DansCellule(4, 36), Qt::ShiftModifier);
    F1Sur(CBclasse(), QPoint(5, 5), Qt::NoModifier);
    EXPECT_EQ(Aide.Rubriques, (std::vector<int>{2, 30, 20}));
    EXPECT_EQ(Aide.Demandes, std::vector<std::string>{"sommaire"});
}

// A box belongs to the window in front: the about box at start-up, not the main window.
TEST_F(PorteTest, MessageBoxesBelongToTheWindowInFront) {
    TMessagesQt Qt;
    ASSERT_TRUE(Table->F_apropos->isVisible());
    EXPECT_EQ(Qt.Proprietaire(), static_cast<QWidget*>(Table->F_apropos));
    Table->F_apropos->close();
    EXPECT_EQ(Qt.Proprietaire(), Table.get());
}

// The summaries' header row stays in view when their rows scroll.
TEST_F(PorteTest, SummaryHeadersStayInViewAndTeacherVolumesKeepTheirHours) {
    TSerie* S1 = LesSeries->Trouver("S1");
    for (int k = 0; k < 12; ++k)
        S1->FixerVolume("Matiere" + std::to_string(k), 4);
    S1->FixerVolume("Maths", 300);
    Table->RafraichirVues();
    Montrer("C1", "P1");
    auto* SGens = Controle<QTableWidget>(QStringLiteral("SGens"));
    SGens->scrollToBottom();
    EXPECT_GT(SGens->rowAt(1), 0); // the first rows went up out of view
    EXPECT_TRUE(SGens->horizontalHeader()->isVisible());
    EXPECT_EQ(Cellules("SGens", 0)[0], " Cours   /   Heures");
    EXPECT_EQ(Cellules("SGcours", 1), (Textes{"C1", "75h00", "01h00", "74h00"}));
}
