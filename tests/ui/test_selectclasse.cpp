// The class chooser, as the teacher dialog's class cells open it.
#include "tests/ui/AideEnregistreuse.h"
#include "tests/ui/ProfDeTest.h"

namespace {

using Textes = std::vector<std::string>;

// Besides C1 and C2 (S1: Maths, Francais, Anglais), B3 of S2 (Physique, Maths) and A4 of
// S1, created in that order: the collection's order is not the sorted one.
class ChoixClasseTest : public FormeProfTest {
protected:
    void SetUp() override {
        FormeProfTest::SetUp();
        TSerie* S2 = LesSeries->AjouterSerie("S2");
        S2->FixerVolume("Physique", 8);
        S2->FixerVolume("Maths", 12);
        LesClasses->AjouterClasse("B3", "S2");
        LesClasses->AjouterClasse("A4", "S1");
        Table->RafraichirVues();
    }
};

} // namespace

TEST_F(ChoixClasseTest, OffersTheClassesOfTheTypedSubjectInCollectionOrder) {
    struct Cas {
        const char* Matiere; // typed over P1's subject; nullptr keeps Maths
        int Rangee;          // the class cell clicked
        const char* Offre;   // '*' marks the entry it opens on
        const char* Cellule; // after OK at once
    };
    const Cas Tableau[] = {
        {nullptr, 2, "C1,C2*,B3,A4", "C2"}, // opens on the cell's class
        {nullptr, 3, "C1*,C2,B3,A4", "C1"}, // an empty cell: the first class
        {"Francais", 3, "C1*,C2,A4", "C1"}, // B3's series lacks it
        {"Physique", 1, "B3*", "B3"},       // C1 not offered: the first instead
        {"Chimie", 1, "", ""},              // taught nowhere: OK empties the cell
        {"", 2, "", ""},                    // no subject, no class
    };
    for (const Cas& c : Tableau) {
        Offres.clear();
        std::string Cellule = "?";
        OuvrirProf([&](QDialog& F) {
            if (c.Matiere)
                TaperMatiere(F, QString::fromUtf8(c.Matiere));
            CliquerCellule(F, c.Rangee, 0);
            Cellule = Ligne(F, c.Rangee);
        });
        EXPECT_EQ(Offres, Textes{c.Offre}) << c.Matiere << " " << c.Rangee;
        EXPECT_EQ(Cellule.substr(0, Cellule.find('|')), c.Cellule) << c.Matiere << " " << c.Rangee;
    }
    EXPECT_EQ(Etapes(), 0); // choosing changes nothing until "Modifier"
}

TEST_F(ChoixClasseTest, APickedClassShowsItsSeriesAndTheCloseBoxKeepsTheCell) {
    Choix = {"B3", std::nullopt, "A4"};
    Textes Cellules;
    OuvrirProf([&](QDialog& F) {
        for (int k = 0; k < 3; ++k) {
            CliquerCellule(F, 1, 0);
            Cellules.push_back(Ligne(F, 1));
        }
    });
    EXPECT_EQ(SeriesMontrees, (Textes{"S2", "S1"}));
    EXPECT_EQ(Cellules, (Textes{"B3|16777215", "B3|16777215", "A4|16777215"}));
    EXPECT_EQ(Offres[1], "C1,C2,B3*,A4");
    EXPECT_TRUE(Messages.Montres.empty());
}

TEST_F(ChoixClasseTest, AideAsksForTopic28) {
    TAideEnregistreuse Aide;
    Dialogues.Modal = [](QDialog& F) {
        F.show();
        if (F.objectName() == QStringLiteral("TFselectclasse"))
            Cliquer(F, "B_aide");
        else
            CliquerCellule(F, 1, 0);
        return int(QDialog::Rejected);
    };
    Table->findChild<QAction*>(QStringLiteral("Professeur1"))->trigger();
    EXPECT_EQ(Aide.Rubriques, std::vector<int>{28});
    EXPECT_EQ(Dialogues.Formes,
              (QStringList{QStringLiteral("TF_prof"), QStringLiteral("TFselectclasse")}));
}
