#include "storage/U_recuperation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <csignal>

namespace {

const QString NomRecord = QStringLiteral("proprietaire");

// kill() with no signal asks whether the process exists; EPERM means it does, as
// someone else's. A process number taken again by another program counts as running:
// its folder is then left alone, which is the safe side.
bool Vivant(qint64 Processus) {
    return Processus > 0 && (::kill(static_cast<pid_t>(Processus), 0) == 0 || errno == EPERM);
}

} // namespace

void EcrireProprietaire(const std::string& Dossier, int Courant, const std::string& Fichier) {
    // Not synced to disk: a record lost with a power cut only costs the offer, while the
    // snapshots themselves are synced.
    QFile Record(QString::fromStdString(Dossier) + NomRecord);
    if (!Record.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    Record.write(QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
                 QByteArray::number(Courant) + '\n' + QByteArray::fromStdString(Fichier) + '\n');
}

std::vector<TTravailPerdu> TravauxPerdus() {
    std::vector<TTravailPerdu> Travaux;
    const QDir Temporaire(QDir::tempPath());
    for (const QFileInfo& Info : Temporaire.entryInfoList({QStringLiteral("horalo-*")},
                                                          QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile Record(Info.filePath() + u'/' + NomRecord);
        if (!Record.open(QIODevice::ReadOnly))
            continue;
        const QList<QByteArray> Lignes = Record.readAll().split('\n');
        bool Lu = false;
        const qint64 Processus = Lignes.value(0).toLongLong(&Lu);
        const int Courant = Lignes.value(1).toInt();
        if (!Lu || Vivant(Processus) || Courant < 1)
            continue;
        TTravailPerdu Travail;
        Travail.Dossier = Info.filePath();
        Travail.Instantane = Info.filePath() + QStringLiteral("/horalo%1.edt").arg(Courant);
        Travail.Fichier = Lignes.value(2).toStdString();
        Travail.Date = QFileInfo(Travail.Instantane).lastModified();
        if (!Travail.Date.isValid()) // the snapshot is gone: the record's own date
            Travail.Date = QFileInfo(Record).lastModified();
        Travaux.push_back(std::move(Travail));
    }
    std::sort(Travaux.begin(), Travaux.end(),
              [](const TTravailPerdu& a, const TTravailPerdu& b) { return a.Date > b.Date; });
    return Travaux;
}
