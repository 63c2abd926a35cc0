// The series form: its grid edited in place, the dialogs its cells open, and what each
// button does to the series, their classes and teachers, and the history.
#include "model/U_texte.h"
#include "tests/support/ModeleDeTest.h"
#include "tests/ui/SaisieDeTest.h"
#include "ui/dialogs/U_saisieserie.h"
#include "ui/main/U_aideqt.h"

#include <QTabWidget>
#include <QTemporaryDir>

namespace {

using Textes = std::vector<std::string>;

class SerieTest : public SaisieTest {
protected:
    static QTableWidget* Grille(const QWidget& F) {
        return Dans<QTableWidget>(F, "SGHeureMatiere");
    }
    static QComboBox* Nom(const QWidget& F) { return Dans<QComboBox>(F, "CB_nom"); }
    static QRect Cellule(QTableWidget* G, int Rangee, int Colonne) {
        const QModelIndex Index = G->model()->index(Rangee, Colonne);
        G->scrollTo(Index);
        return G->visualRect(Index);
    }
    // A volume or colour cell clicked opens its dialog.
    static void Clic(QTableWidget* G, int Rangee, int Colonne) {
        QTest::mouseClick(G->viewport(), Qt::LeftButton, {}, Cellule(G, Rangee, Colonne).center());
    }
    // The cell clicked, then typed over and left with the key Fin.
    static void Ecrire(QTableWidget* G, int Rangee, int Colonne, const QString& Texte,
                       Qt::Key Fin = Qt::Key_Return) {
        Clic(G, Rangee, Colonne);
        QTest::keyClick(G, Qt::Key_F2);
        auto* Editeur = qobject_cast<QLineEdit*>(G->indexWidget(G->currentIndex()));
        ASSERT_NE(Editeur, nullptr);
        Editeur->selectAll();
        Taper(Editeur, Texte);
        QTest::keyClick(Editeur, Fin);
    }
    static std::string Ligne(QTableWidget* G, int Rangee) { // "name|volume|colour"
        std::string Texte;
        for (int c = 0; c < 3; ++c)
            Texte += (c ? "|" : "") +
                     (G->item(Rangee, c) ? G->item(Rangee, c)->text().toStdString() : "");
        return Texte;
    }
    static std::string MatieresDe(const char* Serie) { // UTF-8
        const TSerie* S = LesSeries->Trouver(Serie);
        return S ? Utf8(Matieres(*S)) : "(none)";
    }
    // The form made directly, on S1.
    static void Afficher(TF_serie& F) {
        F.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&F));
    }
    TSerie* S1() const { return LesSeries->Trouver("S1"); }
};

} // namespace

TEST_F(SerieTest, MenuAndPopupOpenTheSeriesOfTheShownClass) {
    LesSeries->AjouterSerie("A"); // listed first, yet C1's series is shown
    for (const char* Entree : {"Serie1", "ModifierHeuresSerie1"}) {
        Textes Vu;
        Lancer(Entree, [&](QDialog& F) {
            Vu = {Nom(F)->currentText().toStdString(), Ligne(Grille(F), 0), Ligne(Grille(F), 2),
                  Ligne(Grille(F), 3), std::to_string(Grille(F)->rowCount())};
        });
        EXPECT_EQ(Vu, (Textes{"S1", "Maths|04h00|16777215", "Anglais|02h00|16777215", "||", "19"}))
            << Entree;
    }
    EXPECT_EQ(Dialogues.Formes, QStringList(2, QStringLiteral("TF_serie")));
    EXPECT_EQ(Etapes(), 0);
}

TEST_F(SerieTest, AjouterCreatesTheSeriesFromTheRowsOnceForEachExactName) {
    Durees = {6, 10, -1};
    Dialogues.Couleurs = {QColor(0, 0, 255)};
    Lancer("Serie1", [&](QDialog& F) {
        auto* G = Grille(F);
        Remplacer(Nom(F), QStringLiteral(u"S2Ω")); // Ω is no Windows-1252 character
        EXPECT_EQ(Ligne(G, 0), "||");              // a name typed starts from an empty grid
        // Tab from the name to the volume, then to the colour: each opens its dialog.
        Ecrire(G, 0, 0, QStringLiteral(u"PhysiqueΩ"), Qt::Key_Tab);
        QTest::keyClick(G->indexWidget(G->currentIndex()), Qt::Key_Tab);
        Ecrire(G, 1, 0, QStringLiteral("Chimie"));
        Clic(G, 1, 1);
        Clic(G, 1, 1); // the cell already selected: opened again, on its volume, cancelled
        Ecrire(G, 2, 0, QStringLiteral(u"Sciences économiques"));
        Ecrire(G, 2, 1, QStringLiteral("01h00")); // its dialog closed, the time typed
        Cliquer(F, "B_Ajouter");
        Cliquer(F, "B_Ajouter");
        Remplacer(Nom(F), QStringLiteral("s2"));
        Cliquer(F, "B_Ajouter");
        Remplacer(Nom(F), QStringLiteral("   "));
        Cliquer(F, "B_Ajouter");
    });
    EXPECT_EQ(MatieresDe("S2"),
              "Physique 6 16711680, Chimie 10 16777215, Sciences économiques 4 16777215");
    EXPECT_EQ(MatieresDe("s2"), "");
    EXPECT_EQ(DureesDeDepart, (std::vector<int>{0, 0, 10, 0}));
    EXPECT_EQ(MaximumsDeDuree, (std::vector<int>(4, 40)));
    EXPECT_EQ(Messages.MontresUtf8(), (Textes{"Erreur: Une série de ce nom existe déjà",
                                              "Erreur: Veuillez indiquer le nom de la série"}));
    EXPECT_EQ(LesSeries->Nombre(), 3);
    EXPECT_EQ(Etapes(), 2);
}

TEST_F(SerieTest, BackspaceThenModifierClearsEveryCourseOfItsClasses) {
    Placer("C1", "Maths", 0, 40, 43);
    Placer("C2", "Francais", 1, 40, 47);
    Montrer("C1", "P1");
    Sauveur->Memoriser(); // the state undo comes back to
    Avant = EtapesMemorisees();
    Lancer("Serie1", [&](QDialog& F) {
        QTest::keyClick(Nom(F), Qt::Key_Tab); // leaving the box types nothing
        EXPECT_EQ(Ligne(Grille(F), 0), "Maths|04h00|16777215");
        Taper(Nom(F), QStringLiteral("x"));
        QTest::keyClick(Nom(F), Qt::Key_Backspace);
        EXPECT_EQ(Ligne(Grille(F), 0), "||");
        Cliquer(F, "B_Modifier");
    });
    EXPECT_EQ(MatieresDe("S1"), "");
    EXPECT_EQ(Plages(*C1(), "Maths") + Plages(*C2(), "Francais"), "");
    for (const TProf* P : {P1(), P2()}) { // the classes left their teachers
        EXPECT_EQ(P->Heures->Nombre(), 0) << P->Nom;
        EXPECT_EQ(Plages(*P, "C1") + Plages(*P, "C2"), "") << P->Nom;
    }
    EXPECT_EQ(Bloc("MCC1Lundi40Maths"), nullptr);
    EXPECT_EQ(Etapes(), 1);

    Table->findChild<QAction*>(QStringLiteral("Annuler1"))->trigger();
    EXPECT_EQ(Plages(*C1(), "Maths"), "0:40-43");
    EXPECT_EQ(Plages(*P2(), "C2"), "1:40-47");
}

TEST_F(SerieTest, ModifierReadsTheTypedCellsAndClearsTheCoursesOfASubjectRenamed) {
    struct Cas {
        int Rangee, Colonne;
        const char* Tape;
        const char* Apres; // S1's first subject
        int QuartsDeMaths, EtapesApres;
    };
    const Cas Tableau[] = {{0, 0, "Maths", "Maths 16 255", 4, 0},
                           {0, 1, "05h00", "Maths 20 255", 4, 1},
                           {0, 1, "99h00", "Maths 20 255", 4, 0}, // refused, not 02h00
                           {0, 2, "abc", "Maths 20 16777215", 4, 1},
                           {0, 0, "  ", "Maths 20 16777215", 4, 0}, // refused
                           {0, 0, "Math", "Math 20 16777215", 0, 1}};
    S1()->Heures->Trouver("Maths")->Couleur = 255;
    Placer("C1", "Maths", 0, 40, 43);
    TF_serie F(Table.get());
    Afficher(F);
    for (const Cas& c : Tableau) {
        Ecrire(Grille(F), c.Rangee, c.Colonne, QString::fromLatin1(c.Tape));
        Cliquer(F, "B_Modifier");
        EXPECT_EQ(MatieresDe("S1").substr(0, std::string(c.Apres).size()), c.Apres);
        EXPECT_EQ(Plages(*C1(), "Maths"), c.QuartsDeMaths ? "0:40-43" : "") << c.Tape;
        EXPECT_EQ(P1()->CompterQuarts("C1"), c.QuartsDeMaths) << c.Tape;
        EXPECT_EQ(P1()->Heures->Existe("C1"), c.QuartsDeMaths > 0) << c.Tape;
        EXPECT_EQ(Etapes(), c.EtapesApres) << c.Tape;
        Avant = EtapesMemorisees();
        QCoreApplication::processEvents(); // a refusal is told once its editor has closed
    }
    EXPECT_EQ(Messages.MontresUtf8(),
              (Textes{"Erreur: « 99h00 » n'est pas une durée : tapez HHhMM, au quart d'heure, de "
                      "00h00 à 24h00. La valeur précédente est gardée.",
                      "Erreur: Veuillez indiquer le nom de chaque matière"}));
}

TEST_F(SerieTest, ColourCellsOpenThePickerAndShowTheirColour) {
    S1()->Heures->Trouver("Maths")->Couleur = 255; // red
    S1()->Heures->Trouver("Francais")->Couleur = 0;
    TF_serie F(Table.get());
    Afficher(F);
    auto* G = Grille(F);
    const auto Fond = [G](int Rangee) {
        const QRect R = Cellule(G, Rangee, 2);
        return G->viewport()->grab().toImage().pixelColor(R.right() - 8, R.center().y());
    };
    EXPECT_EQ(Fond(0), QColor(255, 0, 0));
    Dialogues.Couleurs = {QColor(0, 128, 0)};
    Clic(G, 0, 2);
    Clic(G, 1, 2); // cancelled; a colour of 0 lets the picker keep its own
    Dialogues.EchecCouleur = true;
    Clic(G, 0, 2);
    EXPECT_EQ(Dialogues.CouleursDeDepart, (std::vector<std::optional<QColor>>{
                                              QColor(255, 0, 0), std::nullopt, QColor(0, 128, 0)}));
    EXPECT_EQ(Messages.MontresUtf8(), Textes{"Erreur: Erreur lors de la sélection de couleurs"});
    EXPECT_EQ(Ligne(G, 0), "Maths|04h00|32768");
    EXPECT_EQ(Ligne(G, 1), "Francais|03h00|0");
    EXPECT_EQ(Fond(0), QColor(0, 128, 0));
    EXPECT_EQ(Fond(1), QColor(0, 0, 0));
    EXPECT_EQ(MatieresDe("S1").substr(0, 12), "Maths 16 255"); // until "Modifier"
}

TEST_F(SerieTest, MoreThanNineteenSubjectsAreKeptWhole) {
    for (int n = 4; n <= 25; ++n)
        S1()->FixerVolume("M" + std::to_string(n), 4);
    LesProfs->AjouterProf("P25", "M25");
    C1()->AssocierProf("M25", "P25");
    LesProfs->Trouver("P25")->FixerVolumeClasse("C1", 4);
    Placer("C1", "M25", 2, 40, 43);
    TF_serie F(Table.get());
    Afficher(F);
    auto* G = Grille(F);
    EXPECT_EQ(G->rowCount(), 26);
    Cliquer(F, "B_Modifier");
    EXPECT_EQ(S1()->Heures->Nombre(), 25);
    EXPECT_EQ(Plages(*C1(), "M25"), "2:40-43");
    EXPECT_EQ(Etapes(), 0); // nothing changed

    Ecrire(G, 25, 0, QStringLiteral("M26"));
    Ecrire(G, 25, 1, QStringLiteral("00h45"));
    EXPECT_EQ(G->rowCount(), 27); // one empty row after the last one filled
    Cliquer(F, "B_Modifier");
    EXPECT_EQ(S1()->VolumeDe("M26"), 3);
    EXPECT_EQ(S1()->Heures->Nombre(), 26);
    EXPECT_EQ(Etapes(), 1);
}

TEST_F(SerieTest, SupprimerDeletesTheSeriesWithItsClassesThenModifierFindsNone) {
    Placer("C1", "Maths", 0, 40, 43);
    Lancer("Serie1", [&](QDialog& F) {
        Cliquer(F, "B_Supprimer");
        EXPECT_TRUE(Nom(F)->currentText().isEmpty());
        EXPECT_EQ(Nom(F)->count(), 0);
        EXPECT_EQ(Ligne(Grille(F), 0), "||");
        Cliquer(F, "B_Supprimer"); // no such series: nothing to delete
        Cliquer(F, "B_Modifier");
        EXPECT_EQ(CBclasse()->count(), 2); // the window is refreshed when the form closes
        Cliquer(F, "B_fin");
        EXPECT_EQ(CBclasse()->count(), 0);
    });
    EXPECT_EQ(LesSeries->Nombre(), 0);
    EXPECT_EQ(LesClasses->Nombre(), 0);
    EXPECT_EQ(Plages(*P1(), "C1"), "");
    EXPECT_EQ(P1()->Heures->Nombre() + P2()->Heures->Nombre(), 0);
    EXPECT_EQ(Cellules("SGcours", 1), (Textes{"", "", "", ""})); // P2's summary
    EXPECT_EQ(Messages.MontresUtf8(), Textes{"Erreur: La série n'existe pas"});
    EXPECT_EQ(Etapes(), 1);
}

TEST_F(SerieTest, TheHelpReadBesideTheFormStaysUsable) {
    QTemporaryDir Dossier;
    TAideQt Visionneuse(CopierCollection(TrouverCollection(QCoreApplication::applicationDirPath()),
                                         Dossier.path()));
    InstallerAide(&Visionneuse);
    const std::unique_ptr<IAide, void (*)(IAide*)> Retrait(&Visionneuse,
                                                           [](IAide*) { InstallerAide(nullptr); });
    QTest::keyClick(Table.get(), Qt::Key_F1);
    TFAide* Aide = Visionneuse.Fenetre();
    ASSERT_NE(Aide, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Aide));
    // Clicks through the window system, which drops those a modal window blocks.
    const auto Clic = [Aide](QWidget* Cible, QPoint Point) {
        QTest::mouseClick(Aide->windowHandle(), Qt::LeftButton, {}, Cible->mapTo(Aide, Point));
    };
    auto* Onglets = Aide->findChild<QTabWidget*>(QStringLiteral("Onglets"));
    Lancer("Serie1", [&](QDialog& F) {
        F.hide(); // shown again as its modal run shows it
        F.setAttribute(Qt::WA_ShowModal, true);
        F.show();
        Clic(Onglets->tabBar(), Onglets->tabBar()->tabRect(1).center());
        EXPECT_EQ(Onglets->currentIndex(), 1);
        Cliquer(F, "B_aide");
        EXPECT_EQ(Aide->TitrePage().toStdString(), "Les séries");
        auto* Accueil = Aide->findChild<QPushButton*>(QStringLiteral("B_accueil"));
        Clic(Accueil, Accueil->rect().center());
        EXPECT_EQ(Aide->TitrePage().toStdString(), "Bienvenue dans l'aide de Horalo");
    });
}
