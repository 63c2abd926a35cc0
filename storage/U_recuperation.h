#pragma once
// Each running program's snapshot folder says who owns it, which snapshot holds the state in
// force, whether that state differs from its file, and which file the timetable belongs to.
// After a crash or a power cut, the next start finds the folders whose owner no longer runs
// and offers their last recorded state.
#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>
#include <string>
#include <vector>

struct TTravailPerdu {
    QString Dossier;     // the dead program's snapshot folder
    QString Instantane;  // the snapshot of the state it had last
    std::string Fichier; // the timetable's file, or "Defaut" when it had none
    QDateTime Date;      // when that state was recorded
};

// The folder that holds the programs' snapshot folders: in the user's cache, which survives
// a reboot, and open to the user alone. Ends with '/'; empty when it cannot be had.
std::string DossierDesTravaux();
// Rewrites the owner record of a snapshot folder (this process's own).
void EcrireProprietaire(const std::string& Dossier, int Courant, bool Modifie,
                        const std::string& Fichier);
// The folders left by programs that no longer run and that hold a changed state, the most
// recent first. A folder whose owner runs is never listed; one whose dead owner had changed
// nothing is removed.
std::vector<TTravailPerdu> TravauxPerdus();
// The bytes of a regular file of the user's, not a link, of at most Max bytes; nothing
// otherwise. A pipe in its place is refused at once, never waited on.
std::optional<QByteArray> LireFichierPrive(const QString& Chemin, qint64 Max);
