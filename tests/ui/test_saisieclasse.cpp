// The class form: creating a class, giving it another series, deleting it, and what that
// does to its courses, its teachers and the history. Then what the three forms do with
// names that read alike, and with random operations.
#include "tests/support/ModeleDeTest.h"
#include "tests/ui/SaisieDeTest.h"
#include "ui/dialogs/U_saisieclasse.h"

#include <QApplication>
#include <QClipboard>

#include <random>

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
    // Two of each whose names read alike, the class and its teacher paired.
    static void Doubles() {
        for (const std::string Nom : {"X\x81", "X\x8D"}) {
            LesSeries->AjouterSerie(Nom)->FixerVolume("Maths", 8);
            LesClasses->AjouterClasse(Nom, Nom);
            LesProfs->AjouterProf(Nom, "Maths")->FixerClasses({{Nom, "255"}});
        }
    }
    static std::string Texte() {
        std::string t;
        for (const std::string& Ligne : LignesDuModele())
            t += Ligne + "\r\n";
        return t;
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
    EXPECT_EQ(Nom(F)->lineEdit()->toolTip().toStdString(),
              "Le caractère « Ω » ne peut pas être gardé dans un nom : il a été retiré.");
    Cliquer(F, "B_Ajouter");
    ChoisirSerie(F, "S2");
    Cliquer(F, "B_Ajouter");
    Cliquer(F, "B_Ajouter");
    Remplacer(Nom(F), QStringLiteral("c4"));             // names are compared exactly
    EXPECT_EQ(Nom(F)->lineEdit()->toolTip(), QString()); // kept whole: the notice is stale
    ChoisirSerie(F, "S1");
    Cliquer(F, "B_Ajouter");
    Nom(F)->lineEdit()->selectAll(); // no name, then blanks only
    QTest::keyClick(Nom(F), Qt::Key_Backspace);
    for (const char* Blancs : {"", "  "}) {
        Taper(Nom(F), QLatin1String(Blancs));
        ChoisirSerie(F, "S1");
        Cliquer(F, "B_Ajouter");
    }
    EXPECT_EQ(Liste(Nom(F)), (Textes{"C1", "C2", "C3", "C4", "c4"}));
    EXPECT_EQ(SerieDe("C4") + SerieDe("c4"), "S2S1");
    const char* const SansNom = "Erreur: Veuillez indiquer le nom de la classe";
    EXPECT_EQ(Messages.MontresUtf8(),
              (Textes{"Veuillez indiquer la série de cette classe",
                      "Erreur: Une classe de ce nom existe déjà", SansNom, SansNom}));
    EXPECT_EQ(Etapes(), 2);

    // A paste keeps what a name can hold.
    QApplication::clipboard()->setText(QStringLiteral(u"Łódź") + QString(300, u'a'));
    Nom(F)->lineEdit()->selectAll();
    QTest::keyClick(Nom(F)->lineEdit(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Nom(F)->currentText(), QStringLiteral(u"ód") + QString(253, u'a'));
    EXPECT_EQ(Nom(F)->lineEdit()->toolTip().toStdString(),
              "Les caractères « Ł », « ź » ne peuvent pas être gardés dans un nom : ils ont été "
              "retirés.\nUn nom a au plus 255 caractères : 47 ont été retirés.");
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
    EXPECT_FALSE(P1()->Heures->Existe("C1")); // nor in the teachers' lists, nor in the file
    EXPECT_EQ(Cellules("SGcours", 1), (Textes{"C2", "04h00", "00h00", "04h00"}));
    EXPECT_EQ(Etapes(), 1);
}

// Bytes that Windows-1252 leaves undefined all read as one character. Each form works on the
// entry picked, the second look-alike here (they sort last), never on the other one.
TEST_F(ClasseTest, LookAlikeNamesAreNeverMistakenForTheOnePicked) {
    Doubles();
    for (const auto& [Entree, Liste] :
         {std::pair<const char*, const TLesBases*>{"Professeur1", LesProfs},
          {"Classe1", LesClasses},
          {"Serie1", LesSeries}}) {
        Lancer(Entree, [](QDialog& F) {
            while (Nom(F)->currentIndex() < Nom(F)->count() - 1)
                QTest::keyClick(Nom(F), Qt::Key_Down);
            Cliquer(F, "B_Supprimer");
        });
        EXPECT_TRUE(Liste->Existe("X\x81") && !Liste->Existe("X\x8D")) << Entree;
    }
}

// Random operations through the three forms, on names of every kind (none, blanks, taken,
// look-alikes picked in the list), then both placements from the menu: no one is ever booked
// twice, and the timetable saved opens again to the same text.
TEST_F(ClasseTest, RandomFormOperationsNeverBookAnyoneTwice) {
    Doubles();
    std::mt19937 Hasard(15);
    const auto Au = [&Hasard](int n) { return static_cast<int>(Hasard() % unsigned(n)); };
    const char* const Formes[] = {"Serie1", "Classe1", "Professeur1"};
    const char* const Noms[] = {"", "  ", "C1", "S2", "P2", "N"};
    const char* const Boutons[] = {"B_Ajouter", "B_Modifier", "B_Supprimer"};
    for (int k = 0; k < 40; ++k)
        Lancer(Formes[Au(3)], [&](QDialog& F) {
            Nom(F)->lineEdit()->selectAll();
            QTest::keyClick(Nom(F), Qt::Key_Backspace);
            Taper(Nom(F), QLatin1String(Noms[Au(6)]));
            const int Bas = Au(Nom(F)->count() + 1); // or an entry of the list, half the time
            for (int n = Au(2) * Bas; n > 0; --n)
                QTest::keyClick(Nom(F), Qt::Key_Down);
            if (auto* Series = F.findChild<QComboBox*>(QStringLiteral("CB_serie")))
                QTest::keyClick(Series, Au(2) != 0 ? Qt::Key_Down : Qt::Key_Up);
            Cliquer(F, Boutons[Au(3)]);
        });
    Controle<QAction>(QStringLiteral("Automatique1"))->trigger();
    Controle<QAction>(QStringLiteral("Optimise1"))->trigger();
    EXPECT_EQ(DoublesReservations(), 0);
    const std::string Sauve = Texte();
    ASSERT_TRUE(Sauveur->ChargerOctets(Sauve, "relu"));
    EXPECT_EQ(Texte(), Sauve);
}
