// The commands of the course menu: move and copy from the menu are in test_glisser.
#include "tests/ui/AideEnregistreuse.h"
#include "tests/ui/FenetreDeTest.h"

#include "ui/dialogs/U_modifduree.h"

#include <QApplication>
#include <QMenu>
#include <QSpinBox>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

namespace {

using Textes = std::vector<std::string>;

// C1's Maths for one hour at 10h00 (slots 40..43, Monday), taught by P1; C1 and P1 shown.
class CommandesTest : public FenetreTest {
protected:
    void SetUp() override {
        Ouvrir();
        ConstruireEcole();
        Placer("C1", "Maths", 0, 40, 43);
        Montrer("C1", "P1");
        Avant = EtapesMemorisees();
    }
    // The duration dialog answered as the user would: arrows up or down to the duration,
    // then OK, or cancelled.
    void ChoisirDuree(const char* Identifiant, int Duree, bool Ok = true) {
        Dialogues.Modal = [this, Duree, Ok](QDialog& Dialogue) {
            auto* UpDown = Dialogue.findChild<QSpinBox*>(QStringLiteral("UpDown1"));
            DureeProposee = UpDown->value();
            UpDown->setValue(Duree);
            return Ok ? QDialog::Accepted : QDialog::Rejected;
        };
        MenuSur(Identifiant, "Modifierduree1");
    }
    int Hauteur(const char* Identifiant) const {
        const TBlocVue* Vue = Bloc(Identifiant);
        return Vue ? Vue->height() : -1;
    }

    int Avant = 0;
    int DureeProposee = -1;
};

const char* const ErreurDuree = "Erreur : la modification de durée a échoué";

} // namespace

TEST_F(CommandesTest, LengtheningByAQuarterFromTheClassView) {
    ChoisirDuree("MCC1Lundi40Maths", 5);
    EXPECT_EQ(DureeProposee, 4); // the dialog starts at the block's length
    EXPECT_EQ(Table->DureeChoisie, 5);
    EXPECT_EQ(Plages(*C1(), "Maths"), "0:40-44");
    EXPECT_EQ(Plages(*P1(), "C1"), "0:40-44");
    EXPECT_EQ(Hauteur("MCC1Lundi40Maths"), 94);
    EXPECT_EQ(Hauteur("MPP1040C1"), 94);
    EXPECT_TRUE(Messages.Montres.empty());
    EXPECT_EQ(EtapesMemorisees(), Avant + 1);
}

TEST_F(CommandesTest, LengtheningByAQuarterFromTheTeacherView) {
    ChoisirDuree("MPP1040C1", 5);
    EXPECT_EQ(Plages(*C1(), "Maths"), "0:40-44");
    EXPECT_EQ(Plages(*P1(), "C1"), "0:40-44");
    EXPECT_EQ(Hauteur("MCC1Lundi40Maths"), 94);
    EXPECT_EQ(Hauteur("MPP1040C1"), 94);
    EXPECT_EQ(EtapesMemorisees(), Avant + 1);
}

TEST_F(CommandesTest, LengtheningRefusedWhenTheTeacherTeachesRightAfter) {
    Placer("C2", "Maths", 0, 45, 48); // P1 at 11h15 with C2
    for (const char* Identifiant : {"MCC1Lundi40Maths", "MPP1040C1"}) {
        Messages.Montres.clear();
        const int Etapes = EtapesMemorisees();
        ChoisirDuree(Identifiant, 5);
        EXPECT_EQ(Messages.MontresUtf8(), (Textes{ErreurDuree})) << Identifiant;
        EXPECT_EQ(Plages(*C1(), "Maths"), "0:40-43");
        EXPECT_EQ(Plages(*P1(), "C1"), "0:40-43");
        EXPECT_EQ(Plages(*P1(), "C2"), "0:45-48");
        EXPECT_EQ(EtapesMemorisees(), Etapes + 1); // recorded after the message too
    }
}

TEST_F(CommandesTest, LengtheningByMoreNeedsAFreeQuarterAfterTheNewEnd) {
    Placer("C1", "Francais", 0, 46, 49);
    ChoisirDuree("MCC1Lundi40Maths", 6); // 40..45 would touch the French course at 46
    EXPECT_EQ(Messages.MontresUtf8(), (Textes{ErreurDuree}));
    EXPECT_EQ(Plages(*C1(), "Maths"), "0:40-43");
    ChoisirDuree("MPP1040C1", 6);
    EXPECT_EQ(Plages(*C1(), "Maths"), "0:40-43");

    ChoisirDuree("MCC1Lundi40Maths", 5); // 40..44 leaves slot 45 free
    EXPECT_EQ(Plages(*C1(), "Maths"), "0:40-44");
}

// An interdit cell of the class or of the teacher among the quarter-hours gained refuses the
// lengthening, from either view; one right after the new end does not.
TEST_F(CommandesTest, LengtheningOntoAnInterditCellIsRefused) {
    const struct {
        bool DeClasse;
        int Quart;
        int Duree;
        const char* Apres;
    } Cas[] = {{true, 44, 5, "0:40-43"},
               {false, 44, 5, "0:40-43"},
               {true, 46, 7, "0:40-43"},
               {false, 45, 6, "0:40-43"},
               {true, 45, 5, "0:40-44"}};
    for (const auto& c : Cas) {
        TActeur& Acteur = c.DeClasse ? static_cast<TActeur&>(*C1()) : *P1();
        Acteur.FixerDispo(0, static_cast<TQuart>(c.Quart), TDispo::Interdit);
        for (const char* Identifiant : {"MCC1Lundi40Maths", "MPP1040C1"}) {
            ChoisirDuree(Identifiant, c.Duree);
            EXPECT_EQ(Plages(*C1(), "Maths"), c.Apres) << c.Quart << Identifiant;
            EXPECT_EQ(Plages(*P1(), "C1"), c.Apres);
            ChoisirDuree(Identifiant, 4);
        }
        Acteur.FixerDispo(0, static_cast<TQuart>(c.Quart), TDispo::Libre);
    }
}

TEST_F(CommandesTest, LengtheningByMoreAccepted) {
    ChoisirDuree("MCC1Lundi40Maths", 8);
    EXPECT_TRUE(Messages.Montres.empty());
    EXPECT_EQ(Plages(*C1(), "Maths"), "0:40-47");
    EXPECT_EQ(Plages(*P1(), "C1"), "0:40-47");
    EXPECT_EQ(Hauteur("MPP1040C1"), 151);
}

TEST_F(CommandesTest, ACourseEndingAt1945CannotGrowByOne) {
    Placer("C2", "Francais", 2, 76, 79);
    Montrer("C2", "P2");
    SBClasse()->setValue(607);
    SBProf()->setValue(607);
    ChoisirDuree("MCC2Mercredi76Francais", 5);
    EXPECT_EQ(Messages.MontresUtf8(), (Textes{ErreurDuree}));
    EXPECT_EQ(Plages(*C2(), "Francais"), "2:76-79");
}

TEST_F(CommandesTest, ShorteningIsAlwaysAccepted) {
    Placer("C1", "Francais", 0, 45, 48); // right after the free quarter
    ChoisirDuree("MCC1Lundi40Maths", 2);
    EXPECT_EQ(Plages(*C1(), "Maths"), "0:40-41");
    EXPECT_EQ(Plages(*P1(), "C1"), "0:40-41");
    EXPECT_EQ(Hauteur("MCC1Lundi40Maths"), 37);
    ChoisirDuree("MPP1040C1", 2); // the same length
    EXPECT_EQ(Plages(*C1(), "Maths"), "0:40-41");
    EXPECT_TRUE(Messages.Montres.empty());
}

TEST_F(CommandesTest, ZeroDurationRemovesTheCourseFromBothTimetables) {
    ChoisirDuree("MCC1Lundi40Maths", 0);
    EXPECT_EQ(Plages(*C1(), "Maths"), "");
    EXPECT_EQ(Plages(*P1(), "C1"), "");
    EXPECT_EQ(Bloc("MCC1Lundi40Maths"), nullptr);
    EXPECT_EQ(Bloc("MPP1040C1"), nullptr);
    EXPECT_EQ(EtapesMemorisees(), Avant + 1);
    Placer("C1", "Maths", 0, 40, 43);
    ChoisirDuree("MPP1040C1", 0);
    EXPECT_EQ(Plages(*C1(), "Maths"), "");
    EXPECT_EQ(Plages(*P1(), "C1"), "");
    EXPECT_TRUE(Messages.Montres.empty());
}

TEST_F(CommandesTest, ZeroDurationClearsTheSideThatExistsWhenThePartnerIsMissing) {
    C1()->PlacerPlage(3, 40, 43, "Anglais"); // nobody teaches Anglais
    P1()->FixerVolumeClasse("Fantome", 4);   // a class that does not exist
    P1()->PlacerPlage(4, 40, 43, "Fantome");
    Table->RafraichirVues();
    ChoisirDuree("MCC1Jeudi40Anglais", 0);
    EXPECT_EQ(Plages(*C1(), "Anglais"), "");
    ChoisirDuree("MPP1440Fantome", 0);
    EXPECT_EQ(Plages(*P1(), "Fantome"), "");
    EXPECT_EQ(Plages(*C1(), "Maths"), "0:40-43"); // nothing else touched
    EXPECT_TRUE(Messages.Montres.empty());
}

TEST_F(CommandesTest, CancellingTheDialogChangesAndRecordsNothing) {
    ChoisirDuree("MCC1Lundi40Maths", 8, false);
    EXPECT_EQ(Plages(*C1(), "Maths"), "0:40-43");
    EXPECT_EQ(EtapesMemorisees(), Avant);
    EXPECT_FALSE(Sauveur->Modifie);
}

TEST_F(CommandesTest, TheRealDialogIsModalAndClosingItCancels) {
    InstallerDialogues(nullptr); // the Qt dialogs, not the script
    MenuSur("MCC1Lundi40Maths");
    bool Vu = false;
    QTimer::singleShot(0, [&] {
        auto* Dialogue = qobject_cast<TFmodifduree*>(QApplication::activeModalWidget());
        Vu = Dialogue != nullptr;
        if (Dialogue)
            Dialogue->reject();
    });
    Table->Modifierduree1Click();
    EXPECT_TRUE(Vu);
    EXPECT_EQ(EtapesMemorisees(), Avant);
    EXPECT_EQ(Plages(*C1(), "Maths"), "0:40-43");
}

TEST_F(CommandesTest, LengtheningWithoutAShownClassSaysSo) {
    MenuSur("MCC1Lundi40Maths");
    CBclasse()->setCurrentIndex(-1);
    Dialogues.Modal = [](QDialog& Dialogue) {
        Dialogue.findChild<QSpinBox*>(QStringLiteral("UpDown1"))->setValue(5);
        return QDialog::Accepted;
    };
    Table->Modifierduree1Click();
    EXPECT_EQ(Messages.MontresUtf8(), (Textes{"Erreur : cette classe ne peut pas être retrouvée"}));
    EXPECT_EQ(Plages(*C1(), "Maths"), "0:40-43");
    EXPECT_EQ(EtapesMemorisees(), Avant + 1);
}

TEST_F(CommandesTest, RemoveClearsBothTimetables) {
    MenuSur("MCC1Lundi40Maths");
    Table->Supprimer1Click();
    EXPECT_EQ(Plages(*C1(), "Maths"), "");
    EXPECT_EQ(Plages(*P1(), "C1"), "");
    EXPECT_EQ(Bloc("MPP1040C1"), nullptr);
    EXPECT_EQ(Cellules("SGens", 1), (Textes{"Maths", "04h00", "00h00", "04h00"}));
    EXPECT_EQ(EtapesMemorisees(), Avant + 1);

    Placer("C1", "Maths", 0, 40, 43);
    MenuSur("MPP1040C1");
    Table->Supprimer1Click();
    EXPECT_EQ(Plages(*C1(), "Maths"), "");
    EXPECT_EQ(Plages(*P1(), "C1"), "");
    EXPECT_TRUE(Messages.Montres.empty());
}

TEST_F(CommandesTest, RemoveWithAMissingPartnerSaysSoAndClearsTheOwnSide) {
    C1()->PlacerPlage(3, 40, 43, "Anglais");
    P1()->FixerVolumeClasse("Fantome", 4);
    P1()->PlacerPlage(4, 40, 43, "Fantome");
    Table->RafraichirVues();
    MenuSur("MCC1Jeudi40Anglais");
    Table->Supprimer1Click();
    MenuSur("MPP1440Fantome");
    Table->Supprimer1Click();
    EXPECT_EQ(Messages.MontresUtf8(),
              (Textes{"Erreur : le Prof associé ne peut pas être retrouvé",
                      "Erreur : la Classe associée ne peut pas être retrouvée"}));
    EXPECT_EQ(Plages(*C1(), "Anglais"), "");
    EXPECT_EQ(Plages(*P1(), "Fantome"), "");
    EXPECT_EQ(EtapesMemorisees(), Avant + 2);
}

TEST_F(CommandesTest, RemoveWithoutAShownActorRemovesNothing) {
    MenuSur("MCC1Lundi40Maths");
    CBclasse()->setCurrentIndex(-1);
    Table->Supprimer1Click();
    MenuSur("MPP1040C1");
    CBprof()->setCurrentIndex(-1);
    Table->Supprimer1Click();
    EXPECT_EQ(Messages.MontresUtf8(), (Textes{"Erreur : cette classe ne peut pas être retrouvée",
                                              "Erreur : ce Prof ne peut pas être retrouvé"}));
    EXPECT_EQ(Plages(*C1(), "Maths"), "0:40-43");
    EXPECT_EQ(Plages(*P1(), "C1"), "0:40-43");
}

// A locked course refuses, with a beep, every command that would move, remove or resize it,
// from either view; each lock and unlock is one history step.
TEST_F(CommandesTest, ALockedCourseStaysUntilUnlocked) {
    MenuSur("MCC1Lundi40Maths", "Verrouiller1");
    EXPECT_TRUE(C1()->Verrouillee(0, 40));
    MenuSur("MPP1040C1");
    EXPECT_EQ(Table->findChild<QAction*>(QStringLiteral("Verrouiller1"))->text(),
              QStringLiteral("Dé&verrouiller"));
    // Held by the menu or the mouse, it is tinted nowhere, every cell says why, and it goes
    // back locked with nothing to undo.
    const QString Raison = QStringLiteral(
        "Ce cours est verrouillé : déverrouillez-le d'abord (clic droit, Déverrouiller).");
    QWidget* Grille = SGclasse()->viewport();
    for (const char* Id : {"MCC1Lundi40Maths", "MPP1040C1"}) {
        for (const char* Entree : {"Supprimer1", "Modifierduree1"})
            MenuSur(Id, Entree);
        MenuSur(Id, "Deplacer1");
        EXPECT_EQ(Table->statusBar()->currentMessage(), Raison);
        Bouger(Grille, DansCellule(3, 36));
        Appuyer(Grille, DansCellule(3, 36));
        Relacher(Grille, DansCellule(3, 36));
        Appuyer(Bloc(Id), QPoint(19, 10));
        EXPECT_FALSE(Table->PlacesPossibles().Possible(3, 36));
        Bouger(Grille, DansCellule(4, 40));
        EXPECT_EQ(Table->statusBar()->currentMessage(), Raison);
        Relacher(Grille, DansCellule(4, 40));
    }
    EXPECT_EQ(Messages.Bips, 4);
    EXPECT_EQ(Plages(*C1(), "Maths"), "0:40-43");
    EXPECT_EQ(Plages(*P1(), "C1"), "0:40-43");
    EXPECT_TRUE(C1()->Verrouillee(0, 40));
    EXPECT_EQ(EtapesMemorisees(), Avant + 1);
    // Its copy goes where it may and is free; the original stays locked.
    Appuyer(Bloc("MCC1Lundi40Maths"), QPoint(19, 10), Qt::ControlModifier);
    Bouger(Grille, DansCellule(3, 36));
    Relacher(Grille, DansCellule(3, 36));
    EXPECT_EQ(Plages(*C1(), "Maths"), "0:40-43 3:36-39");
    EXPECT_EQ(std::pair(C1()->Verrouillee(0, 40), C1()->Verrouillee(3, 36)),
              std::pair(true, false));
    EXPECT_EQ(EtapesMemorisees(), Avant + 2);
    MenuSur("MPP1040C1", "Verrouiller1");
    MenuSur("MCC1Lundi40Maths", "Supprimer1");
    EXPECT_EQ(Plages(*C1(), "Maths"), "3:36-39");
    EXPECT_EQ(EtapesMemorisees(), Avant + 4);
}

TEST_F(CommandesTest, HelpOpensTheCourseBlockTopic) {
    TAideEnregistreuse Aide;
    MenuSur("MCC1Lundi40Maths", "Aide2");
    EXPECT_EQ(Aide.Rubriques, std::vector<int>{30});
}

TEST_F(CommandesTest, SummaryGridsCarryTheirMenus) {
    auto* SGens = Controle<QTableWidget>(QStringLiteral("SGens"));
    QContextMenuEvent Clic(QContextMenuEvent::Mouse, QPoint(20, 30),
                           SGens->viewport()->mapToGlobal(QPoint(20, 30)));
    QCoreApplication::sendEvent(SGens->viewport(), &Clic);
    EXPECT_TRUE(Table->PPMSerie->isVisible());
    Table->PPMSerie->close();
    ASSERT_EQ(Table->PPMSerie->actions().size(), 2);
    EXPECT_EQ(Table->PPMSerie->actions()[0]->text(), QStringLiteral("&Modifier heures de cours"));
    EXPECT_EQ(Table->PPMSerie->actions()[1]->text(), QStringLiteral("&Disponibilités..."));
    auto* SGcours = Controle<QTableWidget>(QStringLiteral("SGcours"));
    QContextMenuEvent AutreClic(QContextMenuEvent::Mouse, QPoint(20, 30),
                                SGcours->viewport()->mapToGlobal(QPoint(20, 30)));
    QCoreApplication::sendEvent(SGcours->viewport(), &AutreClic);
    EXPECT_TRUE(Table->PPMProf->isVisible());
    Table->PPMProf->close();
    EXPECT_EQ(Table->findChild<QAction*>(QStringLiteral("ModifierheuresProf1"))->text(),
              QStringLiteral("&Modifier heures de cours"));
}
