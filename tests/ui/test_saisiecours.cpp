// The course placement dialog, run from the main window's menu.
#include "tests/ui/SaisieDeTest.h"

#include "model/U_texte.h"

#include <QLineEdit>

namespace {

using Textes = std::vector<std::string>;

const char* const PasEnsemble = "Ce professeur et cette classe n'ont pas de cours ensemble";
const char* const PasLibre = "Cette plage horaire n'est pas disponible pour affecter cet cours";
const char* const InterditClasse = "Cette plage horaire est interdite pour la classe C1";
const char* const InterditProf = "Cette plage horaire est interdite pour le professeur P1";

// Besides FenetreTest's school: C3 of S2, a series without Maths; P3, who teaches Maths to
// nobody, named C4's Maths teacher all the same (so C4 gives P3 no volume). C1 has French on
// Monday 10h00 (slots 40..43), P1 Maths with C2 on Tuesday at the same time.
class CoursTest : public SaisieTest {
protected:
    void SetUp() override {
        SaisieTest::SetUp();
        LesSeries->AjouterSerie("S2")->FixerVolume("Physique", 8);
        LesClasses->AjouterClasse("C3", "S2");
        LesProfs->AjouterProf("P3", "Maths");
        LesClasses->AjouterClasse("C4", "S1")->AssocierProf("Maths", "P3");
        Placer("C1", "Francais", 0, 40, 43);
        Placer("C2", "Maths", 1, 40, 43);
        Avant = EtapesMemorisees();
    }
    // A list's entry picked with the arrow keys.
    static void Choisir(QComboBox* Liste, const char* Texte) {
        const int Voulu = Liste->findText(QString::fromUtf8(Texte));
        ASSERT_GE(Voulu, 0) << Texte;
        while (Liste->currentIndex() != Voulu)
            QTest::keyClick(Liste, Liste->currentIndex() < Voulu ? Qt::Key_Down : Qt::Key_Up);
    }
    // An up-down stepped with the arrow keys, the shorter way round.
    static void Regler(QSpinBox* UpDown, int Valeur) {
        const int Tour = UpDown->maximum() - UpDown->minimum() + 1;
        const int Haut = ((Valeur - UpDown->value()) % Tour + Tour) % Tour;
        for (int k = 0; k < std::min(Haut, Tour - Haut); ++k)
            QTest::keyClick(UpDown, Haut <= Tour - Haut ? Qt::Key_Up : Qt::Key_Down);
    }
    static QString Texte(const QDialog& F, const char* Boite) {
        return Dans<QLineEdit>(F, Boite)->text();
    }
    // Places a course through the dialog: teacher, class, day, first slot, quarter-hours.
    void PlacerParDialogue(const char* Prof, const char* Classe, const char* Jour, int Debut,
                           int Duree) {
        Lancer("Plagehoraire1", [&](QDialog& F) {
            Choisir(Dans<QComboBox>(F, "CBProf"), Prof);
            Choisir(Dans<QComboBox>(F, "CBClasse"), Classe);
            Choisir(Dans<QComboBox>(F, "CBCours"), Jour);
            Regler(Dans<QSpinBox>(F, "UPDDebut"), Debut);
            Regler(Dans<QSpinBox>(F, "UPDDuree"), Duree);
            Cliquer(F, "B_placer");
        });
    }
};

} // namespace

// The up-downs wrap: 08h00 down is 19h45, 11h45 up is 00h15.
TEST_F(CoursTest, OpensOnTheTeacherAndTheClassShownAndTheTimesWrapAround) {
    Montrer("C2", "P2");
    Textes Vu;
    Lancer("Plagehoraire1", [&](QDialog& F) {
        for (const char* Liste : {"CBProf", "CBClasse", "CBCours"})
            Vu.push_back(Dans<QComboBox>(F, Liste)->currentText().toStdString());
        for (const char* Boite : {"E_matiere", "E_serie", "E_debut", "E_duree"})
            Vu.push_back(Texte(F, Boite).toStdString());
        Choisir(Dans<QComboBox>(F, "CBClasse"), "C3"); // picking shows the other series
        QTest::keyClick(Dans<QSpinBox>(F, "UPDDebut"), Qt::Key_Down);
        QTest::keyClick(Dans<QSpinBox>(F, "UPDDuree"), Qt::Key_Down);
        QTest::keyClick(Dans<QSpinBox>(F, "UPDDuree"), Qt::Key_Up);
        for (const char* Boite : {"E_serie", "E_debut", "E_duree"})
            Vu.push_back(Texte(F, Boite).toStdString());
    });
    EXPECT_EQ(Vu, (Textes{"P2", "C2", "Lundi", "Francais", "S1", "08h00", "00h15", "S2", "19h45",
                          "00h15"}));
}

TEST_F(CoursTest, PlacerChecksInOrderAndPlacesOnlyFreeRuns) {
    struct Cas {
        const char* Quoi;
        const char *Prof, *Classe, *Jour;
        int Debut, Duree;
        const char* Message; // nullptr: placed
        const char* MathsC1; // C1's Maths runs afterwards
    };
    const Cas Tableau[] = {
        {"the class's series lacks the subject", "P1", "C3", "Lundi", 50, 4, PasEnsemble, ""},
        {"the class has another teacher for it", "P3", "C1", "Lundi", 50, 4, PasEnsemble, ""},
        {"the teacher does not list the class", "P3", "C4", "Lundi", 50, 4, PasEnsemble, ""},
        {"a wrong teacher at a busy time: the teacher first", "P3", "C1", "Lundi", 40, 4,
         PasEnsemble, ""},
        {"over the class's French", "P1", "C1", "Lundi", 42, 4, PasLibre, ""},
        {"right after it", "P1", "C1", "Lundi", 44, 4, PasLibre, ""},
        {"over the teacher's course", "P1", "C1", "Mardi", 36, 4, PasLibre, ""},
        {"a free quarter-hour after it", "P1", "C1", "Lundi", 45, 4, nullptr, "0:45-48"},
        {"the same course again", "P1", "C1", "Lundi", 45, 4, PasLibre, "0:45-48"},
        {"past 19h45", "P1", "C1", "Samedi", 79, 2, PasLibre, "0:45-48"},
        {"the last quarter-hour", "P1", "C1", "Samedi", 79, 1, nullptr, "0:45-48 5:79-79"},
        {"over the class's interdit cells", "P1", "C1", "Mercredi", 46, 4, InterditClasse,
         "0:45-48 5:79-79"},
        {"over the teacher's", "P1", "C1", "Jeudi", 38, 4, InterditProf, "0:45-48 5:79-79"},
        {"right before interdit cells", "P1", "C1", "Mercredi", 44, 4, nullptr,
         "0:45-48 2:44-47 5:79-79"},
    };
    for (int q = 48; q < 56; ++q)
        C1()->FixerDispo(2, static_cast<TQuart>(q), TDispo::Interdit);
    P1()->FixerDispo(3, 40, TDispo::Interdit);
    for (const Cas& c : Tableau) {
        Messages.Montres.clear();
        const int Etapes = EtapesMemorisees();
        PlacerParDialogue(c.Prof, c.Classe, c.Jour, c.Debut, c.Duree);
        EXPECT_EQ(Messages.MontresUtf8(), c.Message ? Textes{c.Message} : Textes{}) << c.Quoi;
        EXPECT_EQ(Plages(*C1(), "Maths"), c.MathsC1) << c.Quoi;
        EXPECT_EQ(Plages(*P1(), "C1"), c.MathsC1) << c.Quoi;
        EXPECT_EQ(EtapesMemorisees() - Etapes, c.Message ? 0 : 1) << c.Quoi;
    }
    EXPECT_EQ(Plages(*C1(), "Francais"), "0:40-43");
    EXPECT_EQ(Plages(*P1(), "C2"), "1:40-43");
}

TEST_F(CoursTest, APlacementIsSeenInTheMainWindowOnceClosed) {
    Montrer("C2", "P2");
    PlacerParDialogue("P2", "C2", "Mardi", 36, 3);
    EXPECT_TRUE(Messages.Montres.empty());
    for (const char* Identifiant : {"MCC2Mardi36Francais", "MPP2136C2"}) {
        const TBlocVue* Vue = Bloc(Identifiant);
        ASSERT_NE(Vue, nullptr) << Identifiant;
        EXPECT_TRUE(Vue->isVisible()) << Identifiant;
        EXPECT_EQ(Vue->height(), 56) << Identifiant;
    }
    EXPECT_EQ(Cellules("SGens", 2), (Textes{"Francais", "03h00", "00h45", "02h15"}));
    EXPECT_EQ(Cellules("SGcours", 2), (Textes{"C2", "03h00", "00h45", "02h15"}));
    EXPECT_EQ(Etapes(), 1);
}
