#pragma once
// Horalo without a window: every timetable of a file printed to PDF, a file placed
// automatically or optimised, from the command line.
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

struct TBilanOptimisation;

// Whether the command line asks for batch work (then no display is needed).
bool EstTravailEnLot(int argc, char** argv);
// The batch work the arguments (program name left out) ask for, once the application
// exists: its exit status.
int TravailEnLot(const QStringList& Arguments);

// "1 744": thousands set apart by a blank, as French writes them.
QString NombreFrancais(long Nombre);
// What the optimised placement did, in the user's words.
QString TexteBilan(const TBilanOptimisation& Bilan);

// For the batch commands of other units. Reads Entree, lets Placer work on it, writes
// Sortie (unless empty) and prints what Placer said: the exit status.
int Placer(const QString& Entree, const QString& Sortie, const std::function<QString()>& Placer);
// The usage, after Texte, on the standard error: the status of a malformed command line.
int Erreur(const char* Texte);
// ENTREE SORTIE [--etapes N] after the command, Etapes kept when not given: 0, or the
// status of the error said (Attendu when the arguments are not those).
int LireEtapes(const QStringList& Arguments, long& Etapes, const char* Attendu);
