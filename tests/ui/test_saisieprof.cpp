// The teacher form, run from the main window's menu.
#include "tests/ui/ProfDeTest.h"

#include <QMenu>

namespace {

using Textes = std::vector<std::string>;
using Actions = std::function<void(QDialog&)>;

// P1 teaches Maths to C1 (Monday 10h00) and C2 (Tuesday 10h00); P2 French to both, C1 on
// Monday 08h00. C3 of S1 has no Maths teacher.
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
        P1()->FixerDispo(2, 40, TDispo::Interdit);
        Montrer("C1", "P1");
        Avant = EtapesMemorisees();
    }
    void Recommencer() {
        Sauveur->ViderModele();
        ConstruireEcole();
        Ecole();
        Messages.Montres.clear();
    }
    static void Nommer(QDialog& F, const QString& Nom) {
        Dans<QComboBox>(F, "CB_nom")->lineEdit()->selectAll();
        TaperTexte(Dans<QComboBox>(F, "CB_nom"), Nom);
    }
    // P1's Maths courses with C1 and C2, in the class and teacher grids.
    std::string Cours() const {
        const auto Prof = [this](const char* C) { return P1() ? Plages(*P1(), C) : ""; };
        return Plages(*C1(), "Maths") + "/" + Plages(*C2(), "Maths") + "/" + Prof("C1") + "/" +
               Prof("C2");
    }
};

const char* const TousLesCours = "0:40-43/1:40-43/0:40-43/1:40-43";

} // namespace

TEST_F(ProfTest, OpensOnTheTeacherShownFromTheMenuAndTheSummaryPopup) {
    P1()->Heures->Trouver("C2")->Couleur = 255;
    EXPECT_TRUE(Table->PPMProf->isEnabled());
    for (const char* Entree : {"Professeur1", "ModifierheuresProf1"}) {
        Textes Vu;
        Lancer(Entree, [&](QDialog& F) {
            Vu = {Dans<QLineEdit>(F, "E_matiere")->text().toStdString(),
                  Ligne(F, 1),
                  Ligne(F, 2),
                  Ligne(F, 3),
                  std::to_string(Grille(F)->rowCount()),
                  Grille(F)->item(1, 1)->background().color().name().toStdString()};
        });
        EXPECT_EQ(Vu, (Textes{"Maths", "C1|16777215", "C2|255", "|", "19", "#ff0000"})) << Entree;
    }
}

TEST_F(ProfTest, EachButtonRecordsItsHistorySteps) {
    struct Cas {
        const char* Quoi;
        Actions Saisie;
        const char* Bouton;
        int Etapes;
        const char* Message;
        const char* Profs; // the window's list once the form is closed
        const char* Cours;
    };
    const Actions Rien = [](QDialog&) {};
    const Actions P9 = [](QDialog& F) { Nommer(F, QStringLiteral(u"P9Ω")); };
    const Actions Anglais = [](QDialog& F) { TaperMatiere(F, QStringLiteral("Anglais")); };
    const char* const Pris = "Erreur: Un prof de ce nom existe déjà";
    const char* const Aucun = "Erreur: Ce prof n'existe pas";
    const Actions SansNom = [](QDialog& F) {
        Dans<QComboBox>(F, "CB_nom")->lineEdit()->selectAll();
        QTest::keyClick(Dans<QComboBox>(F, "CB_nom"), Qt::Key_Backspace);
    };
    const Actions Blancs = [](QDialog& F) { Nommer(F, QStringLiteral("  ")); };
    const char* const Vide = "Erreur: Veuillez indiquer le nom du prof";
    const Cas Tableau[] = {
        {"Supprimer", Rien, "B_Supprimer", 1, nullptr, "P2", "///"},
        {"Supprimer of no teacher", P9, "B_Supprimer", 1, nullptr, "P1,P2", TousLesCours},
        {"Ajouter", P9, "B_Ajouter", 2, nullptr, "P1,P2,P9", TousLesCours},
        {"Ajouter of a name taken", Rien, "B_Ajouter", 1, Pris, "P1,P2", TousLesCours},
        {"Ajouter of no name", SansNom, "B_Ajouter", 1, Vide, "P1,P2", TousLesCours},
        {"Ajouter of blanks", Blancs, "B_Ajouter", 1, Vide, "P1,P2", TousLesCours},
        {"Modifier", Rien, "B_Modifier", 1, nullptr, "P1,P2", TousLesCours},
        {"Modifier of no teacher", P9, "B_Modifier", 1, Aucun, "P1,P2", TousLesCours},
        // Another subject is another teacher: the old one goes with its courses.
        {"Modifier of another subject", Anglais, "B_Modifier", 4, nullptr, "P1,P2", "///"},
    };
    for (const Cas& c : Tableau) {
        Recommencer();
        OuvrirProf([&](QDialog& F) {
            c.Saisie(F);
            Cliquer(F, c.Bouton);
        });
        EXPECT_EQ(Etapes(), c.Etapes) << c.Quoi;
        EXPECT_EQ(Messages.MontresUtf8(), c.Message ? Textes{c.Message} : Textes{}) << c.Quoi;
        std::string Profs;
        for (int i = 0; i < CBprof()->count(); ++i)
            Profs += (i ? "," : "") + CBprof()->itemText(i).toStdString();
        EXPECT_EQ(Profs, c.Profs) << c.Quoi;
        EXPECT_EQ(Cours(), c.Cours) << c.Quoi;
    }
    EXPECT_EQ(Classes("P1"), "C1 8 16777215, C2 8 16777215"); // of Anglais, in 8 quarters
    EXPECT_EQ(P1()->Dispo(2, 40), TDispo::Interdit);          // the person's week stays
    EXPECT_EQ(Plages(*C1(), "Francais"), "0:32-35");          // another teacher's course
}

// A typed name of the list, once confirmed (here by the click), shows that teacher: Modifier
// keeps it whole instead of re-creating it without subject, classes or courses.
TEST_F(ProfTest, AConfirmedNameOfTheListShowsThatTeacher) {
    OuvrirProf([&](QDialog& F) {
        Nommer(F, QStringLiteral("P2"));
        Cliquer(F, "B_Modifier");
    });
    EXPECT_EQ(Classes("P2"), "C1 12 16777215, C2 12 16777215");
    EXPECT_EQ(Plages(*C1(), "Francais"), "0:32-35");
}

TEST_F(ProfTest, AColourAloneKeepsTheCoursesAndRecoloursTheirBlocks) {
    Dialogues.Couleurs = {QColor(0, 0, 255)};
    OuvrirProf([](QDialog& F) {
        CliquerCellule(F, 1, 1);
        Cliquer(F, "B_Modifier");
    });
    EXPECT_EQ(Classes("P1"), "C1 16 16711680, C2 16 16777215");
    EXPECT_EQ(Cours(), TousLesCours);
    ASSERT_NE(Bloc("MPP1040C1"), nullptr);
    EXPECT_EQ(Bloc("MPP1040C1")->Bloc()->Couleur(), 0xFF0000u);
}

TEST_F(ProfTest, TheColourPickerStartsOnTheCellsColourAndMayFail) {
    struct Cas {
        TCouleur Avant;
        std::optional<QColor> Reponse; // nothing: cancelled
        bool Echec;
        std::optional<QColor> Depart;
        const char* Cellule;
    };
    const Cas Tableau[] = {
        {Blanc, QColor(0, 128, 0), false, QColor(Qt::white), "C1|32768"},
        {0, QColor(1, 2, 3), false, std::nullopt, "C1|197121"}, // black: the last colour shown
        {255, std::nullopt, false, QColor(Qt::red), "C1|255"},
        {255, QColor(1, 2, 3), true, QColor(Qt::red), "C1|255"},
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
        EXPECT_EQ(Dialogues.CouleursDeDepart, std::vector<std::optional<QColor>>{c.Depart});
        EXPECT_EQ(Cellule, c.Cellule);
        EXPECT_EQ(Messages.MontresUtf8(),
                  c.Echec ? Textes{"Erreur: Erreur lors de la sélection de couleurs"} : Textes{});
    }
}

TEST_F(ProfTest, KeysThatMoveToACellChooseItButEnteringTheGridDoesNot) {
    std::vector<std::size_t> Ouverts; // choosers and pickers opened after each key
    OuvrirProf([&](QDialog& F) {
        QWidget* Cible = Dans<QLineEdit>(F, "E_matiere");
        Cible->setFocus();
        for (const Qt::Key Touche : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Down, Qt::Key_Left}) {
            QTest::keyClick(Cible, Touche);
            Cible = Grille(F);
            Ouverts.push_back(Offres.size() * 10 + Dialogues.CouleursDeDepart.size());
        }
    });
    EXPECT_EQ(Ouverts, (std::vector<std::size_t>{0, 1, 2, 12}));
}

TEST_F(ProfTest, ATeacherWithMoreClassesThanRowsKeepsThemAll) {
    for (int k = 4; k <= 23; ++k) { // 22 classes, each with a course
        const std::string Nom = "C" + std::to_string(k);
        LesClasses->AjouterClasse(Nom, "S1")->AssocierProf("Maths", "P1");
        P1()->FixerVolumeClasse(Nom, 16);
        Placer(Nom, "Maths", static_cast<TJour>(k % 6), static_cast<TQuart>(48 + k / 6 * 4),
               static_cast<TQuart>(49 + k / 6 * 4));
    }
    const std::string Avant = Classes("P1");
    Choix = {"C2"};
    Textes Vu;
    OuvrirProf([&](QDialog& F) {
        Vu = {std::to_string(Grille(F)->rowCount()), Ligne(F, 22)};
        Cliquer(F, "B_Modifier");
        CliquerCellule(F, 23, 0); // a class in the empty row brings another one
        Vu.push_back(std::to_string(Grille(F)->rowCount()));
    });
    EXPECT_EQ(Vu, (Textes{"23", "C23|16777215", "24"}));
    EXPECT_EQ(Classes("P1"), Avant);
    EXPECT_EQ(Plages(*LesClasses->Trouver("C23"), "Maths"), "5:60-61");
    EXPECT_EQ(Plages(*P1(), "C23"), "5:60-61");
}

TEST_F(ProfTest, AClassLeavingTheGridLosesItsCoursesInBothGrids) {
    Choix = {"C3"};
    OuvrirProf([](QDialog& F) {
        CliquerCellule(F, 1, 0);
        Cliquer(F, "B_Modifier");
    });
    EXPECT_EQ(Classes("P1"), "C3 16 16777215, C2 16 16777215");
    EXPECT_EQ(Cours(), "/1:40-43//1:40-43");
    EXPECT_EQ(Bloc("MCC1Lundi40Maths"), nullptr);
    EXPECT_EQ(LesClasses->Trouver("C3")->ProfDe("Maths"), "P1");
    EXPECT_EQ(Etapes(), 1);
}

// A snapshot that cannot be written fails the button once its work is done: the teacher
// being replaced is never left deleted.
TEST_F(ProfTest, ASnapshotFailureStillReplacesTheTeacherWhole) {
    const std::string Dossier = Sauveur->Dossier;
    Sauveur->Dossier = "/dossier-absent-horalo/";
    OuvrirProf([](QDialog& F) {
        TaperMatiere(F, QStringLiteral("Anglais"));
        Cliquer(F, "B_Modifier");
    });
    Sauveur->Dossier = Dossier;
    EXPECT_EQ(Messages.Montres.size(), 1u);
    EXPECT_EQ(Classes("P1"), "C1 8 16777215, C2 8 16777215");
}
