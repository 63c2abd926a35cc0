// The class chooser, as the teacher form's class cells open it.
#include "tests/ui/ProfDeTest.h"

namespace {

using Textes = std::vector<std::string>;

// Besides C1 and C2 (S1: Maths, Francais, Anglais): B3 of S2 (Physique, Maths), then A4 of
// S1. The collection's order is not the sorted one.
class ChoixClasseTest : public FormeProfTest {
protected:
    void SetUp() override {
        FormeProfTest::SetUp();
        TSerie* S2 = LesSeries->AjouterSerie("S2");
        S2->FixerVolume("Physique", 8);
        S2->FixerVolume("Maths", 12);
        LesClasses->AjouterClasse("B3", "S2");
        LesClasses->AjouterClasse("A4", "S1");
    }
};

} // namespace

TEST_F(ChoixClasseTest, OffersTheClassesOfTheTypedSubjectInCollectionOrder) {
    struct Cas {
        const char* Matiere; // typed over P1's Maths; nullptr keeps it
        int Rangee;          // the class cell clicked
        const char* Offre;   // '*' marks the entry it opens on
        const char* Ligne;   // after OK at once
    };
    const Cas Tableau[] = {
        {nullptr, 2, "C1,C2*,B3,A4", "C2|16777215"}, // on the cell's class
        {nullptr, 3, "C1*,C2,B3,A4", "C1|"},         // an empty cell: the first class
        {"Francais", 3, "C1*,C2,A4", "C1|"},         // B3's series lacks it
        {"Physique", 1, "B3*", "B3|16777215"},       // C1 is not offered
        {"Chimie", 1, "", "|16777215"},              // taught nowhere: OK empties the cell
        {"", 2, "", "|16777215"},
    };
    for (const Cas& c : Tableau) {
        Offres.clear();
        std::string Ligne;
        OuvrirProf([&](QDialog& F) {
            if (c.Matiere)
                TaperMatiere(F, QString::fromUtf8(c.Matiere));
            CliquerCellule(F, c.Rangee, 0);
            Ligne = FormeProfTest::Ligne(F, c.Rangee);
        });
        EXPECT_EQ(Offres, Textes{c.Offre}) << c.Matiere << " " << c.Rangee;
        EXPECT_EQ(Ligne, c.Ligne) << c.Matiere << " " << c.Rangee;
    }
    EXPECT_EQ(Etapes(), 0); // nothing changes before "Modifier"
}

TEST_F(ChoixClasseTest, APickedClassShowsItsSeriesAndTheCloseBoxKeepsTheCell) {
    Choix = {"B3", std::nullopt, "A4"};
    Textes Lignes;
    OuvrirProf([&](QDialog& F) {
        for (int k = 0; k < 3; ++k) {
            CliquerCellule(F, 1, 0);
            Lignes.push_back(Ligne(F, 1).substr(0, 2));
        }
    });
    EXPECT_EQ(SeriesMontrees, (Textes{"S2", "S1"}));
    EXPECT_EQ(Lignes, (Textes{"B3", "B3", "A4"}));
    EXPECT_EQ(Offres[1], "C1,C2,B3*,A4");
}
