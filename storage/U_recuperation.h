#pragma once
// Each running program's snapshot folder says who owns it, which snapshot holds the state in
// force and which file the timetable belongs to. After a crash or a power cut, the next
// start finds the folders whose owner no longer runs and offers their last recorded state.
#include <QDateTime>
#include <QString>

#include <string>
#include <vector>

struct TTravailPerdu {
    QString Dossier;     // the dead program's snapshot folder
    QString Instantane;  // the snapshot of the state it had last
    std::string Fichier; // the timetable's file, or "Defaut" when it had none
    QDateTime Date;      // when that state was recorded
};

// Rewrites the owner record of a snapshot folder (this process's own).
void EcrireProprietaire(const std::string& Dossier, int Courant, const std::string& Fichier);
// The folders of the temporary directory left by programs that no longer run and that hold
// a recorded state, the most recent first. A folder whose owner runs is never listed.
std::vector<TTravailPerdu> TravauxPerdus();
