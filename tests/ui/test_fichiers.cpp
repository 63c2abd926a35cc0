// The file commands, printing and copying, from the menu and its shortcuts.
#include "tests/ui/AideEnregistreuse.h"
#include "tests/ui/FenetreDeTest.h"
#include "tests/ui/OutilsImages.h"

#include "model/U_texte.h"
#include "storage/U_registre.h"
#include "storage/U_verrou.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using Textes = std::vector<std::string>;

const QString Legende = QStringLiteral("Horalo - Emploi du temps - ");

// A modified school in a window, and a scratch folder.
class FichiersTest : public FenetreTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(Dossier.isValid());
        Ouvrir();
        ConstruireEcole();
        Placer("C1", "Maths", 0, 40, 43);
        Sauveur->Memoriser();
    }
    QString Chemin(const char* Nom) const { return Dossier.filePath(QString::fromLatin1(Nom)); }
    void Raccourci(Qt::Key Touche) { QTest::keyClick(Table.get(), Touche, Qt::ControlModifier); }
    void Menu(const char* Entree) { Controle<QAction>(QLatin1String(Entree))->trigger(); }
    // A saved copy of the school, to be opened.
    QString Enregistre(const char* Nom) {
        const QString c = Chemin(Nom);
        Sauveur->EcrireFichier(c.toStdString());
        return c;
    }

    QTemporaryDir Dossier;
};

int PagesDe(const QString& Pdf) {
    QProcess Info;
    Info.start(QStringLiteral("pdfinfo"), {Pdf});
    if (!Info.waitForFinished(10000))
        return -1;
    for (const QByteArray& Ligne : Info.readAllStandardOutput().split('\n'))
        if (Ligne.startsWith("Pages:"))
            return Ligne.mid(6).trimmed().toInt();
    return -1;
}

} // namespace

// New and Open replace the timetable only once the user's changes are safe: a Yes whose
// save does not happen (cancelled, or failed) used to lose them all the same.
TEST_F(FichiersTest, NewAndOpenKeepTheChangesUnlessTheyAreSavedOrGivenUp) {
    const QString Autre = Enregistre("autre.edt");
    struct TCas {
        const char* Nom;
        TReponse Reponse;
        QString FichierEnregistre; // what the save-as dialog answers
        bool Remplace;
    };
    const TCas Cas[] = {{"Abandon", TReponse::Abandon, QString(), false},
                        {"OuiPuisAnnule", TReponse::Oui, QString(), false},
                        {"OuiSurDossier", TReponse::Oui, Dossier.path(), false}, // a folder: fails
                        {"Non", TReponse::Non, QString(), true},
                        {"OuiPuisEnregistre", TReponse::Oui, Chemin("garde.edt"), true}};
    for (const bool Ouvrir : {false, true})
        for (const TCas& c : Cas) {
            SCOPED_TRACE(std::string(c.Nom) + (Ouvrir ? " Ouvrir" : " Nouveau"));
            if (LesClasses->Nombre() == 0)
                ConstruireEcole();
            Sauveur->Memoriser();
            Table->NomFichierEnregistrement = "Defaut";
            Messages.Reponses = {c.Reponse};
            Dialogues.Fichiers =
                Ouvrir ? QStringList{Autre, c.FichierEnregistre} : QStringList{c.FichierEnregistre};
            Raccourci(Ouvrir ? Qt::Key_O : Qt::Key_N);
            EXPECT_EQ(Messages.Questions.back(), "Voulez vous sauvegarder ?");
            EXPECT_EQ(Sauveur->Modifie, !c.Remplace);
            EXPECT_EQ(LesClasses->Nombre(), Ouvrir || !c.Remplace ? 2 : 0);
            if (c.Remplace) {
                EXPECT_EQ(Table->NomFichierEnregistrement,
                          Ouvrir ? Autre.toStdString() : std::string("Defaut"));
                EXPECT_TRUE(c.FichierEnregistre.isEmpty() || QFile::exists(c.FichierEnregistre));
            }
        }
}

TEST_F(FichiersTest, OpenNamesTheFileAndNewKeepsTheCaption) {
    const QString Fichier = Enregistre("ecole.edt");
    Sauveur->Reinitialiser();
    Dialogues.Fichiers = {Fichier};
    Raccourci(Qt::Key_O);
    EXPECT_TRUE(Messages.Questions.empty()); // nothing to save
    EXPECT_EQ(Table->windowTitle(), Legende + Fichier);
    EXPECT_EQ(Table->NomFichierEnregistrement, Fichier.toStdString());
    EXPECT_EQ(Plages(*C1(), "Maths"), "0:40-43");
    EXPECT_FALSE(Sauveur->Modifie);
    // The state opened is the history's base, and undo keeps the file Ctrl+S writes.
    MenuSur("MCC1Lundi40Maths", "Supprimer1");
    EXPECT_EQ(Plages(*C1(), "Maths"), "");
    Raccourci(Qt::Key_Z);
    EXPECT_EQ(Plages(*C1(), "Maths"), "0:40-43");
    Raccourci(Qt::Key_S);
    EXPECT_TRUE(Dialogues.NomsProposes.isEmpty());
    EXPECT_FALSE(Sauveur->Modifie);

    Raccourci(Qt::Key_N);
    EXPECT_EQ(LesClasses->Nombre(), 0);
    EXPECT_EQ(Table->windowTitle(), Legende + Fichier);
    EXPECT_EQ(Table->NomFichierEnregistrement, "Defaut");

    Dialogues.Fichiers = {QString()}; // cancelled: nothing opens
    Raccourci(Qt::Key_O);
    EXPECT_EQ(LesClasses->Nombre(), 0);
}

TEST_F(FichiersTest, SaveWritesTheNamedFileAndResetsTheHistory) {
    Dialogues.Fichiers = {Chemin("a.edt")};
    Raccourci(Qt::Key_S); // no name yet: save as
    EXPECT_EQ(Dialogues.NomsProposes, QStringList{QStringLiteral("Defaut")});
    EXPECT_TRUE(QFile::exists(Chemin("a.edt")));
    EXPECT_EQ(Table->windowTitle(), Legende + Chemin("a.edt"));
    EXPECT_FALSE(Sauveur->Modifie);
    EXPECT_FALSE(Controle<QAction>(QStringLiteral("Annuler1"))->isEnabled());

    Sauveur->Memoriser();
    // Redo has nothing to bring back right after a recorded change.
    EXPECT_FALSE(Sauveur->PeutRefaire());
    Raccourci(Qt::Key_S); // named now: no dialog
    EXPECT_EQ(Dialogues.NomsProposes.size(), 1);
    EXPECT_FALSE(Sauveur->Modifie);
}

// Qt's own dialogs: Open proposes the file last opened, Save as the timetable's whole name,
// each in its own folder.
TEST_F(FichiersTest, FileDialogsProposeTheLastFileOpenedAndTheWholeName) {
    const QString Fichier = Enregistre("ecole.edt");
    Dialogues.Fichiers = {Fichier};
    Raccourci(Qt::Key_O);
    InstallerDialogues(nullptr);
    QStringList Proposes;
    const auto Noter = [&Proposes] {
        auto* Dialogue = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        Proposes << (Dialogue ? Dialogue->selectedFiles().value(0) : QString());
        if (Dialogue)
            Dialogue->reject();
    };
    QTimer::singleShot(0, Noter);
    Raccourci(Qt::Key_O);
    QTimer::singleShot(0, Noter);
    Menu("Enregistrersous1");
    InstallerDialogues(&Dialogues);
    EXPECT_EQ(Proposes, QStringList({Fichier, Fichier}));
}

// The folder the file dialogs start in is the last one the user moved to in either.
TEST_F(FichiersTest, FolderChangesAreRememberedForTheNextDialog) {
    const QString Un = Chemin("un"), Deux = Chemin("deux");
    Dialogues.DossiersVisites = {Un, Deux};
    Dialogues.Fichiers = {QString()};
    Raccourci(Qt::Key_O);
    EXPECT_EQ(Registre->LireDossier(), Deux.toStdString());
    Dialogues.DossiersVisites.clear();
    Dialogues.Fichiers = {QString()};
    Menu("Enregistrersous1");
    EXPECT_EQ(Dialogues.DossiersDeDepart.back(), Deux);
}

// Printing: the selection (the default) is the class shown, a page break, the teacher
// shown; every other range prints every class, then every teacher.
TEST_F(FichiersTest, PrintingGivesOnePagePerTimetable) {
    LesClasses->AjouterClasse("C3", "S1");
    Table->RafraichirVues();
    struct TCas {
        const char* Nom;
        QAbstractPrintDialog::PrintRange Plage;
        bool AvecProf;
        int Pages;
    };
    for (const TCas& c : {TCas{"Tout", QAbstractPrintDialog::AllPages, true, 5},
                          TCas{"Selection", QAbstractPrintDialog::Selection, true, 2},
                          TCas{"SelectionSansProf", QAbstractPrintDialog::Selection, false, 2}}) {
        SCOPED_TRACE(c.Nom);
        const QString Pdf = Chemin(c.Nom) + QStringLiteral(".pdf");
        Dialogues.Plage = c.Plage;
        Dialogues.AvantImpression = [&](QPrinter& Imprimante) {
            Imprimante.setOutputFormat(QPrinter::PdfFormat);
            Imprimante.setOutputFileName(Pdf);
        };
        Montrer("C1", c.AvecProf ? "P1" : "aucun");
        if (!c.AvecProf)
            CBprof()->setCurrentIndex(-1);
        Raccourci(Qt::Key_P);
        EXPECT_EQ(PagesDe(Pdf), c.Pages);
    }
    EXPECT_TRUE(Messages.Montres.empty());
}

TEST_F(FichiersTest, PrinterFailuresAreToldInTheirOwnWords) {
    Dialogues.AvantImpression = [&](QPrinter& Imprimante) {
        Imprimante.setOutputFormat(QPrinter::PdfFormat);
        Imprimante.setOutputFileName(Dossier.path()); // a folder: the document cannot begin
    };
    Raccourci(Qt::Key_P);
    Dialogues.EchecConfiguration = true;
    Menu("Configurationdelimpression1");
    EXPECT_EQ(Messages.MontresUtf8(),
              (Textes{"Erreur : Vos pilotes d'imprimante ne sont peut-être pas opérationnels",
                      "Erreur : Vous n'avez peut-être pas installé votre imprimante"}));
}

// The week picture goes to the clipboard; a class deleted since it was shown gives none.
TEST_F(FichiersTest, CopyPutsTheWeekPictureOnTheClipboard) {
    LesSeries->Trouver("S1")->Heures->Trouver("Maths")->Couleur = 0x0000FF;
    Montrer("C1", "P1");
    Menu("CopierClasse1");
    const QImage Image = QApplication::clipboard()->image();
    ASSERT_EQ(Image.size(), QSize(275, 952));
    EXPECT_EQ(Image.pixelColor(60, 230), QColor(255, 0, 0)); // Monday 10h00, the course
    EXPECT_EQ(Image.pixelColor(60, 300), QColor(Qt::white));
    EXPECT_TRUE(ContientDuNoir(Image, QRect(10, 5, 150, 12))); // the title
    Menu("CopierProf1"); // the teacher's block is white, framed in grey
    EXPECT_EQ(QApplication::clipboard()->image().pixelColor(40, 200), QColor(153, 153, 153));
    EXPECT_EQ(QApplication::clipboard()->image().pixelColor(60, 194), QColor(Qt::white));

    QApplication::clipboard()->clear();
    LesClasses->Supprimer("C1"); // still named by the list until the next refresh
    Menu("CopierClasse1");
    EXPECT_TRUE(QApplication::clipboard()->image().isNull());
    Menu("CopierProf1");
    EXPECT_EQ(QApplication::clipboard()->image().size(), QSize(275, 952));
}

TEST_F(FichiersTest, HelpCommandsOpenTheViewersThreeTabs) {
    TAideEnregistreuse Aide;
    for (const char* Entree : {"Utiliserlaide1", "Index1", "Rechercher1"})
        Menu(Entree);
    EXPECT_EQ(Aide.Demandes, (Textes{"sommaire", "index", "rechercher"}));
}

// ---- The command line, as a script runs it.

namespace {

struct TSortie {
    int Statut;
    QString Sortie, Erreurs;
};

TSortie Lancer(const QStringList& Arguments) {
    QProcess Horalo;
    QProcessEnvironment Environnement = QProcessEnvironment::systemEnvironment();
    Environnement.remove(QStringLiteral("DISPLAY"));
    Environnement.remove(QStringLiteral("QT_QPA_PLATFORM"));
    Horalo.setProcessEnvironment(Environnement);
    Horalo.start(QStringLiteral(HORALO_PROGRAMME), Arguments);
    if (!Horalo.waitForFinished(60000))
        return {-1, {}, {}};
    return {Horalo.exitCode(), QString::fromUtf8(Horalo.readAllStandardOutput()),
            QString::fromUtf8(Horalo.readAllStandardError())};
}

} // namespace

TEST(LigneDeCommande, PdfPrintsEveryTimetableWithoutADisplay) {
    QTemporaryDir Dossier;
    const QString Pdf = Dossier.filePath(QStringLiteral("college.pdf"));
    const TSortie r =
        Lancer({QStringLiteral("--pdf"), Pdf, QStringLiteral(HORALO_EXAMPLES "/college.edt")});
    EXPECT_EQ(r.Statut, 0) << r.Erreurs.toStdString();
    EXPECT_EQ(PagesDe(Pdf), 16 + 35);

    // A damaged or missing file: a message, a failing status, and the old PDF untouched.
    const QString Abime = Dossier.filePath(QStringLiteral("abime.edt"));
    QFile f(Abime);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Horalo\r\n1\r\nS1\r\nx\r\n");
    f.close();
    QFile Avant(Pdf);
    ASSERT_TRUE(Avant.open(QIODevice::ReadOnly));
    const QByteArray Octets = Avant.readAll();
    for (const QString& Entree : {Abime, Dossier.filePath(QStringLiteral("absent.edt"))}) {
        const TSortie e = Lancer({QStringLiteral("--pdf"), Pdf, Entree});
        EXPECT_NE(e.Statut, 0);
        EXPECT_TRUE(e.Erreurs.contains(Entree)) << e.Erreurs.toStdString();
        QFile Apres(Pdf);
        ASSERT_TRUE(Apres.open(QIODevice::ReadOnly));
        EXPECT_EQ(Apres.readAll(), Octets);
    }
    EXPECT_EQ(QDir(Dossier.path()).entryList(QDir::Files | QDir::Hidden).size(), 2); // no scrap
}

TEST(LigneDeCommande, PlacerWritesThePlacedFileAndSaysHowMuchIsPlaced) {
    QTemporaryDir Dossier;
    const QString Sortie = Dossier.filePath(QStringLiteral("place.edt"));
    const TSortie r = Lancer(
        {QStringLiteral("--placer"), QStringLiteral(HORALO_EXAMPLES "/college.edt"), Sortie});
    EXPECT_EQ(r.Statut, 0) << r.Erreurs.toStdString();
    EXPECT_EQ(r.Sortie, QStringLiteral("1 744 quarts d'heure placés sur 1 744.\n"));
    QFile Place(Sortie);
    ASSERT_TRUE(Place.open(QIODevice::ReadOnly));
    QFile Attendu(QStringLiteral(HORALO_TEST_DATA "/college-place.edt"));
    ASSERT_TRUE(Attendu.open(QIODevice::ReadOnly));
    EXPECT_EQ(Place.readAll(), Attendu.readAll());

    // Nothing is left to diagnose in the placed file; a file that does not read is an error.
    EXPECT_EQ(Lancer({QStringLiteral("--diagnostiquer"), Sortie}).Sortie,
              QStringLiteral("classe;matiere;professeur;manque;raison;places\n"));
    EXPECT_EQ(Lancer({QStringLiteral("--diagnostiquer"), Dossier.filePath(QStringLiteral("x.edt"))})
                  .Statut,
              1);
    // Constraints travel through: the section comes out as it went in.
    const TSortie c = Lancer(
        {QStringLiteral("--placer"), QStringLiteral(HORALO_TEST_DATA "/contraintes.edt"), Sortie});
    ASSERT_EQ(c.Statut, 0) << c.Erreurs.toStdString();
    QFile Contraintes(QStringLiteral(HORALO_TEST_DATA "/contraintes.edt"));
    Place.close();
    ASSERT_TRUE(Place.open(QIODevice::ReadOnly) && Contraintes.open(QIODevice::ReadOnly));
    const QByteArray Tout = Contraintes.readAll();
    ASSERT_GT(Tout.indexOf("Contraintes\r\n"), 0);
    EXPECT_TRUE(Place.readAll().endsWith(Tout.mid(Tout.indexOf("Contraintes\r\n"))));
    // Neither placement covers an interdit cell: the teacher's 8 conflicts are the locked run
    // that stood on them in the file.
    const auto Conflits = [&Sortie] {
        QStringList Totaux;
        for (const QString& Ligne :
             Lancer({QStringLiteral("--qualite"), Sortie}).Sortie.split(QLatin1Char('\n')))
            if (Ligne.startsWith(QStringLiteral("total;")))
                Totaux << Ligne.section(QLatin1Char(';'), -1);
        return Totaux.join(QLatin1Char(' '));
    };
    EXPECT_EQ(Conflits(), QStringLiteral("8 0"));
    ASSERT_EQ(Lancer({QStringLiteral("--optimiser"),
                      QStringLiteral(HORALO_TEST_DATA "/contraintes.edt"), Sortie})
                  .Statut,
              0);
    EXPECT_EQ(Conflits(), QStringLiteral("8 0"));

    EXPECT_EQ(Lancer({QStringLiteral("--placer"), Sortie}).Statut, 2); // an argument short
    EXPECT_EQ(Lancer({QStringLiteral("--diagnostiquer")}).Statut, 2);
    const TSortie Aide = Lancer({QStringLiteral("--help")});
    EXPECT_EQ(Aide.Statut, 0);
    for (const char* Mot : {"--pdf", "--placer", "--optimiser", "--qualite", "--importer",
                            "--publier", "--version", "--diagnostiquer"})
        EXPECT_TRUE(Aide.Sortie.contains(QLatin1String(Mot))) << Mot;
    EXPECT_EQ(Lancer({QStringLiteral("--version")}).Sortie, QStringLiteral("Horalo 1.0\n"));
}

// The measures of a placed school, one line per teacher and class and two totals; a file that
// cannot be read fails as it does for --placer.
TEST(LigneDeCommande, QualitePrintsTheMeasuresAsCsv) {
    const TSortie r = Lancer(
        {QStringLiteral("--qualite"), QStringLiteral(HORALO_TEST_DATA "/college-place.edt")});
    EXPECT_EQ(r.Statut, 0) << r.Erreurs.toStdString();
    const QStringList Lignes = r.Sortie.split(QLatin1Char('\n'));
    ASSERT_EQ(Lignes.size(), 1 + 35 + 16 + 2 + 1);
    EXPECT_EQ(Lignes[0], QStringLiteral("type;nom;trous;jours;doublons;chargemax;evites;conflits"));
    EXPECT_EQ(Lignes[36], QStringLiteral("classe;6ème A;12;4;0;32;0;0"));
    EXPECT_EQ(Lignes[53], QStringLiteral("total;classes;263;79;0;524;0;0"));
    QTemporaryDir Dossier;
    const QString Absent = Dossier.filePath(QStringLiteral("absent.edt"));
    const TSortie e = Lancer({QStringLiteral("--qualite"), Absent});
    const TSortie p = Lancer({QStringLiteral("--placer"), Absent, Absent});
    EXPECT_EQ(e.Statut, p.Statut);
    EXPECT_EQ(e.Erreurs, p.Erreurs);
    EXPECT_TRUE(e.Sortie.isEmpty());
    EXPECT_EQ(Lancer({QStringLiteral("--qualite")}).Statut, 2);
}

// The same file and effort give the same timetable, and never less than --placer.
TEST(LigneDeCommande, OptimiserIsRepeatableAndNeverBelowThePlacer) {
    QTemporaryDir Dossier;
    QFile Exemple(QStringLiteral(HORALO_EXAMPLES "/college.edt"));
    ASSERT_TRUE(Exemple.open(QIODevice::ReadOnly));
    QByteArray Texte = Exemple.readAll();
    const QByteArray Reglages("8\r\n08h00\r\n12h00\r\n14h00\r\n20h00\r\n");
    ASSERT_TRUE(Texte.endsWith(Reglages));
    Texte.chop(Reglages.size());
    Texte += "6\r\n08h00\r\n11h00\r\n13h00\r\n14h00\r\n"; // tight day bounds
    const QString Entree = Dossier.filePath(QStringLiteral("serre.edt"));
    QFile f(Entree);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(Texte);
    f.close();

    QByteArray Resultats[2];
    for (QByteArray& Resultat : Resultats) {
        const QString Sortie = Dossier.filePath(QStringLiteral("opti.edt"));
        const TSortie r = Lancer({QStringLiteral("--optimiser"), Entree, Sortie,
                                  QStringLiteral("--etapes"), QStringLiteral("200000")});
        ASSERT_EQ(r.Statut, 0) << r.Erreurs.toStdString();
        EXPECT_TRUE(r.Sortie.endsWith(QStringLiteral(" au plus peuvent l'être. C'est le maximum "
                                                     "possible avec ces réglages.\n")));
        QFile Lu(Sortie);
        ASSERT_TRUE(Lu.open(QIODevice::ReadOnly));
        Resultat = Lu.readAll();
        const long Places =
            r.Sortie.section(QStringLiteral(" quarts"), 0, 0).remove(QLatin1Char(' ')).toLong();
        const TSortie g =
            Lancer({QStringLiteral("--placer"), Entree, Dossier.filePath(QStringLiteral("g.edt"))});
        const long Glouton =
            g.Sortie.section(QStringLiteral(" quarts"), 0, 0).remove(QLatin1Char(' ')).toLong();
        EXPECT_GE(Places, Glouton);
        EXPECT_GT(Glouton, 0);
    }
    EXPECT_EQ(Resultats[0], Resultats[1]);
    // An effort the search's arithmetic could not hold is refused, as is a word.
    for (const char* Etapes : {"beaucoup", "-1", "1000000001", "9223372036854775807"}) {
        const TSortie r = Lancer({QStringLiteral("--optimiser"), Entree,
                                  Dossier.filePath(QStringLiteral("o.edt")),
                                  QStringLiteral("--etapes"), QLatin1String(Etapes)});
        EXPECT_EQ(r.Statut, 2) << Etapes;
        EXPECT_TRUE(r.Erreurs.contains(QStringLiteral("--etapes attend un nombre de 0 à "
                                                      "1 000 000 000.\n")))
            << r.Erreurs.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(Dossier.filePath(QStringLiteral("o.edt"))));
}

// The PDF never replaces the timetable it prints, under any of its names, and is made with
// the user's umask.
TEST(LigneDeCommande, PdfKeepsItsInputAndFollowsTheUmask) {
    QTemporaryDir Dossier;
    const QString Entree = Dossier.filePath(QStringLiteral("petit.edt"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(HORALO_EXAMPLES "/petit.edt"), Entree));
    const QString Lien = Dossier.filePath(QStringLiteral("lien.pdf"));
    const QString Dur = Dossier.filePath(QStringLiteral("dur.pdf"));
    ASSERT_TRUE(QFile::link(Entree, Lien));
    ASSERT_EQ(::link(QFile::encodeName(Entree).constData(), QFile::encodeName(Dur).constData()), 0);
    for (const QString& Sortie : {Entree, Lien, Dur}) {
        const TSortie r = Lancer({QStringLiteral("--pdf"), Sortie, Entree});
        EXPECT_EQ(r.Statut, 1) << Sortie.toStdString();
        EXPECT_TRUE(r.Erreurs.contains(QStringLiteral("est le fichier lu")))
            << r.Erreurs.toStdString();
    }
    EXPECT_EQ(QFileInfo(Entree).size(),
              QFileInfo(QStringLiteral(HORALO_EXAMPLES "/petit.edt")).size());
    const mode_t Avant = ::umask(077);
    const TSortie r =
        Lancer({QStringLiteral("--pdf"), Dossier.filePath(QStringLiteral("p.pdf")), Entree});
    ::umask(Avant);
    EXPECT_EQ(r.Statut, 0) << r.Erreurs.toStdString();
    EXPECT_FALSE(QFile::permissions(Dossier.filePath(QStringLiteral("p.pdf"))) & QFile::ReadOther);
}

// The report goes to the standard error, the last line alone to the standard output. The
// import writes neither over its input nor over a file another Horalo holds.
TEST(LigneDeCommandeEchanges, ImporterEtPublierDisentCeQuIlsFont) {
    QTemporaryDir Dossier;
    const QString Edt = Dossier.filePath(QStringLiteral("e.edt"));
    const QString Pub = Dossier.filePath(QStringLiteral("pub"));
    const QString Csv = Dossier.filePath(QStringLiteral("s.csv"));
    const QString Tenu = Dossier.filePath(QStringLiteral("tenu.edt"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(HORALO_TEST_DATA "/services.csv"), Csv));
    TVerrou Verrou(Tenu);
    ASSERT_TRUE(Verrou.Prendre());
    const struct {
        QStringList Arguments;
        int Statut;
        const char* Sortie;
        const char* Erreurs; // a part of them
    } Cas[] = {
        {{QStringLiteral("--importer"), QStringLiteral(HORALO_TEST_DATA "/ecole.fet"), Edt,
          QStringLiteral("--periode"), QStringLiteral("45"), QStringLiteral("--debut"),
          QStringLiteral("08h30")},
         0,
         "Importé : 7 activités, 54 quarts d'heure ; non importé : 9 activités, 33 quarts "
         "d'heure.\n",
         "activité 7 (Français) : 2 professeurs ; non importée.\n"},
        {{QStringLiteral("--publier"), Pub, Edt, QStringLiteral("--du"),
          QStringLiteral("2026-09-01")},
         0,
         "",
         ""},
        {{QStringLiteral("--importer"), QStringLiteral(HORALO_TEST_DATA "/ecole.fet"), Edt,
          QStringLiteral("--periode"), QStringLiteral("50")},
         2,
         "",
         "--periode attend un nombre de minutes multiple de 15"},
        {{QStringLiteral("--importer"), QStringLiteral(HORALO_TEST_DATA "/ecole.fet"), Edt,
          QStringLiteral("--debut"), QStringLiteral("20h00")},
         2,
         "",
         "--debut attend une heure de la grille"},
        {{QStringLiteral("--importer"), QStringLiteral(HORALO_TEST_DATA "/absent.csv"), Edt},
         1,
         "",
         "le fichier ne peut pas être lu"},
        {{QStringLiteral("--publier"), Pub, Edt, QStringLiteral("--du"),
          QStringLiteral("2027-01-01"), QStringLiteral("--au"), QStringLiteral("2026-12-31")},
         2,
         "",
         "La période finit avant de commencer."},
        {{QStringLiteral("--publier"), Pub, Edt, QStringLiteral("--au"), QStringLiteral("demain")},
         2,
         "",
         "Date illisible : « demain » (AAAA-MM-JJ)."},
        {{QStringLiteral("--importer"), Csv, Csv}, 1, "", "est le fichier lu"},
        {{QStringLiteral("--importer"), Csv, Tenu}, 3, "", " est ouvert par "},
    };
    for (const auto& c : Cas) {
        SCOPED_TRACE(c.Arguments.join(u' ').toStdString());
        const TSortie r = Lancer(c.Arguments);
        EXPECT_EQ(r.Statut, c.Statut) << r.Erreurs.toStdString();
        EXPECT_EQ(r.Sortie, QString::fromUtf8(c.Sortie));
        EXPECT_TRUE(r.Erreurs.contains(QString::fromUtf8(c.Erreurs))) << r.Erreurs.toStdString();
    }
    EXPECT_TRUE(QFile::exists(Pub + QStringLiteral("/classe-2A.ics")));
    EXPECT_EQ(QFileInfo(Csv).size(),
              QFileInfo(QStringLiteral(HORALO_TEST_DATA "/services.csv")).size());
    EXPECT_FALSE(QFile::exists(Tenu));
}

// ---- One writer per file.

namespace {

QByteArray Octets(const QString& Chemin) {
    QFile f(Chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

std::vector<std::string> QuestionsUtf8(const TMessagesScriptes& Messages) {
    std::vector<std::string> Textes;
    for (const std::string& Question : Messages.Questions)
        Textes.push_back(Utf8(Question));
    return Textes;
}

} // namespace

// A first program holds the file; the window, a second one, may only read it, and a batch
// command may not write it. Once the first is killed its lock is stale and taken over.
TEST_F(FichiersTest, ASecondProgramOnAFileOnlyReadsIt) {
    const QString Fichier = Enregistre("partage.edt");
    const QByteArray Avant = Octets(Fichier);
    QTemporaryDir Temporaire; // the first program finds no lost work to offer
    QProcess Premier;
    QProcessEnvironment Environnement = QProcessEnvironment::systemEnvironment();
    Environnement.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    Environnement.insert(QStringLiteral("TMPDIR"), Temporaire.path());
    Premier.setProcessEnvironment(Environnement);
    Premier.start(QStringLiteral(HORALO_PROGRAMME), {Fichier});
    QDeadlineTimer Limite(30000);
    while (!DetenteurDe(Fichier) && !Limite.hasExpired())
        QTest::qWait(20);
    ASSERT_TRUE(DetenteurDe(Fichier)) << "the first program never took the lock";
    EXPECT_EQ(DetenteurDe(Fichier)->Processus, Premier.processId());

    Messages.Reponses = {TReponse::Non, TReponse::Oui}; // drop the changes, then read only
    Dialogues.Fichiers = {Fichier};
    Raccourci(Qt::Key_O);
    ASSERT_EQ(Messages.Questions.size(), 2u);
    EXPECT_TRUE(QuestionsUtf8(Messages)[1].starts_with("« " + Fichier.toStdString() +
                                                       " » est déjà ouvert par "))
        << QuestionsUtf8(Messages)[1];
    EXPECT_EQ(Table->windowTitle(), Legende + Fichier + QStringLiteral(" (lecture seule)"));
    EXPECT_EQ(LesClasses->Nombre(), 2); // read all the same

    // Save asks for another name; naming the held file is refused.
    Dialogues.Fichiers = {Fichier, QString()};
    Raccourci(Qt::Key_S);
    Raccourci(Qt::Key_S);
    EXPECT_EQ(Dialogues.NomsProposes.size(), 2);
    ASSERT_FALSE(Messages.Montres.empty());
    EXPECT_TRUE(Messages.MontresUtf8().back().ends_with(" : enregistrez sous un autre nom."));
    const TSortie Lot = Lancer({QStringLiteral("--placer"), Fichier, Fichier});
    EXPECT_EQ(Lot.Statut, 3);
    EXPECT_TRUE(Lot.Erreurs.contains(QStringLiteral(" est ouvert par ")))
        << Lot.Erreurs.toStdString();
    EXPECT_EQ(Octets(Fichier), Avant);

    Premier.kill();
    Premier.waitForFinished();
    Messages.Questions.clear();
    Dialogues.Fichiers = {Fichier};
    Raccourci(Qt::Key_O);
    EXPECT_TRUE(Messages.Questions.empty());
    EXPECT_EQ(Table->windowTitle(), Legende + Fichier);
    EXPECT_EQ(DetenteurDe(Fichier)->Processus, QCoreApplication::applicationPid());
    Table.reset(); // quitting gives the lock back
    EXPECT_FALSE(DetenteurDe(Fichier));
}

// Someone changed the opened file: Save asks before writing over it.
TEST_F(FichiersTest, SavingOverAFileChangedOnDiskAsksFirst) {
    const QString Fichier = Enregistre("ouvert.edt");
    Messages.Reponses = {TReponse::Non};
    Dialogues.Fichiers = {Fichier};
    Raccourci(Qt::Key_O);
    for (const TReponse Reponse : {TReponse::Non, TReponse::Oui}) {
        QFile Ailleurs(Fichier);
        ASSERT_TRUE(Ailleurs.open(QIODevice::WriteOnly));
        Ailleurs.write("Horalo\r\nchangé ailleurs\r\n");
        Ailleurs.close();
        Messages.Questions.clear();
        Messages.Reponses = {Reponse};
        Raccourci(Qt::Key_S);
        ASSERT_EQ(Messages.Questions.size(), 1u);
        EXPECT_TRUE(QuestionsUtf8(Messages)[0].find(" a été modifié sur le disque depuis son "
                                                    "ouverture") != std::string::npos);
        EXPECT_EQ(Octets(Fichier).contains("ailleurs"), Reponse == TReponse::Non);
    }
    Messages.Questions.clear(); // saved by this program: nothing to ask the next time
    Raccourci(Qt::Key_S);
    EXPECT_TRUE(Messages.Questions.empty());
}
