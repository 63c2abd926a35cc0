// Recovery after a crash: a program killed outright leaves its snapshots; the next start
// offers the last state it recorded.
#include "tests/ui/FenetreDeTest.h"

#include "model/U_texte.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>
#include <cstdio>

namespace {

const char* const Question = "Horalo ne s'est pas fermé normalement. Voulez-vous récupérer le "
                             "dernier état du travail \\(enregistré le \\d\\d/\\d\\d à "
                             "\\d\\dh\\d\\d\\) \\?";

std::string TexteDuModele() {
    std::string Texte;
    for (const std::string& Ligne : LignesDuModele())
        Texte += Ligne + "\r\n";
    return Texte;
}

// A snapshot folder as a program leaves it: its owner record and one snapshot.
QString LaisserDossier(qint64 Processus, const QByteArray& Instantane) {
    const QString Dossier = QDir::tempPath() + QStringLiteral("/horalo-test%1").arg(Processus);
    QDir().mkpath(Dossier);
    QFile Record(Dossier + QStringLiteral("/proprietaire"));
    EXPECT_TRUE(Record.open(QIODevice::WriteOnly));
    Record.write(QByteArray::number(Processus) + "\n1\nDefaut\n");
    QFile Fichier(Dossier + QStringLiteral("/horalo1.edt"));
    EXPECT_TRUE(Fichier.open(QIODevice::WriteOnly));
    Fichier.write(Instantane);
    return Dossier;
}

// The number of a process that has ended.
qint64 ProcessusFini() {
    QProcess Vrai;
    Vrai.start(QStringLiteral("true"));
    Vrai.waitForFinished();
    return Vrai.processId() ? Vrai.processId() : 999999;
}

// A temporary directory of its own: tests run side by side, and each program's start looks
// for the folders that dead programs left in the temporary directory.
class RecuperationTest : public FenetreTest {
protected:
    // The child started below works in its parent's directory.
    RecuperationTest() : Avant(qgetenv("TMPDIR")) {
        if (!qEnvironmentVariableIsSet("HORALO_FICHIER"))
            qputenv("TMPDIR", Prive.path().toLocal8Bit());
    }
    ~RecuperationTest() override {
        Table.reset();
        qputenv("TMPDIR", Avant);
    }

private:
    QByteArray Avant;
    QTemporaryDir Prive;
};

} // namespace

// Started by the test below only: records changes, says where, and waits to be killed.
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
    std::printf("pret %s\n", Sauveur->Dossier.c_str());
    std::fflush(stdout);
    QThread::sleep(120);
}

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
    QFile Dernier(Dossier + QStringLiteral("horalo2.edt")); // the second change after the save
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
    EXPECT_EQ(Plages(*C2(), "Francais"), "2:50-53 2:60-63");
    EXPECT_TRUE(Sauveur->Modifie);
    EXPECT_EQ(Table->NomFichierEnregistrement, Fichier.toStdString());
    EXPECT_EQ(Table->windowTitle(), QStringLiteral("Horalo - Emploi du temps - ") + Fichier);
    EXPECT_FALSE(QDir(Dossier).exists());
}

TEST_F(RecuperationTest, AFolderWhoseOwnerRunsIsLeftAlone) {
    const QString Dossier = LaisserDossier(QCoreApplication::applicationPid(), "Horalo\r\n");
    Ouvrir();
    EXPECT_TRUE(Messages.Questions.empty());
    EXPECT_TRUE(QDir(Dossier).exists());
    QDir(Dossier).removeRecursively();
}

// No leaves the work behind; a damaged snapshot is told and its folder kept for later.
TEST_F(RecuperationTest, NoDiscardsTheWorkAndADamagedSnapshotKeepsItsFolder) {
    const QString Abandonne = LaisserDossier(ProcessusFini(), "Horalo\r\n0\r\n0\r\n0\r\n");
    Ouvrir();
    ASSERT_EQ(Messages.Questions.size(), 1u);
    EXPECT_FALSE(QDir(Abandonne).exists());
    Table.reset();

    const QString Abime = LaisserDossier(ProcessusFini(), "Horalo\r\n1\r\nS1\r\nx\r\n");
    Messages.Reponses = {TReponse::Oui};
    Ouvrir();
    EXPECT_EQ(Messages.MontresUtf8().back(),
              "Erreur : lors de l'ouverture de " +
                  (Abime + QStringLiteral("/horalo1.edt")).toStdString());
    EXPECT_TRUE(QDir(Abime).exists());
    EXPECT_FALSE(Sauveur->Modifie);
    QDir(Abime).removeRecursively();
}
