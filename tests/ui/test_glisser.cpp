// Dragging course blocks with the mouse, through the window system as a user does.
#include "tests/ui/FenetreDeTest.h"

#include <QAction>
#include <QMenu>
#include <QStatusBar>
#include <QTest>

namespace {

using Textes = std::vector<std::string>;

// C1's Maths on Monday 10h00-10h45 (slots 40..43), taught by P1; C1 and P2 shown.
class GlisserTest : public FenetreTest {
protected:
    void SetUp() override {
        Ouvrir();
        ConstruireEcole();
        Placer("C1", "Maths", 0, 40, 43);
        Montrer("C1", "P2");
        Avant = EtapesMemorisees();
    }
    TBlocVue* Maths() const { return Bloc("MCC1Lundi40Maths"); }
    QWidget* Grille() const { return SGclasse()->viewport(); }
    QWidget* FondClasse() const { return Controle<QWidget>(QStringLiteral("PClasseFond")); }
    // Press on the block, go to a point of the class grid, let go there.
    void Glisser(TBlocVue* Depuis, QPoint Vers, Qt::KeyboardModifiers Touches = {}) {
        ASSERT_NE(Depuis, nullptr);
        Appuyer(Depuis, QPoint(19, 10), Touches);
        Bouger(Grille(), Vers);
        Relacher(Grille(), Vers);
    }

    int Avant = 0;
};

} // namespace

TEST_F(GlisserTest, MoveReleasedOverAnAcceptedCellPlacesTheCourseThere) {
    Appuyer(Maths(), QPoint(19, 10));
    // The press brings the course's teacher into view and lifts the course off both grids.
    EXPECT_EQ(Table->ProfAffiche(), "P1");
    EXPECT_EQ(Plages(*C1(), "Maths"), "");
    EXPECT_EQ(Plages(*P1(), "C1"), "");
    EXPECT_EQ(Table->JourPris, 0);
    EXPECT_EQ(Table->DebutPris, 40);
    EXPECT_EQ(Table->DureePrise, 3);
    ASSERT_NE(Bloc("MCC1Lundi40Mathsx"), nullptr);
    ASSERT_NE(Bloc("MPP1040C1x"), nullptr);

    Bouger(Grille(), DansCellule(2, 36));
    // The block and its twin snap to Wednesday 09h00.
    EXPECT_EQ(Bloc("MCC1Lundi40Mathsx")->geometry(), QRect(119, 78, 38, 75));
    EXPECT_EQ(Bloc("MPP1040C1x")->geometry(), QRect(119, 78, 38, 75));
    EXPECT_EQ(Table->BlocJumeau->Tag, 1);
    Relacher(Grille(), DansCellule(2, 36));

    EXPECT_EQ(Plages(*C1(), "Maths"), "2:36-39");
    EXPECT_EQ(Plages(*P1(), "C1"), "2:36-39");
    EXPECT_EQ(EtapesMemorisees(), Avant + 1);
    EXPECT_TRUE(Sauveur->Modifie);
    EXPECT_EQ(Table->BlocJumeau, nullptr);
    EXPECT_EQ(Maths(), nullptr);
    EXPECT_EQ(Bloc("MCC1Lundi40Mathsx"), nullptr);
    ASSERT_NE(Bloc("MCC1Mercredi36Maths"), nullptr);
    EXPECT_TRUE(Bloc("MCC1Mercredi36Maths")->isVisible());
    EXPECT_TRUE(Bloc("MPP1236C1")->isVisible());
    EXPECT_EQ(Cellules("SGens", 1), (Textes{"Maths", "04h00", "01h00", "03h00"}));
}

TEST_F(GlisserTest, MoveFromTheTeacherViewBringsTheClassAndMovesBoth) {
    Montrer("C2", "P1");
    TBlocVue* DuProf = Bloc("MPP1040C1");
    ASSERT_NE(DuProf, nullptr);
    Appuyer(DuProf, QPoint(19, 10));
    EXPECT_EQ(Table->ClasseAffichee(), "C1");
    Bouger(SGProf()->viewport(), DansCellule(4, 38));
    Relacher(SGProf()->viewport(), DansCellule(4, 38));
    EXPECT_EQ(Plages(*C1(), "Maths"), "4:38-41");
    EXPECT_EQ(Plages(*P1(), "C1"), "4:38-41");
    EXPECT_EQ(EtapesMemorisees(), Avant + 1);
}

TEST_F(GlisserTest, MoveEndsOnTheLastAcceptedCellWhenTheLastTriedWasRefused) {
    Placer("C1", "Francais", 1, 34, 37);
    Appuyer(Maths(), QPoint(19, 10));
    Bouger(Grille(), DansCellule(2, 36));                // accepted
    Bouger(Bloc("MCC1Mardi34Francais"), QPoint(19, 30)); // over it: nothing moves, it says why
    EXPECT_EQ(Table->statusBar()->currentMessage(),
              QStringLiteral("La classe C1 a déjà Francais avec P2, de 08h30 à 09h30."));
    Bouger(Grille(), DansCellule(1, 38)); // right after the French course: refused
    EXPECT_EQ(Table->BlocJumeau->Tag, -1);
    EXPECT_EQ(Bloc("MCC1Lundi40Mathsx")->x(), 119); // still on Wednesday
    Relacher(Grille(), DansCellule(1, 38));
    EXPECT_EQ(Table->statusBar()->currentMessage(),
              QStringLiteral("Il faut un quart d'heure libre entre deux cours : la classe C1 a "
                             "Francais avec P2, de 08h30 à 09h30."));
    EXPECT_EQ(Plages(*C1(), "Maths"), "2:36-39");
    EXPECT_EQ(Plages(*C1(), "Francais"), "1:34-37");
}

TEST_F(GlisserTest, MoveReleasedOutsideTheGridsStaysWhereTheBlockStood) {
    Appuyer(Maths(), QPoint(19, 10));
    Bouger(Grille(), DansCellule(3, 36));
    auto* Resume = Controle<QWidget>(QStringLiteral("SGens"));
    Bouger(Resume, QPoint(40, 40));
    Relacher(Resume, QPoint(40, 40));
    EXPECT_EQ(Plages(*C1(), "Maths"), "3:36-39");
    EXPECT_EQ(EtapesMemorisees(), Avant + 1);
}

TEST_F(GlisserTest, MoveNeverAcceptedGoesBackToItsStart) {
    Placer("C2", "Maths", 2, 36, 39); // P1 is busy on Wednesday morning
    Appuyer(Maths(), QPoint(19, 10));
    Bouger(Grille(), DansCellule(2, 37));
    EXPECT_EQ(Table->BlocJumeau->Tag, -1);
    EXPECT_EQ(Table->statusBar()->currentMessage(),
              QStringLiteral("P1 a déjà la classe C2, de 09h00 à 10h00."));
    EXPECT_EQ(Bloc("MCC1Lundi40Mathsx")->geometry(), QRect(41, 154, 38, 75));
    Relacher(Grille(), DansCellule(2, 37));
    EXPECT_EQ(Plages(*C1(), "Maths"), "0:40-43");
    EXPECT_EQ(Plages(*P1(), "C1"), "0:40-43");
}

TEST_F(GlisserTest, ReleaseBeforeTheThresholdPutsTheCourseBack) {
    Appuyer(Maths(), QPoint(19, 10));
    Bouger(Maths() ? Maths() : Bloc("MCC1Lundi40Mathsx"), QPoint(19, 27)); // 17 pixels
    EXPECT_EQ(Bloc("MCC1Lundi40Mathsx")->geometry(), QRect(41, 154, 38, 75));
    Relacher(Bloc("MCC1Lundi40Mathsx"), QPoint(19, 27));
    EXPECT_EQ(Plages(*C1(), "Maths"), "0:40-43");
    EXPECT_EQ(Plages(*P1(), "C1"), "0:40-43");
    EXPECT_EQ(Table->ProfAffiche(), "P1"); // the partner view has switched
    EXPECT_EQ(EtapesMemorisees(), Avant + 1);
    ASSERT_NE(Maths(), nullptr);
    EXPECT_TRUE(Maths()->isVisible());
}

TEST_F(GlisserTest, CopyAddsACourseAndKeepsTheOldOne) {
    Glisser(Maths(), DansCellule(4, 36), Qt::ControlModifier);
    EXPECT_EQ(Plages(*C1(), "Maths"), "0:40-43 4:36-39");
    EXPECT_EQ(Plages(*P1(), "C1"), "0:40-43 4:36-39");
    EXPECT_NE(Maths(), nullptr);
    EXPECT_NE(Bloc("MCC1Vendredi36Maths"), nullptr);
    EXPECT_EQ(EtapesMemorisees(), Avant + 1);
}

TEST_F(GlisserTest, CopyNeverAcceptedAddsNothing) {
    Placer("C1", "Francais", 1, 34, 37);
    Appuyer(Maths(), QPoint(19, 10), Qt::ControlModifier);
    EXPECT_EQ(Table->BlocJumeau->Tag, -2);
    EXPECT_EQ(Plages(*C1(), "Maths"), "0:40-43"); // put back at once
    Bouger(Grille(), DansCellule(1, 36));         // refused
    EXPECT_EQ(Table->BlocJumeau->Tag, -2);
    Relacher(Grille(), DansCellule(1, 36));
    EXPECT_EQ(Plages(*C1(), "Maths"), "0:40-43");
    EXPECT_EQ(Plages(*P1(), "C1"), "0:40-43");
    EXPECT_EQ(EtapesMemorisees(), Avant + 1);

    // A Ctrl click without moving adds nothing either.
    Appuyer(Maths(), QPoint(19, 10), Qt::ControlModifier);
    Relacher(Maths(), QPoint(19, 10));
    EXPECT_EQ(Plages(*C1(), "Maths"), "0:40-43");
}

TEST_F(GlisserTest, PointerSnapsByTheDayColumnsFormula) {
    Appuyer(Maths(), QPoint(19, 10));
    Bouger(Grille(), QPoint(115, 85)); // near the right edge of Tuesday: Wednesday
    EXPECT_EQ(Bloc("MCC1Lundi40Mathsx")->x(), 119);
    Bouger(Grille(), QPoint(78, 85)); // the first pixel of Tuesday
    EXPECT_EQ(Bloc("MCC1Lundi40Mathsx")->x(), 80);
    EXPECT_EQ(Bloc("MCC1Lundi40Mathsx")->y(), 78);
    Bouger(Grille(), QPoint(20, 120)); // over the times: nothing moves
    EXPECT_EQ(Bloc("MCC1Lundi40Mathsx")->pos(), QPoint(80, 78));
    Bouger(Grille(), QPoint(274, 85)); // right of Saturday's column counts as Saturday
    EXPECT_EQ(Bloc("MCC1Lundi40Mathsx")->x(), 236);
    Relacher(Grille(), QPoint(274, 85));
    EXPECT_EQ(Plages(*C1(), "Maths"), "5:36-39");
}

TEST_F(GlisserTest, NextToAnotherCourseIsRefused) {
    Placer("C1", "Francais", 1, 40, 43);
    Appuyer(Maths(), QPoint(19, 10));
    Bouger(Grille(), DansCellule(1, 36)); // 36..39 would touch the French course at 40
    EXPECT_EQ(Table->BlocJumeau->Tag, -1);
    EXPECT_EQ(Bloc("MCC1Lundi40Mathsx")->x(), 41);
    const QString Raison(QStringLiteral("Il faut un quart d'heure libre entre deux cours : la "
                                        "classe C1 a Francais avec P2, de 10h00 à 11h00."));
    EXPECT_EQ(Table->statusBar()->currentMessage(), Raison);
    Bouger(Grille(), DansCellule(1, 38)); // on the French course
    EXPECT_EQ(Table->statusBar()->currentMessage(),
              QStringLiteral("La classe C1 a déjà Francais avec P2, de 10h00 à 11h00."));
    Bouger(Grille(), DansCellule(1, 35)); // 35..38 leaves a free quarter-hour
    EXPECT_EQ(Table->BlocJumeau->Tag, 1);
    EXPECT_EQ(Table->statusBar()->currentMessage(), QString());
    Relacher(Grille(), DansCellule(1, 35));
    EXPECT_EQ(Plages(*C1(), "Maths"), "1:35-38");
}

// An interdit cell is not a course: the held course may start right after it.
TEST_F(GlisserTest, InterditCellsAreNeitherTintedNorAccepted) {
    C1()->FixerDispo(1, 38, TDispo::Interdit);
    P1()->FixerDispo(2, 45, TDispo::Interdit);
    Appuyer(Maths(), QPoint(19, 10));
    const TPlacesPossibles& Places = Table->PlacesPossibles();
    EXPECT_EQ(
        (std::vector<bool>{Places.Possible(1, 35), Places.Possible(1, 38), Places.Possible(1, 39),
                           Places.Possible(2, 42), Places.Possible(2, 41), Places.Possible(2, 46)}),
        (std::vector<bool>{false, false, true, false, true, true}));
    Bouger(Grille(), DansCellule(1, 36));
    EXPECT_EQ(Table->BlocJumeau->Tag, -1);
    EXPECT_EQ(Table->statusBar()->currentMessage(),
              QStringLiteral("Case interdite pour la classe C1 : Mardi 09h30."));
    Bouger(Grille(), DansCellule(2, 43));
    EXPECT_EQ(Table->statusBar()->currentMessage(),
              QStringLiteral("Case interdite pour P1 : Mercredi 11h15."));
    Bouger(Grille(), DansCellule(1, 39));
    Relacher(Grille(), DansCellule(1, 39));
    EXPECT_EQ(Plages(*C1(), "Maths"), "1:39-42");
}

TEST_F(GlisserTest, ACourseMayNotRunPastTheEndOfTheDay) {
    Placer("C1", "Francais", 0, 70, 77); // two hours, 17h30-19h30
    SBClasse()->setValue(607);
    TBlocVue* Francais = Bloc("MCC1Lundi70Francais");
    ASSERT_NE(Francais, nullptr);
    Appuyer(Francais, QPoint(19, 10));
    EXPECT_EQ(Table->DureePrise, 7);
    Bouger(Grille(), DansCellule(1, 73)); // would end at slot 80
    EXPECT_EQ(Bloc("MCC1Lundi70Francaisx")->x(), 41);
    EXPECT_EQ(Table->statusBar()->currentMessage(),
              QStringLiteral("Le cours sortirait de la journée : il finirait après 19h45."));
    Bouger(Grille(), DansCellule(1, 72)); // ends at 19h45
    EXPECT_EQ(Bloc("MCC1Lundi70Francaisx")->x(), 80);
    Relacher(Grille(), DansCellule(1, 72));
    EXPECT_EQ(Plages(*C1(), "Francais"), "1:72-79");
}

TEST_F(GlisserTest, DraggingNearTheEdgesScrollsBothViews) {
    Appuyer(Maths(), QPoint(19, 10));
    // Near the bottom of the visible window onto the grid, alternately over Wednesday and
    // Thursday, so that the pointer never lands on the block it has just snapped.
    const auto Bas = [](int n) { return QPoint(n % 2 ? 160 : 120, 270); };
    Bouger(FondClasse(), Bas(0));
    EXPECT_EQ(SBClasse()->value(), 50);
    EXPECT_EQ(SBProf()->value(), 50);
    // The pointer was moved up with the grid.
    EXPECT_EQ(QCursor::pos(), FondClasse()->mapToGlobal(Bas(0) - QPoint(0, 49)));
    for (int n = 1; n <= 11; ++n) {
        Bouger(FondClasse(), Bas(n));
        EXPECT_EQ(SBClasse()->value(), 50 + 50 * n);
    }
    Bouger(FondClasse(), Bas(12));
    EXPECT_EQ(SBClasse()->value(), 607);
    EXPECT_EQ(SBProf()->value(), 607);
    EXPECT_EQ(Controle<QWidget>(QStringLiteral("PProf"))->y(), -607);

    const QPoint Haut(200, 30);
    Bouger(FondClasse(), Haut);
    EXPECT_EQ(SBClasse()->value(), 557);
    EXPECT_EQ(SBProf()->value(), 557);
    EXPECT_EQ(QCursor::pos(), FondClasse()->mapToGlobal(Haut + QPoint(0, 49)));
    // In the middle nothing scrolls.
    Bouger(FondClasse(), QPoint(120, 150));
    EXPECT_EQ(SBClasse()->value(), 557);
    Relacher(FondClasse(), QPoint(120, 150));
    // Dropped where the pointer snapped it last: Wednesday, slot (557 + 150 + 606) div 19.
    EXPECT_EQ(Plages(*C1(), "Maths"), "2:69-72");
}

TEST_F(GlisserTest, RightClickOpensTheCourseMenuAndChangesNothing) {
    Appuyer(Maths(), QPoint(19, 10), {}, Qt::RightButton);
    Relacher(Maths(), QPoint(19, 10), Qt::RightButton);
    EXPECT_TRUE(Table->PPMCours->isVisible());
    Table->PPMCours->close();
    EXPECT_EQ(Plages(*C1(), "Maths"), "0:40-43");
    EXPECT_EQ(Table->ProfAffiche(), "P2");
    EXPECT_EQ(EtapesMemorisees(), Avant);
    QStringList Entrees;
    for (QAction* Entree : Table->PPMCours->actions())
        Entrees << (Entree->isSeparator() ? QStringLiteral("-") : Entree->text());
    EXPECT_EQ(
        Entrees.join(QLatin1Char('|')),
        QStringLiteral("&Déplacer|&Dupliquer|&Supprimer|-|&Modifier durée|&Verrouiller|-|&Aide"));
}

TEST_F(GlisserTest, MenuMoveFollowsThePointerUntilTheNextClick) {
    MenuSur("MCC1Lundi40Maths", "Deplacer1");
    EXPECT_EQ(Table->ProfAffiche(), "P1");
    Bouger(Grille(), DansCellule(3, 36)); // no button is down
    EXPECT_EQ(Bloc("MCC1Lundi40Mathsx")->pos(), QPoint(158, 78));
    Appuyer(Grille(), DansCellule(3, 36));
    EXPECT_EQ(Plages(*C1(), "Maths"), ""); // the press only ends the move at its release
    Relacher(Grille(), DansCellule(3, 36));
    EXPECT_EQ(Plages(*C1(), "Maths"), "3:36-39");
    EXPECT_EQ(EtapesMemorisees(), Avant + 1);
    // Afterwards the mouse works as usual again.
    Appuyer(Bloc("MCC1Jeudi36Maths"), QPoint(19, 10));
    Relacher(Bloc("MCC1Jeudi36Mathsx"), QPoint(19, 10));
    EXPECT_EQ(EtapesMemorisees(), Avant + 2);
}

TEST_F(GlisserTest, MenuDuplicateCopiesTheCourse) {
    MenuSur("MCC1Lundi40Maths", "Dupliquer1");
    Bouger(Grille(), DansCellule(3, 36));
    Appuyer(Grille(), DansCellule(3, 36));
    Relacher(Grille(), DansCellule(3, 36));
    EXPECT_EQ(Plages(*C1(), "Maths"), "0:40-43 3:36-39");
}

TEST_F(GlisserTest, ACourseWithoutTeacherIsNotPickedUp) {
    C1()->PlacerPlage(3, 40, 43, "Anglais"); // no teacher of Anglais exists
    Table->RafraichirVues();
    TBlocVue* Anglais = Bloc("MCC1Jeudi40Anglais");
    ASSERT_NE(Anglais, nullptr);
    Appuyer(Anglais, QPoint(19, 10));
    EXPECT_EQ(Messages.MontresUtf8(),
              (Textes{"Erreur : le Prof associé ne peut pas être retrouvé"}));
    Bouger(Grille(), DansCellule(4, 36));
    Relacher(Grille(), DansCellule(4, 36));
    EXPECT_EQ(Plages(*C1(), "Anglais"), "3:40-43");
    EXPECT_EQ(Table->ProfAffiche(), "P2");
    EXPECT_EQ(EtapesMemorisees(), Avant);
    EXPECT_NE(Bloc("MCC1Jeudi40Anglais"), nullptr);
}

TEST_F(GlisserTest, ACourseOfAClassThatIsGoneIsNotPickedUp) {
    P1()->FixerVolumeClasse("Fantome", 4);
    P1()->PlacerPlage(3, 40, 43, "Fantome");
    Montrer("C1", "P1");
    Appuyer(Bloc("MPP1340Fantome"), QPoint(19, 10));
    EXPECT_EQ(Messages.MontresUtf8(),
              (Textes{"Erreur : la Classe associée ne peut pas être retrouvée"}));
    Relacher(Bloc("MPP1340Fantome"), QPoint(19, 10));
    EXPECT_EQ(Plages(*P1(), "Fantome"), "3:40-43");
    EXPECT_EQ(EtapesMemorisees(), Avant);
}

TEST_F(GlisserTest, PartnerSearchNeedsTheShownActor) {
    const TBloc& DeClasse = *Maths()->Bloc();
    CBclasse()->setCurrentIndex(-1);
    EXPECT_FALSE(Table->SelectionnerPartenaire(DeClasse));
    Montrer("C1", "P1");
    const TBloc& DuProf = *Bloc("MPP1040C1")->Bloc();
    CBprof()->setCurrentIndex(-1);
    EXPECT_FALSE(Table->SelectionnerPartenaire(DuProf));
    EXPECT_EQ(Messages.MontresUtf8(), (Textes{"Erreur : cette classe ne peut pas être retrouvée",
                                              "Erreur : ce Prof ne peut pas être retrouvé"}));
}

// The teacher of the held course gone (nothing a user can do now, but a box must never
// open while the drag holds the mouse): the drag ends first, then the message shows.
TEST_F(GlisserTest, ACoordinationProblemEndsTheDragBeforeItsMessage) {
    Appuyer(Maths(), QPoint(19, 10));
    LesProfs->Supprimer("P1");
    bool SourisLibre = false;
    Messages.AuMessage = [&] { SourisLibre = !QWidget::mouseGrabber() && !Table->BlocPris; };
    Bouger(Grille(), DansCellule(2, 36));
    EXPECT_EQ(Messages.MontresUtf8(),
              (Textes{"Erreur : problème de coordination Classe / Professeur"}));
    EXPECT_TRUE(SourisLibre);
    Relacher(Grille(), DansCellule(2, 36));
    EXPECT_EQ(Plages(*C1(), "Maths"), "");
    EXPECT_EQ(EtapesMemorisees(), Avant);
}

TEST_F(GlisserTest, TheDraggedBlockStepsAsideAfterFifteenPixelsWithinIt) {
    Placer("C1", "Francais", 0, 60, 71); // a three-hour block
    SBClasse()->setValue(380);
    TBlocVue* Long = Bloc("MCC1Lundi60Francais");
    ASSERT_NE(Long, nullptr);
    Appuyer(Long, QPoint(19, 5));
    TBlocVue* Pris = Bloc("MCC1Lundi60Francaisx");
    Bouger(Pris, QPoint(19, 30)); // past the threshold, still over the block
    EXPECT_EQ(Table->BlocPris->Tag, 30);
    Bouger(Pris, QPoint(19, 44));
    EXPECT_TRUE(Pris->isVisible());
    Bouger(Pris, QPoint(19, 46)); // 16 pixels from where it was first seen
    EXPECT_FALSE(Pris->isVisible());
    // Now the grid below answers: the block snaps to the row under the pointer, shown again.
    const QPoint Dessous(60, 19 * (60 - 32) + 2 + 49); // below where the pointer stood
    Bouger(Grille(), Dessous);
    EXPECT_TRUE(Pris->isVisible());
    EXPECT_EQ(Pris->y(), 19 * (62 - 32) + 2);
    Relacher(Grille(), Dessous);
    EXPECT_EQ(Plages(*C1(), "Francais"), "0:62-73");
}
