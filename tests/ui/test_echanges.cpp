// Importing a school and publishing its timetables from the menu.
#include "tests/ui/FenetreDeTest.h"

#include "exchange/U_calendrier.h"

#include <QAction>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString Donnee(const char* Nom) {
    return QStringLiteral(HORALO_TEST_DATA "/") + QLatin1String(Nom);
}

class EchangesTest : public FenetreTest {
protected:
    void SetUp() override {
        Ouvrir();
        ConstruireEcole();
        Sauveur->Memoriser();
        // The forms answer as a user would: a name typed in the folder, the period typed, then OK.
        Dialogues.Modal = [this](QDialog& Forme) {
            if (auto* Fichier = qobject_cast<QFileDialog*>(&Forme)) {
                Forme.show();
                auto* Nom = Fichier->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                Fichier->setDirectory(QFileInfo(Chemin).absolutePath()); // where the user went
                QTest::keyClicks(Nom, QFileInfo(Chemin).fileName());
                QTest::mouseClick(Fichier->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))
                                      ->buttons()
                                      .constFirst(),
                                  Qt::LeftButton);
            } else if (auto* Du = Forme.findChild<QDateEdit*>(QStringLiteral("DE_du"))) {
                Forme.show();
                for (qsizetype k = 0; k < Dates.size(); ++k) {
                    auto* Champ = k ? Forme.findChild<QDateEdit*>(QStringLiteral("DE_au")) : Du;
                    QTest::keyClick(Champ, Qt::Key_Home); // the day selected, then typed over
                    QTest::keyClick(Champ, Qt::Key_Right, Qt::ShiftModifier);
                    QTest::keyClick(Champ, Qt::Key_Right, Qt::ShiftModifier);
                    QTest::keyClicks(Champ, Dates[k]);
                }
                QTest::mouseClick(
                    Forme.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                    Qt::LeftButton);
            } else if (auto* Periode = Forme.findChild<QSpinBox*>(QStringLiteral("SE_periode"))) {
                Periode->selectAll();
                QTest::keyClicks(Periode, QStringLiteral("45"));
                QTest::mouseClick(
                    Forme.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                    Qt::LeftButton);
            } else {
                Rapport =
                    Forme.findChild<QLabel*>(QStringLiteral("L_bilan"))->text() + u'\n' +
                    Forme.findChild<QPlainTextEdit*>(QStringLiteral("M_rapport"))->toPlainText();
                Forme.accept();
            }
            return Forme.result();
        };
    }
    void Menu(const char* Entree) { Controle<QAction>(QLatin1String(Entree))->trigger(); }

    QString Chemin;
    QStringList Dates; // the first and last days typed; none: the form's own
    QString Rapport;
    QTemporaryDir Dossier;
};

// The import replaces the timetable only after the save prompt, as a new modified one; a
// file refused whole changes nothing and asks nothing.
TEST_F(EchangesTest, LImportOuvreUnNouvelEmploiDuTempsApresLaQuestion) {
    const struct {
        const char* Nom;
        const char* Entree;
        const char* Fichier;
        TReponse Reponse;
        int Classes;         // afterwards
        const char* Rapport; // its start; empty: none shown
    } Cas[] = {
        {"CSV", "ImporterCsv1", "services.csv", TReponse::Non, 3,
         "Importé : 5 activités, 96 quarts d'heure ; non importé : 10 activités, 62 quarts "
         "d'heure.\nligne 5 : la série Seconde"},
        {"FET en heures de 45 minutes", "ImporterFet1", "ecole.fet", TReponse::Non, 3,
         "Importé : 7 activités, 54 quarts d'heure"},
        {"abandon", "ImporterCsv1", "services.csv", TReponse::Abandon, 2, ""},
        {"refusé", "ImporterFet1", nullptr, TReponse::Non, 2, ""},
    };
    const QString Casse = Dossier.filePath(QStringLiteral("casse.fet"));
    QFile f(Casse);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("classe;serie;matiere;volume;professeur\n");
    f.close();
    for (const auto& c : Cas) {
        SCOPED_TRACE(c.Nom);
        Table->NomFichierEnregistrement = "garde.edt";
        Messages.Questions.clear();
        Messages.Reponses = {c.Reponse};
        Chemin = c.Fichier ? Donnee(c.Fichier) : Casse;
        Rapport.clear();
        Menu(c.Entree);
        EXPECT_EQ(LesClasses->Nombre(), c.Classes);
        EXPECT_EQ(Rapport.left(QString::fromUtf8(c.Rapport).size()), QString::fromUtf8(c.Rapport));
        EXPECT_EQ(Rapport.isEmpty(), !*c.Rapport);
        EXPECT_EQ(Messages.Questions.size(), std::string(c.Nom) != "refusé");
        EXPECT_EQ(Table->NomFichierEnregistrement, *c.Rapport ? "Defaut" : "garde.edt");
        EXPECT_TRUE(Sauveur->Modifie);
        if (*c.Rapport) { // back to the small school for the next case
            Sauveur->ViderModele();
            ConstruireEcole();
        }
    }
    EXPECT_NE(Messages.MontresUtf8().back().find("ce n'est pas un fichier FET lisible"),
              std::string::npos);
}

TEST_F(EchangesTest, PublierEcritLeDossierEtLeDit) {
    Placer("C1", "Maths", 0, 40, 43);
    Chemin = Dossier.filePath(QStringLiteral("pub"));
    QDir(Dossier.path()).mkpath(QStringLiteral("pub/.git"));
    Menu("Publier1");
    EXPECT_TRUE(QFile::exists(Chemin + QStringLiteral("/classe-C1.html")));
    EXPECT_TRUE(QFile::exists(Chemin + QStringLiteral("/prof-P1.ics")));
    EXPECT_EQ(Messages.MontresUtf8().back(), "Les emplois du temps sont publiés dans « " +
                                                 Chemin.toStdString() + " » : ouvrez index.html.");
    EXPECT_TRUE(QFile::exists(Chemin + QStringLiteral("/.git")));
    QFile Autre(Chemin + QStringLiteral("/notes.txt"));
    ASSERT_TRUE(Autre.open(QIODevice::WriteOnly));
    Autre.close();
    Menu("Publier1");
    EXPECT_NE(Messages.MontresUtf8().back().find("autre chose qu'une publication (« notes.txt »)"),
              std::string::npos);
    EXPECT_TRUE(QFile::exists(Chemin + QStringLiteral("/classe-C1.html")));
}

// The calendars cover the school year unless other days are typed; a period that ends before
// it begins is refused and the last publication stays.
TEST_F(EchangesTest, PublierDemandeLaPeriodeDesCalendriers) {
    Placer("C1", "Maths", 0, 40, 43);
    Chemin = Dossier.filePath(QStringLiteral("pub"));
    QDir(Dossier.path()).mkdir(QStringLiteral("pub"));
    const TPeriode Annee = AnneeScolaire(QDate::currentDate());
    const QString Jour = QStringLiteral("yyyyMMdd");
    const struct {
        QStringList Dates;
        QString Du, Au;
    } Cas[] = {
        {{}, Annee.Du.toString(Jour), Annee.Au.toString(Jour)},
        {{QStringLiteral("05012027"), QStringLiteral("30062027")},
         QStringLiteral("20270105"),
         QStringLiteral("20270630")},
        {{QStringLiteral("01072027"), QStringLiteral("30062027")},
         QStringLiteral("20270105"),
         QStringLiteral("20270630")},
    };
    for (const auto& c : Cas) {
        SCOPED_TRACE(c.Dates.join(u' ').toStdString());
        Dates = c.Dates;
        Menu("Publier1");
        QFile Ics(Chemin + QStringLiteral("/classe-C1.ics"));
        ASSERT_TRUE(Ics.open(QIODevice::ReadOnly));
        const QString Texte = QString::fromUtf8(Ics.readAll());
        EXPECT_TRUE(Texte.contains(QStringLiteral("DTSTAMP:") + c.Du)) << Texte.toStdString();
        EXPECT_TRUE(Texte.contains(QStringLiteral("UNTIL=") + c.Au)) << Texte.toStdString();
    }
    EXPECT_NE(Messages.MontresUtf8().back().find("La période finit avant de commencer."),
              std::string::npos);
}

} // namespace
