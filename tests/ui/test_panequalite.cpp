// The "Qualité" pane shows what --qualite prints, after any change, undo and redo; a click
// on a day's figure brings that day into view; closed, it stays closed until reopened.
#include "tests/ui/FenetreDeTest.h"

#include "scheduling/U_automate.h"
#include "scheduling/U_qualite.h"
#include "scheduling/U_refus.h"

#include <QAbstractButton>
#include <QAction>
#include <QDockWidget>
#include <QLabel>
#include <QTest>

#include <random>

namespace {

// "01h30" is six quarter-hours; a count reads as it is.
int Valeur(const QString& Texte) {
    const auto h = Texte.indexOf(u'h');
    return h < 0 ? Texte.toInt() : Texte.left(h).toInt() * 4 + Texte.mid(h + 1).toInt() / 15;
}

// The line --qualite prints for these figures.
std::string Ligne(const std::string& Debut, const std::vector<int>& Chiffres) {
    std::string l = Debut;
    for (const int c : Chiffres)
        l += ';' + std::to_string(c);
    return l + '\n';
}

class PaneQualiteTest : public FenetreTest {
protected:
    void SetUp() override {
        Ouvrir();
        ConstruireEcole();
    }
    std::vector<int> Colonne(const QString& Nom, int c) const {
        auto* Table = Controle<QTableWidget>(Nom);
        std::vector<int> Chiffres;
        for (int r = 0; r < Table->rowCount(); ++r)
            Chiffres.push_back(Valeur(Table->item(r, c)->text()));
        return Chiffres;
    }
    // The week as --qualite prints it (the days from "5 jour(s) de cours, à placer : 02h00"),
    // each day as measured, and what is left to place as the summary's "Restantes".
    void VerifierActeur(const QString& Nom, const std::string& Debut, const TQualiteActeur& a,
                        const char* Sommaire, const std::string& Csv) {
        const QString Texte = Controle<QLabel>(QStringLiteral("Resume") + Nom)->text();
        const std::vector<int> s = Colonne(QStringLiteral("Jours") + Nom, NombreJours);
        EXPECT_NE(Csv.find(Ligne(
                      Debut, {s[0], Texte.section(u' ', 0, 0).toInt(), s[1], s[2], s[3], s[4]})),
                  std::string::npos)
            << Csv;
        for (TJour j = 0; j < NombreJours; ++j) {
            const TMesuresJour& m = a.Jours[j];
            EXPECT_EQ(Colonne(QStringLiteral("Jours") + Nom, j),
                      (std::vector<int>{m.Trous, m.Doublons, m.Charge, m.Evites, m.Conflits}))
                << Debut << " jour " << int(j);
        }
        int Restantes = 0;
        for (int r = 1; !Cellules(Sommaire, r)[0].empty(); ++r)
            Restantes += Valeur(QString::fromStdString(Cellules(Sommaire, r)[3]));
        EXPECT_EQ(Valeur(Texte.section(u' ', -1)), Restantes);
    }
    void Verifier() {
        const TQualite Q = MesurerQualite(*Automate);
        const std::string Csv = QualiteEnCsv(Q);
        for (const int c : {0, 1})
            EXPECT_NE(Csv.find(Ligne(c ? "total;classes" : "total;professeurs",
                                     Colonne(QStringLiteral("QualiteEcole"), c))),
                      std::string::npos)
                << Csv;
        const std::string Classe = Table->ClasseAffichee();
        const std::string Prof = Table->ProfAffiche();
        VerifierActeur(QStringLiteral("Classe"), "classe;" + Classe,
                       Q.Classes[static_cast<std::size_t>(LesClasses->Indice(Classe))], "SGens",
                       Csv);
        VerifierActeur(QStringLiteral("Prof"), "professeur;" + Prof,
                       Q.Profs[static_cast<std::size_t>(LesProfs->Indice(Prof))], "SGcours", Csv);
    }
};

} // namespace

// Random drops, removals, availability changes and actors shown, with undos and redos by
// their shortcuts: after each, the pane reads as --qualite measures.
TEST_F(PaneQualiteTest, ThePaneShowsWhatQualiteMeasuresAfterEveryChange) {
    std::mt19937 Hasard(18);
    const auto Tirer = [&Hasard](int n) { return static_cast<int>(Hasard() % n); };
    const char* const Classes[] = {"C1", "C2"};
    const char* const Matieres[] = {"Maths", "Francais"};
    for (int Pas = 0; Pas < 60; ++Pas) {
        TClasse& Classe = *LesClasses->Trouver(Classes[Tirer(2)]);
        const auto Jour = static_cast<TJour>(Tirer(3)); // three days: they fill up
        const auto Debut = static_cast<TQuart>(32 + Tirer(44));
        switch (Tirer(6)) {
        case 0:
        case 1: {
            const char* Matiere = Matieres[Tirer(2)];
            TProf& Prof = *LesProfs->Trouver(Classe.ProfDe(Matiere));
            const int Duree = 1 + Tirer(6);
            if (!PlaceLibre(Classe, Prof, Jour, Debut, Duree))
                continue;
            Placer(Classe.Nom, Matiere, Jour, Debut, static_cast<TQuart>(Debut + Duree));
            break;
        }
        case 2:
            if (TProf* Prof = LesProfs->Trouver(Classe.ProfDe(Classe.LireCase(Jour, Debut)))) {
                Prof->EffacerPlage(Jour, Debut, true);
                Classe.EffacerPlage(Jour, Debut, true);
            }
            Table->RafraichirVues();
            break;
        case 3:
            (Tirer(2) ? static_cast<TActeur&>(Classe) : *P1())
                .FixerDispo(Jour, Debut, Tirer(2) ? TDispo::AEviter : TDispo::Interdit);
            Table->RafraichirVues();
            break;
        case 4:
            QTest::keyClick(Table.get(), Tirer(2) ? Qt::Key_Z : Qt::Key_Y, Qt::ControlModifier);
            break;
        default:
            Montrer(Classes[Tirer(2)], Tirer(2) ? "P1" : "P2");
        }
        Sauveur->Memoriser();
        SCOPED_TRACE("pas " + std::to_string(Pas));
        Verifier();
    }
    EXPECT_GT(MesurerQualite(*Automate).TotalProfs.Trous, 0);
}

TEST_F(PaneQualiteTest, TheSchoolsHoursLeftAndAClickOnADayShowsIt) {
    EXPECT_EQ(Controle<QLabel>(QStringLiteral("ResteEcole"))->text(),
              QStringLiteral("À placer : 18h00")); // two classes of 36 quarter-hours
    Placer("C1", "Maths", 3, 60, 63);
    Placer("C1", "Francais", 4, 70, 73);
    Montrer("C1", "P1");
    EXPECT_EQ(Controle<QLabel>(QStringLiteral("ResteEcole"))->text(),
              QStringLiteral("À placer : 16h00"));
    auto* Jours = Controle<QTableWidget>(QStringLiteral("JoursClasse"));
    const auto Cliquer = [Jours](int Rangee, TJour Jour) {
        QTest::mouseClick(Jours->viewport(), Qt::LeftButton, {},
                          Jours->visualRect(Jours->model()->index(Rangee, Jour)).center());
    };
    Cliquer(2, 3); // Thursday's load: C1's Maths at 15h00, P1's too
    EXPECT_EQ(SBClasse()->value(), 19 * (60 - 1 - 32));
    EXPECT_EQ(SBProf()->value(), 19 * (60 - 1 - 32));
    Cliquer(0, 4); // Friday: P1 teaches nothing and stays where it is
    EXPECT_EQ(SBClasse()->value(), SBClasse()->maximum());
    EXPECT_EQ(SBProf()->value(), 19 * (60 - 1 - 32));
    // A course held is in neither grid nor in the figures, until it is dropped.
    SBClasse()->setValue(19 * 20);
    Appuyer(Bloc("MCC1Jeudi60Maths"), QPoint(19, 10));
    Bouger(SGclasse()->viewport(), DansCellule(2, 60));
    EXPECT_EQ(Controle<QLabel>(QStringLiteral("ResteEcole"))->text(),
              QStringLiteral("À placer : 17h00"));
    Relacher(SGclasse()->viewport(), DansCellule(2, 60));
    EXPECT_EQ(Controle<QLabel>(QStringLiteral("ResteEcole"))->text(),
              QStringLiteral("À placer : 16h00"));
    EXPECT_EQ(Jours->item(2, 2)->text(), QStringLiteral("01h00")); // Wednesday's load
}

// In a registry of its own: the window tests running beside it open with the pane.
TEST_F(PaneQualiteTest, ClosedItStaysClosedUntilReopenedFromTheMenu) {
    Table.reset();
    const TRegistrePrive Prive;
    const auto Pane = [this] { return Controle<QDockWidget>(QStringLiteral("PaneQualite")); };
    Ouvrir();
    ASSERT_TRUE(Pane()->isVisible());
    QTest::mouseClick(
        Pane()->findChild<QAbstractButton*>(QStringLiteral("qt_dockwidget_closebutton")),
        Qt::LeftButton);
    EXPECT_FALSE(Pane()->isVisible());
    Table.reset();
    Ouvrir();
    EXPECT_FALSE(Pane()->isVisible());
    Controle<QAction>(QStringLiteral("Qualite1"))->trigger();
    EXPECT_TRUE(Pane()->isVisible());
    Table.reset();
    Ouvrir();
    EXPECT_TRUE(Pane()->isVisible());
    Table.reset();
}
