#include "storage/U_recuperation.h"

#include "storage/U_verrou.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString NomRecord = QStringLiteral("proprietaire");
constexpr qint64 TailleMaxRecord = 64 * 1024;

// What a record says: owner, snapshot in force, whether it was changed, and the file, last
// since a path may hold a line end.
struct TRecord {
    qint64 Processus = 0;
    int Courant = 0;
    bool Modifie = false;
    std::string Fichier;
};

std::optional<TRecord> LireRecord(const QString& Dossier) {
    const std::optional<QByteArray> Octets =
        LireFichierPrive(Dossier + u'/' + NomRecord, TailleMaxRecord);
    if (!Octets)
        return std::nullopt;
    const QList<QByteArray> Lignes = Octets->split('\n');
    TRecord Record;
    bool Lu = false;
    Record.Processus = Lignes.value(0).toLongLong(&Lu);
    if (!Lu || Lignes.size() < 4)
        return std::nullopt;
    Record.Courant = Lignes.value(1).toInt();
    Record.Modifie = Lignes.value(2) == "1";
    QByteArray Fichier = Octets->mid(Lignes[0].size() + Lignes[1].size() + Lignes[2].size() + 3);
    if (Fichier.endsWith('\n'))
        Fichier.chop(1);
    Record.Fichier = Fichier.toStdString();
    return Record;
}

} // namespace

std::string DossierDesTravaux() {
    const QString Cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (Cache.isEmpty() || !QDir().mkpath(Cache))
        return {};
    const QByteArray Dossier = QFile::encodeName(Cache + QStringLiteral("/horalo"));
    ::mkdir(Dossier.constData(), 0700);
    // Someone else's folder, or a link planted there, would hold the user's work.
    struct stat Etat {};
    if (::lstat(Dossier.constData(), &Etat) != 0 || !S_ISDIR(Etat.st_mode) ||
        Etat.st_uid != ::getuid() || ((Etat.st_mode & 077) && ::chmod(Dossier.constData(), 0700)))
        return {};
    return QFile::decodeName(Dossier).toStdString() + '/';
}

void EcrireProprietaire(const std::string& Dossier, int Courant, bool Modifie,
                        const std::string& Fichier) {
    // Not synced to disk: a record lost with a power cut only costs the offer, while the
    // snapshots themselves are synced.
    QFile Record(QString::fromStdString(Dossier) + NomRecord);
    if (!Record.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    Record.write(QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
                 QByteArray::number(Courant) + '\n' + (Modifie ? "1\n" : "0\n") +
                 QByteArray::fromStdString(Fichier) + '\n');
}

std::vector<TTravailPerdu> TravauxPerdus() {
    std::vector<TTravailPerdu> Travaux;
    const std::string Parent = DossierDesTravaux();
    if (Parent.empty())
        return Travaux;
    const QDir Dossiers(QString::fromStdString(Parent));
    for (const QFileInfo& Info : Dossiers.entryInfoList(
             {QStringLiteral("horalo-*")}, QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks)) {
        const std::optional<TRecord> Record = LireRecord(Info.filePath());
        if (!Record || Info.ownerId() != ::getuid() || ProcessusVivant(Record->Processus))
            continue;
        if (Record->Courant < 1 || !Record->Modifie) { // killed before any change
            QDir(Info.filePath()).removeRecursively();
            continue;
        }
        TTravailPerdu Travail;
        Travail.Dossier = Info.filePath();
        Travail.Instantane = Info.filePath() + QStringLiteral("/horalo%1.edt").arg(Record->Courant);
        Travail.Fichier = Record->Fichier;
        Travail.Date = QFileInfo(Travail.Instantane).lastModified();
        if (!Travail.Date.isValid()) // the snapshot is gone: the record's own date
            Travail.Date = QFileInfo(Info.filePath() + u'/' + NomRecord).lastModified();
        Travaux.push_back(std::move(Travail));
    }
    std::sort(Travaux.begin(), Travaux.end(),
              [](const TTravailPerdu& a, const TTravailPerdu& b) { return a.Date > b.Date; });
    return Travaux;
}

std::optional<QByteArray> LireFichierPrive(const QString& Chemin, qint64 Max) {
    const int Descripteur = ::open(QFile::encodeName(Chemin).constData(),
                                   O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (Descripteur < 0)
        return std::nullopt;
    QFile Fichier;
    struct stat Etat {};
    if (!Fichier.open(Descripteur, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(Descripteur);
        return std::nullopt;
    }
    if (::fstat(Descripteur, &Etat) != 0 || !S_ISREG(Etat.st_mode) || Etat.st_uid != ::getuid() ||
        Etat.st_size > Max)
        return std::nullopt;
    QByteArray Octets = Fichier.read(Max + 1);
    if (Octets.size() > Max || Fichier.error() != QFileDevice::NoError)
        return std::nullopt;
    return Octets;
}
