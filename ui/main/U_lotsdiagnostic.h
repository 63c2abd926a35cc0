#pragma once
// The command line's diagnosis: what a file leaves unplaced, and why, as CSV.
#include <QStringList>

#include <string>

bool EstTravailDiagnostic(const std::string& Commande);
// Arguments as TravailEnLot has them, the command first: the exit status.
int TravailDiagnostic(const QStringList& Arguments);
