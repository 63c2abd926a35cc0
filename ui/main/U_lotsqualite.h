#pragma once
// The command line's quality work: the measures of a file, and a file's timetable improved.
#include <QStringList>

struct TBilanAmelioration;

#include <string>

bool EstTravailQualite(const std::string& Commande);
// Arguments as TravailEnLot has them, the command first: the exit status.
int TravailQualite(const QStringList& Arguments);
// Each measure of the teachers and of the classes, before and after.
QString TexteAmelioration(const TBilanAmelioration& Bilan);
