#pragma once
// Horalo without a window: every timetable of a file printed to PDF, a file placed
// automatically or optimised, from the command line.
#include <QString>
#include <QStringList>

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
