// The class form: creating a class, giving it another series, deleting it, and what that
// does to its courses, its teachers and the history.
#include "tests/ui/SaisieDeTest.h"
#include "ui/dialogs/U_saisieclasse.h"

namespace {

using Textes = std::vector<std::string>;

// S2 (Maths) besides S1, with its class C3.
class ClasseTest : public SaisieTest {
protected:
    void SetUp() override {
        SaisieTest::SetUp();
        LesSeries->AjouterSerie("S2")->FixerVolume("Maths", 12);
        LesClasses->AjouterClasse("C3", "S2");
        Table->RafraichirVues();
    }
    static QComboBox* Nom(const QWidget& F) { return Dans<QComboBox>(F, "CB_nom"); }
    static QComboBox* Serie(const QWidget& F) { return Dans<QComboBox>(F, "CB_serie"); }
    static Textes Liste(const QComboBox* Boite) {
        Textes Noms;
        for (int i = 0; i < Boite->count(); ++i)
            Noms.push_back(Boite->itemText(i).toStdString());
        return Noms;
    }
    // The series box set with the arrow keys.
    static void ChoisirSerie(const QWidget& F, const char* Nom) {
        const int Voulu = Serie(F)->findText(QLatin1String(Nom));
        while (Serie(F)->currentIndex() != Voulu)
            QTest::keyClick(Serie(F), Serie(F)->currentIndex() < Voulu ? Qt::Key_Down : Qt::Key_Up);
    }
    static std::string SerieDe(const char* Classe) {
        const TClasse* C = LesClasses->Trouver(Classe);
        return C ? C->Serie->Nom : "(none)";
    }
};

} // namespace

TEST_F(ClasseTest, OpensOnTheShownClassAndFollowsThePickedOne) {
    Montrer("C2", "P1");
    Lancer("Classe1", [&](QDialog& F) {
        EXPECT_EQ(Liste(Nom(F)), (Textes{"C1", "C2", "C3"}));
        EXPECT_EQ(Liste(Serie(F)), (Textes{"S1", "S2"}));
        EXPECT_EQ(Nom(F)->currentText() + Serie(F)->currentText(), QStringLiteral("C2S1"));
        QTest::keyClick(Nom(F), Qt::Key_Down); // picks C3
        EXPECT_EQ(Serie(F)->currentText(), QStringLiteral("S2"));
        Taper(Nom(F), QStringLiteral("b")); // a new name starts without a series
        EXPECT_EQ(Serie(F)->currentIndex(), -1);
    });
    EXPECT_EQ(Dialogues.Formes, QStringList{QStringLiteral("TF_classe")});

    for (const char* Classe : {"C1", "C2", "C3"})
        LesClasses->Supprimer(Classe);
    Table->RafraichirVues();
    Lancer("Classe1", [&](QDialog& F) {
        EXPECT_EQ(Nom(F)->count() + Nom(F)->currentText().size(), 0);
        EXPECT_EQ(Serie(F)->currentIndex(), -1);
    });
}

TEST_F(ClasseTest, AjouterNeedsASeriesAndANameNotTaken) {
    TF_classe F(Table.get());
    F.show();
    Remplacer(Nom(F), QStringLiteral(u"C4Ω"));
    Cliquer(F, "B_Ajouter");
    ChoisirSerie(F, "S2");
    Cliquer(F, "B_Ajouter");
    Cliquer(F, "B_Ajouter");
    Remplacer(Nom(F), QStringLiteral("c4")); // names are compared exactly
    ChoisirSerie(F, "S1");
    Cliquer(F, "B_Ajouter");
    EXPECT_EQ(Liste(Nom(F)), (Textes{"C1", "C2", "C3", "C4", "c4"}));
    EXPECT_EQ(SerieDe("C4") + SerieDe("c4"), "S2S1");
    EXPECT_EQ(Messages.MontresUtf8(), (Textes{"Veuillez indiquer la série de cette classe",
                                              "Erreur: Une classe de ce nom existe déjà"}));
    EXPECT_EQ(Etapes(), 2);
}

TEST_F(ClasseTest, ModifierMovesTheClassToTheOtherSeriesWithoutItsCourses) {
    Placer("C1", "Maths", 0, 40, 43);
    Placer("C1", "Francais", 1, 40, 43);
    Placer("C2", "Maths", 2, 40, 43);
    Montrer("C1", "P1");
    Lancer("Classe1", [&](QDialog& F) {
        ChoisirSerie(F, "S2");
        Cliquer(F, "B_Modifier");
        EXPECT_EQ(Liste(Nom(F)), (Textes{"C1", "C2", "C3"}));
        Cliquer(F, "B_Modifier"); // the same series: nothing to do
        Remplacer(Nom(F), QStringLiteral("C1"));
        Cliquer(F, "B_Modifier"); // no series shown: nothing to do
        Remplacer(Nom(F), QStringLiteral("C9"));
        ChoisirSerie(F, "S1");
        Cliquer(F, "B_Modifier");
    });
    EXPECT_EQ(SerieDe("C1"), "S2");
    EXPECT_EQ(C1()->CompterQuarts("Maths") + C1()->CompterQuarts("Francais"), 0);
    EXPECT_EQ(Plages(*P1(), "C1") + Plages(*P2(), "C1"), "");
    EXPECT_EQ(Plages(*P1(), "C2"), "2:40-43");
    EXPECT_EQ(Bloc("MPP1040C1"), nullptr);
    EXPECT_EQ(Messages.MontresUtf8(), Textes{"Erreur: La classe n'existe pas"});
    EXPECT_EQ(Etapes(), 1);
}

TEST_F(ClasseTest, SupprimerRemovesTheClassAndItsCoursesFromItsTeachers) {
    Placer("C1", "Maths", 0, 40, 43);
    Montrer("C1", "P1");
    Lancer("Classe1", [&](QDialog& F) {
        Cliquer(F, "B_Supprimer");
        EXPECT_TRUE(Nom(F)->currentText().isEmpty());
        EXPECT_EQ(Liste(Nom(F)), (Textes{"C2", "C3"}));
        EXPECT_EQ(Serie(F)->currentText(), QStringLiteral("S1"));
        Cliquer(F, "B_Supprimer"); // no such class: nothing to delete
    });
    EXPECT_EQ(LesClasses->Trouver("C1"), nullptr);
    EXPECT_EQ(Plages(*P1(), "C1"), "");
    EXPECT_EQ(Bloc("MPP1040C1"), nullptr);
    EXPECT_EQ(CBclasse()->findText(QStringLiteral("C1")), -1);
    EXPECT_TRUE(P1()->Heures->Existe("C1")); // teachers keep the class in their list
    EXPECT_EQ(Etapes(), 1);
}
