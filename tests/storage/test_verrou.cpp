// The lock beside a timetable: who may take it, who keeps it, and a file changed behind
// the holder's back.
#include "storage/U_verrou.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

QByteArray Lire(const QString& Chemin) {
    QFile f(Chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Ecrire(const QString& Chemin, const QByteArray& Octets) {
    QFile f(Chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(Octets);
}

qint64 ProcessusMort() {
    QProcess Court;
    Court.start(QStringLiteral("true"));
    EXPECT_TRUE(Court.waitForFinished());
    return Court.processId() ? Court.processId() : 999999999;
}

QByteArray LigneVerrou(const QString& Machine, qint64 Processus) {
    return "Horalo\nutilisateur=marie\nmachine=" + Machine.toUtf8() +
           "\nprocessus=" + QByteArray::number(Processus) + "\ndepuis=2026-03-02T07:45:00Z\n";
}

class VerrouTest : public ::testing::Test {
protected:
    QString Fichier() const { return Dossier.filePath(QStringLiteral("lycee.edt")); }
    QString NomVerrou() const { return Dossier.filePath(QStringLiteral(".lycee.edt.verrou")); }
    QTemporaryDir Dossier;
};

TEST_F(VerrouTest, WhoMayTakeTheLock) {
    const QString Ici = QSysInfo::machineHostName();
    struct TCas {
        const char* Nom;
        QByteArray Present; // the lock file found, none when empty
        bool AutreMachine;
        bool Pris;
    };
    const TCas Cas[] = {
        {"libre", {}, false, true},
        {"tenu ici par un programme vivant", LigneVerrou(Ici, ::getppid()), false, false},
        {"laissé ici par un programme mort", LigneVerrou(Ici, ProcessusMort()), false, true},
        {"endommagé", "Horalo\nprocessus=abc\n", false, true},
        {"tenu d'une autre machine", LigneVerrou(QStringLiteral("salle-12"), 42), false, false},
        {"d'une autre machine, repris sur confirmation",
         LigneVerrou(QStringLiteral("salle-12"), 42), true, true},
    };
    for (const TCas& c : Cas) {
        SCOPED_TRACE(c.Nom);
        QFile::remove(NomVerrou());
        if (!c.Present.isEmpty())
            Ecrire(NomVerrou(), c.Present);
        {
            TVerrou Verrou(Fichier());
            EXPECT_EQ(Verrou.Prendre(c.AutreMachine), c.Pris);
            ASSERT_TRUE(DetenteurDe(Fichier()).has_value());
            if (c.Pris) {
                const QByteArray Pose = Lire(NomVerrou());
                EXPECT_TRUE(Pose.contains("\nprocessus=" +
                                          QByteArray::number(QCoreApplication::applicationPid())))
                    << Pose.toStdString();
                EXPECT_EQ(DetenteurDe(Fichier())->Machine, Ici);
            } else {
                EXPECT_EQ(Lire(NomVerrou()), c.Present); // left as it was
                EXPECT_EQ(Verrou.Tenu()->Utilisateur, QStringLiteral("marie"));
            }
        }
        // Given back when it goes, and only if it was ours.
        EXPECT_EQ(QFile::exists(NomVerrou()), !c.Pris);
    }
    // The last row's lock is given back, and no scrap of the taking is left.
    EXPECT_TRUE(QDir(Dossier.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

// A lock someone took over (from another machine, after confirming) is not ours to remove.
TEST_F(VerrouTest, ALockTakenOverStaysWithItsNewHolder) {
    const QByteArray Autre = LigneVerrou(QStringLiteral("salle-12"), 42);
    {
        TVerrou Verrou(Fichier());
        ASSERT_TRUE(Verrou.Prendre());
        Ecrire(NomVerrou(), Autre);
    }
    EXPECT_EQ(Lire(NomVerrou()), Autre);
}

TEST_F(VerrouTest, AFileChangedSinceItWasReadIsSeen) {
    struct TCas {
        const char* Nom;
        QByteArray Octets;
        qint64 DecalageSecondes;
        bool Change;
    };
    const TCas Cas[] = {{"inchangé", "Horalo\r\n", 0, false},
                        {"allongé", "Horalo\r\nx", 0, true},
                        {"même taille, écrit plus tard", "Horalo\r\n", 60, true}};
    for (const TCas& c : Cas) {
        SCOPED_TRACE(c.Nom);
        Ecrire(Fichier(), "Horalo\r\n");
        QFile f(Fichier());
        const QDateTime Avant = QDateTime::currentDateTime().addSecs(-3600);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite) &&
                    f.setFileTime(Avant, QFileDevice::FileModificationTime));
        f.close();
        TVerrou Verrou(Fichier());
        EXPECT_FALSE(Verrou.ChangeSurDisque()); // nothing read yet
        Verrou.NoterEtat();
        Ecrire(Fichier(), c.Octets);
        ASSERT_TRUE(
            f.open(QIODevice::ReadWrite) &&
            f.setFileTime(Avant.addSecs(c.DecalageSecondes), QFileDevice::FileModificationTime));
        f.close();
        EXPECT_EQ(Verrou.ChangeSurDisque(), c.Change);
    }
}

} // namespace
