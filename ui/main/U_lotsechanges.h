#pragma once
// The command line's import and publishing: --importer and --publier.
#include <QString>
#include <QStringList>

// Whether the option is one of these commands.
bool EstEchangeEnLot(const QString& Commande);
// Their lines of the usage text.
extern const char* const UsageEchanges;
// Runs one of them (arguments from the command on) within a batch session whose Lire reads
// a timetable file and says why it cannot on the standard error: the exit status.
int EchangeEnLot(const QStringList& Arguments, bool (*Lire)(const QString& Chemin));
