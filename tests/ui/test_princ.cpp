// The main window: start-up, layout, the two views, their summaries and scrolling.
#include "tests/ui/FenetreDeTest.h"

#include "model/U_texte.h"
#include "scheduling/U_automate.h"
#include "storage/U_registre.h"
#include "ui/dialogs/U_apropos.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>

namespace {

using Textes = std::vector<std::string>;

void Molette(QWidget* Widget, int Delta) {
    QWheelEvent Evenement(QPointF(10, 10), Widget->mapToGlobal(QPointF(10, 10)), QPoint(),
                          QPoint(0, Delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    // As from the window system: an unhandled wheel goes on to the parent.
    QSpontaneKeyEvent::setSpontaneous(&Evenement);
    qApp->notify(Widget, &Evenement);
}

} // namespace

// A window whose timetable comes from a file of the small school.
class FenetreFichierTest : public FenetreTest {
protected:
    void EcrireEmploiDuTemps(const QString& Chemin) {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(Chemin).path()));
        Ouvrir();
        ConstruireEcole();
        Placer("C1", "Maths", 0, 40, 43);
        Sauveur->EcrireFichier(Chemin.toStdString());
        Table.reset();
    }
};

TEST_F(FenetreTest, StartsEmptyWithoutArguments) {
    Ouvrir();
    EXPECT_EQ(FTable, Table.get());
    EXPECT_EQ(Fenetre, Table.get());
    ASSERT_NE(LesSeries, nullptr);
    ASSERT_NE(LesProfs, nullptr);
    ASSERT_NE(LesClasses, nullptr);
    EXPECT_NE(Sauveur, nullptr);
    EXPECT_NE(Registre, nullptr);
    EXPECT_NE(Automate, nullptr);
    EXPECT_EQ(Table->windowTitle(), QStringLiteral("Horalo - Emploi du temps"));
    EXPECT_EQ(CBclasse()->count(), 0);
    EXPECT_EQ(CBprof()->count(), 0);
    for (const char* Resume : {"SGens", "SGcours"}) {
        EXPECT_EQ(Controle<QTableWidget>(QLatin1String(Resume))->rowCount() + 1, 2);
        EXPECT_EQ(Cellules(Resume, 0),
                  (Textes{" Cours   /   Heures", "  A placer", "  Placées", " Restantes"}));
        EXPECT_EQ(Cellules(Resume, 1), (Textes{"", "", "", ""}));
    }
    EXPECT_EQ(Controle<QLabel>(QStringLiteral("L_serie"))->text(), QStringLiteral("..."));
    EXPECT_EQ(Table->NomFichierEnregistrement, "Defaut");
    EXPECT_EQ(Table->DureeChoisie, 0);
    EXPECT_EQ(Table->DebutPris, 32);
    // The about box comes up first, without waiting.
    ASSERT_NE(Table->F_apropos, nullptr);
    EXPECT_TRUE(Table->F_apropos->isVisible());
    EXPECT_TRUE(Messages.Montres.empty());
}

TEST_F(FenetreTest, LayoutFollowsTheForm) {
    Ouvrir();
    EXPECT_EQ(Table->centralWidget()->size(), QSize(618, 499));
    EXPECT_EQ(Controle<QGroupBox>(QStringLiteral("GBTotalClasse"))->geometry(),
              QRect(1, 8, 305, 489));
    EXPECT_EQ(Controle<QGroupBox>(QStringLiteral("GBTotalProf"))->geometry(),
              QRect(310, 8, 305, 489));
    for (const char* Grille : {"SGclasse", "SGProf"}) {
        auto* G = Controle<QTableWidget>(QLatin1String(Grille));
        EXPECT_EQ(G->size(), QSize(277, 915));
        ASSERT_EQ(G->columnCount(), 7);
        ASSERT_EQ(G->rowCount(), 48);
        // 39 x 19 per cell, its line included: day d's column starts at 39 (d + 1).
        EXPECT_EQ(G->columnViewportPosition(3), 117);
        EXPECT_EQ(G->rowViewportPosition(47), 893);
        EXPECT_EQ(G->item(0, 0)->text(), QStringLiteral("08h00"));
        EXPECT_EQ(G->item(5, 0)->text(), QStringLiteral("09h15"));
        EXPECT_EQ(G->item(47, 0)->text(), QStringLiteral("19h45"));
    }
    for (const char* Fond : {"PClasseFond", "PProfFond"})
        EXPECT_EQ(Controle<QWidget>(QLatin1String(Fond))->size(), QSize(293, 308));
    for (QScrollBar* Barre : {SBClasse(), SBProf()}) {
        EXPECT_EQ(Barre->size(), QSize(13, 307));
        EXPECT_EQ(Barre->minimum(), 0);
        EXPECT_EQ(Barre->maximum(), 607);
        EXPECT_EQ(Barre->singleStep(), 19);
        EXPECT_EQ(Barre->pageStep(), 76);
    }
    EXPECT_EQ(Controle<QTableWidget>(QStringLiteral("SGens"))->size(), QSize(293, 91));
    EXPECT_EQ(Controle<QLabel>(QStringLiteral("Label5"))->text(), QStringLiteral("Lundi"));
    EXPECT_EQ(Controle<QLabel>(QStringLiteral("Label16"))->text(), QStringLiteral("Samedi"));
}

TEST_F(FenetreTest, ResizedTheGridsShowAWholeDayAndTheNextStartKeepsTheSize) {
    const TRegistrePrive Prive;
    Ouvrir();
    ConstruireEcole();
    const QSize Base = Table->size();
    auto* Resume = Controle<QTableWidget>(QStringLiteral("SGens"));
    const QSize ResumeBase = Resume->size();
    // Its header reads whole, even beside the scroll bar of C1's four rows.
    ASSERT_TRUE(QTest::qWaitFor([Resume] { return Resume->verticalScrollBar()->isVisible(); }));
    EXPECT_GE(Resume->columnWidth(0),
              Resume->fontMetrics().horizontalAdvance(Resume->horizontalHeaderItem(0)->text()) +
                  2 * Resume->style()->pixelMetric(QStyle::PM_HeaderMargin));
    const auto Redimensionner = [this](QSize Taille) { // as the user drags a corner
        Table->resize(Taille);
        ASSERT_TRUE(QTest::qWaitFor([&] { return Table->size() == Taille; }));
    };
    Redimensionner(Base + QSize(300, 700));
    for (QScrollBar* Barre : {SBClasse(), SBProf()})
        EXPECT_EQ(Barre->maximum(), 0); // nothing left to scroll to
    const QWidget* Fond = Controle<QWidget>(QStringLiteral("PClasseFond"));
    EXPECT_TRUE(Fond->rect().contains(
        SGclasse()->mapTo(Fond, QPoint(273, SGclasse()->rowViewportPosition(47) + 18))));
    EXPECT_GT(Resume->width(), ResumeBase.width());
    EXPECT_GT(Resume->height(), ResumeBase.height());

    Table.reset();
    Ouvrir();
    EXPECT_EQ(Table->size(), Base + QSize(300, 700));
    Table.reset();
}

TEST_F(FenetreFichierTest, ArgumentsAreJoinedWithBlanksIntoOneFileName) {
    QTemporaryDir Dossier;
    ASSERT_TRUE(Dossier.isValid());
    const QString Chemin = Dossier.path() + QStringLiteral("/Mes edt/a.edt");
    EcrireEmploiDuTemps(Chemin);
    Ouvrir({Dossier.path() + QStringLiteral("/Mes"), QStringLiteral("edt/a.edt")});
    EXPECT_TRUE(Messages.Montres.empty()) << Messages.MontresUtf8().front();
    EXPECT_EQ(Table->windowTitle(), QStringLiteral("Horalo - Emploi du temps - ") + Chemin);
    EXPECT_EQ(Table->NomFichierOuverture, Chemin.toStdString());
    EXPECT_EQ(Table->NomFichierEnregistrement, Chemin.toStdString());
    EXPECT_EQ(CBclasse()->count(), 2);
    EXPECT_EQ(Table->ClasseAffichee(), "C1");
    EXPECT_EQ(Plages(*C1(), "Maths"), "0:40-43");
    ASSERT_NE(Bloc("MCC1Lundi40Maths"), nullptr);
    EXPECT_TRUE(Bloc("MCC1Lundi40Maths")->isVisible());
}

TEST_F(FenetreTest, UnreadableFileShowsThePlatformErrorAndKeepsTheCaption) {
    QTemporaryDir Dossier;
    const QString Chemin = Dossier.path() + QStringLiteral("/absent/x.edt");
    Ouvrir({Chemin});
    ASSERT_EQ(Messages.Montres.size(), 1u);
    EXPECT_EQ(Messages.MontresUtf8()[0].rfind("Erreur: ", 0), 0u);
    EXPECT_NE(Messages.MontresUtf8()[0].find(Chemin.toStdString()), std::string::npos);
    EXPECT_EQ(Table->windowTitle(), QStringLiteral("Horalo - Emploi du temps"));
    EXPECT_EQ(Table->NomFichierEnregistrement, "Defaut");
    ASSERT_NE(LesClasses, nullptr);
    EXPECT_EQ(LesClasses->Nombre(), 0);
    EXPECT_NE(LesProfs, nullptr);
    EXPECT_NE(LesSeries, nullptr);
}

TEST_F(FenetreTest, DamagedFileIsReportedThenNamedInTheCaption) {
    QTemporaryDir Dossier;
    const QString Chemin = Dossier.path() + QStringLiteral("/abime.edt");
    {
        QFile Fichier(Chemin);
        ASSERT_TRUE(Fichier.open(QIODevice::WriteOnly));
        Fichier.write("Horalo\n2\nS1\nnot a number\n");
    }
    Ouvrir({Chemin});
    EXPECT_EQ(Messages.MontresUtf8(),
              (Textes{"Erreur : lors de l'ouverture de " + Chemin.toStdString()}));
    EXPECT_EQ(Table->windowTitle(), QStringLiteral("Horalo - Emploi du temps - ") + Chemin);
    EXPECT_EQ(LesSeries->Nombre(), 0);
    EXPECT_EQ(CBclasse()->count(), 0);

    // Saving never writes the empty timetable over the file that failed to open.
    LesSeries->AjouterSerie("S");
    QTest::keyClick(Table.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(Dialogues.NomsProposes, QStringList{QStringLiteral("Defaut")});
    QFile Fichier(Chemin);
    ASSERT_TRUE(Fichier.open(QIODevice::ReadOnly));
    EXPECT_EQ(Fichier.readAll(), QByteArray("Horalo\n2\nS1\nnot a number\n"));
}

TEST_F(FenetreFichierTest, ALongPathIsOpenedWhole) {
    QTemporaryDir Dossier;
    QString Chemin = Dossier.path();
    while (Chemin.size() < 300)
        Chemin += QStringLiteral("/un dossier au nom assez long");
    Chemin += QStringLiteral("/a.edt");
    EcrireEmploiDuTemps(Chemin);
    Ouvrir(Chemin.split(QLatin1Char(' ')));
    EXPECT_TRUE(Messages.Montres.empty());
    EXPECT_EQ(Table->NomFichierEnregistrement, Chemin.toStdString());
    EXPECT_EQ(Plages(*C1(), "Maths"), "0:40-43");
}

TEST_F(FenetreTest, SummariesCountPlacedHoursAndFlagOverruns) {
    Ouvrir();
    ConstruireEcole();
    LesSeries->Trouver("S1")->FixerVolume("Francais", 6);
    Placer("C1", "Francais", 0, 40, 43);
    Placer("C1", "Francais", 1, 40, 43);
    Montrer("C1", "P2");
    // Rows follow the series' subject order: Maths, Francais, Anglais.
    EXPECT_EQ(Cellules("SGens", 1), (Textes{"Maths", "04h00", "00h00", "04h00"}));
    EXPECT_EQ(Cellules("SGens", 2), (Textes{"Francais", "01h30", "02h00", "Dépassement"}));
    EXPECT_EQ(Controle<QTableWidget>(QStringLiteral("SGens"))->rowCount() + 1,
              5); // with the header
    EXPECT_EQ(Cellules("SGens", 4), (Textes{"", "", "", ""}));
    EXPECT_EQ(Cellules("SGcours", 1), (Textes{"C1", "01h30", "02h00", "Dépassement"}));
    EXPECT_EQ(Cellules("SGcours", 2), (Textes{"C2", "01h30", "00h00", "01h30"}));
    EXPECT_EQ(Controle<QLabel>(QStringLiteral("L_serie"))->text(), QStringLiteral("S1"));
    EXPECT_EQ(Controle<QLabel>(QStringLiteral("L_matiere"))->text(), QStringLiteral("Francais"));

    C1()->EffacerPlage(1, 40, true);
    P2()->EffacerPlage(1, 40, true);
    Table->RafraichirVues();
    EXPECT_EQ(Cellules("SGens", 2), (Textes{"Francais", "01h30", "01h00", "00h30"}));
    EXPECT_EQ(Cellules("SGcours", 1), (Textes{"C1", "01h30", "01h00", "00h30"}));
    // A volume beyond 63h45 (one read from a file) keeps its real hours.
    LesSeries->Trouver("S1")->FixerVolume("Anglais", 300);
    Table->RafraichirVues();
    EXPECT_EQ(Cellules("SGens", 3), (Textes{"Anglais", "75h00", "00h00", "75h00"}));
}

TEST_F(FenetreTest, SwitchingTheClassShowsOnlyItsBlocks) {
    Ouvrir();
    ConstruireEcole();
    Placer("C1", "Maths", 0, 40, 43);
    Placer("C2", "Maths", 1, 40, 43);
    Montrer("C1", "P1");
    TBlocVue* DeC1 = Bloc("MCC1Lundi40Maths");
    TBlocVue* DeC2 = Bloc("MCC2Mardi40Maths");
    ASSERT_NE(DeC1, nullptr);
    ASSERT_NE(DeC2, nullptr);
    EXPECT_TRUE(DeC1->isVisible());
    EXPECT_FALSE(DeC2->isVisible());
    EXPECT_EQ(DeC1->parentWidget()->objectName(), QStringLiteral("PClasse"));
    EXPECT_EQ(DeC1->geometry(), QRect(41, 154, 38, 75));
    // Both of the teacher's blocks show in its view, with the day as a digit.
    EXPECT_TRUE(Bloc("MPP1040C1")->isVisible());
    EXPECT_TRUE(Bloc("MPP1140C2")->isVisible());
    EXPECT_EQ(Bloc("MPP1040C1")->parentWidget()->objectName(), QStringLiteral("PProf"));

    CBclasse()->setCurrentIndex(CBclasse()->findText(QStringLiteral("C2")));
    Table->CBclasseChange();
    EXPECT_FALSE(DeC1->isVisible());
    EXPECT_TRUE(DeC2->isVisible());

    // A name that is no class hides the old blocks and leaves the summary alone.
    const auto Avant = Cellules("SGens", 1);
    CBclasse()->setCurrentIndex(-1);
    Table->CBclasseChange();
    EXPECT_FALSE(DeC2->isVisible());
    EXPECT_EQ(Cellules("SGens", 1), Avant);
}

TEST_F(FenetreTest, RefreshFallsBackToTheFirstClassWhenTheShownOneIsGone) {
    Ouvrir();
    ConstruireEcole();
    Placer("C2", "Maths", 0, 40, 43);
    Montrer("C2", "P1");
    ASSERT_TRUE(Bloc("MCC2Lundi40Maths")->isVisible());
    LesClasses->Supprimer("C2");
    EXPECT_EQ(Bloc("MCC2Lundi40Maths"), nullptr); // the widget went with its block
    EXPECT_EQ(Bloc("MPP1040C2"), nullptr);
    Table->RafraichirVues();
    EXPECT_EQ(Table->ClasseAffichee(), "C1");
    EXPECT_EQ(CBclasse()->count(), 1);
}

TEST_F(FenetreTest, NamesKeepTheirExactBytesInTheLists) {
    Ouvrir();
    ConstruireEcole();
    const std::string Nom = Ansi("Élèves de 6ème") + "\x81"; // 0x81 has no character
    ASSERT_NE(LesClasses->AjouterClasse(Nom, "S1"), nullptr);
    LesClasses->AjouterClasse("alpha", "S1");
    Table->RafraichirVues();
    // Sorted as a user expects: case and accents do not come first.
    QStringList Ordre;
    for (int i = 0; i < CBclasse()->count(); ++i)
        Ordre << CBclasse()->itemText(i);
    EXPECT_EQ(Ordre.first(), QStringLiteral("alpha"));
    EXPECT_TRUE(Ordre.at(3).startsWith(QStringLiteral(u"Élèves")));
    Table->RetablirAffichage(Nom, "");
    EXPECT_EQ(Table->ClasseAffichee(), Nom);
    EXPECT_EQ(Table->ProfAffiche(), "P1"); // absent: the first teacher
}

TEST_F(FenetreTest, WheelScrollsFiveRowsANotchUpToTheEnd) {
    Ouvrir();
    QWidget* Grille = SGclasse()->viewport();
    const int Attendus[] = {95, 190, 285, 380, 475, 570, 607};
    for (const int Position : Attendus) {
        Molette(Grille, -120);
        EXPECT_EQ(SBClasse()->value(), Position);
    }
    EXPECT_EQ(Controle<QWidget>(QStringLiteral("PClasse"))->y(), -607);
    EXPECT_EQ(SBProf()->value(), 0); // each view scrolls on its own
    Molette(Grille, 120);
    EXPECT_EQ(SBClasse()->value(), 512);
    // Half notches add up.
    Molette(SGProf()->viewport(), -60);
    EXPECT_EQ(SBProf()->value(), 0);
    Molette(SGProf()->viewport(), -60);
    EXPECT_EQ(SBProf()->value(), 95);
    EXPECT_EQ(Controle<QWidget>(QStringLiteral("PProf"))->y(), -95);
}

TEST_F(FenetreTest, WheelOverABlockScrollsItsView) {
    Ouvrir();
    ConstruireEcole();
    Placer("C1", "Maths", 0, 40, 43);
    Molette(Bloc("MCC1Lundi40Maths"), -120);
    EXPECT_EQ(SBClasse()->value(), 95);
}

TEST_F(FenetreTest, FocusFollowsThePointerAcrossTheGrids) {
    Ouvrir();
    Table->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Table.get()));
    Bouger(SGProf()->viewport(), QPoint(100, 100));
    EXPECT_TRUE(SGProf()->hasFocus());
    Bouger(SGclasse()->viewport(), QPoint(100, 100));
    EXPECT_TRUE(SGclasse()->hasFocus());
}

TEST_F(FenetreTest, BlockWidgetPaintsItsColourAndFollowsItsBlock) {
    Ouvrir();
    ConstruireEcole();
    LesSeries->Trouver("S1")->Heures->Trouver("Maths")->Couleur = 0x0000FF; // $00BBGGRR: red
    Placer("C1", "Maths", 0, 40, 41);
    Montrer("C1", "P1");
    TBlocVue* Vue = Bloc("MCC1Lundi40Maths");
    ASSERT_NE(Vue, nullptr);
    EXPECT_EQ(Vue->height(), 37);
    EXPECT_EQ(Vue->grab().toImage().pixelColor(1, 30), QColor(255, 0, 0));
    EXPECT_EQ(Vue->grab().toImage().pixelColor(0, 30), QColor(153, 0, 0)); // its frame
    const QImage Blanc = Bloc("MPP1040C1")->grab().toImage();              // the teacher's, white
    EXPECT_EQ(Blanc.pixelColor(37, 30), QColor(153, 153, 153));
    EXPECT_EQ(Blanc.pixelColor(36, 30), QColor(Qt::white));
    C1()->EffacerPlage(0, 40, true);
    EXPECT_EQ(Bloc("MCC1Lundi40Maths"), nullptr);
}

TEST_F(FenetreTest, AutomaticPlacementFillsTheViewsAndRecordsAStep) {
    Ouvrir();
    ConstruireEcole();
    const int Avant = EtapesMemorisees();
    Table->Automatique1Click();
    EXPECT_EQ(Plages(*C1(), "Maths").empty(), false);
    EXPECT_EQ(C1()->CompterQuarts("Maths"), 16);
    EXPECT_EQ(Cellules("SGens", 1), (Textes{"Maths", "04h00", "04h00", "00h00"}));
    EXPECT_EQ(EtapesMemorisees(), Avant + 1);
    EXPECT_TRUE(Sauveur->Modifie);
}

TEST_F(FenetreTest, UndoAndRedoRestoreTheModelAndTheShownActors) {
    Ouvrir();
    ConstruireEcole();
    Sauveur->Memoriser();
    Placer("C2", "Francais", 2, 50, 53);
    Sauveur->Memoriser();
    Montrer("C2", "P2");
    Table->Edition1Click();
    EXPECT_TRUE(Controle<QAction>(QStringLiteral("Annuler1"))->isEnabled());
    EXPECT_FALSE(Controle<QAction>(QStringLiteral("Refaire1"))->isEnabled());

    Table->Annuler1Click();
    EXPECT_EQ(Plages(*C2(), "Francais"), "");
    EXPECT_EQ(Table->ClasseAffichee(), "C2");
    EXPECT_EQ(Table->ProfAffiche(), "P2");
    Table->Edition1Click();
    EXPECT_TRUE(Controle<QAction>(QStringLiteral("Refaire1"))->isEnabled());

    Table->Refaire1Click();
    EXPECT_EQ(Plages(*C2(), "Francais"), "2:50-53");
    ASSERT_NE(Bloc("MCC2Mercredi50Francais"), nullptr);
    EXPECT_TRUE(Bloc("MCC2Mercredi50Francais")->isVisible());
}

TEST_F(FenetreTest, ClosingAModifiedTimetableAsksFirst) {
    Ouvrir();
    ConstruireEcole();
    Sauveur->Memoriser();
    Messages.Reponses = {TReponse::Abandon, TReponse::Non};
    EXPECT_FALSE(Table->close());
    EXPECT_TRUE(Table->isVisible());
    EXPECT_EQ(Messages.Questions, (Textes{"Voulez vous sauvegarder ?"}));
    EXPECT_TRUE(Table->close());
    EXPECT_EQ(Messages.Questions.size(), 2u);
}

TEST_F(FenetreTest, ClosingAnUnchangedTimetableAsksNothing) {
    Ouvrir();
    EXPECT_TRUE(Table->close());
    EXPECT_TRUE(Messages.Questions.empty());
}

TEST_F(FenetreFichierTest, SavingTheOpenedFileOnCloseWritesIt) {
    QTemporaryDir Dossier;
    const QString Chemin = Dossier.path() + QStringLiteral("/a.edt");
    EcrireEmploiDuTemps(Chemin);
    Ouvrir({Chemin});
    LesSeries->AjouterSerie("Nouvelle");
    Sauveur->Memoriser();
    Messages.Reponses = {TReponse::Oui};
    EXPECT_TRUE(Table->close());
    QFile Fichier(Chemin);
    ASSERT_TRUE(Fichier.open(QIODevice::ReadOnly));
    EXPECT_TRUE(Fichier.readAll().contains("Nouvelle"));
    EXPECT_FALSE(Sauveur->Modifie);
}

TEST_F(FenetreTest, ShutDownDestroysEveryGlobalObject) {
    Ouvrir();
    ConstruireEcole();
    Placer("C1", "Maths", 0, 40, 43);
    Table.reset();
    EXPECT_EQ(FTable, nullptr);
    EXPECT_EQ(Fenetre, nullptr);
    EXPECT_EQ(LesClasses, nullptr);
    EXPECT_EQ(LesProfs, nullptr);
    EXPECT_EQ(LesSeries, nullptr);
    EXPECT_EQ(Sauveur, nullptr);
    EXPECT_EQ(Registre, nullptr);
    EXPECT_EQ(Automate, nullptr);
    EXPECT_EQ(PanneauClasse.Fabrique, nullptr);
}

TEST_F(FenetreTest, ClosingANewTimetableWithYesAsksForAFileAndSavesIt) {
    Ouvrir();
    QTemporaryDir Dossier;
    const QString Chemin = Dossier.path() + QStringLiteral("/nouveau.edt");
    Dialogues.Fichiers = {Chemin};
    LesSeries->AjouterSerie("S");
    Sauveur->Memoriser();
    Messages.Reponses = {TReponse::Oui};
    EXPECT_TRUE(Table->close());
    EXPECT_EQ(Dialogues.NomsProposes, QStringList{QStringLiteral("Defaut")});
    EXPECT_TRUE(QFile::exists(Chemin));
    EXPECT_EQ(Table->NomFichierEnregistrement, Chemin.toStdString());
    EXPECT_EQ(Table->windowTitle(), QStringLiteral("Horalo - Emploi du temps - ") + Chemin);
}

TEST_F(FenetreTest, CancellingTheSaveDialogWhileClosingKeepsTheWindowAndTheChanges) {
    Ouvrir();
    LesSeries->AjouterSerie("S");
    Sauveur->Memoriser();
    Messages.Reponses = {TReponse::Oui};
    EXPECT_FALSE(Table->close());
    EXPECT_TRUE(Sauveur->Modifie);
    EXPECT_TRUE(LesSeries->Existe("S"));
    EXPECT_EQ(Table->NomFichierEnregistrement, "Defaut");
}
