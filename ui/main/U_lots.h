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
// ENTREE SORTIE [--etapes N] after the command: Placer with Travail given N (Etapes when
// not given). The exit status; Attendu is said when the arguments are not those.
int PlacerEnEtapes(const QStringList& Arguments, long Etapes, const char* Attendu,
                   const std::function<QString(long)>& Travail);
// 0 when a batch command reading Entree may write Sortie; otherwise the status of the
// refusal, said on the standard error: Sortie is Entree under any of its names, or another
// Horalo holds it open.
int SortiePermise(const QString& Entree, const QString& Sortie);
