// The teacher dialog, run from the main window's menu.
#include "tests/ui/AideEnregistreuse.h"
#include "tests/ui/ProfDeTest.h"

#include "ui/main/U_canevasqt.h"

#include <QMenu>

namespace {

using Textes = std::vector<std::string>;

// P1 teaches Maths to C1 (Monday 10h00) and C2 (Tuesday 10h00); P2 Francais to both, with
// C1 on Monday 08h00. C3 of S1 has no Maths teacher. C1 and P1 are shown.
class ProfTest : public FormeProfTest {
protected:
    void SetUp() override {
        FormeProfTest::SetUp();
        Ecole();
    }
    void Ecole() {
        LesClasses->AjouterClasse("C3", "S1");
        Placer("C1", "Maths", 0, 40, 43);
        Placer("C2", "Maths", 1, 40, 43);
        Placer("C1", "Francais", 0, 32, 35);
        Montrer("C1", "P1");
        Avant = EtapesMemorisees();
    }
    // Back to the school of SetUp, history and messages counted afresh.
    void Recommencer() {
        Sauveur->ViderModele();
        ConstruireEcole();
        Ecole();
        Messages.Montres.clear();
        Sauveur->Modifie = false;
    }
    static int Quarts(const char* Acteur, const char* Nom) {
        if (const TClasse* C = LesClasses->Trouver(Acteur))
            return C->CompterQuarts(Nom);
        const TProf* P = LesProfs->Trouver(Acteur);
        return P ? P->CompterQuarts(Nom) : -1;
    }
    std::string Profs() const {
        std::string Texte;
        for (int i = 0; i < CBprof()->count(); ++i)
            Texte += (i ? "," : "") + CBprof()->itemText(i).toStdString();
        return Texte;
    }
};

} // namespace

TEST_F(ProfTest, OpensOnTheTeacherShownFromTheMenuAndTheSummaryPopup) {
    LesProfs->Trouver("P1")->Heures->Trouver("C2")->Couleur = 255;
    auto* Popup = Table->findChild<QMenu*>(QStringLiteral("PPMProf"));
    ASSERT_NE(Popup, nullptr);
    EXPECT_TRUE(Popup->isEnabled());
    for (const char* Entree : {"Professeur1", "ModifierheuresProf1"}) {
        Textes Vu;
        QColor Fond;
        Lancer(Entree, [&](QDialog& F) {
            Vu = {Nom(F)->currentText().toStdString(),
                  Matiere(F)->text().toStdString(),
                  Ligne(F, 1),
                  Ligne(F, 2),
                  Ligne(F, 3),
                  std::to_string(Grille(F)->rowCount())};
            Fond = Grille(F)->item(1, 1)->background().color();
        });
        EXPECT_EQ(Vu, (Textes{"P1", "Maths", "C1|16777215", "C2|255", "|", "19"})) << Entree;
        EXPECT_EQ(Fond, QColor(255, 0, 0)) << Entree; // the colour cell shows its colour
    }
    EXPECT_EQ(Etapes(), 0);
}

TEST_F(ProfTest, EachButtonRecordsItsHistorySteps) {
    struct Cas {
        const char* Quoi;
        std::function<void(QDialog&)> Actions;
        int Etapes;
        Textes Messages;
        const char* Profs; // the main window's list once the form is closed
    };
    const auto Nommer = [](QDialog& F, const char* Nom) {
        Remplacer(ProfTest::Nom(F), QString::fromLatin1(Nom));
    };
    const Cas Tableau[] = {
        {"Supprimer", [](QDialog& F) { Cliquer(F, "B_Supprimer"); }, 1, {}, "P2"},
        {"Supprimer without such a teacher",
         [&](QDialog& F) {
             Nommer(F, "P9");
             Cliquer(F, "B_Supprimer");
         },
         1,
         {},
         "P1,P2"},
        {"Ajouter",
         [&](QDialog& F) {
             Nommer(F, "P9");
             TaperMatiere(F, QStringLiteral("Maths"));
             Cliquer(F, "B_Ajouter");
         },
         2,
         {},
         "P1,P2,P9"},
        {"Ajouter of a name taken",
         [](QDialog& F) { Cliquer(F, "B_Ajouter"); },
         1,
         {"Erreur: Un prof de ce nom existe déjà"},
         "P1,P2"},
        {"Modifier", [](QDialog& F) { Cliquer(F, "B_Modifier"); }, 1, {}, "P1,P2"},
        {"Modifier with another subject",
         [](QDialog& F) {
             TaperMatiere(F, QStringLiteral("Anglais"));
             Cliquer(F, "B_Modifier");
         },
         4,
         {},
         "P1,P2"},
        {"Modifier without such a teacher",
         [&](QDialog& F) {
             Nommer(F, "P9");
             Cliquer(F, "B_Modifier");
         },
         1,
         {"Erreur: Ce prof n'existe pas"},
         "P1,P2"},
    };
    for (const Cas& c : Tableau) {
        Recommencer();
        OuvrirProf(c.Actions);
        EXPECT_EQ(Etapes(), c.Etapes) << c.Quoi;
        EXPECT_EQ(Messages.MontresUtf8(), c.Messages) << c.Quoi;
        EXPECT_EQ(Profs(), c.Profs) << c.Quoi;
        EXPECT_TRUE(Sauveur->Modifie) << c.Quoi;
    }
}

TEST_F(ProfTest, AnotherSubjectReplacesTheTeacherAndDeletesItsCourses) {
    struct Cas {
        const char* Quoi;
        std::function<void(QDialog&)> Saisie;
        const char* Matiere;
        const char* Classes;
        const char* ProfAnglaisC1;
    };
    const Cas Tableau[] = {
        {"a subject typed", [](QDialog& F) { TaperMatiere(F, QStringLiteral("Anglais")); },
         "Anglais", "C1 8 16777215, C2 8 16777215", "P1"},
        // Typing in the name box empties the grid and the subject: the teacher comes back
        // with neither.
        {"the name typed again",
         [](QDialog& F) {
             Remplacer(Nom(F), QStringLiteral("P1"));
             EXPECT_EQ(Ligne(F, 1), "|");
         },
         "", "", ""},
    };
    for (const Cas& c : Tableau) {
        Recommencer();
        OuvrirProf([&](QDialog& F) {
            c.Saisie(F);
            Cliquer(F, "B_Modifier");
        });
        const TProf* P1 = LesProfs->Trouver("P1");
        ASSERT_NE(P1, nullptr) << c.Quoi;
        EXPECT_EQ(P1->Matiere, c.Matiere) << c.Quoi;
        EXPECT_EQ(Classes("P1"), c.Classes) << c.Quoi;
        EXPECT_EQ(Quarts("P1", "C1") + Quarts("P1", "C2"), 0) << c.Quoi;
        EXPECT_EQ(Quarts("C1", "Maths") + Quarts("C2", "Maths"), 0) << c.Quoi;
        EXPECT_EQ(Quarts("C1", "Francais"), 4) << c.Quoi; // another teacher's course stays
        EXPECT_EQ(C1()->ProfDe("Anglais"), c.ProfAnglaisC1) << c.Quoi;
    }
}

TEST_F(ProfTest, AColourChangedAloneKeepsTheCoursesAndRecoloursTheirBlocks) {
    Dialogues.Couleurs = {QColor(0, 0, 255)};
    OuvrirProf([](QDialog& F) {
        CliquerCellule(F, 1, 1);
        EXPECT_EQ(Ligne(F, 1), "C1|16711680");
        EXPECT_EQ(Grille(F)->item(0, 1)->background().color(), QColor(0, 0, 255));
        Cliquer(F, "B_Modifier");
    });
    EXPECT_EQ(Classes("P1"), "C1 16 16711680, C2 16 16777215");
    EXPECT_EQ(Plages(*P1(), "C1"), "0:40-43");
    EXPECT_EQ(Plages(*C1(), "Maths"), "0:40-43");
    const TBlocVue* Vue = Bloc("MPP1040C1");
    ASSERT_NE(Vue, nullptr);
    EXPECT_EQ(Vue->Bloc()->Couleur(), 0xFF0000u);
    EXPECT_TRUE(Vue->isVisible());
    EXPECT_EQ(Etapes(), 1);
}

TEST_F(ProfTest, TheColourPickerStartsOnTheCellsColourAndMayFail) {
    struct Cas {
        const char* Quoi;
        TCouleur Avant;                // C1's colour in P1's list
        std::optional<QColor> Reponse; // nothing: cancelled
        bool Echec;
        std::optional<QColor> Depart; // the colour the picker opens on
        const char* Cellule;
        Textes Messages;
    };
    const Cas Tableau[] = {
        {"chosen", Blanc, QColor(0, 128, 0), false, QColor(255, 255, 255), "C1|32768", {}},
        {"black keeps the last colour shown",
         0,
         QColor(1, 2, 3),
         false,
         std::nullopt,
         "C1|197121",
         {}},
        {"cancelled", 255, std::nullopt, false, QColor(255, 0, 0), "C1|255", {}},
        {"failed",
         255,
         QColor(1, 2, 3),
         true,
         QColor(255, 0, 0),
         "C1|255",
         {"Erreur: Erreur lors de la sélection de couleurs"}},
    };
    for (const Cas& c : Tableau) {
        P1()->Heures->Trouver("C1")->Couleur = c.Avant;
        Messages.Montres.clear();
        Dialogues.CouleursDeDepart.clear();
        Dialogues.Couleurs = {c.Reponse};
        Dialogues.EchecCouleur = c.Echec;
        std::string Cellule;
        OuvrirProf([&](QDialog& F) {
            CliquerCellule(F, 1, 1);
            Cellule = Ligne(F, 1);
        });
        EXPECT_EQ(Dialogues.CouleursDeDepart, std::vector<std::optional<QColor>>{c.Depart})
            << c.Quoi;
        EXPECT_EQ(Cellule, c.Cellule) << c.Quoi;
        EXPECT_EQ(Messages.MontresUtf8(), c.Messages) << c.Quoi;
    }
    EXPECT_EQ(CouleurDeQt(QColor(1, 2, 3)), 197121u);
}

TEST_F(ProfTest, KeysThatMoveToACellChooseItButEnteringTheGridDoesNot) {
    Dialogues.Couleurs = {std::nullopt, std::nullopt};
    std::vector<std::size_t> Ouverts; // pickers and choosers opened after each key
    OuvrirProf([&](QDialog& F) {
        Matiere(F)->setFocus();
        QTest::keyClick(Matiere(F), Qt::Key_Tab); // into the grid, on its first cell
        EXPECT_TRUE(Grille(F)->hasFocus());
        Ouverts.push_back(Offres.size() + Dialogues.CouleursDeDepart.size());
        for (const Qt::Key Touche : {Qt::Key_Tab, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right}) {
            QTest::keyClick(Grille(F), Touche);
            Ouverts.push_back(Offres.size() + Dialogues.CouleursDeDepart.size());
        }
    });
    EXPECT_EQ(Ouverts, (std::vector<std::size_t>{0, 1, 2, 3, 4}));
    EXPECT_EQ(Offres.size(), 1u); // Left, onto the second row's class
    EXPECT_EQ(Dialogues.CouleursDeDepart.size(), 3u);
}

TEST_F(ProfTest, ATeacherWithMoreClassesThanRowsKeepsThemAll) {
    // P1 teaches 22 classes, each with a course of its own.
    for (int k = 4; k <= 23; ++k) {
        const std::string Nom = "C" + std::to_string(k);
        LesClasses->AjouterClasse(Nom, "S1")->AssocierProf("Maths", "P1");
        P1()->FixerVolumeClasse(Nom, 16);
        Placer(Nom, "Maths", static_cast<TJour>(k % 6), static_cast<TQuart>(48 + (k / 6) * 4),
               static_cast<TQuart>(49 + (k / 6) * 4));
    }
    const std::string Avant = Classes("P1");
    const int QuartsAvant = P1()->CompterQuarts("C23");
    Choix = {"C2"};
    int Rangees = 0;
    OuvrirProf([&](QDialog& F) {
        EXPECT_EQ(Grille(F)->rowCount(), 23);
        EXPECT_EQ(Ligne(F, 22), "C23|16777215");
        Cliquer(F, "B_Modifier");
        CliquerCellule(F, 23, 0); // a class in the empty row brings another one
        Rangees = Grille(F)->rowCount();
    });
    EXPECT_EQ(Classes("P1"), Avant);
    EXPECT_EQ(P1()->CompterQuarts("C23"), QuartsAvant);
    EXPECT_EQ(LesClasses->Trouver("C23")->CompterQuarts("Maths"), 2);
    EXPECT_EQ(Rangees, 24);
}

TEST_F(ProfTest, AClassLeavingTheGridLosesItsCoursesInBothGrids) {
    struct Cas {
        const char* Quoi;
        std::function<void(QDialog&)> Saisie;
        const char* Classes;
    };
    const Cas Tableau[] = {
        {"another class chosen",
         [this](QDialog& F) {
             Choix = {"C3"};
             CliquerCellule(F, 1, 0);
         },
         "C3 16 16777215, C2 16 16777215"},
        // A subject that no series teaches offers nothing: OK empties the row.
        {"the row emptied",
         [this](QDialog& F) {
             TaperMatiere(F, QStringLiteral("Chimie"));
             Choix = {""};
             CliquerCellule(F, 1, 0);
             TaperMatiere(F, QStringLiteral("Maths"));
         },
         "C2 16 16777215"},
    };
    for (const Cas& c : Tableau) {
        Recommencer();
        OuvrirProf([&](QDialog& F) {
            c.Saisie(F);
            Cliquer(F, "B_Modifier");
        });
        EXPECT_EQ(Classes("P1"), c.Classes) << c.Quoi;
        EXPECT_EQ(Quarts("C1", "Maths"), 0) << c.Quoi;
        EXPECT_EQ(Quarts("P1", "C1"), 0) << c.Quoi;
        EXPECT_EQ(Bloc("MCC1Lundi40Maths"), nullptr) << c.Quoi;
        EXPECT_EQ(Quarts("C2", "Maths"), 4) << c.Quoi;
        EXPECT_EQ(Quarts("C1", "Francais"), 4) << c.Quoi;
        EXPECT_EQ(Etapes(), 1) << c.Quoi;
    }
}

TEST_F(ProfTest, NamesHoldOnlyWindows1252Characters) {
    Textes Vu;
    OuvrirProf([&](QDialog& F) {
        Nom(F)->lineEdit()->selectAll();
        TaperTexte(Nom(F), QStringLiteral(u"MΩé€"));
        TaperMatiere(F, QStringLiteral(u"SΩVT"));
        Vu = {Nom(F)->currentText().toStdString(), Matiere(F)->text().toStdString()};
        Cliquer(F, "B_Ajouter");
    });
    EXPECT_EQ(Vu, (Textes{"Mé€", "SVT"}));
    ASSERT_NE(LesProfs->Trouver(Ansi("Mé€")), nullptr);
    EXPECT_EQ(LesProfs->Trouver(Ansi("Mé€"))->Matiere, "SVT");
}

// A history snapshot that cannot be written fails the button once its work is done: the
// teacher being replaced is never left deleted.
TEST_F(ProfTest, ASnapshotFailureStillReplacesTheTeacherWhole) {
    const std::string Dossier = Sauveur->Dossier;
    Sauveur->Dossier = "/dossier-absent-horalo/";
    OuvrirProf([](QDialog& F) {
        TaperMatiere(F, QStringLiteral("Anglais"));
        Cliquer(F, "B_Modifier");
    });
    Sauveur->Dossier = Dossier;
    EXPECT_EQ(Messages.Montres.size(), 1u);
    ASSERT_NE(P1(), nullptr);
    EXPECT_EQ(P1()->Matiere, "Anglais");
    EXPECT_EQ(Classes("P1"), "C1 8 16777215, C2 8 16777215");
}

TEST_F(ProfTest, AideAsksForTopic24) {
    TAideEnregistreuse Aide;
    OuvrirProf([](QDialog& F) { Cliquer(F, "B_aide"); });
    EXPECT_EQ(Aide.Rubriques, std::vector<int>{24});
}
