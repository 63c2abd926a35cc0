// The series form: its grid edited in place, the duration and colour dialogs it opens, and
// what each button does to the series, their classes and teachers, and the history.
#include "tests/ui/AideEnregistreuse.h"
#include "tests/ui/SaisieDeTest.h"

#include "model/U_texte.h"
#include "ui/dialogs/U_saisieserie.h"

#include <QHeaderView>
#include <QMenu>

namespace {

using Textes = std::vector<std::string>;

class SerieTest : public SaisieTest {
protected:
    static QTableWidget* Grille(const QWidget& Forme) {
        return Dans<QTableWidget>(Forme, "SGHeureMatiere");
    }
    static QComboBox* Nom(const QWidget& Forme) { return Dans<QComboBox>(Forme, "CB_nom"); }
    static QRect Rect(QTableWidget* G, int Rangee, int Colonne) {
        const QModelIndex Index = G->model()->index(Rangee, Colonne);
        G->scrollTo(Index);
        return G->visualRect(Index);
    }
    // A click on a cell, which opens the dialog of a volume or colour cell.
    static void ClicCellule(QTableWidget* G, int Rangee, int Colonne) {
        QTest::mouseClick(G->viewport(), Qt::LeftButton, {}, Rect(G, Rangee, Colonne).center());
    }
    // The cell selected, then typed over; the editor is left with the key Fin.
    static void TaperCellule(QTableWidget* G, int Rangee, int Colonne, const QString& Texte,
                             Qt::Key Fin = Qt::Key_Return) {
        ClicCellule(G, Rangee, Colonne);
        QTest::keyClick(G, Qt::Key_F2);
        auto* Editeur =
            qobject_cast<QLineEdit*>(G->indexWidget(G->model()->index(Rangee, Colonne)));
        ASSERT_NE(Editeur, nullptr);
        Editeur->selectAll();
        Taper(Editeur, Texte);
        QTest::keyClick(Editeur, Fin);
    }
    // Tab as the user presses it, in the cell's editor when one is open.
    static void Tab(QTableWidget* G) {
        QWidget* Editeur = G->indexWidget(G->currentIndex());
        QTest::keyClick(Editeur ? Editeur : G, Qt::Key_Tab);
    }
    // A row's three cells, "name|volume|colour".
    static std::string Ligne(QTableWidget* G, int Rangee) {
        std::string Texte;
        for (int c = 0; c < 3; ++c) {
            const QTableWidgetItem* Item = G->item(Rangee, c);
            Texte += (c ? "|" : "") + (Item ? Item->text().toStdString() : std::string());
        }
        return Texte;
    }
    static bool Vide(QTableWidget* G) {
        for (int r = 0; r < G->rowCount(); ++r)
            if (Ligne(G, r) != "||")
                return false;
        return true;
    }
    // The subjects of a series, "name volume colour", in order.
    static std::string Matieres(const std::string& Serie) {
        const TSerie* S = LesSeries->Trouver(Serie);
        if (!S)
            return "(none)";
        std::string Texte;
        for (std::size_t n = 1; n <= S->Heures->Nombre(); ++n) {
            const THeures& H = *S->Heures->Numero(n);
            Texte += (n > 1 ? ", " : "") + Utf8(H.Nom) + " " + std::to_string(H.Volume) + " " +
                     std::to_string(H.Couleur);
        }
        return Texte;
    }
    TSerie* S1() const { return LesSeries->Trouver("S1"); }
};

} // namespace

TEST_F(SerieTest, MenuAndPopupOpenTheSeriesOfTheShownClass) {
    LesSeries->AjouterSerie("A"); // listed first, yet C1's series is shown
    Table->RafraichirVues();
    EXPECT_TRUE(Table->PPMSerie->isEnabled());
    for (const char* Entree : {"Serie1", "ModifierHeuresSerie1"}) {
        Textes Vu;
        Lancer(Entree, [&](QDialog& F) {
            auto* G = Grille(F);
            Vu = {Nom(F)->currentText().toStdString(),
                  Ligne(G, 0),
                  Ligne(G, 1),
                  Ligne(G, 2),
                  Ligne(G, 3),
                  std::to_string(G->rowCount())};
        });
        EXPECT_EQ(Vu, (Textes{"S1", "Maths|04h00|16777215", "Francais|03h00|16777215",
                              "Anglais|02h00|16777215", "||", "19"}))
            << Entree;
    }
    EXPECT_EQ(Dialogues.Formes,
              (QStringList{QStringLiteral("TF_serie"), QStringLiteral("TF_serie")}));
    EXPECT_EQ(Etapes(), 0);
}

TEST_F(SerieTest, WithoutSeriesTheFormIsEmptyAndModifierIsRefused) {
    LesSeries->Supprimer("S1");
    Table->RafraichirVues();
    Lancer("Serie1", [&](QDialog& F) {
        EXPECT_EQ(Nom(F)->count(), 0);
        EXPECT_TRUE(Nom(F)->currentText().isEmpty());
        EXPECT_TRUE(Vide(Grille(F)));
        Cliquer(F, "B_Modifier");
    });
    EXPECT_EQ(Messages.MontresUtf8(), Textes{"Erreur: La série n'existe pas"});
    EXPECT_EQ(Etapes(), 0);
}

TEST_F(SerieTest, AjouterCreatesTheSeriesFromTheRowsOnceForEachExactName) {
    Durees = {6, 10};
    Dialogues.Couleurs = {QColor(0, 0, 255)};
    Lancer("Serie1", [&](QDialog& F) {
        auto* G = Grille(F);
        Remplacer(Nom(F), QStringLiteral(u"S2Ω")); // Ω is no Windows-1252 character
        EXPECT_EQ(Nom(F)->currentText(), QStringLiteral("S2"));
        EXPECT_TRUE(Vide(G)); // typing a name starts from an empty grid
        // Tab from the name to the volume, then to the colour: each opens its dialog.
        TaperCellule(G, 0, 0, QStringLiteral(u"PhysiqueΩ"), Qt::Key_Tab);
        Tab(G);
        TaperCellule(G, 1, 0, QStringLiteral("Chimie"));
        ClicCellule(G, 1, 1);
        TaperCellule(G, 2, 0, QStringLiteral(u"Sciences économiques"));
        TaperCellule(G, 2, 1, QStringLiteral("01h00")); // its dialog closed, the time typed
        Cliquer(F, "B_Ajouter");
        Cliquer(F, "B_Ajouter");
        Remplacer(Nom(F), QStringLiteral("s2"));
        Cliquer(F, "B_Ajouter");
        EXPECT_EQ(Nom(F)->count(), 3);
    });
    EXPECT_EQ(Matieres("S2"),
              "Physique 6 16711680, Chimie 10 16777215, Sciences économiques 4 16777215");
    EXPECT_EQ(Matieres("s2"), "");
    EXPECT_EQ(DureesDeDepart, (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(MaximumsDeDuree, (std::vector<int>{40, 40, 40}));
    EXPECT_EQ(Messages.MontresUtf8(), Textes{"Erreur: Une série de ce nom existe déjà"});
    EXPECT_EQ(Etapes(), 2);
}

TEST_F(SerieTest, BackspaceThenModifierClearsEveryCourseOfItsClasses) {
    Placer("C1", "Maths", 0, 40, 43);
    Placer("C2", "Francais", 1, 40, 47);
    Montrer("C1", "P1");
    ASSERT_NE(Bloc("MCC1Lundi40Maths"), nullptr);
    Sauveur->Memoriser(); // the state undo comes back to
    Avant = EtapesMemorisees();
    Lancer("Serie1", [&](QDialog& F) {
        QTest::keyClick(Nom(F), Qt::Key_Tab); // leaving the box types nothing
        EXPECT_EQ(Ligne(Grille(F), 0), "Maths|04h00|16777215");
        Taper(Nom(F), QStringLiteral("x"));
        QTest::keyClick(Nom(F), Qt::Key_Backspace);
        EXPECT_EQ(Nom(F)->currentText(), QStringLiteral("S1"));
        EXPECT_TRUE(Vide(Grille(F)));
        Cliquer(F, "B_Modifier");
    });
    EXPECT_EQ(S1()->Heures->Nombre(), 0);
    for (TClasse* C : {C1(), C2()})
        for (const char* Matiere : {"Maths", "Francais"})
            EXPECT_EQ(Plages(*C, Matiere), "") << C->Nom << Matiere;
    for (TProf* P : {P1(), P2()}) {
        EXPECT_EQ(P->Heures->Nombre(), 0) << P->Nom; // the classes left their teachers
        EXPECT_EQ(Plages(*P, "C1") + Plages(*P, "C2"), "") << P->Nom;
    }
    EXPECT_EQ(Bloc("MCC1Lundi40Maths"), nullptr);
    EXPECT_EQ(Etapes(), 1);

    // Undo brings the subjects and courses back.
    Table->findChild<QAction*>(QStringLiteral("Annuler1"))->trigger();
    EXPECT_EQ(S1()->Heures->Nombre(), 3);
    EXPECT_EQ(Plages(*C1(), "Maths"), "0:40-43");
    EXPECT_EQ(Plages(*P2(), "C2"), "1:40-47");
}

namespace {

struct Frappe {
    int Rangee, Colonne;
    const char16_t* Texte;
};

struct Edition {
    const char* Quoi;
    std::vector<Frappe> Frappes;
    std::string MatieresApres; // of S1
    int QuartsDeMaths;         // C1's Maths course, 4 quarters before
    int EtapesApres;
};

void PrintTo(const Edition& e, std::ostream* Flux) {
    *Flux << e.Quoi;
}

class SerieEditionTest : public SerieTest, public ::testing::WithParamInterface<Edition> {};

} // namespace

TEST_P(SerieEditionTest, ModifierStoresTheGridAndClearsTheCoursesOfSubjectsThatGo) {
    const Edition& e = GetParam();
    S1()->Heures->Trouver("Maths")->Couleur = 255;
    Placer("C1", "Maths", 0, 40, 43);
    TF_serie F(Table.get());
    F.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&F));
    for (const Frappe& f : e.Frappes)
        TaperCellule(Grille(F), f.Rangee, f.Colonne, QString::fromUtf16(f.Texte));
    Cliquer(F, "B_Modifier");
    EXPECT_EQ(Matieres("S1"), e.MatieresApres);
    EXPECT_EQ(C1()->CompterQuarts("Maths"), e.QuartsDeMaths);
    EXPECT_EQ(P1()->CompterQuarts("C1"), e.QuartsDeMaths);
    EXPECT_EQ(P1()->Heures->Existe("C1"), e.QuartsDeMaths > 0);
    EXPECT_EQ(Etapes(), e.EtapesApres);
    EXPECT_TRUE(Messages.Montres.empty());
}

INSTANTIATE_TEST_SUITE_P(
    SerieTest, SerieEditionTest,
    ::testing::Values(
        Edition{"renamed",
                {{0, 0, u"Math"}},
                "Math 16 255, Francais 12 16777215, Anglais 8 16777215",
                0,
                1},
        Edition{
            "zero volume", {{0, 1, u"00h00"}}, "Francais 12 16777215, Anglais 8 16777215", 0, 1},
        Edition{"volume not HHhMM",
                {{0, 1, u"4h00"}},
                "Francais 12 16777215, Anglais 8 16777215",
                0,
                1},
        Edition{"new volume",
                {{0, 1, u"05h00"}},
                "Maths 20 255, Francais 12 16777215, Anglais 8 16777215",
                4,
                1},
        Edition{"colour not a number",
                {{0, 2, u"abc"}},
                "Maths 16 16777215, Francais 12 16777215, Anglais 8 16777215",
                4,
                1},
        Edition{"lower duplicate wins",
                {{3, 0, u"Maths"}, {3, 1, u"01h00"}, {3, 2, u"65280"}},
                "Maths 4 65280, Francais 12 16777215, Anglais 8 16777215",
                4,
                1},
        Edition{"duplicate without volume",
                {{3, 0, u"Maths"}},
                "Maths 16 255, Francais 12 16777215, Anglais 8 16777215",
                4,
                0},
        Edition{"nothing changed",
                {{0, 0, u"Maths"}},
                "Maths 16 255, Francais 12 16777215, Anglais 8 16777215",
                4,
                0}),
    [](const ::testing::TestParamInfo<Edition>& Info) {
        std::string Nom = Info.param.Quoi;
        std::erase(Nom, ' ');
        return Nom;
    });

TEST_F(SerieTest, ColourCellsOpenThePickerAndShowTheirColour) {
    S1()->Heures->Trouver("Maths")->Couleur = 255; // red
    S1()->Heures->Trouver("Francais")->Couleur = 0;
    TF_serie F(Table.get());
    F.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&F));
    auto* G = Grille(F);
    const auto Fond = [G](int Rangee) {
        const QRect R = Rect(G, Rangee, 2);
        return G->viewport()->grab().toImage().pixelColor(R.right() - 8, R.center().y());
    };
    EXPECT_EQ(Fond(0), QColor(255, 0, 0));

    Dialogues.Couleurs = {QColor(0, 128, 0)};
    ClicCellule(G, 0, 2);
    ClicCellule(G, 1, 2); // cancelled; a colour of 0 lets the picker keep its own
    Dialogues.EchecCouleur = true;
    ClicCellule(G, 0, 2);
    EXPECT_EQ(Dialogues.CouleursDeDepart, (std::vector<std::optional<QColor>>{
                                              QColor(255, 0, 0), std::nullopt, QColor(0, 128, 0)}));
    EXPECT_EQ(Messages.MontresUtf8(), Textes{"Erreur: Erreur lors de la sélection de couleurs"});
    EXPECT_EQ(Ligne(G, 0), "Maths|04h00|32768");
    EXPECT_EQ(Ligne(G, 1), "Francais|03h00|0");
    EXPECT_EQ(Fond(0), QColor(0, 128, 0));
    EXPECT_EQ(Fond(1), QColor(0, 0, 0));
    EXPECT_EQ(S1()->Heures->Trouver("Maths")->Couleur, 255u); // until "Modifier"
    EXPECT_EQ(Etapes(), 0);
}

TEST_F(SerieTest, VolumeCellsOpenTheDurationDialogByMouseAndKeyboard) {
    TF_serie F(Table.get());
    F.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&F));
    auto* G = Grille(F);
    Durees = {10, -1, 2};
    ClicCellule(G, 1, 1);
    ClicCellule(G, 1, 1); // the cell already selected: a click opens it again, cancelled
    QTest::keyClick(G, Qt::Key_Left);
    QTest::keyClick(G, Qt::Key_Right);
    EXPECT_EQ(DureesDeDepart, (std::vector<int>{12, 10, 10}));
    EXPECT_EQ(Ligne(G, 1), "Francais|00h30|16777215");
}

TEST_F(SerieTest, MoreThanNineteenSubjectsAreKeptWhole) {
    for (int n = 4; n <= 25; ++n)
        S1()->FixerVolume("M" + std::to_string(n), 4);
    LesProfs->AjouterProf("P25", "M25");
    C1()->AssocierProf("M25", "P25");
    LesProfs->Trouver("P25")->FixerVolumeClasse("C1", 4);
    Placer("C1", "M25", 2, 40, 43);
    TF_serie F(Table.get());
    F.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&F));
    auto* G = Grille(F);
    EXPECT_EQ(G->rowCount(), 26);
    EXPECT_EQ(Ligne(G, 24), "M25|01h00|16777215");
    Cliquer(F, "B_Modifier");
    EXPECT_EQ(S1()->Heures->Nombre(), 25);
    EXPECT_EQ(Plages(*C1(), "M25"), "2:40-43");
    EXPECT_EQ(Etapes(), 0);

    TaperCellule(G, 25, 0, QStringLiteral("M26"));
    TaperCellule(G, 25, 1, QStringLiteral("00h45"));
    EXPECT_EQ(G->rowCount(), 27); // one empty row after the last one filled
    Cliquer(F, "B_Modifier");
    EXPECT_EQ(S1()->Heures->Nombre(), 26);
    EXPECT_EQ(S1()->VolumeDe("M26"), 3);
    EXPECT_EQ(Plages(*C1(), "M25"), "2:40-43");
    EXPECT_EQ(Etapes(), 1);
}

TEST_F(SerieTest, SupprimerDeletesTheSeriesWithItsClasses) {
    Placer("C1", "Maths", 0, 40, 43);
    LesSeries->AjouterSerie("S2");
    Lancer("Serie1", [&](QDialog& F) {
        Cliquer(F, "B_Supprimer");
        EXPECT_TRUE(Nom(F)->currentText().isEmpty());
        EXPECT_EQ(Nom(F)->count(), 1);
        EXPECT_EQ(Nom(F)->itemText(0), QStringLiteral("S2"));
        EXPECT_TRUE(Vide(Grille(F)));
        Cliquer(F, "B_Supprimer");         // no such series: nothing to delete
        EXPECT_EQ(CBclasse()->count(), 2); // the window is refreshed when the form closes
        Cliquer(F, "B_fin");
        EXPECT_FALSE(F.isVisible());
        EXPECT_EQ(CBclasse()->count(), 0);
    });
    EXPECT_EQ(LesSeries->Nombre(), 1);
    EXPECT_EQ(LesClasses->Nombre(), 0);
    EXPECT_EQ(Plages(*P1(), "C1"), "");
    EXPECT_EQ(Etapes(), 1);
    EXPECT_TRUE(Messages.Montres.empty());
}

TEST_F(SerieTest, AideAsksForTopic22) {
    TAideEnregistreuse Aide;
    Lancer("Serie1", [](QDialog& F) {
        Cliquer(F, "B_aide");
        EXPECT_TRUE(F.isVisible());
    });
    EXPECT_EQ(Aide.Rubriques, std::vector<int>{22});
}
