// Recovery after a crash: a program killed outright leaves its snapshots; the next start
// offers the last state it recorded.
#include "tests/ui/FenetreDeTest.h"

#include "model/U_texte.h"
#include "storage/U_recuperation.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>
#include <cstdio>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const Question = "Horalo ne s'est pas fermé normalement. Voulez-vous récupérer le "
                             "dernier état du travail sur « .+/recupere.edt » \\(enregistré "
                             "le \\d\\d/\\d\\d à \\d\\dh\\d\\d\\) \\?";

std::string TexteDuModele() {
    std::string Texte;
    for (const std::string& Ligne : LignesDuModele())
        Texte += Ligne + "\r\n";
    return Texte;
}

// A snapshot folder as a program leaves it: its owner record (the process, then Suite: the
// snapshot in force, whether it was changed, the file) and one snapshot.
QString LaisserDossier(const QString& Dossier, qint64 Processus, const QByteArray& Instantane,
                       const char* Suite = "1\n1\nDefaut\n") {
    QDir().mkpath(Dossier);
    QFile Record(Dossier + QStringLiteral("/proprietaire"));
    EXPECT_TRUE(Record.open(QIODevice::WriteOnly));
    Record.write(QByteArray::number(Processus) + '\n' + Suite);
    QFile Fichier(Dossier + QStringLiteral("/horalo1.edt"));
    EXPECT_TRUE(Fichier.open(QIODevice::WriteOnly));
    Fichier.write(Instantane);
    return Dossier;
}

QString Travaux(const char* Nom) {
    return QString::fromStdString(DossierDesTravaux()) + QLatin1String(Nom);
}

// The number of a process that has ended.
qint64 ProcessusFini() {
    QProcess Vrai;
    Vrai.start(QStringLiteral("true"));
    Vrai.waitForFinished();
    return Vrai.processId() ? Vrai.processId() : 999999;
}

// A private folder of its own: tests run side by side, and each program's start looks for
// the folders that dead programs left in the private folder.
class RecuperationTest : public FenetreTest {
protected:
    // The child started below works in its parent's directory.
    RecuperationTest() : Avant(qgetenv("XDG_CACHE_HOME")) {
        if (!qEnvironmentVariableIsSet("HORALO_FICHIER"))
            qputenv("XDG_CACHE_HOME", Prive.path().toLocal8Bit());
    }
    ~RecuperationTest() override {
        Table.reset();
        qputenv("XDG_CACHE_HOME", Avant);
    }

private:
    QByteArray Avant;
    QTemporaryDir Prive;
};

} // namespace

// Started by the test below only: saves, records two changes, undoes both and redoes one
// with the keys, says where, and waits to be killed.
TEST_F(RecuperationTest, DISABLED_Enfant) {
    Ouvrir();
    ConstruireEcole();
    Placer("C1", "Maths", 0, 40, 43);
    Dialogues.Fichiers = {QString::fromLocal8Bit(qgetenv("HORALO_FICHIER"))};
    QTest::keyClick(Table.get(), Qt::Key_S, Qt::ControlModifier);
    for (const TQuart Debut : {50, 60}) {
        Placer("C2", "Francais", 2, Debut, Debut + 3);
        Sauveur->Memoriser();
    }
    Table->ActualiserCommandes();
    for (const Qt::Key Touche : {Qt::Key_Z, Qt::Key_Z, Qt::Key_Y})
        QTest::keyClick(Table.get(), Touche, Qt::ControlModifier);
    std::printf("pret %s\n", Sauveur->Dossier.c_str());
    std::fflush(stdout);
    QThread::sleep(120);
}

// The first change after a save can be undone, and undo keeps the file: the state recovered
// is the one redone, under its file, and Ctrl+S writes it there at once.
TEST_F(RecuperationTest, AfterAKillTheNextStartOffersTheLastRecordedState) {
    const QString Fichier = QDir::tempPath() + QStringLiteral("/recupere.edt");
    QProcess Enfant;
    QProcessEnvironment Environnement = QProcessEnvironment::systemEnvironment();
    Environnement.insert(QStringLiteral("HORALO_FICHIER"), Fichier);
    Enfant.setProcessEnvironment(Environnement);
    Enfant.start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--gtest_filter=RecuperationTest.DISABLED_Enfant"),
                  QStringLiteral("--gtest_also_run_disabled_tests")});
    QString Dossier;
    while (Dossier.isEmpty() && Enfant.waitForReadyRead(30000))
        while (Enfant.canReadLine()) {
            const QString Ligne = QString::fromLocal8Bit(Enfant.readLine()).trimmed();
            if (Ligne.startsWith(QStringLiteral("pret ")))
                Dossier = Ligne.mid(5);
        }
    ASSERT_FALSE(Dossier.isEmpty()) << Enfant.readAllStandardError().toStdString();
    ::kill(static_cast<pid_t>(Enfant.processId()), SIGKILL);
    Enfant.waitForFinished();
    QFile Dernier(Dossier + QStringLiteral("horalo2.edt")); // the first change after the save
    ASSERT_TRUE(Dernier.open(QIODevice::ReadOnly));
    const QByteArray Attendu = Dernier.readAll();

    Messages.Reponses = {TReponse::Oui};
    Ouvrir();
    ASSERT_EQ(Messages.Questions.size(), 1u);
    EXPECT_TRUE(QRegularExpression(QString::fromUtf8(Question))
                    .match(QString::fromStdString(Utf8(Messages.Questions[0])))
                    .hasMatch())
        << Utf8(Messages.Questions[0]);
    EXPECT_EQ(TexteDuModele(), Attendu.toStdString());
    EXPECT_EQ(Plages(*C2(), "Francais"), "2:50-53");
    EXPECT_TRUE(Sauveur->Modifie);
    EXPECT_EQ(Table->windowTitle(), QStringLiteral("Horalo - Emploi du temps - ") + Fichier);
    EXPECT_FALSE(QDir(Dossier).exists());
    QTest::keyClick(Table.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(Dialogues.NomsProposes.isEmpty());
    QFile Ecrit(Fichier);
    ASSERT_TRUE(Ecrit.open(QIODevice::ReadOnly));
    EXPECT_EQ(Ecrit.readAll(), Attendu);
}

TEST_F(RecuperationTest, AFolderWhoseOwnerRunsIsLeftAlone) {
    const QString Dossier =
        LaisserDossier(Travaux("horalo-test"), QCoreApplication::applicationPid(), "Horalo\r\n");
    Ouvrir();
    EXPECT_TRUE(Messages.Questions.empty());
    EXPECT_TRUE(QDir(Dossier).exists());
}

// Only a sound folder of the user's own is offered; no planted folder is followed or hangs
// the start. That of a program killed before any change goes. A state without a file asks
// for one at the first save.
TEST_F(RecuperationTest, OnlyTheUsersOwnSoundFoldersAreOffered) {
    const qint64 Mort = ProcessusFini();
    // Where the work used to go, open to every user: never looked at.
    const QString Partage =
        LaisserDossier(QDir::tempPath() + QStringLiteral("/horalo-p"), Mort, "");
    const QString R = QStringLiteral("/proprietaire");
    const std::pair<const char*, std::function<void(const QString&)>> Pieges[] = {
        {"horalo-lien",
         [&](const QString& D) { QDir(D).removeRecursively(), QFile::link(Partage, D); }},
        {"horalo-tube",
         [&](const QString& D) { QFile::remove(D + R), ::mkfifo(qPrintable(D + R), 0600); }},
        {"horalo-enorme", [&](const QString& D) { QFile::resize(D + R, 1 << 20); }},
        {"horalo-record-lien",
         [&](const QString& D) { QFile::remove(D + R), QFile::link(Partage + R, D + R); }},
        // Only root may give a folder away; another user's run drops the record instead.
        {"horalo-etranger",
         [&](const QString& D) {
             ::getuid() ? QFile::remove(D + R) : ::chown(qPrintable(D), 65534, 65534);
         }},
    };
    for (const auto& [Nom, Piege] : Pieges)
        Piege(LaisserDossier(Travaux(Nom), Mort, ""));
    const QString Inchange = LaisserDossier(Travaux("horalo-inchange"), Mort, "", "1\n0\nDefaut\n");
    LaisserDossier(Travaux("horalo-sain"), Mort, QByteArray::fromStdString(TexteDuModele()));
    Messages.Reponses = {TReponse::Oui};
    Ouvrir();
    ASSERT_EQ(Messages.Questions.size(), 1u);
    EXPECT_NE(Utf8(Messages.Questions[0]).find(" du travail sans fichier "), std::string::npos);
    QTest::keyClick(Table.get(), Qt::Key_S, Qt::ControlModifier); // which asks for one
    EXPECT_EQ(Dialogues.NomsProposes, QStringList{QStringLiteral("Defaut")});
    EXPECT_FALSE(QDir(Inchange).exists());
    for (const auto& [Nom, Piege] : Pieges)
        EXPECT_TRUE(QFileInfo::exists(Travaux(Nom))) << Nom; // left as they were
    QDir(Partage).removeRecursively();
}

// No leaves the work behind; a damaged snapshot is told and its folder kept for later.
TEST_F(RecuperationTest, NoDiscardsTheWorkAndADamagedSnapshotKeepsItsFolder) {
    const QString Abandonne =
        LaisserDossier(Travaux("horalo-a"), ProcessusFini(), "Horalo\r\n0\r\n0\r\n0\r\n");
    Ouvrir();
    ASSERT_EQ(Messages.Questions.size(), 1u);
    EXPECT_FALSE(QDir(Abandonne).exists());
    Table.reset();

    const QString Abime =
        LaisserDossier(Travaux("horalo-b"), ProcessusFini(), "Horalo\r\n1\r\nS1\r\nx\r\n");
    Messages.Reponses = {TReponse::Oui};
    Ouvrir();
    EXPECT_EQ(Messages.MontresUtf8().back(),
              "Erreur : lors de l'ouverture de " +
                  (Abime + QStringLiteral("/horalo1.edt")).toStdString());
    EXPECT_TRUE(QDir(Abime).exists());
    EXPECT_FALSE(Sauveur->Modifie);
    QDir(Abime).removeRecursively();
}

// A recovered state whose snapshot cannot be written (a full disk) is told; the window comes
// up with it all the same, and the dead program's folder stays for another try.
TEST_F(RecuperationTest, ARecoveryThatCannotBeRecordedIsToldAndTheWindowComesUp) {
    QFile College(QStringLiteral(HORALO_EXAMPLES "/college.edt"));
    ASSERT_TRUE(College.open(QIODevice::ReadOnly));
    const QString Dossier =
        LaisserDossier(Travaux("horalo-plein"), ProcessusFini(), College.readAll());
    std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead of killing
    rlimit Avant{};
    ::getrlimit(RLIMIT_FSIZE, &Avant);
    const rlimit Plein{4096, Avant.rlim_max}; // room for an empty timetable, not the collège
    ::setrlimit(RLIMIT_FSIZE, &Plein);
    Messages.Reponses = {TReponse::Oui};
    Ouvrir();
    ::setrlimit(RLIMIT_FSIZE, &Avant);
    ASSERT_FALSE(Messages.Montres.empty());
    EXPECT_EQ(Messages.MontresUtf8().back().rfind("Erreur: Impossible d'enregistrer", 0), 0u);
    EXPECT_EQ(LesClasses->Nombre(), 16);
    EXPECT_TRUE(QDir(Dossier).exists());
}
